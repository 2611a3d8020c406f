#include "mainwin/RegisterMasterWindows.h"

#include "frame/Window.h"
#include "link/EditorRegistry.h"
#include "link/MasterWindow.h"
#include "mainwin/MasterModes.h"
#include "mainwin/frmMaster.h"

#include <QPointer>

namespace {

// The master-mode window of one line as detection keeps it. It lives as long
// as the program; the window itself is built for each start and goes when it
// closes, so every start begins as a freshly loaded window.
class MasterModeWindow : public MasterWindow {
public:
    explicit MasterModeWindow(const MasterLine& line) : line_(line) {}

    void Start(QString& mode) override {
        mode = mode.toUpper();
        QPointer<frmMaster> window = new frmMaster(line_, Window::MainWindow());
        open_ = window;
        window->StartMode(mode);
        if (window) window->exec();
        delete window.data();
    }

    void SetLanguage() override {
        if (open_) open_->SetLanguage();
    }

    const QString& Name() const { return line_.windowName; }

private:
    const MasterLine& line_;
    QPointer<frmMaster> open_;
};

}  // namespace

void RegisterMasterWindows() {
    static MasterModeWindow qf8200(MasterModes::QF8200());
    static MasterModeWindow qf8200rdx(MasterModes::QF8200RDX());
    static MasterModeWindow qt8200(MasterModes::QT8200());
    for (MasterModeWindow* window : {&qf8200, &qf8200rdx, &qt8200})
        EditorRegistry::RegisterMasterWindow(window->Name(), [window] { return window; });
}
