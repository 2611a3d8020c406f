#pragma once
#include "editors/common/EditorHost.h"
#include "link/MainWindowServices.h"
#include "mainwin/frmMainSteps.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

// The main window: every other window of the program opens inside its MDI
// area. Showing it the first time runs the program's start-up (settings,
// port, sensor detection); closing it runs the shutdown and ends the program.
// It serves the sensor link and the editors through their interfaces.
class frmMain : public QMainWindow, public MainWindowServices, public EditorHost {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The parts of start-up and shutdown that other modules carry out.
    frmMainSteps Steps;

    // True from the start of the load until the first activation.
    bool StartupPending() const override { return startupPending_; }
    void SetStartupPending(bool pending) { startupPending_ = pending; }

    // Store and recall of the sensor configuration (menu items, toolbar buttons 7 and 8).
    void EnableStoRcl(bool enable) override;
    // 1 enables save, print, export, write and info (and toolbar buttons 1, 2
    // and 4); any other value disables them.
    void EnableData(int state) override;
    // The status line shows a blank and the quick-help text of the number; 0 clears it.
    void ShowQuickHelp(int helpId) override;
    // Translates the window into the current language.
    void SetLanguage();

    // A menu item, menu title or separator by its design name; nullptr when unknown.
    QAction* MenuItem(const QString& name) const;
    QMenu* MacroMenu() const { return mnMacros; }
    QMdiArea* MdiArea() const { return mdiArea; }
    QTimer* SensorPollTimer() const { return timSensorPoll; }

    QLabel* lblMessage = nullptr;
    QLabel* lblPort = nullptr;
    // The captions of mnProtStartStop while no recording runs and while one runs.
    QString StartCaption;
    QString StopCaption;

    // What the sensor link asks of the main window.
    void SetParameterMenuEnabled(bool enabled) override;
    bool ParameterMenuChecked() const override;
    bool DisplayWindowLoaded() const override;
    void InitDisplayWindow() override;
    bool SaveParameterFile(bool askForName) override;
    bool PollTimerRunning() const override;

    // What the editors ask of the main window.
    void SetParameterMenuChecked(bool checked) override;
    bool IsMainWindowActive() const override;
    void AddEditorWindow(QWidget* editor) override;

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStatusBar();
    void connectWindowMenu();
    void installSettingsServices();
    void Load();
    void showWindowsOfLastRun();
    void showFromWindowMenu(const QString& item);
    void setDefaultPositions();
    void setToolbarButtonsDisabled(std::initializer_list<int> buttons, bool disabled);

    QMdiArea* mdiArea = nullptr;
    QMenu* mnMacros = nullptr;
    QLabel* lblRefHeight = nullptr;
    QTimer* timSensorPoll = nullptr;
    bool loaded_ = false;
    bool startupPending_ = false;
};
