#pragma once
#include <QString>
#include <QtGlobal>

#include <functional>

// The poll cycle. While a live window is open or a protocol file records,
// the main window's 250 ms timer asks the main loop for one PollSensor run,
// which reads the distance, the switch outputs and the analogue value and
// hands them to the recorder, the distance readout and the display window.
namespace Sensor {

struct PollState {
    int PollClients = 0;        // registered poll clients
    bool PollBusy = false;      // a cycle is running
    int SwitchErrorCount = 0;   // cycles in a row in which "SS1" got no answer, at most 2
};

PollState& PollCycleState();
// Back to no clients and no timer switch (tests).
void ResetPollCycleForTests();

// Runs (True) or stops (False) the main window's poll timer timSensorPoll;
// it may be told the state it already has. Installing it applies the
// current client count at once.
void SetPollTimerSwitch(std::function<void(bool run)> timerSwitch);

// Registers (True) or removes (False) a poll client; the poll timer runs
// while at least one is registered.
void SetPolling(bool on);

// One poll cycle; returns at once while another cycle waits for the sensor.
void PollSensor();

// Makes PollSensor the main loop's poll step; the program calls it once at start-up.
void InstallPollCycle();

// The number a sensor answer starts with, as a 32-bit whole number (0 when it
// starts with none; values beyond the range give its nearest end).
qint32 LeadingLong(const QString& answer);

}  // namespace Sensor
