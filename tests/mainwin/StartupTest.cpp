#include "MainWindowFixture.h"
#include "mainwin/frmMainWiring.h"
#include "platform/ProgramEnd.h"
#include "support/TestClock.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <stdexcept>
#include <string>

namespace {

class MainWindowStartup : public MainWindowFixture {
protected:
    // A program not yet started, with these settings; the waits of its line
    // run on the given clock: no real pauses.
    void startAfresh(TestClock& clock, const QByteArray& settings) {
        ProgramEnd::ResetForTests();
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Ports::State().clock = &clock;
        line.clock = &clock;
        windir.write(Options::SettingsFile, settings);
    }
};

// The main window closed while "Sensor lesen" waits for the sensor ends the
// program there: nothing goes out after the request that was on the line,
// the port is not opened again, no box asks anything, the settings are
// written once.
TEST_F(MainWindowStartup, ClosingWhileAReadWaitsEndsTheProgram) {
    struct Case {
        const char* name;
        QByteArray settings;
        bool sensorAnswers;   // during the read
        QByteArray closeAt;   // the close comes while this request waits
    } const cases[] = {
        {"no answer to the identification", "[Settings]\nDetectTimeout=5\nSendRST=0\n", false, "ID"},
        {"the pauses after a reset", "[Settings]\nDetectTimeout=20\nSendRST=1\n", true, "RST"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestClock clock;
        startAfresh(clock, c.settings);
        sensorPresent = true;
        bool reading = false;
        qsizetype onLine = -1;
        int boxes = -1;
        int opens = -1;
        int saves = 0;
        line.duringWait = [&](const QByteArray& request) {
            if (!reading || onLine >= 0 || request != c.closeAt) return;
            onLine = line.requests.size();
            boxes = messages.count();
            opens = line.opens;
            QTimer::singleShot(0, [&] { window->close(); });
        };
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            if (!window || !window->isVisible()) return;
            reader.stop();
            sensorPresent = c.sensorAnswers;
            reading = true;
            window->MenuItem("mnSensRead")->trigger();
        });
        reader.start(5);

        const int code = MainModule::Main([&] {
            window = new frmMain;
            window->Steps.InitPort = [&] { Ports::InitPort(&line, [&](const QString& name, bool open) { window->ShowPort(name, open); }); };
            Options::Services().SetPort = [&](QString& name) {
                if (name.isEmpty()) ++saves;
                Ports::SetPort(name);
            };
            return window.data();
        });

        EXPECT_EQ(code, 0);
        EXPECT_TRUE(window.isNull());
        ASSERT_GE(onLine, 0) << "the read reached " << c.closeAt.constData();
        EXPECT_EQ(line.requests.size(), onLine) << "requests after the close: "
                                                << line.requestsSince(onLine).join(' ').constData();
        EXPECT_EQ(messages.count(), boxes);
        EXPECT_EQ(line.opens, opens);
        EXPECT_FALSE(line.PortOpen());
        EXPECT_EQ(saves, 1);
        line.clock = &SystemClock::Machine();
    }
}

// The start window closed while the detection waits, with the longest waits
// the settings allow, ends the program there: the wait on the line or the
// pause after a reset ends at once, nothing more goes out, no box asks, the
// main window never appears and the port is let go.
TEST_F(MainWindowStartup, ClosingTheStartWindowDuringDetectionEndsTheProgram) {
    struct Case {
        const char* name;
        bool sensorAnswers;
        QByteArray closeAt;   // the close comes while this request waits
    } const cases[] = {
        {"a silent sensor: the wait for an answer", false, "MD,OFF"},
        {"a live sensor: the pauses after a reset", true, "RST"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestClock clock;
        startAfresh(clock, "[Settings]\nDetectTimeout=5000\nSendRST=1\n");
        sensorPresent = c.sensorAnswers;
        const int boxes = messages.count();
        qsizetype onLine = -1;
        double closedAt = -1;
        line.duringWait = [&](const QByteArray& request) {
            if (onLine >= 0 || request != c.closeAt) return;
            onLine = line.requests.size();
            QTimer::singleShot(0, [&] {
                closedAt = clock.now();
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (top->objectName() == "frmStart") top->close();
            });
        };
        // Should the program go on regardless, its main window is closed as
        // soon as it shows, so that the test ends.
        bool mainWindowShown = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!window || !window->isVisible()) return;
            mainWindowShown = true;
            window->close();
        });
        watch.start(5);

        const int code = MainModule::Main([&] {
            window = new frmMain;
            window->Steps.InitPort = [&] { Ports::InitPort(&line, [&](const QString& name, bool open) { window->ShowPort(name, open); }); };
            Options::Services().SetPort = [](QString& name) { Ports::SetPort(name); };
            return window.data();
        });

        EXPECT_EQ(code, 0);
        EXPECT_TRUE(window.isNull());
        ASSERT_GE(closedAt, 0) << "the detection reached " << c.closeAt.constData();
        EXPECT_LT(clock.now() - closedAt, 1) << "the detection went on after the close";
        EXPECT_EQ(line.requests.size(), onLine) << "requests after the close: "
                                                << line.requestsSince(onLine).join(' ').constData();
        EXPECT_EQ(messages.count(), boxes);
        EXPECT_FALSE(mainWindowShown);
        EXPECT_FALSE(line.PortOpen());
        line.duringWait = nullptr;
        line.clock = &SystemClock::Machine();
    }
}

TEST_F(MainWindowStartup, LoadAndCloseRunTheirStepsInOrder) {
    QStringList steps;
    bool pendingWhileDetecting = false;
    window = new frmMain;
    frmMainSteps& s = window->Steps;
    s.InitPort = [&] {
        steps << "init port";
        Ports::InitPort(&line, [&](const QString& name, bool open) { window->ShowPort(name, open); });
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
