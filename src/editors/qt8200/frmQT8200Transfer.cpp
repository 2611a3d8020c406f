// frmQT8200's value transfer: a record shown in its controls (FillForm) and
// the controls composed into a record's value and committed (PutData).
#include "editors/common/DipSwitches.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorControls.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/QT8200Values.h"
#include "editors/qt8200/frmQT8200.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QT8200;
using namespace ValueTexts;
namespace V = QT8200Values;

using EditorControls::SelectEntry;

namespace {

// The records the display window draws.
bool isDisplayed(int id) { return id == IdSD1 || id == IdSD2 || id == IdNDE || id == IdFDE; }

}  // namespace

void frmQT8200::FillForm(ParamRec& rec) {
    if (!Loaded()) return;
    ParamEditorModel::BusyGuard busy(Model());
    const QString& value = rec.Value;
    switch (rec.ID) {
    case IdVS: txtSound->setText(ShowSoundVelocity(value)); break;
    case IdRT: SelectEntry(cmbRandomTime, ShowListIndex(value)); break;
    case IdCBT: txtBurst->setText(ShowWholeNumber(value)); break;
    case IdCCT: txtCycle->setText(ShowWholeNumber(value)); break;
    case IdFTO: txtFiltertimeout->setText(ShowWholeNumber(value)); break;
    case IdCON: txtConFilter->setText(ShowWholeNumber(value)); break;
    case IdDIP: picDips->SetValue(value); break;
    case IdUDS:
        SelectEntry(cmbUseDip, ShowListIndex(value));
        ShowDipUse();
        break;
    case IdSD1: txtSwitchDis11->setText(ShowWholeNumber(value)); break;
    case IdSD2:
        txtSwitchDis21->setText(ShowWholeNumber(value));
        ShowVariant();
        break;
    case IdSH1: txtSwitchHys1->setText(ShowWholeNumber(value)); break;
    case IdSH2: txtSwitchHys2->setText(ShowWholeNumber(value)); break;
    case IdFA1: ShowFilter(FA1); break;
    case IdFA2: ShowFilter(FA2); break;
    case IdOM: {
        const V::SwitchModes modes = V::ShowSwitchModes(value);
        SelectEntry(cmbSwitchMode1, modes.output1);
        if (!IsAnalogVariant()) SelectEntry(cmbSwitchMode2, modes.output2);
        break;
    }
    case IdEM: ShowEvalMethod(value); break;
    case IdNDE: txtNEvalDis->setText(ShowWholeNumber(value)); break;
    case IdFDE: txtFEvalDis->setText(ShowWholeNumber(value)); break;
    case IdFW: txtFilterWindow->setText(ShowWholeNumber(value)); break;
    case IdREF: txtReferenceDis->clear(); break;
    default: break;
    }
    if (isDisplayed(rec.ID)) Editors::RedrawShowIt();
}

void frmQT8200::ShowVariant() {
    const bool analog = IsAnalogVariant();
    frameAnalog->setVisible(analog);
    frameSwitch2->setVisible(!analog);
    // What the variant places elsewhere follows it at once, also when the
    // editor meets a sensor of the other variant and its records before SD2
    // were shown under the old one.
    ShowDipUse();
    ShowFilter(FA1);
    ShowFilter(FA2);
}

void frmQT8200::ShowDipUse() {
    DipSwitches::ShowUse(cmbUseDip,
                         {lblSwitchDis11, txtSwitchDis11, lblSwitchMode1, cmbSwitchMode1, lblSwitchHys1, txtSwitchHys1,
                          lblSDis1[0], lblSDis1[1]},
                         {txtSwitchDis21, lblSwitchDis21, lblSwitchMode2, cmbSwitchMode2, lblSwitchHys2, txtSwitchHys2,
                          lblsdis2[0], lblsdis2[1]},
                         {lblNEvalDis, lblNEvalUnit, txtNEvalDis, lblFEvalDis, lblFEvalUnit, txtFEvalDis},
                         IsAnalogVariant());
}

void frmQT8200::ShowFilter(int record) {
    // In the analogue variant FA1 filters the analogue output and FA2
    // switch output 1.
    const bool analog = IsAnalogVariant();
    QComboBox* list = record == FA1 ? (analog ? cmbFilterAnalog : cmbFilter1) : (analog ? cmbFilter1 : cmbFilter2);
    SelectEntry(list, ShowListIndex(Model()[record].Value));
}

void frmQT8200::ShowEvalMethod(const QString& value) {
    const V::EvalMethod shown = V::ShowEvalMethod(value);
    SelectEntry(cmbEvalMethod1, shown.first);
    SelectEntry(cmbEvalMethod2, shown.second);
    txtMeasureCount->setText(shown.count);
    LayoutMeasureCount();
}

void frmQT8200::PutData(int id, bool writeNow) {
    const int index = Model().IndexOfId(id);
    if (index == 0 || index == DIP || index == BDE) return;
    const std::optional<Composed> composed = Compose(index);
    const bool written = composed ? CommitComposed(index, composed->value, writeNow, composed->parts)
                                  : CommitComposed(index, std::nullopt, writeNow);
    if (written && (index == SD1 || index == SD2)) Editors::RedrawShowIt();
}

std::optional<frmQT8200::Composed> frmQT8200::Compose(int record) {
    const auto whole = [](const std::optional<QString>& value) -> std::optional<Composed> {
        if (!value) return std::nullopt;
        return Composed{*value, {}};
    };
    const auto formatted = [&whole](const QLineEdit* box, const char* pattern) {
        return whole(ComposeFormatted(box->text(), QString::fromLatin1(pattern)));
    };
    const bool analog = IsAnalogVariant();
    switch (record) {
    case VS: return whole(ComposeSoundVelocity(txtSound->text()));
    case RT: return whole(ComposeListIndex(cmbRandomTime->currentIndex()));
    case CBT: return formatted(txtBurst, "0000");
    case CCT: return formatted(txtCycle, "000");
    case FTO: return formatted(txtFiltertimeout, "000");
    case CON: return formatted(txtConFilter, "000");
    case UDS: return whole(ComposeListIndex(cmbUseDip->currentIndex()));
    case SD1: return formatted(txtSwitchDis11, "00000");
    case SD2: return formatted(txtSwitchDis21, "00000");
    case SH1: return whole(TypedInput::AsTyped(txtSwitchHys1->text()));
    case SH2: return whole(TypedInput::AsTyped(txtSwitchHys2->text()));
    case FA1: return whole(ComposeListIndex((analog ? cmbFilterAnalog : cmbFilter1)->currentIndex()));
    case FA2: return whole(ComposeListIndex((analog ? cmbFilter1 : cmbFilter2)->currentIndex()));
    case OM:
        return whole(V::ComposeSwitchModes(cmbSwitchMode1->currentIndex(), cmbSwitchMode2->currentIndex(), analog));
    case EM: {
        const V::ComposedEvalMethod em = V::ComposeEvalMethod(cmbEvalMethod1->currentIndex(),
                                                              cmbEvalMethod2->currentIndex(), txtMeasureCount->text());
        if (em.replacedCount) txtMeasureCount->setText(*em.replacedCount);
        // The sensor takes the two fields as two writes.
        return Composed{em.Value(), {em.first, em.second}};
    }
    case NDE: return formatted(txtNEvalDis, "00000");
    case FDE: return formatted(txtFEvalDis, "00000");
    case FW: return whole(TypedInput::AsTyped(txtFilterWindow->text()));
    case REF: return whole(ComposeReference(txtReferenceDis->text()));
    default: return std::nullopt;
    }
}
