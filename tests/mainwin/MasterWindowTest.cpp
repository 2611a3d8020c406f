// The master-mode windows on the fake port: what a mode choice and closing
// send, and which streamed values the window shows.
#include "ModalDriver.h"
#include "TestEditor.h"
#include "frame/Options.h"
#include "link/EditorRegistry.h"
#include "support/FakeSerialControl.h"
#include "support/LabelText.h"
#include "link/MasterWindow.h"
#include "link/Ports.h"
#include "link/SensorState.h"
#include "mainwin/MasterStream.h"
#include "mainwin/RegisterMasterWindows.h"
#include "mainwin/frmMaster.h"
#include "support/TempWindowsFolder.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MasterWindowTest : public ::testing::Test {
protected:
    // Long enough that a late answer under load is no missing answer.
    static constexpr int TimeoutMs = 300;

    void SetUp() override {
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Ports::InitPort(&port, nullptr);
        QString name = "COM1";
        Ports::SetPort(name);
        Ports::SetTimeout(TimeoutMs);
        EditorRegistry::ResetForTests();
        RegisterMasterWindows();
        port.respond = [this](const QByteArray& request) { return answer(request); };
    }

    void TearDown() override {
        EditorRegistry::ResetForTests();
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        Options::ResetForTests();
    }

    // Mode words are confirmed with 80h; "MD,OFF" gets another answer while
    // refusals are left.
    QByteArray answer(const QByteArray& request) {
        if (request == "MD,OFF") {
            if (frmMaster* window = openWindow()) timerAtModeOff.append(window->Timer1->isActive());
            if (modeOffRefusals > 0) {
                --modeOffRefusals;
                return "E\r";
            }
        }
        return request.startsWith("MD,") ? QByteArray("\x80\r") : QByteArray();
    }

    static frmMaster* openWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<frmMaster*>(widget); window && window->isVisible()) return window;
        return nullptr;
    }

    // Starts the line's window with mode; act runs once the window shows and
    // must close it. Returns the caller's mode variable afterwards.
    QString start(const QString& windowName, QString mode, std::function<void(frmMaster*)> act) {
        WhenShown<frmMaster>(std::move(act));
        MasterWindow* window = EditorRegistry::Master(windowName);
        EXPECT_NE(window, nullptr);
        if (window) window->Start(mode);
        return mode;
    }

    QStringList requestsSince(qsizetype mark) const {
        QStringList list;
        for (const QByteArray& request : port.requests.mid(mark)) list.append(QString::fromLatin1(request));
        return list;
    }

    TempWindowsFolder windows;
    FakeSerialControl port;
    int modeOffRefusals = 0;
    QList<bool> timerAtModeOff;      // whether the window's timer ran when each MD,OFF arrived
};

// The window streams the mode it was started with, even one the user cannot
// choose there: relative distance is greyed where output 2 is a switch
// (it has a switch point), and a mode the line does not have pauses.
TEST_F(MasterWindowTest, StartSelectsTheModeAndClosingEndsIt) {
    TestEditor editor{"frmQF8200"};
    Sensor::State().SensorForm = &editor;
    const struct {
        QString window;
        QString mode;
        QString modeAfter;   // the caller's variable
        QString switchPoint;
        int option;
        bool relativeOffered;
    } cases[] = {
        {"frmMasterQF8200", "ad", "AD", "", 1, true},
        {"frmMasterQT8200", "or", "OR", "", 4, true},
        {"frmMasterQT8200", "RT", "RT", "", 0, true},     // not a QT8200 mode: pause
        {"frmMasterQF8200", "OFF", "OFF", "", 0, true},   // the design choice still pauses the sensor
        {"frmMasterQF8200", "RD", "RD", "500", 2, false},
        {"frmMasterQF8200RDX", "RD", "RD", "500", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.window + ' ' + c.mode + ' ' + c.switchPoint));
        editor.items[12] = c.switchPoint;   // output 2's switch point
        const qsizetype mark = port.requests.size();
        int checked = -1;
        bool timerRuns = false, relativeOffered = false;
        const QString mode = start(c.window, c.mode, [&](frmMaster* window) {
            for (int i = 0; i < MasterLine::ModeCount; ++i)
                if (window->rdOpt[i]->isChecked()) checked = i;
            timerRuns = window->Timer1->isActive();
            relativeOffered = window->rdOpt[2]->isEnabled();
            window->btOk->click();
        });
        EXPECT_EQ(mode, c.modeAfter);
        EXPECT_EQ(checked, c.option);
        EXPECT_EQ(timerRuns, c.option != 0);
        EXPECT_EQ(relativeOffered, c.relativeOffered);
        QStringList requests{"MD,OFF", "MD,OFF"};
        if (c.option != 0) requests.insert(1, "MD," + c.modeAfter);
        EXPECT_EQ(requestsSince(mark), requests);
        EXPECT_EQ(openWindow(), nullptr);
    }
}

