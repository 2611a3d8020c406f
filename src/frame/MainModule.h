#pragma once
#include <functional>

class QWidget;

// The program's start and its main loop.
namespace MainModule {

struct LoopState {
    // Raised by the main window's poll timer, consumed by the main loop.
    bool PollRequest = false;
    // One poll cycle; the sensor link installs it. Nothing is polled until then.
    std::function<void()> PollSensor;
};

LoopState& State();
void ResetForTests();

// Creates the main window (the caller's class; the loop takes ownership).
using MainWindowFactory = std::function<QWidget*()>;

// Shows the splash window and the main window (whose showing runs its whole
// start-up), removes the splash and runs the main loop until the main window
// is closed. Returns the program's exit code.
int Main(const MainWindowFactory& createMainWindow);

}  // namespace MainModule
