#pragma once
#include "link/MainWindowServices.h"

#include <QStringList>

// The main window's services as plain flags; installed while it lives.
class FakeMainWindow : public MainWindowServices {
public:
    FakeMainWindow() { Sensor::SetMainWindowServices(this); }
    ~FakeMainWindow() override { Sensor::SetMainWindowServices(nullptr); }

    bool menuEnabled = false, menuChecked = true, startupPending = false, displayLoaded = false;
    bool saveSucceeds = true, polling = false;
    QStringList calls;

    void EnableData(int state) override { calls << QStringLiteral("EnableData(%1)").arg(state); }
    void SetParameterMenuEnabled(bool enabled) override { menuEnabled = enabled; }
    bool ParameterMenuChecked() const override { return menuChecked; }
    void SetParameterMenuChecked(bool checked) override { menuChecked = checked; }
    bool StartupPending() const override { return startupPending; }
    bool DisplayWindowLoaded() const override { return displayLoaded; }
    void InitDisplayWindow() override { calls << "InitDisplayWindow"; }
    bool SaveParameterFile(bool) override {
        calls << "SaveParameterFile";
        return saveSucceeds;
    }
    bool PollTimerRunning() const override { return polling; }
};
