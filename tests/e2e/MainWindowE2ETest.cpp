// The whole program against the simulated sensor: the main window starts on
// the port its settings name, finds the QF8200, opens its editor with the
// sensor's values and lists the traffic in the monitor.
#include "e2e/MainWindowE2E.h"
#include "mainwin/frmMonitor.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

TEST_F(MainWindowE2E, StartFindsTheSensorShowsItsValuesAndTheTraffic) {
    ASSERT_NO_FATAL_FAILURE(startSensor());
    startProgram();

    EXPECT_EQ(boxes.count(), 0);
    ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");
    auto* editor = dynamic_cast<QWidget*>(Sensor::State().SensorForm);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisibleTo(window));
    auto* switchPoint = editor->findChild<QLineEdit*>("txtSwitchDis11");
    ASSERT_NE(switchPoint, nullptr);
    EXPECT_EQ(switchPoint->text(), "1000");   // the simulator's factory value

    // The monitor opened at the first activation (no stored choice) and shows
    // the identification; a read from the menu adds its traffic.
    ASSERT_NE(window->Monitor(), nullptr);
    window->MenuItem("mnSensRead")->trigger();
    const QStringList lines = window->Monitor()->Lines();
    const qsizetype id = lines.indexOf("W: ID<CR>");
    ASSERT_GE(id, 0) << qPrintable(lines.join('\n'));
    ASSERT_LT(id + 1, lines.size());
    EXPECT_TRUE(lines[id + 1].startsWith("R: Q&B QF")) << qPrintable(lines[id + 1]);
    EXPECT_TRUE(sim->requests().contains("SD11"));

    EXPECT_TRUE(window->close());
    EXPECT_TRUE(windows.read(Options::SettingsFile).contains("MonitorWnd=Show"));
}

// The program closed while "Sensor lesen" reads the sensor ends there: the
// request on the line at the close is the last one the sensor gets, and the
// progress window goes with the program.
TEST_F(MainWindowE2E, ClosingDuringAReadEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(startSensor({"--baud", "9600"}));

    qsizetype readFrom = -1;
    qsizetype atClose = -1;
    int boxesAtClose = -1;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!window || !window->isVisible()) return;
        if (readFrom < 0) {
            readFrom = sim->requests().size();
            // A click of its own: this timer must go on ticking during the read.
            QTimer::singleShot(0, window, [&] { window->MenuItem("mnSensRead")->trigger(); });
        } else if (sim->requests().size() > readFrom) {
            // The echo probe is out and waits for its answer.
            user.stop();
            atClose = sim->requests().size();
            boxesAtClose = boxes.count();
            window->close();
        }
    });
    user.start(5);

    const int code = runProgram();

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(RWState::Form(), nullptr) << "the progress window is gone";
    EXPECT_EQ(boxes.count(), boxesAtClose);
    ASSERT_GT(atClose, 0);
    // The request that was on its way when the window closed reaches the
    // sensor within its wire time; nothing follows it.
    QTest::qWait(50);
    EXPECT_LE(sim->requests().size(), atClose + 1) << qPrintable(sim->requests().mid(atClose).join(' '));
}

}  // namespace
