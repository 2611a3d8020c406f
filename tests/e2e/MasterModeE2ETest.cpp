// Master mode against the simulated QF8200 through the real serial code:
// detection keeps the line's master window, which shows the streamed values
// and ends the stream when it closes, started at once or by the poll cycle.
#include "e2e/SimulatorTest.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "link/FakeMainWindow.h"
#include "link/PollCycle.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"
#include "mainwin/ModalDriver.h"
#include "mainwin/RegisterMasterWindows.h"
#include "mainwin/frmMaster.h"
#include "support/ScriptedMessages.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {

class MasterModeE2E : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        if (IsSkipped()) return;
        Sensor::ResetPollCycleForTests();
        RegisterQF8200Editor();
        RegisterMasterWindows();
        ASSERT_NO_FATAL_FAILURE(connect({"--line", "qf8200"}));
    }

    void TearDown() override {
        SimulatorTest::TearDown();
        Sensor::ResetPollCycleForTests();
    }

    // Waits until the window shows a value of that form and returns it.
    static QString valueShown(frmMaster* window, const QRegularExpression& form) {
        QString value;
        const bool shown = QTest::qWaitFor([&] {
            value = window->lblState->text();
            return form.match(value).hasMatch();
        }, 3000);
        EXPECT_TRUE(shown) << qPrintable(form.pattern());
        return value;
    }

    ScriptedMessages boxes;
    FakeMainWindow mainWindow;
};

TEST_F(MasterModeE2E, StreamsUntilTheWindowCloses) {
    Sensor::DetectSensor();
    ASSERT_NE(Sensor::State().MasterForm, nullptr);
    ASSERT_EQ(boxes.count(), 0);

    for (const bool pollTimerRuns : {false, true}) {   // then the next poll cycle starts the window
        SCOPED_TRACE(pollTimerRuns);
        mainWindow.polling = pollTimerRuns;
        const qsizetype mark = sim->requests().size();
        QString distance, outputs;
        WhenShown<frmMaster>([&](frmMaster* window) {
            distance = valueShown(window, QRegularExpression("^\\d+$"));
            window->rdOpt[4]->click();
            outputs = valueShown(window, QRegularExpression("^[01]{2}$"));   // two switch outputs
            window->btOk->click();
        });
        QString mode = "ad";
        Sensor::StartMasterMode(mode);
        EXPECT_EQ(Sensor::State().MasterRequest, pollTimerRuns);
        if (pollTimerRuns) Sensor::PollSensor();

        EXPECT_GT(distance.toInt(), 0);
        EXPECT_FALSE(outputs.isEmpty());
        EXPECT_EQ(sim->requests().mid(mark), QStringList({"MD,OFF", "MD,AD", "MD,OFF", "MD,SS", "MD,OFF"}));
        // The stream has ended: nothing more arrives.
        Ports::FlushInput();
        Ports::Delay(150);
        EXPECT_TRUE(Ports::FlushInput().isEmpty());
    }
}

}  // namespace