TEST_F(MasterWindowTest, NewModeFollowsOnlyOnceTheStreamHasEnded) {
    // Late answers: the window's timer ticks while MD,OFF waits and must not take them.
    port.answerDelayMs = 12;
    const struct {
        int refusals;
        int modeOffsBeforeSwitch;
        int modeOffsOnClose;
    } cases[] = {{0, 1, 1}, {2, 3, 1}, {20, 10, 10}};   // ten tries at most, then the window closes all the same
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusals);
        qsizetype mark = 0;
        timerAtModeOff.clear();
        start("frmMasterQF8200", "AD", [&](frmMaster* window) {
            mark = port.requests.size();
            modeOffRefusals = c.refusals;
            window->rdOpt[4]->click();
            window->btOk->click();
        });
        modeOffRefusals = 0;
        QStringList expected = QStringList(c.modeOffsBeforeSwitch, "MD,OFF");
        expected << "MD,SS";
        expected += QStringList(c.modeOffsOnClose, "MD,OFF");
        EXPECT_EQ(requestsSince(mark), expected);
        // A streaming choice starts the timer before it ends the old stream;
        // closing stops it first.
        ASSERT_EQ(timerAtModeOff.size(), c.modeOffsBeforeSwitch + c.modeOffsOnClose);
        EXPECT_TRUE(timerAtModeOff[c.modeOffsBeforeSwitch - 1]);
        EXPECT_FALSE(timerAtModeOff.last());
    }
}

TEST_F(MasterWindowTest, ClosingDuringAModeSwitchEndsTheStreamAfterIt) {
    port.answerDelayMs = 10;
    qsizetype mark = 0;
    start("frmMasterQF8200", "AD", [&](frmMaster* window) {
        mark = port.requests.size();
        // The user closes the window while the sensor is asked to switch.
        QTimer::singleShot(3, window, [window] { window->btOk->click(); });
        window->rdOpt[4]->click();
    });
    EXPECT_EQ(requestsSince(mark), QStringList({"MD,OFF", "MD,SS", "MD,OFF"}));
    EXPECT_EQ(openWindow(), nullptr);
}

// Each reading shows as the sensor sent it, never read as markup.
TEST_F(MasterWindowTest, ReadingsShowAsTheSensorSentThem) {
    TestEditor editor{"frmQF8200"};
    Sensor::State().SensorForm = &editor;
    const QStringList readings = {"<BR>", "<b>x</b>", "Q&B &amp;"};
    QStringList shown;
    start("frmMasterQF8200", "AD", [&](frmMaster* window) {
        for (const QString& reading : readings) {
            port.arrive(reading.toLatin1() + '\r');
            EXPECT_TRUE(QTest::qWaitFor([&] { return window->lblState->text() == reading; }));
            shown << ShownText(window->lblState);
        }
        window->btOk->click();
    });
    EXPECT_EQ(shown, readings);
}

// What the window takes from the line, look by look, and the line it shows.
TEST(MasterStreamTest, OnlyWholeLinesAreTaken) {
    struct Look {
        QByteArray arrived;
        bool cut;
        std::optional<QByteArray> line;
    };
    const QByteArray endless(Ports::RxBufferSize + 1, '7');
    const QList<QList<Look>> cases = {
        {{"12", false, {}}, {"34\r", false, "1234"}},
        {{"1\r2\r3", false, "2"}, {"\r", false, "3"}},
        {{"\r", false, ""}},
        // Bytes behind these were lost: the rest of that line is no value.
        {{"1\r22", true, "1"}, {"33\r44\r", false, "44"}},
        {{"22", true, {}}, {"33", false, {}}, {"\r5\r", false, "5"}},
        // Noise that never ends a line is dropped up to the next line end.
        {{endless, false, {}}, {"77\r55\r", false, "55"}},
    };
    for (qsizetype i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        MasterStream stream;
        for (const Look& look : cases[i]) EXPECT_EQ(stream.Take(look.arrived, look.cut), look.line);
    }
}

}  // namespace
