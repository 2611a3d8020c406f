// Bringing the line back in step after a try was given up while the sensor
// was answering (link/LineAccount.h): the tries given up may still be
// answered, so the line asks for a mark, an answer that cannot be mistaken
// for another's, and throws away what comes before it.
#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <optional>

namespace Ports {
namespace {

StepMarks& installedMarks() {
    static StepMarks marks;
    return marks;
}

// The first mark whose request has no answer still to come: the late answer
// of an earlier one would pass for the mark's. When every mark has one, the
// first is asked all the same; a line that comes after its answer then shows
// the line out of step as any line nobody is owed does.
std::optional<StepMark> chooseMark(const QList<QByteArray>& unsettled) {
    if (!installedMarks()) return std::nullopt;
    const QList<StepMark> marks = installedMarks()();
    if (marks.isEmpty()) return std::nullopt;
    for (const StepMark& mark : marks)
        if (!unsettled.contains(mark.request)) return mark;
    return marks.first();
}

void sendMark(const StepMark& mark) {
    LinkState& s = State();
    const QByteArray bytes = mark.request + '\r';
    s.control->Output(bytes);
    s.Account.MarkSent(Line::Now(), mark.request, mark.isItsAnswer);
    const bool debug = Options::Current().DebugMode;
    TrafficLog::Offer({"W: ", TrafficLog::FormatBytes(bytes, debug), false});
    const Line::WaitingForAnswer waiting;
    Line::WaitForOutputDrained(int(bytes.size()));
}

}  // namespace

void SetStepMarks(StepMarks marks) { installedMarks() = std::move(marks); }

bool MarkDue() { return State().Account.MarkDue(); }

bool BringInStep() {
    LinkState& s = State();
    LineAccount& account = s.Account;
    if (!account.MarkDue() || s.EchoMode || s.ReadDepth > 0 || !Line::Usable()) return false;
    const std::optional<StepMark> mark = chooseMark(account.Unsettled());
    if (!mark) {
        account.WaiveMark();
        return false;
    }
    sendMark(*mark);
    const Line::WaitingForAnswer waiting;
    while (account.MarkOwed() && Line::Usable()) {
        const double counted = Line::Now();
        Line::TakeWaitingInput();
        Line::SettleCompleteLines(0, nullptr);
        if (!account.MarkOwed()) break;
        if (s.RxBuffer.size() > RxBufferSize) {
            Line::DropNoise();
            break;
        }
        if (Line::QuietBehindIncompleteAnswer()) Line::CutIncompleteAnswer();
        account.MarkWaited(counted, Line::LostAfterMs(), Line::WaitBoundMs());
        if (!account.MarkOwed()) break;
        Line::WaitForInput(Line::WaitSliceMs);
    }
    // Answered: the sensor answers again; lost: it is taken as silent.
    return !account.MarkDue() && account.Answering();
}

}  // namespace Ports
