#include "frame/clsTimer.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "platform/ProgramEnd.h"
#include "platform/SerialControl.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Ports {
namespace Line {

// While an echoed request line is partly out, the user's input waits in the
// queue: a command or an edit started now would have to wait for that line
// inside it, or break into it. It runs as soon as the line is complete.
void YieldToEvents() {
    QCoreApplication::processEvents(State().EchoLineOpen ? QEventLoop::ExcludeUserInputEvents
                                                         : QEventLoop::AllEvents);
}

// A pass that holds input back uses up the event dispatcher's wake-up (so
// GLib's does): without a new one, the input waiting in the queue would be
// taken only when some other event comes, an idle program's keystroke at the
// next mouse move.
void LetHeldInputThrough() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

bool WaitForInput(int timeoutMs) {
    SerialControl* control = State().control;
    clsTimer stopwatch(*State().clock);
    stopwatch.StartTimer();
    for (;;) {
        if (!Usable()) return false;
        if (control->InBufferCount() > 0) return true;
        YieldToEvents();
        // A request nested in the event pass may have closed or lost the
        // line, or the main window closed.
        if (!Usable()) return false;
        // Or it took its answer off the line and left the lines that came
        // right behind it: they are this wait's input, to be counted, never
        // to be mistaken for an answer cut short.
        if (State().RxBuffer.contains('\r')) return true;
        const double left = timeoutMs - stopwatch.Elapsed();
        if (left <= 0) return control->InBufferCount() > 0;
        control->waitForInput(int(std::ceil(std::min<double>(left, WaitSliceMs))));
    }
}

void WaitForOutputDrained(int bytesWritten) {
    // A second more than the wire time, for a slow driver.
    const double limitMs = 1000 + WireMs(bytesWritten);
    SerialControl* control = State().control;
    clsTimer stopwatch(*State().clock);
    stopwatch.StartTimer();
    while (Usable() && control->OutBufferCount() > 0 && stopwatch.Elapsed() < limitMs) {
        YieldToEvents();
        if (Usable()) control->waitForOutput(WaitSliceMs);
    }
}

}  // namespace Line

void Delay(qint32 ms) {
    if (ms == 0) ms = State().AnswerTimeout / 2;
    SystemClock::Source& clock = *State().clock;
    clsTimer stopwatch(clock);
    stopwatch.StartTimer();
    for (;;) {
        Line::YieldToEvents();
        const double left = ms - stopwatch.Elapsed();
        if (left <= 0 || ProgramEnd::Ending()) return;
        clock.Sleep(std::min<double>(left, Line::WaitSliceMs));
    }
}

}  // namespace Ports
