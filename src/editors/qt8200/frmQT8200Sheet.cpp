// frmQT8200's part of the parameter sheet: the window's captions, texts and
// list entries as it shows them, in frame order; on paper the DIP switches.
#include "editors/common/ParamSheet.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/frmQT8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace ParamSheet;

void frmQT8200::PrintData() {
    EmptyLine();
    Line(CaptionOf(frameMeasurement), QString());
    Line(CaptionOf(lblSound), TextOf(txtSound) + CaptionOf(lblms[0]));
    Line(CaptionOf(lblRandomTime), EntryOf(cmbRandomTime));
    Line(CaptionOf(lblBurst), TextOf(txtBurst));
    // The unit letters beside the cycle time read "ms" on paper.
    Line(CaptionOf(lblCycle), TextOf(txtCycle) + CaptionOf(lblCycleTime[0]) + CaptionOf(lblCycleTime[1]));

    EmptyLine();
    Line(CaptionOf(frameDip), EntryOf(cmbUseDip));
    if (ToPrinter()) PrintDipSwitchRow(Model()[QT8200::DIP].Value, /*onEndsLine=*/false);

    EmptyLine();
    Line(CaptionOf(frameSwitch1), QString());
    Line(CaptionOf(lblSwitchDis11), TextOf(txtSwitchDis11) + CaptionOf(lblSDis1[0]));
    Line(CaptionOf(lblSwitchHys1), TextOf(txtSwitchHys1) + CaptionOf(lblSDis1[1]));
    Line(CaptionOf(lblFilter1), EntryOf(cmbFilter1));
    Line(CaptionOf(lblSwitchMode1), EntryOf(cmbSwitchMode1));

    EmptyLine();
    if (IsAnalogVariant()) {
        Line(CaptionOf(frameAnalog), QString());
        Line(CaptionOf(lblNEvalDis), TextOf(txtNEvalDis) + CaptionOf(lblNEvalUnit));
        Line(CaptionOf(lblFEvalDis), TextOf(txtFEvalDis) + CaptionOf(lblFEvalUnit));
        Line(CaptionOf(lblFilterAnalog), EntryOf(cmbFilterAnalog));
        Line(CaptionOf(lblFilterWindow), TextOf(txtFilterWindow) + CaptionOf(lblFilterWindow1));
    } else {
        Line(CaptionOf(frameSwitch2), QString());
        Line(CaptionOf(lblSwitchDis21), TextOf(txtSwitchDis21) + CaptionOf(lblsdis2[0]));
        Line(CaptionOf(lblSwitchHys2), TextOf(txtSwitchHys2) + CaptionOf(lblsdis2[1]));
        Line(CaptionOf(lblFilter2), EntryOf(cmbFilter2));
        Line(CaptionOf(lblSwitchMode2), EntryOf(cmbSwitchMode2));
    }

    EmptyLine();
    Line(CaptionOf(frameEvalMethod), QString());
    Line(CaptionOf(lblFiltertimeout), TextOf(txtFiltertimeout));
    Line(CaptionOf(lblEvalMethod1), EntryOf(cmbEvalMethod1));
    Line(CaptionOf(lblEvalMethod2), EntryOf(cmbEvalMethod2));
    if (lblMeasureCount->isEnabled()) Line(CaptionOf(lblMeasureCount), TextOf(txtMeasureCount));
    Line(CaptionOf(lblConFilter), TextOf(txtConFilter));
}
