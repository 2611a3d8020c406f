#include "link/Ports.h"

#include "frame/Inifile_Utils.h"
#include "frame/Message.h"
#include "frame/NumberFormat.h"
#include "frame/Options.h"
#include "link/PortsLine.h"
#include "platform/MsgBox.h"
#include "platform/ProgramEnd.h"
#include "platform/SerialControl.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Ports {
namespace {

constexpr int PortErrorMessage = 2;

// The leading number of a settings text, rounded half to even and kept
// within the integer type the value lives in.
template <class Int>
Int readNumberSetting(const QString& key, const QString& defaultValue) {
    const double value = NumberFormat::LeadingNumber(ReadIniString(Options::SettingsFile, "Settings", key, defaultValue));
    const double rounded = std::nearbyint(value);
    return Int(std::clamp<double>(rounded, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
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

void ResetForTests() { State() = LinkState(); }

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
    s.DetectTimeout = readNumberSetting<qint16>("DetectTimeout", "100");
    // Kept to 16 bits like the answer timeout: a wait of half a minute is
    // already far more than any sensor needs, and a typing slip in the file
    // must not let one dropped echo hold the program for days.
    s.EchoTimeout = readNumberSetting<qint16>("EchoTimeout", "500");
    s.AnswerTimeout = s.DetectTimeout;
    s.EchoMode = false;
    s.RxBuffer.clear();
    std::fill(s.ParkedCount.begin() + 1, s.ParkedCount.end(), 0);
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
    State().EchoMode = echo;
    State().EchoWaitAlways = waitAlways;
}

QString PortName() { return State().PortName; }
bool PortOpen() { return State().PortOpen; }
bool EchoMode() { return State().EchoMode; }
bool EchoWaitAlways() { return State().EchoWaitAlways; }
int ReadDepth() { return State().ReadDepth; }
int AnswerTimeout() { return State().AnswerTimeout; }
qint32 EchoTimeout() { return State().EchoTimeout; }

}  // namespace Ports
