#include "editors/common/DisplayWindowLink.h"

namespace {

class StandInDisplay : public DisplayWindowLink {
public:
    bool Loaded() const override { return false; }
    void EnableSwitch(int, int) override {}
    void SetErrorMode(int, int) override {}
    void SetFehlerStrom(int) override {}
    void Update() override {}
};

StandInDisplay standIn;
DisplayWindowLink* installed = nullptr;

}  // namespace

namespace Editors {

void SetDisplayWindow(DisplayWindowLink* display) { installed = display; }

DisplayWindowLink& ShowIt() { return installed ? *installed : standIn; }

void RedrawShowIt() {
    if (ShowIt().Loaded()) ShowIt().Update();
}

}  // namespace Editors
