// frmQF8200's part of the parameter sheet: the window's captions, texts and
// list entries as it shows them, in frame order; on paper the DIP switches.
#include "editors/common/ParamSheet.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/frmQF8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace ParamSheet;

void frmQF8200::PrintData() {
    PrintMeasurement();
    if (!lblReducedRange->isHidden()) Line(CaptionOf(lblReducedRange), TextOf(txtReducedRange));
    Line(CaptionOf(lblFailSafe), EntryOf(cmbFailSafe));
    if (lblFailCurrent->isEnabled()) Line(CaptionOf(lblFailCurrent), TextOf(txtFailCurrent) + CaptionOf(lblFailCurrent1));
    if (!lblEchoError->isHidden()) Line(CaptionOf(lblEchoError), EntryOf(cmbEchoError));

    EmptyLine();
    Line(CaptionOf(frameSwitch1), QString());
    Line(CaptionOf(lblSwitchDis11), TextOf(txtSwitchDis11) + CaptionOf(lblSDis1[0]));
    Line(CaptionOf(lblSwitchDis12), TextOf(txtSwitchDis12) + CaptionOf(lblSDis1[1]));
    Line(CaptionOf(lblSwitchHys1), TextOf(txtSwitchHys1) + CaptionOf(lblSDis1[2]));
    Line(CaptionOf(lblSwitchMode1), EntryOf(cmbSwitchMode1));
    Line(CaptionOf(lblOPMode1), EntryOf(cmbOPMode1));
    if (!cmbOutputToggle1->isHidden()) Line(CaptionOf(lblOutputToggle1), EntryOf(cmbOutputToggle1));

    if (IsValid(QF8200::SD21)) {
        EmptyLine();
        Line(CaptionOf(frameSwitch2), QString());
        Line(CaptionOf(lblSwitchDis21), TextOf(txtSwitchDis21) + CaptionOf(lblsdis2[0]));
        Line(CaptionOf(lblSwitchDis22), TextOf(txtSwitchDis22) + CaptionOf(lblsdis2[1]));
        Line(CaptionOf(lblSwitchHys2), TextOf(txtSwitchHys2) + CaptionOf(lblsdis2[2]));
        Line(CaptionOf(lblSwitchMode2), EntryOf(cmbSwitchMode2));
        Line(CaptionOf(lblOPMode2), EntryOf(cmbOPMode2));
    }
    if (IsValid(QF8200::NDE)) {
        EmptyLine();
        Line(CaptionOf(frameAnalog), QString());
        Line(CaptionOf(lblNEvalDis), TextOf(txtNEvalDis));
        Line(CaptionOf(lblFEvalDis), TextOf(txtFEvalDis));
        Line(CaptionOf(lblOPModeAnalog), EntryOf(cmbOPModeAnalog));
    }
    if (!frameErrorLED->isHidden()) {
        EmptyLine();
        Line(CaptionOf(frameErrorLED), QString());
        Line(CaptionOf(lblErrorLED), EntryOf(cmbErrorLED));
    }

    PrintEvalMethod();

    EmptyLine();
    Line(CaptionOf(frameDip), EntryOf(cmbUseDip));
    if (ToPrinter()) PrintDipSwitchRow(Model()[QF8200::DIP].Value, /*onEndsLine=*/true);
}
