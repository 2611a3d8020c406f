#include "link/MainWindowServices.h"

namespace {

// Used until the main window installs itself: no menus, no display window,
// no saving.
class NoMainWindow : public MainWindowServices {
public:
    void EnableData(int) override {}
    void SetParameterMenuEnabled(bool) override {}
    bool ParameterMenuChecked() const override { return false; }
    bool StartupPending() const override { return false; }
    bool DisplayWindowLoaded() const override { return false; }
    void InitDisplayWindow() override {}
    bool SaveParameterFile(bool) override { return false; }
    bool PollTimerRunning() const override { return false; }
};

NoMainWindow standIn;
MainWindowServices* installed = &standIn;

}  // namespace

namespace Sensor {

void SetMainWindowServices(MainWindowServices* services) {
    installed = services ? services : &standIn;
}

MainWindowServices& MainWindow() { return *installed; }

}  // namespace Sensor
