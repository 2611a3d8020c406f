// What goes on the wire when the user edits frmQF8200Echo: the cell write,
// then the read-back of the record and the records that depend on it.
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "link/Ports.h"
#include "support/ScriptedMessages.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

namespace {

using namespace QF8200Echo;
using QF8200EchoCommitTest = QF8200EchoWindowTest;

// The user drags a slider to a position and lets go.
void drag(QSlider* slider, int position) {
    slider->setSliderPosition(position);
    slider->triggerAction(QAbstractSlider::SliderMove);
}

TEST_F(QF8200EchoCommitTest, TypedValues) {
    struct Case {
        const char* box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {"txtSwitchDis11", "0500", Then::Enter, {"WM,WXE7,01F4", "RM,WXE7"}, "500"},
        {"txtSwitchDis11", "500", Then::Enter, {}, "500"},        // unchanged
        // Refused by the rule: nothing is sent, the record's value is shown again.
        {"txtSwitchDis11", "50", Then::Leave, {}, "500"},
        // Input that cannot be written leaves the sensor alone.
        {"txtSwitchDis11", "600,DEF", Then::Leave, {}, "500"},
        {"txtSwitchDis21", "1.500", Then::Enter, {}, "1000"},     // the sensor would read 1.5
        {"txtSound", "343,5", Then::Enter, {"WM,WXEF,862E", "RM,WXEF"}, "343,5"},
        {"txtSound", "343.5", Then::Enter, {}, "343,2"},          // no German number
        {"txtTemperatureOffset", "-2,5", Then::Leave, {"WM,WXE11,FFE7", "RM,WXE11"}, "-2,5"},
        {"txtNCount", "3", Then::Enter, {}, "2"},                 // 3 of 5 is too many: 2 is held
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open();
        QLineEdit* box = window->findChild<QLineEdit*>(c.box);
        type(box, c.typed, c.then);
        EXPECT_EQ(sensor.take(), c.requests);
        EXPECT_EQ(box->text(), c.shownAfter);
        EXPECT_EQ(Sensor::State().DataChanged, !c.requests.isEmpty());
    }
    monitor.clear();
    type(window->txtConFilter1[1], "7", Then::Enter);
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE25,07", "RM,XE25"}));
    EXPECT_EQ(monitor, QStringList({"W: COF1,7", "W: COF1", "R: 7"}));
}

TEST_F(QF8200EchoCommitTest, ListsAndTheTeachInBox) {
    struct Case { QComboBox* frmQF8200Echo::*list; int index; QStringList requests; } const cases[] = {
        {&frmQF8200Echo::cmbOPMode1, 0, {"WM,XE2B,00", "RM,XE2B"}},
        {&frmQF8200Echo::cmbEchoError, 1, {"WM,XE22,04", "RM,XE22"}},
        {&frmQF8200Echo::cmbStartup, 1, {"WM,XE22,10", "RM,XE22"}},
        {&frmQF8200Echo::cmbOPMode2, 2, {}},   // already hysteresis
        {&frmQF8200Echo::cmbEvalMethod, 0, {"WM,XE1E,00", "RM,XE1E", "RM,WXE20", "RM,XE1F"}},
    };
    for (const Case& c : cases) {
        open();
        QComboBox* list = window.get()->*c.list;
        Choose(list, c.index);
        EXPECT_EQ(sensor.take(), c.requests) << list->objectName().toStdString();
    }
    EXPECT_EQ(record(EVM).Value, "0");   // "NONE" as the sensor reads it back

    open(false, true, {{"XE22", "E3"}});
    showPageOf(window->chkUseTeachIn);
    window->chkUseTeachIn->click();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE22,EB", "RM,XE22"}));   // bits 0, 1, 5-7 kept
    // Enter on the box commits nothing of its own.
    window->chkUseTeachIn->setFocus();
    QTest::keyClick(window->chkUseTeachIn, Qt::Key_Return);
    EXPECT_TRUE(sensor.take().isEmpty());

    open(true);
    showPageOf(window->chkUseTeachInAnalog);
    window->chkUseTeachInAnalog->click();
    EXPECT_TRUE(window->chkUseTeachIn->isChecked());
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE22,08", "RM,XE22"}));
}

// A choice while a read waits for the sensor is written once the read has
// shown its first record. The sound-beam lists take none while the whole
// table is shown. A choice not written leaves the list at its record's value.
TEST_F(QF8200EchoCommitTest, ChoicesWhileReading) {
    struct Case {
        QComboBox* frmQF8200Echo::*list;
        const char* askedFor;
        int index;
        QStringList requests;
    } const cases[] = {
        {&frmQF8200Echo::cmbSwitchMode1, "RM,WXE2", 1, {}},
        {&frmQF8200Echo::cmbSwitchMode1, "RM,XE2F", 1, {"WM,XE29,01", "RM,XE29"}},
        {&frmQF8200Echo::cmbRange, "RM,XE2F", 0, {}},
    };
    for (const Case& c : cases) {
        open();
        QComboBox* list = window.get()->*c.list;
        const int shown = c.requests.isEmpty() ? list->currentIndex() : c.index;
        ExpectChoiceWhileReading(*window, sensor, c.askedFor, list, c.index, c.requests, shown);
    }
}

TEST_F(QF8200EchoCommitTest, WheelTurnsNeedTheFocus) {
    ExpectWheelNeedsTheFocus(window.get());
    tick();
    EXPECT_TRUE(sensor.take().isEmpty());
}

TEST_F(QF8200EchoCommitTest, ChoosingTheMeanWritesItsCountsFirst) {
    open(false, true, {{"XE1E", "00"}, {"WXE20", "0008"}, {"XE1F", "03"}});
    Choose(window->cmbEvalMethod, 1);   // "Mittelwert"
    // A new method re-reads its counts: EVM, then MXN_M and MXN_N.
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE1F,02", "RM,XE1F", "WM,WXE20,0005", "RM,WXE20", "WM,XE1E,02",
                                          "RM,XE1E", "RM,WXE20", "RM,XE1F"}));
    EXPECT_EQ(window->MethodFields.txtMCount->text(), "5");
    EXPECT_EQ(window->MethodFields.txtNCount->text(), "2");
    EXPECT_FALSE(window->MethodFields.txtNCount->isHidden());
    // Choosing the mean again while it is the method changes nothing: the
    // count M the user set stays on the sensor.
    open(false, true, {{"WXE20", "0008"}});
    Choose(window->cmbEvalMethod, 1);
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_EQ(record(MXN_M).Value, "8");
    EXPECT_EQ(window->MethodFields.txtMCount->text(), "8");

    // The low-pass weight of an analogue sensor is limited to 1 ... 1000.
    open(true, true, {{"XE1E", "03"}});
    type(window->MethodFields.txtWeight, "5000", Then::Enter);
    EXPECT_EQ(sensor.take(), QStringList({"WM,WXE20,03E8", "RM,WXE20"}));
    EXPECT_EQ(window->MethodFields.txtWeight->text(), "1000");
    // A stored low-pass filter shows as none on a switch sensor, which has none.
    open(false, true, {{"XE1E", "03"}});
    EXPECT_EQ(window->cmbEvalMethod->currentText(), "Keine");
}

