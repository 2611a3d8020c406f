#pragma once
#include "editors/common/EditorHost.h"
#include "link/MainWindowServices.h"
#include "mainwin/Toolbar.h"
#include "mainwin/frmMainSteps.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class frmMonitor;

// The main window: every other window of the program opens inside its MDI
// area. Showing it the first time runs the program's start-up (settings,
// port, sensor detection); closing it runs the shutdown and ends the program.
// Its menus and toolbar drive the sensor commands and the tool windows. It
// serves the sensor link and the editors through their interfaces.
class frmMain : public QMainWindow, public MainWindowServices, public EditorHost {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The parts of the program that the main window calls but does not build.
    frmMainSteps Steps;

    // A tool window of the window menu as the main window drives it. The
    // traffic monitor is built in; the program's wiring registers the others.
    struct ToolWindow {
        std::function<void()> Show;          // loads it if needed, normal state, in front
        std::function<bool()> Loaded;
        std::function<void()> SetLanguage;
    };
    // windowName: frmMonitor, frmCommand, frmDistance or frmShowIt.
    void RegisterToolWindow(const QString& windowName, ToolWindow window);

    // The eleven toolbar buttons: 0 open, 1 save, 2 print, 3 read, 4 info,
    // 5 defaults, 6 master mode, 7 store, 8 recall, 9 and 10 start and stop recording.
    std::array<Toolbar::ToolbarButton, 11> ToolbarButtons;

    // True from the start of the load until the first activation.
    bool StartupPending() const override { return startupPending_; }

    // Store and recall of the sensor configuration (menu items, toolbar buttons 7 and 8).
    void EnableStoRcl(bool enable) override;
    // 1 enables save, print, export, write and info (and toolbar buttons 1, 2
    // and 4); any other value disables them.
    void EnableData(int state) override;
    // The status line shows a blank and the quick-help text of the number; 0 clears it.
    void ShowQuickHelp(int helpId) override;
    // Translates the window into the current language.
    void SetLanguage();
    // Starts or stops the protocol-file recording; the buttons and the menu
    // caption then show whether a recording runs.
    void StartFileLogging(bool start);
    // The port's name in the status bar, greyed while the port is closed.
    void ShowPort(const QString& name, bool open);

    // A menu item, menu title or separator by its design name; nullptr when unknown.
    QAction* MenuItem(const QString& name) const;
    QMenu* MacroMenu() const { return mnMacros; }
    QMdiArea* MdiArea() const { return mdiArea; }
    QTimer* SensorPollTimer() const { return timSensorPoll; }
    // The open traffic monitor, else nullptr.
    frmMonitor* Monitor() const;

    QLabel* lblMessage = nullptr;
    QLabel* lblPort = nullptr;
    QLabel* imgQB = nullptr;
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building (frmMain.cpp, frmMainToolbar.cpp).
    void buildStatusBar();
    void buildToolbar();
    void connectMenuCommands();
    void installSettingsServices();
    void Load();

    // Window menu and tool windows.
    void showWindowsOfLastRun();
    void showFromWindowMenu(const QString& item);
    void showMonitor();
    void setDefaultPositions();
    void translateLoadedWindows();

    // Commands (frmMainCommands.cpp).
    void runToolbarCommand(int index);
    void readSensor();
    void writeSensor();
    void setSensorDefaults();
    void storeConfiguration();
    void recallConfiguration();
    void startMasterMode();
    void showOptions();
    void showSensorInfo();
    void showAbout();
    void openParameterFile();
    void saveParameterFile();
    void printParameterSheet(bool showDialog);
    void exportParameterSheet();
    void showProtFileDialog();
    bool loggingActive() const;

    QMdiArea* mdiArea = nullptr;
    QToolBar* picToolbar = nullptr;
    QMenu* mnMacros = nullptr;
    QLabel* lblRefHeight = nullptr;
    QTimer* timSensorPoll = nullptr;
    QPointer<frmMonitor> monitor_;
    QHash<QString, ToolWindow> toolWindows_;
    bool loaded_ = false;
    bool startupPending_ = false;
    bool readBusy_ = false;
};
