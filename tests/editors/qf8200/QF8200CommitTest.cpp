// What goes on the wire when the user edits frmQF8200 (the write, then the
// re-reads along the record's dependency chain), on a full write and when a
// parameter file is read.
#include "editors/qf8200/QF8200Fixture.h"

namespace {

using QF8200CommitTest = QF8200WindowTest;

TEST_F(QF8200CommitTest, TypedValues) {
    struct Case {
        std::function<QLineEdit*(frmQF8200&)> box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {[](auto& w) { return w.txtSwitchDis11; }, "600", Then::Leave, {"SD11,600", "SD11"}, "600"},
        {[](auto& w) { return w.txtTemperature; }, "20.1", Then::Enter, {"TEM,2932", "TEM", "TO", "VS"}, "20.1"},
        {[](auto& w) { return w.txtReferenceDis; }, "1000", Then::Enter, {"REF,1000", "VS0", "VS"}, ""},
        {[](auto& w) { return w.MethodFields.txtWeight; }, "200", Then::Enter, {"EM,PT1,200,5,3", "EM"}, "200"},
        {[](auto& w) { return w.txtTemperature; }, "20.0", Then::Enter, {}, "20.0"},   // unchanged value
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {[](auto& w) { return w.txtTemperature; }, "warm", Then::Leave, {}, "20.0"},
        {[](auto& w) { return w.txtSwitchDis11; }, "600,DEF", Then::Leave, {}, "500"},
        {[](auto& w) { return w.txtSwitchHys1; }, "1e2", Then::Leave, {}, "5"},   // the sensor would read 1
        {[](auto& w) { return w.txtReferenceDis; }, "  ", Then::Leave, {}, "  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open(false);
        QLineEdit* box = c.box(*window);
        Type(box, c.typed, c.then);
        EXPECT_EQ(sensor.take(), c.requests);
        EXPECT_EQ(box->text(), c.shownAfter);
    }
}

// Enter on a box the user did not edit writes nothing: the reference distance
// box is emptied after a calibration (Enter again must not calibrate against
// 0 mm), and a fault current of -1 is shown as "-1", which composes to 0.
TEST_F(QF8200CommitTest, EnterWithoutAnEditWritesNothing) {
    open(true, {{"FSF", "1,-1"}});
    Type(window->txtReferenceDis, "1000", Then::Enter);
    EXPECT_EQ(sensor.take().size(), 3);
    for (QLineEdit* box : {window->txtReferenceDis, window->txtFailCurrent}) {
        box->setFocus();
        QApplication::processEvents();
        QTest::keyClick(box, Qt::Key_Return);
        box->clearFocus();
    }
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_EQ(value(QF8200::REF), "1000");
}

TEST_F(QF8200CommitTest, ListChoices) {
    struct Case { bool analog; QComboBox* frmQF8200::*list; int index; QStringList requests; } const cases[] = {
        {false, &frmQF8200::cmbUseDip, 1, {"UDS,1", "UDS", "OM", "SD11", "SD21", "NDE", "FDE", "OT"}},
        {false, &frmQF8200::cmbEvalMethod, 3, {"EM,MXN", "EM"}},   // the method word alone
        {false, &frmQF8200::cmbEvalMethod, 2, {}},                 // PT1 again: its numbers stay
        {true, &frmQF8200::cmbSwitchMode1, 0, {"OM,0", "OM"}},     // one output, one digit
        {true, &frmQF8200::cmbOPModeAnalog, 0, {"OPM,SS", "OPM"}},
        {false, &frmQF8200::cmbFailSafe, 2, {"FSF,2", "FSF"}},     // no analogue output: no current
        {true, &frmQF8200::cmbFailSafe, 2, {"FSF,2,40", "FSF"}},
        {false, &frmQF8200::cmbErrorLED, 1, {"SE,0", "SE"}},
    };
    for (const Case& c : cases) {
        open(c.analog);
        Choose(window.get()->*c.list, c.index);
        EXPECT_EQ(sensor.take(), c.requests) << (window.get()->*c.list)->objectName().toStdString();
    }
}

// A choice while a read waits for the sensor is written once the read has
// shown its first record; before that it cannot be, and the list shows its
// record's value again.
TEST_F(QF8200CommitTest, ChoicesWhileReading) {
    struct Case {
        const char* askedFor;
        QStringList requests;
        int shown;
    } const cases[] = {{"VS", {}, 1}, {"NEF", {"OM,00", "OM"}, 0}};   // at NEF the read has passed OM
    for (const Case& c : cases) {
        open(false);
        ExpectChoiceWhileReading(*window, sensor, c.askedFor, window->cmbSwitchMode1, 0, c.requests, c.shown);
    }
}

TEST_F(QF8200CommitTest, WheelTurnsNeedTheFocus) {
    open(true);
    ExpectWheelNeedsTheFocus(window.get());
    EXPECT_TRUE(sensor.take().isEmpty());
    window->cmbFailSafe->setFocus();
    TurnWheel(window->cmbFailSafe, -1);
    EXPECT_EQ(sensor.take(), QStringList({"FSF,2,40", "FSF"}));
}

// A full write sends what the sensor gave back to it, TEM not (it follows
// from TO); a parameter file holds TEM too.
TEST_F(QF8200CommitTest, FullWritesToTheSensorAndAFile) {
    window->readdata();
    EXPECT_EQ(sensor.take().size(), 27);   // every record but REF
    window->WriteData();
    const QStringList writes = sensor.take();
    EXPECT_EQ(writes.size(), 22);   // 24 stored records less TEM and the rejected NDE and FDE
    EXPECT_EQ(std::pair(writes.front(), writes.back()), std::pair(QString("VS0,33130"), QString("NEF,0")));
    window->WriteData(5);
    const QStringList lines = sensor.fileLines[5];
    EXPECT_EQ(lines.size(), 25);
    EXPECT_EQ(QStringList({lines.front(), lines[2], lines.back()}), QStringList({"VS0=33130", "TEM=2931", "NEF=0"}));
}

// Everything the sensor answers comes back from a parameter file. Values
// that could not have been typed are neither shown nor written: the file's
// read ends with one message listing them, and their records stay not read
// until the sensor is read.
TEST_F(QF8200CommitTest, ParameterFileValuesAreCheckedLikeTypedInput) {
    for (const bool analog : {false, true}) {
        open(analog);
        readFile(QF8200Sensor(analog), true);
        EXPECT_EQ(messages.count(), 0) << analog;
    }
    const QHash<QString, QString> untypable = {{"BR", "A,B,C,D"}, {"EM", "A,B,C,D"},  {"FTO", ",,,,,"},
                                               {"CCT", "nan"},    {"SD11", "1e308"}, {"VS0", "-99999999999999"}};
    for (const bool offline : {true, false}) {
        SCOPED_TRACE(offline ? "offline" : "written through");
        open(false);
        const int before = messages.count();
        readFile(Changed(QF8200Sensor(false), untypable), offline);
        for (const QString& request : sensor.take())
            EXPECT_FALSE(untypable.contains(request.section(',', 0, 0)) && request.contains(','))
                << request.toStdString();
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(17, "-|-|VS0, CCT, FTO, BR, SD11, EM"));
        if (!offline) continue;
        EXPECT_FALSE(window->Model().IsValid(QF8200::BR));
        EXPECT_EQ(window->txtBlindrange->text(), "");
        EXPECT_EQ(window->txtCycle->text(), "");
    }
}

// A list's value from a parameter file must be one of the list's entries:
// the sensor would otherwise be the only guard against it.
TEST_F(QF8200CommitTest, FileValuesOutsideTheirListsAreListedAndNeverSent) {
    expectFileValuesRefused(QF8200Sensor(false),
                            {{"UDS", "2"}, {"OM", "12"}, {"OPM", "SX"}, {"FSF", "3,40"}, {"EM", "ABC"}, {"OT", "2"},
                             {"SE", "2"}, {"NEF", "2"}},
                            "UDS, OM, OPM, FSF, EM, OT, SE, NEF");
}

}  // namespace
