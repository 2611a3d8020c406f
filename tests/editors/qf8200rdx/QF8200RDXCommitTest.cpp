// What goes on the wire when the user edits frmQF8200RDX: the write, then the
// re-reads along the record's dependency chain; and what the window shows of
// the sensor's variant.
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
        {[](auto& w) { return w.Outputs[2].txtSwitchDis; }, "0500", Then::Enter, {"SD3,0500", "SD3"}, "500"},
        {[](auto& w) { return w.txtTemperature; }, "20.1", Then::Enter, {"TEM,2932", "TEM", "TO", "VS"}, "20.1"},
        {[](auto& w) { return w.txtSound; }, "343", Then::Enter, {"VS0,34300", "VS0", "VS"}, "343.0"},
        {[](auto& w) { return w.txtReferenceDis; }, "1000", Then::Enter, {"REF,1000", "VS0", "VS"}, ""},
        {[](auto& w) { return w.txtFailCurrent; }, "4", Then::Enter, {"FSF,201,40", "FSF"}, "4.0"},
        {[](auto& w) { return w.txtFailCurrent; }, "-1", Then::Leave, {"FSF,201,-1", "FSF"}, "-1"},
        {[](auto& w) { return w.txtInclinationOn; }, "2000", Then::Leave, {"UIS,200,10", "UIS"}, "2000"},
        {[](auto& w) { return w.MethodFields.txtWeight; }, "200", Then::Enter, {"EM,PT1,200,5,3", "EM"}, "200"},
        {[](auto& w) { return w.txtTemperature; }, "20.0", Then::Enter, {}, "20.0"},   // unchanged value
        // Input that cannot be written leaves the sensor alone and shows the stored value.
        {[](auto& w) { return w.Outputs[0].txtSwitchHys; }, "6,DEF", Then::Leave, {}, "5"},
        {[](auto& w) { return w.txtInclinationOff; }, "400000", Then::Enter, {}, "100"},
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
        {{}, [](auto& w) { return w.cmbEchoError; }, 0, {"NEF,0", "NEF"}},
        {{}, [](auto& w) { return w.cmbMainApplication; }, 1, {"MA,S", "MA"}},
        {{}, [](auto& w) { return w.cmbInclination; }, 1, {"UIS,-1", "UIS"}},
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 3, {"EM,MXN", "EM"}},
        {{}, [](auto& w) { return w.cmbEvalMethod; }, 0, {"EM,0", "EM"}},
        {{}, [](auto& w) { return w.cmbMainApplication; }, 0, {}},   // unchanged
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

TEST_F(QF8200RDXCommitTest, SwitchingTheInclinationOffGreysItsDelays) {
    Choose(window->cmbInclination, 1);
    EXPECT_FALSE(window->txtInclinationOn->isEnabled());
    EXPECT_FALSE(window->lblInclinationTime[1]->isEnabled());
    EXPECT_EQ(window->txtInclinationOn->text(), "1500");   // the texts stay
    Choose(window->cmbInclination, 0);
    EXPECT_EQ(sensor.take().mid(2), QStringList({"UIS,150,10", "UIS"}));
    EXPECT_TRUE(window->txtInclinationOff->isEnabled());
}

TEST_F(QF8200RDXCommitTest, SwitchPointsRedrawTheDisplay) {
    Type(window->Outputs[1].txtSwitchDis, "1650", Then::Enter);
    EXPECT_TRUE(fakes.display.calls.contains("Update"));
    fakes.display.calls.clear();
    Type(window->Outputs[1].txtSwitchHys, "9", Then::Enter);
    EXPECT_FALSE(fakes.display.calls.contains("Update"));
    Choose(window->Outputs[2].cmbFailSafe, 0);
    EXPECT_EQ(fakes.display.calls,
              QStringList({"SetErrorMode(1,2)", "SetErrorMode(2,0)", "SetErrorMode(3,0)", "SetFehlerStrom(36)"}));
}

TEST_F(QF8200RDXCommitTest, SensorVariantDecidesWhatIsShown) {
    struct Case {
        QHash<QString, QString> sensor;
        bool switch3, analog, inclination, delaysEnabled;
        int method;
        bool diff, weight, mCount;
    } const cases[] = {
        {{}, true, true, true, true, 2, true, true, false},
        {TwoOutputs(), false, true, true, true, 2, true, true, false},
        {NoAnalog(), true, false, true, true, 2, true, true, false},
        {NoInclination(), true, true, false, true, 2, true, true, false},
        {{{"UIS", "-1"}, {"EM", "NONE"}}, true, true, true, false, 0, false, false, false},
        {{{"UIS", ""}, {"EM", "DYN,7"}}, true, true, false, true, 1, true, false, false},   // no answer: unknown
        {{{"EM", "MXN,5,2"}}, true, true, true, true, 3, false, false, true},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        EXPECT_EQ(!window->Outputs[2].frame->isHidden(), c.switch3);
        EXPECT_EQ(!window->frameAnalog->isHidden(), c.analog);
        EXPECT_EQ(!window->frameInclination->isHidden(), c.inclination);
        EXPECT_EQ(window->txtInclinationOn->isEnabled(), c.delaysEnabled);
        EXPECT_EQ(window->cmbEvalMethod->currentIndex(), c.method);
        EXPECT_EQ(!window->MethodFields.txtDiff->isHidden(), c.diff);
        EXPECT_EQ(!window->MethodFields.txtWeight->isHidden(), c.weight);
        EXPECT_EQ(!window->MethodFields.txtMCount->isHidden(), c.mCount);
        ExpectTextsShownWhole(window.get());
    }
    // The sensor's "NONE" is kept as "0", the value every other writer uses.
    open({{"EM", "NONE"}});
    EXPECT_EQ(window->Model()[QF8200RDX::EM].Value, "0");
}

}  // namespace
