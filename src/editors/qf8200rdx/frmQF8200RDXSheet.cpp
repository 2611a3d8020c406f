// frmQF8200RDX's part of the parameter sheet: the window's captions, texts and
// list entries as it shows them, section by section. Sections of outputs the
// sensor lacks, and fields the chosen settings do not use, are left out.
#include "editors/common/ParamSheet.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace ParamSheet;

void frmQF8200RDX::PrintData() {
    PrintMeasurement();
    // The inclination switch belongs to the evaluation: no empty line before it.
    if (!frameInclination->isHidden()) {
        Line(CaptionOf(frameInclination), EntryOf(cmbInclination));
        if (lblInclinationOn->isEnabled()) {
            const QString indent(4, QLatin1Char(' '));
            Line(indent + CaptionOf(lblInclinationOn), TextOf(txtInclinationOn) + CaptionOf(lblInclinationTime[0]));
            Line(indent + CaptionOf(lblInclinationOff), TextOf(txtInclinationOff) + CaptionOf(lblInclinationTime[0]));
        }
    }

    for (const SwitchOutput& o : Outputs) {
        if (o.frame->isHidden()) continue;
        EmptyLine();
        Line(CaptionOf(o.frame), QString());
        Line(CaptionOf(o.lblSwitchDis), TextOf(o.txtSwitchDis) + CaptionOf(o.units[0]));
        Line(CaptionOf(o.lblSwitchHys), TextOf(o.txtSwitchHys) + CaptionOf(o.units[1]));
        Line(CaptionOf(o.lblSwitchMode), EntryOf(o.cmbSwitchMode));
        Line(CaptionOf(o.lblFailSafe), EntryOf(o.cmbFailSafe));
    }
    if (!frameAnalog->isHidden()) {
        EmptyLine();
        Line(CaptionOf(frameAnalog), QString());
        Line(CaptionOf(lblNEvalDis), TextOf(txtNEvalDis));
        Line(CaptionOf(lblFEvalDis), TextOf(txtFEvalDis));
        Line(CaptionOf(lblFailCurrent), TextOf(txtFailCurrent) + CaptionOf(lblFailCurrent1));
    }

    EmptyLine();
    Line(CaptionOf(frameError), QString());
    Line(CaptionOf(lblEchoError), EntryOf(cmbEchoError));

    EmptyLine();
    Line(CaptionOf(frameMainApplication), EntryOf(cmbMainApplication));

    PrintEvalMethod();
}
