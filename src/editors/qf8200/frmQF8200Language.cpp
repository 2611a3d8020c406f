// frmQF8200's texts from the language file (section "frmQF8200"). Units, the
// DIP-switch labels, lblDiffPercent, lblFailCurrent1, the fail-safe digits
// and the window caption (the sensor type) stay as they are.
#include "editors/qf8200/frmQF8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

void frmQF8200::SetLanguage() {
    std::vector<QWidget*> captions = SharedCaptions();
    captions.insert(captions.end(), {
        lblFailSafe,    lblFailCurrent, lblReducedRange, lblEchoError,  frameSwitch1,  lblSwitchDis11,
        lblSwitchDis12, lblSwitchHys1,  lblSwitchMode1,  lblOPMode1,    lblOutputToggle1, frameSwitch2,
        lblSwitchDis21, lblSwitchDis22, lblSwitchHys2,   lblSwitchMode2, lblOPMode2,   frameAnalog,
        lblNEvalDis,    lblFEvalDis,    lblOPModeAnalog, frameErrorLED, lblErrorLED,   frameDip,
    });
    // Lists that show the same items share one key prefix.
    const std::vector<TranslatedList> lists = {
        {QStringLiteral("cmbEchoError"), {cmbEchoError}},
        {QStringLiteral("cmbOutputToggle1"), {cmbOutputToggle1}},
        {QStringLiteral("cmbErrorLED"), {cmbErrorLED}},
        {QStringLiteral("cmbOutput"), {cmbSwitchMode1, cmbSwitchMode2}},
        {QStringLiteral("cmbUseDip"), {cmbUseDip}},
        {QStringLiteral("cmbOPModeAnalog"), {cmbOPModeAnalog}},
        {QStringLiteral("cmbOPMode"), {cmbOPMode1, cmbOPMode2}},
        {QStringLiteral("cmbEvalMethod"), {cmbEvalMethod}},
    };
    TranslateTexts(captions, lists);
}
