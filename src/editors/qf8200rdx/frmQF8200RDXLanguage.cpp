// frmQF8200RDX's texts from the language file (section "frmQF8200RDX"). Units,
// the value displays, the fail-safe digits and the window caption (the
// sensor type) stay as they are.
#include "editors/qf8200rdx/frmQF8200RDX.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

void frmQF8200RDX::SetLanguage() {
    std::vector<QWidget*> captions = SharedCaptions();
    for (const SwitchOutput& o : Outputs)
        captions.insert(captions.end(), {o.frame, o.lblSwitchDis, o.lblSwitchHys, o.lblSwitchMode, o.lblFailSafe});
    captions.insert(captions.end(), {frameAnalog, lblNEvalDis, lblFEvalDis, lblFailCurrent, frameInclination,
                                     lblInclinationOn, lblInclinationOff, frameError, frameMainApplication,
                                     lblEchoError});
    // The three switching-mode lists show the same items under one key prefix.
    const std::vector<TranslatedList> lists = {
        {QStringLiteral("cmbEchoError"), {cmbEchoError}},
        {QStringLiteral("cmbMainApplication"), {cmbMainApplication}},
        {QStringLiteral("cmbInclination"), {cmbInclination}},
        {QStringLiteral("cmbOutput"), {Outputs[0].cmbSwitchMode, Outputs[1].cmbSwitchMode, Outputs[2].cmbSwitchMode}},
        {QStringLiteral("cmbEvalMethod"), {cmbEvalMethod}},
    };
    TranslateTexts(captions, lists);
}
