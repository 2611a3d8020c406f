#include "link/Ports.h"

#include "frame/Inifile_Utils.h"
#include "frame/Message.h"
#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "link/PortsLine.h"
#include "platform/MsgBox.h"
#include "platform/ProgramEnd.h"
#include "platform/SerialControl.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Ports {
namespace {

constexpr int PortErrorMessage = 2;

// The answer and echo waits the settings file may ask for: a sensor answers
// within a few milliseconds, a slow adapter adds some more, and a silent line
// costs several of these waits before detection can say so. Beyond a few
// seconds a typing slip would hold the start for minutes; at zero every
// answer would be missed and the sensor blamed for it.
constexpr int ShortestWaitMs = 10;
constexpr int LongestWaitMs = 5000;

// "250", " -3", ".5" and "1e3 ms" start with a number, "abc" and "" do not.
bool startsWithNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[ \\t\\r\\n]*[+-]?\\.?[0-9]"));
    return number.match(text).hasMatch();
}

// A wait in ms from the settings file: the leading number of its text,
// rounded half to even and kept to the range above; a text without a number
// gives the default.
int readNumberSetting(const QString& key, int defaultValue) {
    const QString text = ReadIniString(Options::SettingsFile, "Settings", key, QString::number(defaultValue));
    if (!startsWithNumber(text)) return defaultValue;
    const double rounded = std::nearbyint(NumberFormat::LeadingNumber(text));
    return int(std::clamp<double>(rounded, ShortestWaitMs, LongestWaitMs));
}

// A port opened anew starts with nothing on it and nothing owed: answers to
// tries sent on it before can never arrive now.
void forgetTheLine() {
    LinkState& s = State();
    s.RxBuffer.clear();
    s.RxHeardAt.clear();
    s.Account.Reopened();
    s.EchoLineOpen = false;
}

void showPortState(bool open) {
    if (State().portShown) State().portShown(State().PortName, open);
}

void openPort(const QString& name) {
    LinkState& s = State();
    s.PortName = name;
    s.PortLost = false;
    if (s.portShown) s.portShown(name, s.PortOpen);
    for (;;) {
        if (s.control) {
            if (s.control->PortOpen()) s.control->SetPortOpen(false);
            s.control->SetCommPort(name);
            if (s.control->SetPortOpen(true)) {
                forgetTheLine();
                s.PortOpen = true;
                showPortState(true);
                return;
            }
        }
        if (ShowMessage(PortErrorMessage, MsgBox::RetryCancel) != MsgBox::Retry) {
            s.PortOpen = false;
            showPortState(false);
            return;
        }
    }
}

}  // namespace

LinkState& State() {
    static LinkState state;
    return state;
}

void ResetForTests() {
    State() = LinkState();
    SetStepMarks({});
}

bool IsErrorStatus(int firstByte) { return firstByte >= StatusInvalidParameter && firstByte <= StatusHardwareError; }

bool Line::Usable() {
    LinkState& s = State();
    if (!s.PortOpen || ProgramEnd::Ending()) return false;
    if (s.control && s.control->PortOpen()) return true;
    s.PortOpen = false;
    s.PortLost = true;
    showPortState(false);
    return false;
}

void InitPort(SerialControl* control, PortShown portShown) {
    LinkState& s = State();
    s.control = control;
    s.portShown = std::move(portShown);
    s.DetectTimeout = readNumberSetting("DetectTimeout", 100);
    s.EchoTimeout = readNumberSetting("EchoTimeout", 500);
    s.AnswerTimeout = s.DetectTimeout;
    s.EchoMode = false;
    forgetTheLine();
    for (int depth = 0; depth < LineAccount::Depths; ++depth) s.Account.DropParked(depth);
    s.PortOpen = false;
    s.PortLost = false;
}

void SetPort(QString& name) {
    LinkState& s = State();
    if (name.isEmpty()) {
        name = s.PortName;
        return;
    }
    if (name == s.PortName && !s.PortLost) return;
    openPort(name);
}

bool PortStillOpen() {
    LinkState& s = State();
    // A hang-up shows only when the line is used: look once, without waiting.
    if (s.PortOpen && s.control) s.control->waitForInput(0);
    return Line::Usable();
}

bool ReopenPort() {
    LinkState& s = State();
    if (ProgramEnd::Ending()) return false;
    if (PortStillOpen()) return true;
    if (s.PortName.isEmpty() || !s.control) return false;
    s.control->SetCommPort(s.PortName);
    if (!s.control->SetPortOpen(true)) return false;
    forgetTheLine();
    s.PortOpen = true;
    s.PortLost = false;
    showPortState(true);
    return true;
}

double Line::Now() { return SystemClock::Milliseconds(*State().clock); }

int Line::DefaultWait() {
    const LinkState& s = State();
    return s.EchoMode ? s.EchoTimeout : s.AnswerTimeout;
}

void ClosePort() {
    LinkState& s = State();
    Line::FinishOpenLine();
    s.PortOpen = false;
    s.PortLost = false;
    if (s.control && s.control->PortOpen()) s.control->SetPortOpen(false);
}

int SetTimeout(int ms) {
    const int previous = State().AnswerTimeout;
    State().AnswerTimeout = ms;
    return previous;
}

void SetEchoMode(bool echo, bool waitAlways) {
    // Without echoes no carriage return coming back is ours; with them, the
    // echoes keep the line in step.
    if (echo)
        State().Account.EchoModeOn();
    else
        State().Account.EchoModeOff();
    State().EchoMode = echo;
    State().EchoWaitAlways = waitAlways;
}

QString PortName() { return State().PortName; }
bool PortOpen() { return State().PortOpen; }
bool EchoMode() { return State().EchoMode; }
bool EchoWaitAlways() { return State().EchoWaitAlways; }
bool EchoLineOpen() { return State().EchoLineOpen; }
int ReadDepth() { return State().ReadDepth; }
int AnswerTimeout() { return State().AnswerTimeout; }
qint32 EchoTimeout() { return State().EchoTimeout; }

}  // namespace Ports