// A write the sensor does not take is told, naming the parameter and why, and
// the field shows what the sensor confirmed; a read-back without an answer is
// told and keeps the written value.
TEST_F(QF8200EchoCommitTest, AWriteTheSensorDoesNotTakeIsToldAndTheFieldShowsTheConfirmedValue) {
    struct Case { const char* refused; const char* silent; QString told; const char* shown; } const cases[] = {
        {"WM,WXE7", "", MessageText(15, "SD1"), "500"},
        {"", "WM,WXE7", MessageText(16, "SD1"), "500"},
        {"", "RM,WXE7", "Befehl <SD1> Fehler <TIMEOUT>", "600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told.toStdString());
        open();
        sensor.refused = {c.refused};
        sensor.silent = {c.silent};
        const int before = messages.count();
        type(window->txtSwitchDis11, "600", Then::Enter);
        EXPECT_EQ(sensor.take(), QStringList({"WM,WXE7,0258", "RM,WXE7"}));
        EXPECT_EQ(window->txtSwitchDis11->text(), c.shown);
        EXPECT_EQ(record(SD1).Value, c.shown);
        EXPECT_EQ(Sensor::State().DataChanged, QString(c.shown) == "600");
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_TRUE(messages.shown().last().text.contains(c.told));
    }
}

// A value the input rules refuse is not sent, typed into its box or as a
// command, and never stays in its box while the record holds another.
TEST_F(QF8200EchoCommitTest, AValueTheRulesRefuseIsNeitherSentNorLeftShown) {
    QString typed = "sd1,50";
    bool flag = true;
    EXPECT_EQ(window->GetSendCommand(typed, flag), "");
    EXPECT_FALSE(flag);
    QString answer;
    EXPECT_EQ(window->ConvertResult(typed, answer), "Wert von der Eingaberegel abgelehnt");
    QString word = "SD1";
    window->InterpretCommand(word);
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(monitor.isEmpty());
    window->InterpretCommand(word);   // the next line is read again as always
    EXPECT_EQ(sensor.take(), QStringList({"RM,WXE7"}));

    window->Model()[SD1].Value.clear();   // not read
    type(window->txtSwitchDis11, "50", Then::Leave);
    EXPECT_EQ(window->txtSwitchDis11->text(), "");
    EXPECT_TRUE(sensor.take().isEmpty());
}

// The sound-beam controls are disabled while one of their values is written;
// the focus must not wander off to the next control meanwhile (keys typed
// there would change it) and is back on its control afterwards.
TEST_F(QF8200EchoCommitTest, TheFocusStaysOnTheBeamControlThroughItsWrite) {
    showPageOf(window->slideSonicWidth);
    window->slideSonicWidth->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), window->slideSonicWidth);
    QList<QWidget*> focusDuringWrite;
    sensor.duringWrite = [&] { focusDuringWrite.append(QApplication::focusWidget()); };
    drag(window->slideSonicWidth, 40);
    tick();
    EXPECT_EQ(sensor.take().size(), 2);
    EXPECT_EQ(focusDuringWrite, QList<QWidget*>({nullptr}));
    EXPECT_EQ(QApplication::focusWidget(), window->slideSonicWidth);
}

