#include "frame/MainModule.h"
#include "frame/Options.h"
#include "frame/SettingsServices.h"
#include "link/SensorState.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmMainWiring.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

namespace {

// Runs a function when the watched object is asked to close.
class OnClose : public QObject {
public:
    explicit OnClose(std::function<void()> f) : f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

class MainWindowStartup : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        MainModule::ResetForTests();
        Sensor::ResetStateForTests();
    }
    void TearDown() override { Options::ResetServicesForTests(); }

    QByteArray ini() const { return windir.read(Options::SettingsFile); }

    // Records each step of window by name; SetPort tells loading (a name) from saving.
    void recordSteps(frmMain& window) {
        auto record = [this](const char* name) { return [this, name] { steps << name; }; };
        frmMainSteps& s = window.Steps;
        s.InitToolbar = record("toolbar");
        s.InitPort = record("init port");
        s.InitRecentFiles = record("recent files");
        s.LoadCommandHistory = record("load history");
        s.DetectSensor = [this, &window] {
            steps << "detect";
            pendingWhileDetecting = window.StartupPending();
        };
        s.TranslateToolbar = record("toolbar texts");
        s.ShowToolWindow = [this](const QString& name) { steps << "show " + name; };
        s.QuerySaveChanges = [this] {
            steps << "query";
            return allowClose;
        };
        s.HideButtonTip = record("tip");
        s.StopProtFile = record("stop recording");
        s.SaveCommandHistory = [this] {
            steps << "save history";
            settingsBeforeHistory = ini();
        };
        s.ClosePort = [this] {
            steps << "close port";
            settingsBeforeClosePort = ini();
        };
        Options::Services().SetPort = [this](QString& name) {
            steps << (name.isEmpty() ? "SaveSettings" : "LoadSettings");
            if (name.isEmpty()) name = "COM1";
        };
    }

    TempWindowsFolder windir;
    ScriptedMessages messages{{}, MsgBox::Cancel};
    QStringList steps;
    bool allowClose = true;
    bool pendingWhileDetecting = false;
    QByteArray settingsBeforeHistory, settingsBeforeClosePort;
};

TEST_F(MainWindowStartup, MainRunsUntilTheMainWindowClosesWhichWritesTheSettings) {
    windir.write(Options::SettingsFile, "[Settings]\nPort=/nonexistent/zelvo-test-tty\nCommandWnd=Hide\n");
    QPointer<frmMain> window;
    bool monitorClosed = false;
    OnClose monitorCloses([&] {
        monitorClosed = true;
        window->MenuItem("mnMonitor")->setChecked(false);
    });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!window || !window->isVisible()) return;
        closer.stop();
        // A monitor window is open: it clears its check mark only when it closes.
        auto* monitor = new QWidget;
        monitor->setObjectName("frmMonitor");
        window->MdiArea()->addSubWindow(monitor)->installEventFilter(&monitorCloses);
        window->close();
    });
    closer.start(5);

    const int code = MainModule::Main([&] {
        window = new frmMain;
        ConnectProgramParts(*window);
        return window.data();
    });

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(window.isNull()) << "ending the program deletes the main window";
    EXPECT_TRUE(monitorClosed);
    const QByteArray settings = ini();
    for (const char* line : {"[Windows]\nfrmMain=", "MonitorWnd=Show\n", "CommandWnd=Hide\n", "Parameter=Show\n",
                             "Port=/nonexistent/zelvo-test-tty\n", "Tooltips=YES\n", "[ProtFile]\n"})
        EXPECT_TRUE(settings.contains(line)) << line << "\n" << settings.constData();
    bool portMessage = false;
    for (const MsgBox::Request& r : messages.shown()) portMessage |= (r.style & 0x0F) == 5;
    EXPECT_TRUE(portMessage) << "the port that cannot be opened is reported with Retry/Cancel";
}

TEST_F(MainWindowStartup, LoadFirstActivationAndCloseRunTheirStepsInOrder) {
    frmMain window;
    recordSteps(window);
    window.show();
    EXPECT_EQ(steps, QStringList({"toolbar", "init port", "recent files", "load history", "LoadSettings", "detect",
                                  "toolbar texts"}));
    EXPECT_TRUE(pendingWhileDetecting);

    // No settings file: every window that the check marks name opens, once.
    steps.clear();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    QCoreApplication::sendEvent(&window, &activate);
    EXPECT_FALSE(window.StartupPending());
    EXPECT_EQ(steps, QStringList({"show frmMonitor", "show frmCommand", "show frmDistance", "show frmShowIt"}));

    steps.clear();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(steps, QStringList({"query", "tip", "stop recording", "save history", "SaveSettings", "close port"}));
    EXPECT_TRUE(settingsBeforeHistory.isEmpty());
    EXPECT_TRUE(settingsBeforeClosePort.startsWith("[Windows]\nfrmMain="));
    EXPECT_TRUE(settingsBeforeClosePort.contains("[Settings]\n"));
}

TEST_F(MainWindowStartup, RefusedCloseChangesNothing) {
    frmMain window;
    recordSteps(window);
    window.show();
    steps.clear();
    allowClose = false;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(steps, QStringList{"query"});
    EXPECT_FALSE(QFile::exists(windir.file(Options::SettingsFile)));
}

TEST_F(MainWindowStartup, AnEditorOutlivesItsWindow) {
    frmMain window;
    QPointer<QWidget> editor = new QWidget;
    window.AddEditorWindow(editor);
    window.MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor.isNull());
}

}  // namespace
