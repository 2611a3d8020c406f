#include "mainwin/LiveWindows.h"

#include "editors/common/DisplayWindowLink.h"
#include "link/DisplayWindows.h"
#include "mainwin/ShowItSettings.h"
#include "mainwin/frmDistance.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmShowIt.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace LiveWindows {
namespace {

struct Windows {
    QPointer<frmShowIt> showIt;
    QPointer<frmDistance> distance;
    ShowItSettings settings;
};

Windows& windows() {
    static Windows instance;
    return instance;
}

bool showItLoaded() { return windows().showIt && windows().showIt->Loaded; }
bool distanceLoaded() { return windows().distance && windows().distance->Loaded; }

// The editors set up the display whether or not it is open.
class EditorsDisplay final : public DisplayWindowLink {
public:
    bool Loaded() const override { return showItLoaded(); }
    void EnableSwitch(int index, int value) override {
        if (windows().settings.EnableSwitch(index, value) && showItLoaded()) windows().showIt->Update();
    }
    void SetErrorMode(int index, int value) override { windows().settings.SetErrorMode(index, value); }
    void SetFehlerStrom(int value) override { windows().settings.FaultCurrent = value; }
    void Update() override {
        if (showItLoaded()) windows().showIt->Update();
    }
};

class PolledDisplay final : public SwitchDisplayLink {
public:
    bool Loaded() const override { return showItLoaded(); }
    void SetDistance(std::optional<qint32> distance, qint32 analog, bool fault) override {
        if (showItLoaded()) windows().showIt->SetDistance(distance, analog, fault);
    }
    void SetState(int state1, int state2) override {
        if (showItLoaded()) windows().showIt->SetState(state1, state2);
    }
};

class PolledReadout final : public DistanceReadoutLink {
public:
    bool Loaded() const override { return distanceLoaded(); }
    void SetDistance(std::optional<qint32> distance) override {
        if (distanceLoaded()) windows().distance->SetDistance(distance);
    }
};

EditorsDisplay editorsDisplay;
PolledDisplay polledDisplay;
PolledReadout polledReadout;

void bringToFront(QMdiArea* area, QWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) return;
    sub->showNormal();
    sub->raise();
    area->setActiveSubWindow(sub);
}

}  // namespace

void ConnectLinks() {
    Editors::SetDisplayWindow(&editorsDisplay);
    Sensor::SetSwitchDisplay(&polledDisplay);
    Sensor::SetDistanceReadout(&polledReadout);
}

void Disconnect() {
    Editors::SetDisplayWindow(nullptr);
    Sensor::SetSwitchDisplay(nullptr);
    Sensor::SetDistanceReadout(nullptr);
    windows().settings = ShowItSettings();
}

void Connect(frmMain& mainWindow) {
    ConnectLinks();
    QMdiArea* area = mainWindow.MdiArea();
    mainWindow.RegisterToolWindow(QStringLiteral("frmShowIt"), {[area] { ShowShowIt(area); }, showItLoaded, {}});
    mainWindow.RegisterToolWindow(QStringLiteral("frmDistance"),
                                  {[area] { ShowDistance(area); }, distanceLoaded, [] {
                                       if (distanceLoaded()) windows().distance->SetLanguage();
                                   }});
    mainWindow.Steps.InitDisplayWindow = [] {
        if (showItLoaded()) windows().showIt->Init();
    };
}

void ShowShowIt(QMdiArea* area) {
    if (!showItLoaded()) windows().showIt = new frmShowIt(area, windows().settings);
    bringToFront(area, windows().showIt);
}

void ShowDistance(QMdiArea* area) {
    if (!distanceLoaded()) windows().distance = new frmDistance(area);
    bringToFront(area, windows().distance);
}

frmShowIt* ShowItWindow() { return showItLoaded() ? windows().showIt.data() : nullptr; }

frmDistance* DistanceWindow() { return distanceLoaded() ? windows().distance.data() : nullptr; }

ShowItSettings& DisplaySettings() { return windows().settings; }

}  // namespace LiveWindows
