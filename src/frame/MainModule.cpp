#include "frame/MainModule.h"

#include "frame/Window.h"
#include "frame/frmStart.h"
#include "platform/MsgBox.h"
#include "platform/ProgramEnd.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace MainModule {
namespace {

// Polls when asked to, otherwise sleeps until the next window event arrives,
// so an idle program costs no processor time. A poll needs no pause after
// it: the next pass waits for events anyway, and a pause would only keep
// the windows from answering. The start window closed in its last moment,
// with the main window already up, ends the program as well.
void runMainLoop(const QPointer<QWidget>& mainWindow) {
    LoopState& state = State();
    while (mainWindow && mainWindow->isVisible() && !ProgramEnd::Ending()) {
        if (state.PollRequest) {
            state.PollRequest = false;
            if (state.PollSensor) state.PollSensor();
            QCoreApplication::processEvents();
        } else {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
}

}  // namespace

LoopState& State() {
    static LoopState state;
    return state;
}

void ResetForTests() { State() = LoopState(); }

int Main(const MainWindowFactory& createMainWindow) {
    MsgBox::SetHelpOpener(Window::OpenHelpFile);

    auto splash = std::make_unique<frmStart>();
    splash->show();
    const QPointer<QWidget> mainWindow = createMainWindow();
    mainWindow->show();
    QCoreApplication::processEvents();
    splash.reset();

    State().PollRequest = false;
    runMainLoop(mainWindow);
    // Closing the main window ends the program: every window goes with it.
    delete mainWindow.data();
    return 0;
}

}  // namespace MainModule
