#include "link/PollCycle.h"

#include "frame/MainModule.h"
#include "frame/NumberFormat.h"
#include "link/DisplayWindows.h"
#include "link/MasterWindow.h"
#include "link/Ports.h"
#include "link/ProtFile.h"
#include "link/Sensor.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "link/TakenValues.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Sensor {
namespace {

constexpr int MasterSettleDelays = 5;
constexpr int EchoLine = 1;

std::function<void(bool)>& timerSwitch() {
    static std::function<void(bool)> installed;
    return installed;
}

void switchTimer() {
    if (timerSwitch()) timerSwitch()(PollCycleState().PollClients >= 1);
}

// Poll traffic is cyclic: logged as such, the traffic monitor shows it only
// while "dynamische Daten" is checked. Every answer of a round is noted with
// the stretch it came in.
QString ask(const QString& command, bool useRetries, TakenValues& taken) {
    QString answer;
    Ports::AnswerBytes bytes{};
    SendCommand(command, answer, bytes, std::nullopt, true, useRetries, true);
    taken.Took(0);
    return answer;
}

// A switch output as the display shows it: 0 inactive, 1 active, 2 error
// ("E"), -1 anything else.
int switchState(const QString& answer) {
    if (answer == QLatin1String("E")) return 2;
    const int c = answer[0].unicode() - '0';
    return c == 0 || c == 1 ? c : -1;
}

// No answer is no reading, not a target at 0 mm; nor is a status byte in
// place of the distance (the sensor refused the request or could not
// measure), whose leading number would read as 0.
std::optional<qint32> distanceFrom(const QString& answer) {
    if (answer.isEmpty()) return std::nullopt;
    const int first = answer[0].unicode();
    if (first == Ports::StatusOK || Ports::IsErrorStatus(first)) return std::nullopt;
    return answer.startsWith(QLatin1Char('E')) ? -1 : LeadingLong(answer);
}

bool analogOutputInUse() {
    QVariant inUse = false;
    GetSensorData(SensorInfoItem::AnalogInUse, inUse);
    return inUse.toBool();
}

struct Outputs {
    int state1 = -1;
    int state2 = -1;
    qint32 analog = 0;
};

// The QF8200Echo line has no switch-state commands: its outputs count as
// inactive while the sensor answers.
Outputs echoLineOutputs(bool distanceAnswered, TakenValues& taken) {
    Outputs out;
    out.state1 = out.state2 = distanceAnswered ? 0 : -1;
    if (analogOutputInUse()) out.analog = LeadingLong(ask(QStringLiteral("IU"), false, taken));
    return out;
}

// A sensor that does not answer "SS1" twice in a row is not asked "SS2"
// either until it answers again, so a silent sensor costs one wait per cycle.
Outputs switchLineOutputs(PollState& poll, TakenValues& taken) {
    Outputs out;
    const QString first = ask(QStringLiteral("SS1"), false, taken);
    if (first.isEmpty()) {
        poll.SwitchErrorCount = std::min(poll.SwitchErrorCount + 1, 2);
    } else {
        poll.SwitchErrorCount = 0;
        out.state1 = switchState(first);
    }
    if (!(out.state1 < 0 && poll.SwitchErrorCount >= 2)) {
        const QString second = ask(QStringLiteral("SS2"), false, taken);
        if (!second.isEmpty()) out.state2 = switchState(second);
    }
    if (analogOutputInUse()) out.analog = LeadingLong(ask(QStringLiteral("RD"), false, taken));
    return out;
}

// A master mode asked for while polling ran starts here, between two cycles,
// so that its stream never meets a poll request.
void startDeferredMasterMode(SensorStateData& sensor) {
    sensor.MasterRequest = false;
    if (sensor.SensorFormName.isEmpty() || !sensor.MasterForm) return;
    sensor.MasterForm->Start(sensor.MasterArg);
    for (int i = 0; i < MasterSettleDelays; ++i) Ports::Delay(0);
}

}  // namespace

PollState& PollCycleState() {
    static PollState state;
    return state;
}

void ResetPollCycleForTests() {
    PollCycleState() = PollState();
    timerSwitch() = nullptr;
}

void SetPollTimerSwitch(std::function<void(bool run)> newSwitch) {
    timerSwitch() = std::move(newSwitch);
    switchTimer();
}

void SetPolling(bool on) {
    int& clients = PollCycleState().PollClients;
    clients = std::max(clients + (on ? 1 : -1), 0);
    switchTimer();
}

void PollSensor() {
    PollState& poll = PollCycleState();
    if (poll.PollBusy) return;
    poll.PollBusy = true;
    const auto done = qScopeGuard([&poll] { poll.PollBusy = false; });

    SensorStateData& sensor = State();
    if (sensor.MasterRequest) {
        startDeferredMasterMode(sensor);
        return;
    }

    TakenValues taken;
    QString distanceAnswer = ask(QStringLiteral("AD"), true, taken);
    Outputs out;
    const bool displayed = SwitchDisplay().Loaded();
    if (displayed) {
        const bool echoLine = NumberFormat::LeadingNumber(sensor.SensorLine) == EchoLine;
        out = echoLine ? echoLineOutputs(!distanceAnswer.isEmpty(), taken) : switchLineOutputs(poll, taken);
    }
    // Answers shifted on the line in this round: it shows and records
    // nothing it took, as if the sensor had not answered.
    if (!taken.OutOfStep().isEmpty()) {
        distanceAnswer.clear();
        out = Outputs{};
    }

    const std::optional<qint32> distance = distanceFrom(distanceAnswer);
    if (LoggingActive()) FileLoggingTick(distanceAnswer);
    if (DistanceReadout().Loaded()) DistanceReadout().SetDistance(distance);
    // Fetched again: the display may have gone while the sensor was asked.
    if (!displayed || !SwitchDisplay().Loaded()) return;
    SwitchDisplayLink& display = SwitchDisplay();
    display.SetDistance(distance, out.analog, out.state1 == 2);
    display.SetState(out.state1, out.state2);
}

void InstallPollCycle() { MainModule::State().PollSensor = [] { PollSensor(); }; }

qint32 LeadingLong(const QString& answer) {
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    return qint32(std::clamp(std::nearbyint(NumberFormat::LeadingNumber(answer)), lowest, highest));
}

}  // namespace Sensor
