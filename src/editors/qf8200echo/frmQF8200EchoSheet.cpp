// frmQF8200Echo's part of the parameter sheet: the window's captions, texts
// and list entries as it shows them, page by page; paper, text and CSV get
// the same lines.
#include "editors/common/ParamSheet.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Checkbox_Utils.h"
#include "frame/Combo_Utils.h"
#include "frame/STRING_UTIL.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using STRING_UTIL::ReplaceAll;

using namespace ParamSheet;

namespace {

// A field line's value: the text and its unit, without a blank between.
QString withUnit(const QString& text, const QLabel* unit) { return text + CaptionOf(unit); }

void title(const QGroupBox* frame, const QString& value = QString()) {
    EmptyLine();
    Line(CaptionOf(frame), value);
}

}  // namespace

void frmQF8200Echo::PrintData() {
    title(frameMeasurement);
    Line(CaptionOf(lblSound0), withUnit(TextOf(txtSound), lblms));
    Line(CaptionOf(lblTemperatureOffset), withUnit(TextOf(txtTemperatureOffset), lblTemp));
    Line(CaptionOf(lblBurst), EntryOf(cmbBurst));
    Line(CaptionOf(lblCycle), withUnit(TextOf(txtCycle), lblCycleTime));

    title(frameEvaluate);
    Line(CaptionOf(lblFiltertimeout), TextOf(txtFiltertimeout));
    Line(CaptionOf(lblReducedRange), TextOf(txtReducedRange));
    Line(CaptionOf(lblBlindrange), withUnit(TextOf(txtBlindrange), lblMMBlindrange));
    // Of the sound beam only the sensitivity, whichever way it is set.
    Line(rdSens[0]->text(), EntryOf(cmbSens));
    Line(CaptionOf(lblFailSafe), EntryOf(cmbFailSafe));
    Line(CaptionOf(lblEchoError), EntryOf(cmbEchoError));

    title(frameEvalMethod, EntryOf(cmbEvalMethod));
    EvalMethodLines(MethodFields);

    // The teach-in state as "Ja" or "Nein" of the hidden list.
    const QCheckBox* teachIn = AnalogVariant() ? chkUseTeachInAnalog : chkUseTeachIn;
    ComboFindItemData(cmbUseTeachIn, GetCheck(teachIn) ? 1 : 0);
    title(frameTeachIn);
    Line(ReplaceAll(teachIn->text(), QStringLiteral("&"), QString()), EntryOf(cmbUseTeachIn));
    Line(CaptionOf(AnalogVariant() ? lblNEvalDisTeach : lblSwitchDisTeach1),
         withUnit(CaptionOf(lblCSwitchDisTeach1), lblSDis1[0]));
    Line(CaptionOf(AnalogVariant() ? lblFEvalDisTeach : lblSwitchDisTeach2),
         withUnit(CaptionOf(lblCSwitchDisTeach2), lblSDis1[0]));
    Line(CaptionOf(lblOPModeTeach), CaptionOf(lblCOPModeTeach));

    if (AnalogVariant()) {
        title(frameAnalog);
        Line(CaptionOf(lblNEvalDis), withUnit(TextOf(txtNEvalDis), lblNEvalUnit));
        Line(CaptionOf(lblFEvalDis), withUnit(TextOf(txtFEvalDis), lblFEvalUnit));
        Line(CaptionOf(lblOPModeAnalog), EntryOf(cmbOPModeAnalog));
        Line(CaptionOf(lblOutputAnalog), EntryOf(cmbOutputAnalog));
    } else {
        title(frameSwitch1);
        Line(CaptionOf(lblSwitchDis11), withUnit(TextOf(txtSwitchDis11), lblSDis1[0]));
        Line(CaptionOf(lblSwitchDis12), withUnit(TextOf(txtSwitchDis12), lblSDis1[1]));
        Line(CaptionOf(lblSwitchHys1), withUnit(TextOf(txtSwitchHys1), lblSDis1[2]));
        Line(CaptionOf(lblSwitchMode1), EntryOf(cmbSwitchMode1));
        Line(CaptionOf(lblConFilter1[0]), TextOf(txtConFilter1[0]));
        Line(CaptionOf(lblConFilter1[1]), TextOf(txtConFilter1[1]));
        Line(CaptionOf(lblOPMode1), EntryOf(cmbOPMode1));

        title(frameSwitch2);
        Line(CaptionOf(lblSwitchDis21), withUnit(TextOf(txtSwitchDis21), lblsdis2[0]));
        Line(CaptionOf(lblSwitchDis22), withUnit(TextOf(txtSwitchDis22), lblsdis2[1]));
        Line(CaptionOf(lblSwitchHys2), withUnit(TextOf(txtSwitchHys2), lblsdis2[2]));
        Line(CaptionOf(lblSwitchMode2), EntryOf(cmbSwitchMode2));
        Line(CaptionOf(lblConFilter2[0]), TextOf(txtConFilter2[0]));
        Line(CaptionOf(lblConFilter2[1]), TextOf(txtConFilter2[1]));
        Line(CaptionOf(lblOPMode2), EntryOf(cmbOPMode2));
    }

    title(frameStartup);
    Line(CaptionOf(lblStartup), EntryOf(cmbStartup));
}
