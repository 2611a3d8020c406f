#include "editors/common/RWState.h"

#include "editors/common/frmRWState.h"
#include "frame/Window.h"

#include <QPointer>

namespace RWState {
namespace {

QPointer<frmRWState> window;

class WindowProgress : public TransferProgress {
public:
    void ShowForm(int mode, int count) override { RWState::ShowForm(mode, count); }
    bool IncBar(int step, const QString& comment) override { return RWState::IncBar(step, comment); }
    void Unload() override { RWState::Unload(); }
};

frmRWState& openWindow() {
    if (!window) window = new frmRWState(Window::MainWindow());
    return *window;
}

// The window is centred as it first shows: its size depends on the
// operation's line that ShowForm shows.
void showWindow(frmRWState& form) {
    if (!form.isVisible()) Window::CenterForm(&form);
    form.show();
}

}  // namespace

StateData& State() {
    static StateData state;
    return state;
}

void ShowForm(int mode, int count) {
    State().CancelRequested = false;
    State().Mode = mode;
    frmRWState& form = openWindow();
    form.ShowOperation(mode, count);
    showWindow(form);
}

bool IncBar(int step, const QString& comment) {
    frmRWState& form = openWindow();
    showWindow(form);
    form.Advance(step, comment);
    return !State().CancelRequested;
}

void Unload() {
    if (!window) return;
    window->hide();
    window->deleteLater();
    window = nullptr;
}

void SetLanguage() {
    if (window) window->SetLanguage();
}

frmRWState* Form() { return window; }

TransferProgress& Progress() {
    static WindowProgress progress;
    return progress;
}

void ResetForTests() {
    delete window.data();
    window = nullptr;
    State() = StateData();
}

}  // namespace RWState
