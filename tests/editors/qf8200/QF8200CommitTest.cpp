// What goes on the wire when the user edits frmQF8200: the write, then the
// re-reads along the record's dependency chain.
#include "editors/qf8200/QF8200Fixture.h"

#include <QComboBox>
#include <QLabel>

namespace {

using QF8200CommitTest = QF8200WindowTest;

enum class Then { Enter, Leave };

TEST_F(QF8200CommitTest, TypedValues) {
    struct Case {
        QLineEdit* frmQF8200::*box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {&frmQF8200::txtSwitchDis11, "600", Then::Leave, {"SD11,600", "SD11"}, "600"},
        {&frmQF8200::txtSwitchDis11, "0500", Then::Enter, {"SD11,0500", "SD11"}, "500"},
        {&frmQF8200::txtTemperature, "20.1", Then::Enter, {"TEM,2932", "TEM", "TO", "VS"}, "20.1"},
        {&frmQF8200::txtSound, "343.2", Then::Enter, {"VS0,34320", "VS0", "VS"}, "343.2"},
        {&frmQF8200::txtReferenceDis, "1000", Then::Enter, {"REF,1000", "VS0", "VS"}, ""},
        {&frmQF8200::txtWeight, "200", Then::Enter, {"EM,PT1,200,5,3", "EM"}, "200"},
        {&frmQF8200::txtTemperature, "20.0", Then::Enter, {}, "20.0"},         // unchanged value
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {&frmQF8200::txtTemperature, "warm", Then::Leave, {}, "20.0"},
        {&frmQF8200::txtSound, "", Then::Enter, {}, "331.3"},
        {&frmQF8200::txtSwitchDis11, "", Then::Enter, {}, "500"},
        {&frmQF8200::txtSwitchDis11, "600,DEF", Then::Leave, {}, "500"},
        {&frmQF8200::txtWeight, "viel", Then::Enter, {}, "100"},
        {&frmQF8200::txtReferenceDis, "  ", Then::Leave, {}, "  "},
        {&frmQF8200::txtReferenceDis, "", Then::Enter, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open(false);
        QLineEdit* box = window.get()->*c.box;
        type(box, c.typed);
        if (c.then == Then::Enter) QTest::keyClick(box, Qt::Key_Return);
        else box->clearFocus();
        EXPECT_EQ(fakes.sensor.take(), c.requests);
        EXPECT_EQ(box->text(), c.shownAfter);
    }
}

TEST_F(QF8200CommitTest, EnterWithoutAnEditWritesNothing) {
    type(window->txtReferenceDis, "1000");
    QTest::keyClick(window->txtReferenceDis, Qt::Key_Return);
    EXPECT_EQ(fakes.sensor.take().size(), 3);
    // The box was emptied; Enter again must not calibrate against 0 mm.
    QTest::keyClick(window->txtReferenceDis, Qt::Key_Return);
    window->txtReferenceDis->clearFocus();
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_EQ(window->Model()[QF8200::REF].Value, "1000");
}

TEST_F(QF8200CommitTest, PassingThroughAShortenedValueWritesNothing) {
    open(true, {{"FSF", "1,-1"}});
    window->txtFailCurrent->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window->txtFailCurrent->text(), "-1");
    QTest::keyClick(window->txtFailCurrent, Qt::Key_Return);
    window->txtFailCurrent->clearFocus();
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
}

TEST_F(QF8200CommitTest, ListChoices) {
    struct Case {
        QComboBox* frmQF8200::*list;
        int index;
        QStringList requests;
    } const cases[] = {
        {&frmQF8200::cmbUseDip, 1, {"UDS,1", "UDS", "OM", "SD11", "SD21", "NDE", "FDE", "OT"}},
        {&frmQF8200::cmbEvalMethod, 3, {"EM,MXN", "EM"}},
        {&frmQF8200::cmbSwitchMode2, 1, {"OM,11", "OM"}},
        {&frmQF8200::cmbOPMode1, 0, {"OPM,SR", "OPM"}},
        {&frmQF8200::cmbFailSafe, 2, {"FSF,2", "FSF"}},   // no analogue output: no current
        {&frmQF8200::cmbOutputToggle1, 1, {"OT,1", "OT"}},
        {&frmQF8200::cmbErrorLED, 1, {"SE,0", "SE"}},
    };
    for (const Case& c : cases) {
        open(false);
        choose(window.get()->*c.list, c.index);
        EXPECT_EQ(fakes.sensor.take(), c.requests) << (window.get()->*c.list)->objectName().toStdString();
    }
}

TEST_F(QF8200CommitTest, ChoosingAMethodLaysOutItsFields) {
    choose(window->cmbEvalMethod, 3);
    fakes.sensor.take();
    EXPECT_FALSE(window->txtMCount->isHidden());
    EXPECT_TRUE(window->txtWeight->isHidden());
    EXPECT_EQ(window->txtNCount->text(), "0");   // the sensor answered "MXN"
    type(window->txtMCount, "0");
    QTest::keyClick(window->txtMCount, Qt::Key_Return);
    EXPECT_EQ(fakes.sensor.take(), QStringList({"EM,MXN,5,2", "EM"}));
}

TEST_F(QF8200CommitTest, OperatingModeDisablesTheSecondPoint) {
    choose(window->cmbOPMode1, 0);
    EXPECT_FALSE(window->txtSwitchDis12->isEnabled());
    EXPECT_FALSE(window->lblSDis1[1]->isEnabled());
    EXPECT_TRUE(window->txtSwitchHys1->isEnabled());
    EXPECT_TRUE(fakes.display.calls.contains("EnableSwitch(2,0)"));
    choose(window->cmbOPMode2, 3);
    EXPECT_FALSE(window->txtSwitchHys2->isEnabled());
    EXPECT_TRUE(window->txtSwitchDis22->isEnabled());
    EXPECT_TRUE(fakes.display.calls.contains("EnableSwitch(4,-1)"));
}

TEST_F(QF8200CommitTest, FileOpenedOnlineIsWrittenThroughAndReadBack) {
    Sensor::State().SensorForm = window.get();
    fakes.sensor.files[3] = QF8200Sensor(false);
    fakes.sensor.files[3]["SD11"] = "650";
    window->readdata(3);
    const QStringList requests = fakes.sensor.take();
    ASSERT_EQ(requests.size(), 22 + 27);   // the bulk writes, then every readable record
    EXPECT_TRUE(requests.contains("SD11,650"));
    EXPECT_FALSE(requests.contains("TEM,2931"));
    EXPECT_EQ(requests.mid(22).first(), "VS");
    EXPECT_EQ(window->txtSwitchDis11->text(), "650");
}

}  // namespace
