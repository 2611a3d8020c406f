// What goes on the wire when the user edits frmQF8200RDX: the write, then the
// re-reads along the record's dependency chain.
#include "editors/qf8200rdx/QF8200RDXFixture.h"

namespace {

using QF8200RDXCommitTest = QF8200RDXWindowTest;

TEST_F(QF8200RDXCommitTest, TypedValues) {
    struct Case {
        std::function<QLineEdit*(frmQF8200RDX&)> box;
        const char* typed;
        Then then;
        QStringList requests;
        const char* shownAfter;
    } const cases[] = {
        {[](auto& w) { return w.Outputs[0].txtSwitchDis; }, "600", Then::Leave, {"SD1,600", "SD1"}, "600"},
        {[](auto& w) { return w.txtTemperature; }, "20.1", Then::Enter, {"TEM,2932", "TEM", "TO", "VS"}, "20.1"},
        {[](auto& w) { return w.txtSound; }, "343", Then::Enter, {"VS0,34300", "VS0", "VS"}, "343.0"},
        {[](auto& w) { return w.txtFailCurrent; }, "4", Then::Enter, {"FSF,201,40", "FSF"}, "4.0"},
        {[](auto& w) { return w.txtFailCurrent; }, "-1", Then::Leave, {"FSF,201,-1", "FSF"}, "-1"},
        {[](auto& w) { return w.txtInclinationOn; }, "2000", Then::Leave, {"UIS,200,10", "UIS"}, "2000"},
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {[](auto& w) { return w.Outputs[0].txtSwitchHys; }, "6,DEF", Then::Leave, {}, "5"},
        {[](auto& w) { return w.txtFailCurrent; }, "", Then::Enter, {}, "3.6"},
        {[](auto& w) { return w.txtReferenceDis; }, "  ", Then::Enter, {}, ""},   // never a calibration to 0 mm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        open();
        QLineEdit* box = c.box(*window);
        Type(box, c.typed, c.then);
        EXPECT_EQ(sensor.take(), c.requests) << box->objectName().toStdString();
        EXPECT_EQ(box->text(), c.shownAfter) << box->objectName().toStdString();
    }
}

TEST_F(QF8200RDXCommitTest, ListChoices) {
    struct Case {
        QHash<QString, QString> sensor;
        std::function<QComboBox*(frmQF8200RDX&)> list;
        int entry;
        QStringList requests;
    } const cases[] = {
        {{}, [](auto& w) { return w.Outputs[0].cmbSwitchMode; }, 0, {"OM,00I", "OM"}},
        {{}, [](auto& w) { return w.Outputs[2].cmbSwitchMode; }, 0, {"OM,100", "OM"}},
        {TwoOutputs(), [](auto& w) { return w.Outputs[1].cmbSwitchMode; }, 2, {"OM,1I", "OM"}},
        {{}, [](auto& w) { return w.Outputs[1].cmbFailSafe; }, 2, {"FSF,221,36", "FSF"}},
        {NoAnalog(), [](auto& w) { return w.Outputs[0].cmbFailSafe; }, 0, {"FSF,001", "FSF"}},
        {Merged({TwoOutputs(), NoAnalog(), {{"FSF", "20"}}}), [](auto& w) { return w.Outputs[1].cmbFailSafe; }, 1,
         {"FSF,21", "FSF"}},
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 3, {"EM,MXN", "EM"}},
        // Picking the method already set must not send its bare word: the
        // sensor would drop the method's numbers (PT1,100,5,3) for defaults.
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 2, {}},
        {{{"EM", "DYN,7"}}, [](auto& w) { return w.cmbEvalMethod; }, 1, {}},
        {{{"EM", "DYN,7"}}, [](auto& w) { return w.cmbEvalMethod; }, 2, {"EM,PT1", "EM"}},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        QComboBox* list = c.list(*window);
        Choose(list, c.entry);
        EXPECT_EQ(sensor.take(), c.requests) << list->objectName().toStdString();
    }
}

TEST_F(QF8200RDXCommitTest, ChoicesWhileReading) {
    struct Case {
        const char* askedFor;
        QStringList requests;
        int shown;
    } const cases[] = {
        {"VS", {}, 1},
        {"UIS", {"OM,00I", "OM"}, 0},   // the read has passed OM
    };
    for (const Case& c : cases) {
        open();
        QComboBox* list = window->Outputs[0].cmbSwitchMode;
        const ChoiceWhileReading choice = ChooseWhileReading(*window, sensor, c.askedFor, list, 0);
        EXPECT_EQ(choice.requests, c.requests) << c.askedFor;
        EXPECT_EQ(choice.shown, c.shown) << c.askedFor;
        EXPECT_EQ(list->currentIndex(), c.shown) << c.askedFor;
    }
}

TEST_F(QF8200RDXCommitTest, WheelTurnsNeedTheFocus) {
    ExpectWheelNeedsTheFocus(window.get());
    EXPECT_TRUE(sensor.take().isEmpty());
}

// Everything the sensor answers can come back from a file.
TEST_F(QF8200RDXCommitTest, AFileOfTheSensorsOwnValuesIsTakenWhole) {
    for (const auto& changes : {QHash<QString, QString>(), Merged({TwoOutputs(), NoAnalog(), NoInclination()})}) {
        open(changes);
        readFile(Changed(QF8200RDXSensor(), changes), true);
        EXPECT_EQ(messages.count(), 0);
    }
}

// The sensor's "NONE" is kept as "0", the value every other writer uses.
TEST_F(QF8200RDXCommitTest, SensorsNoneIsKeptAsZero) {
    open({{"EM", "NONE"}});
    EXPECT_EQ(window->Model()[QF8200RDX::EM].Value, "0");
}

}  // namespace
