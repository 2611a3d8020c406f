#include "MainWindowFixture.h"
#include "mainwin/frmMainWiring.h"
#include "mainwin/frmMonitor.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <stdexcept>
#include <string>

namespace {

using MainWindowStartup = MainWindowFixture;

TEST_F(MainWindowStartup, MainRunsUntilTheMainWindowClosesWhichWritesTheSettings) {
    windir.write(Options::SettingsFile, "[Settings]\nPort=/nonexistent/zelvo-test-tty\nCommandWnd=Hide\n");
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!window || !window->isVisible()) return;
        closer.stop();
        window->MenuItem("mnMonitor")->trigger();
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
    const QByteArray settings = ini();
    for (const char* line : {"[Windows]\nfrmMain=", "MonitorWnd=Show\n", "CommandWnd=Hide\n", "Parameter=Show\n",
                             "Port=/nonexistent/zelvo-test-tty\n", "Tooltips=YES\n", "[ProtFile]\n", "[Monitor]\n"})
        EXPECT_TRUE(settings.contains(line)) << line << "\n" << settings.constData();
    bool portMessage = false;
    for (const MsgBox::Request& r : messages.shown()) portMessage |= r.text.contains("seriellen Schnittstelle");
    EXPECT_TRUE(portMessage) << "the port that cannot be opened is reported";
}

TEST_F(MainWindowStartup, LoadAndCloseRunTheirStepsInOrder) {
    QStringList steps;
    bool pendingWhileDetecting = false;
    window = new frmMain;
    frmMainSteps& s = window->Steps;
    s.InitPort = [&] {
        steps << "init port";
        Ports::InitPort(&line, window->lblPort);
    };
    s.InitRecentFiles = [&] { steps << "recent files"; };
    s.LoadCommandHistory = [&] { steps << "load history"; };
    s.StartProtFile = [&](bool start) { steps << (start ? "start recording" : "stop recording"); };
    s.SaveCommandHistory = [&] { steps << "save history"; };
    Options::Services().SetPort = [&](QString& name) {
        steps << (name.isEmpty() ? "SaveSettings" : "LoadSettings");
        Ports::SetPort(name);
    };
    line.duringWait = [&](const QByteArray& request) {
        if (request != "ID" || steps.contains("detect")) return;
        steps << "detect";
        pendingWhileDetecting = window->StartupPending();
    };

    window->show();
    EXPECT_EQ(steps, QStringList({"init port", "recent files", "load history", "LoadSettings", "detect"}));
    EXPECT_TRUE(pendingWhileDetecting);
    EXPECT_EQ(Sensor::State().SensorFormName, "frmQF8200");

    steps.clear();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(steps, QStringList({"stop recording", "save history", "SaveSettings"}));
    EXPECT_FALSE(line.PortOpen());
    EXPECT_TRUE(ini().startsWith("[Windows]\nfrmMain="));
}

// The program's wiring sets every step; a step it left unset would stop the
// start, named, rather than leave its menu command without effect.
TEST_F(MainWindowStartup, TheWiringSetsEveryStepAndAnUnsetOneIsNamed) {
    window = new frmMain;
    ASSERT_NO_THROW(ConnectProgramParts(*window));
    const struct {
        const char* step;
        void (*clear)(frmMainSteps&);
    } cases[] = {
        {"InitPort", [](frmMainSteps& s) { s.InitPort = nullptr; }},
        {"SaveParameterFile", [](frmMainSteps& s) { s.SaveParameterFile = nullptr; }},
        {"PrintParameterSheet", [](frmMainSteps& s) { s.PrintParameterSheet = nullptr; }},
    };
    for (const auto& c : cases) {
        frmMainSteps steps = window->Steps;
        c.clear(steps);
        try {
            RequireEveryStep(steps);
            ADD_FAILURE() << c.step << " left unset was not reported";
        } catch (const std::logic_error& error) {
            EXPECT_EQ(std::string(error.what()), std::string("main window step not set: ") + c.step);
        }
    }
}

TEST_F(MainWindowStartup, AnEditorOutlivesItsWindow) {
    frmMain main;
    QPointer<QWidget> editor = new QWidget;
    main.AddEditorWindow(editor);
    main.MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor.isNull());
}

}  // namespace
