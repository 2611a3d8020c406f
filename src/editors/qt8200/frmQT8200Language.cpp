// frmQT8200's texts from the language file (section "frmQT8200"). Units,
// the DIP-switch labels, the analogue filter's items and the window caption
// (the sensor type) stay as they are.
#include "editors/qt8200/frmQT8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

void frmQT8200::SetLanguage() {
    const std::vector<QWidget*> captions = {
        frameMeasurement, frameSwitch1,   frameSwitch2,   frameAnalog,      frameEvalMethod, frameDip,
        lblSound,         lblReferenceDis, lblRandomTime, lblBurst,         lblCycle,        lblSwitchDis11,
        lblSwitchHys1,    lblFilter1,     lblSwitchMode1, lblSwitchDis21,   lblSwitchHys2,   lblFilter2,
        lblSwitchMode2,   lblNEvalDis,    lblFEvalDis,    lblFilterAnalog,  lblFilterWindow, lblFiltertimeout,
        lblEvalMethod1,   lblEvalMethod2, lblConFilter,   lblMeasureCount,
    };
    // Lists that show the same items share one key prefix.
    const std::vector<TranslatedList> lists = {
        {QStringLiteral("cmbRandomTime"), {cmbRandomTime}},
        {QStringLiteral("cmbSwitchMode"), {cmbSwitchMode1, cmbSwitchMode2}},
        {QStringLiteral("cmbFilter"), {cmbFilter1, cmbFilter2}},
        {QStringLiteral("cmbUseDip"), {cmbUseDip}},
        {QStringLiteral("cmbEvalMethod1"), {cmbEvalMethod1}},
        {QStringLiteral("cmbEvalMethod2"), {cmbEvalMethod2}},
    };
    TranslateTexts(captions, lists);
}
