// frmQF8200Echo's texts from the language file (section "frmQF8200Echo"):
// every caption, tab and list of the window by the control's name, with the
// design texts kept in the controls' tags; the status texts of the sensor's
// answers; the evaluation methods.
#include "editors/common/EditorControls.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Combo_Utils.h"
#include "frame/LanguageUtil.h"

#include <QComboBox>

void frmQF8200Echo::SetLanguage() {
    const QString section = objectName();
    if (FirstTranslation()) {
        LanguageUtil::StoreOriginalText(this);
        LanguageUtil::StoreFormTexts(this);
    }
    LanguageUtil::TranslateForm(section, this);
    const EchoCells::StatusTexts defaults = EchoCells::DefaultStatusTexts();
    for (size_t i = 0; i < defaults.size(); ++i)
        echo_.StatusTexts()[i] = GetLangText(section, QStringLiteral("ErrStr%1").arg(i), defaults[i]);
    FillEvalMethod();
    // The taught mode is shown by the name of a list entry.
    if (echo_.Has(QF8200Echo::TOPM)) FillForm(Model()[QF8200Echo::TOPM]);
    // A translation may be longer than the design text.
    EditorControls::FitAllToText(this);
}

void frmQF8200Echo::FillEvalMethod() {
    const QString section = objectName();
    const qint32 selected = ComboGetItemData(cmbEvalMethod);
    cmbEvalMethod->clear();
    ComboAddItem(cmbEvalMethod, GetLangText(section, QStringLiteral("cmbEvalMethod0"), QStringLiteral("Keine")), 0);
    ComboAddItem(cmbEvalMethod, GetLangText(section, QStringLiteral("cmbEvalMethod1"), QStringLiteral("Mittelwert")), 3);
    // Only the analogue output has a low-pass filter.
    if (AnalogVariant())
        ComboAddItem(cmbEvalMethod, GetLangText(section, QStringLiteral("cmbEvalMethod2"), QStringLiteral("Tiefpass")), 2);
    ComboFindItemData(cmbEvalMethod, selected);
    LayoutEvalMethod();
}