// A beam value marked while another request's line is partly out on the
// echoing line (a poll's) waits for a tick without one: its write would have
// to break into that line, and would fail with a message.
TEST_F(QF8200EchoCommitTest, ABeamValueWaitsForATickWithNoRequestLinePartlyOut) {
    showPageOf(window->slideSonicWidth);
    drag(window->slideSonicWidth, 40);
    ScriptedMessages boxes;
    Ports::State().EchoLineOpen = true;
    tick();
    EXPECT_TRUE(sensor.take().isEmpty());
    Ports::State().EchoLineOpen = false;
    tick();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE2E,0F", "RM,XE2E"}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(QF8200EchoCommitTest, SoundBeamChoicesAreWrittenOnTheNextTick) {
    // Axial width 8, lateral 10: choosing axial 12 takes the lateral along.
    showPageOf(window->cmbRange);
    window->rdSens[1]->click();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE1C,01", "RM,XE1C"}));
    Choose(window->cmbRange, 12);
    EXPECT_EQ(window->cmbSonicWidth->currentText(), "12");
    EXPECT_EQ(window->slideRange->value(), 52);
    EXPECT_TRUE(sensor.take().isEmpty());
    // While a width is written its controls take no input, and a tick in
    // the wait starts no second write.
    QList<bool> locked;
    sensor.duringWrite = [&] {
        locked.append(!window->cmbSens->isEnabled() && !window->cmbRange->isEnabled() && !window->slideSonicWidth->isEnabled());
        tick();
    };
    tick();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE2F,0C", "RM,XE2F", "WM,XE2E,0C", "RM,XE2E"}));
    EXPECT_EQ(locked, QList<bool>({true, true}));
    EXPECT_TRUE(window->cmbRange->isEnabled());
    sensor.duringWrite = nullptr;
    tick();
    EXPECT_TRUE(sensor.take().isEmpty());

    Choose(window->cmbSonicWidth, 8);   // below the axial width: takes it along
    EXPECT_EQ(window->cmbRange->currentText(), "8");
    tick();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE2F,08", "RM,XE2F", "WM,XE2E,08", "RM,XE2E"}));

    // A lateral move that stays wide of the axial width writes only itself.
    drag(window->slideSonicWidth, 40);
    EXPECT_EQ(window->cmbSonicWidth->currentText(), "15");
    EXPECT_EQ(window->cmbRange->currentText(), "8");
    tick();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE2E,0F", "RM,XE2E"}));
}

TEST_F(QF8200EchoCommitTest, TypedCommandsWriteTheirCountsAndReadWhatTheyChanged) {
    bool flag = true;
    QString typed = "em,MXN;3;5";
    EXPECT_EQ(window->GetSendCommand(typed, flag), "WM,XE1E,02");
    EXPECT_FALSE(flag);
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE1F,03", "WM,WXE20,0005"}));
    EXPECT_EQ(sensor.timeouts, QList<int>({0, 0}));
    EXPECT_EQ(monitor, QStringList({"W: EM,MXN;3;5"}));

    // After the command: the method and its counts again; a failed read
    // keeps the value without a message.
    sensor.values["RM,XE1E"] = "03";
    sensor.values["RM,WXE20"] = QString(QChar(0x84));
    ScriptedMessages boxes;
    QString word = "EM";
    window->InterpretCommand(word);
    EXPECT_EQ(sensor.take(), QStringList({"RM,XE1E", "RM,WXE20", "RM,XE1F"}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(record(EVM).Value, "PT1");
    EXPECT_EQ(record(MXN_M).Value, "5");
    EXPECT_EQ(record(MXN_N).Value, "3");
    EXPECT_FALSE(window->Busy());
}

}  // namespace
