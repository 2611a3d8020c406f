// frmQF8200's value transfer of the records beside the shared ones: a record
// shown in its controls (ShowOwnRecord) and the controls composed into a
// record's value (ComposeRecord).
#include "editors/common/ControlGroups.h"
#include "editors/common/DipSwitches.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorControls.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/QF8200Values.h"
#include "editors/qf8200/frmQF8200.h"
#include "frame/Combo_Utils.h"
#include "frame/NumberFormat.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QF8200;
using namespace ValueTexts;
namespace V = QF8200Values;

using EditorControls::SelectEntry;

namespace {

// The entry whose item data is the value's first digit; entry 0 when none is.
void selectByItemData(QComboBox* list, const QString& value) {
    ComboFindItemData(list, qint32(NumberFormat::LeadingNumber(value.mid(0, 1))), 0);
}

std::optional<QString> itemDataText(const QComboBox* list) {
    if (list->currentIndex() < 0) return std::nullopt;
    return QString::number(ComboGetItemData(list));
}

}  // namespace

bool frmQF8200::IsSwitchPoint(int id) const { return id == IdSD11 || id == IdSD12 || id == IdSD21 || id == IdSD22; }

void frmQF8200::ShowOwnRecord(const ParamRec& rec) {
    const QString& value = rec.Value;
    const bool valid = IsParDefValid(rec);
    switch (rec.ID) {
    case IdDIP: picDips->SetValue(value); break;
    case IdUDS: ShowUseDip(rec); break;
    case IdSD11: txtSwitchDis11->setText(ShowWholeNumber(value)); break;
    case IdSD12: txtSwitchDis12->setText(ShowWholeNumber(value)); break;
    case IdSD21:
        txtSwitchDis21->setText(ShowWholeNumber(value));
        frameSwitch2->setVisible(valid);
        break;
    case IdSD22: txtSwitchDis22->setText(ShowWholeNumber(value)); break;
    case IdSH1: txtSwitchHys1->setText(ShowWholeNumber(value)); break;
    case IdSH2: txtSwitchHys2->setText(ShowWholeNumber(value)); break;
    case IdOM: {
        const V::SwitchModes modes = V::ShowSwitchModes(value);
        SelectEntry(cmbSwitchMode1, modes.output1);
        SelectEntry(cmbSwitchMode2, modes.output2);
        break;
    }
    case IdOPM: {
        const V::OperatingModes modes = V::ShowOperatingModes(value);
        SelectEntry(cmbOPMode1, modes.output1);
        LayoutOutputMode(1);
        if (IsValid(SD21)) {
            SelectEntry(cmbOPMode2, modes.output2);
            LayoutOutputMode(2);
        } else {
            SelectEntry(cmbOPModeAnalog, modes.analog);
            LayoutAnalogMode();
        }
        break;
    }
    case IdFSF: ShowFailSafe(rec); break;
    case IdNDE:
        txtNEvalDis->setText(ShowWholeNumber(value));
        frameAnalog->setVisible(valid);
        break;
    case IdFDE: txtFEvalDis->setText(ShowWholeNumber(value)); break;
    case IdOT: ShowOutputToggle(rec); break;
    case IdSE:
        selectByItemData(cmbErrorLED, value);
        frameErrorLED->setVisible(valid);
        break;
    case IdRR:
        ShowControls({lblReducedRange, txtReducedRange, lblReducedRangeMM}, valid);
        if (valid) txtReducedRange->setText(ShowWholeNumber(value));
        break;
    case IdNEF:
        ShowControls({lblEchoError, cmbEchoError}, valid);
        if (valid) SelectEntry(cmbEchoError, ShowListIndex(value));
        break;
    default: break;
    }
    const bool isDisplayed = IsSwitchPoint(rec.ID) || rec.ID == IdNDE || rec.ID == IdFDE;
    if (isDisplayed) Editors::RedrawShowIt();
}

void frmQF8200::ShowUseDip(const ParamRec& rec) {
    SelectEntry(cmbUseDip, ShowListIndex(rec.Value));
    DipSwitches::ShowUse(cmbUseDip,
                         {lblSwitchDis11, txtSwitchDis11, lblSwitchMode1, cmbSwitchMode1, lblSDis1[0], lblOutputToggle1,
                          cmbOutputToggle1},
                         {lblSwitchDis21, txtSwitchDis21, lblSwitchMode2, cmbSwitchMode2, lblsdis2[0]},
                         {lblNEvalDis, lblNEvalUnit, txtNEvalDis, lblFEvalDis, lblFEvalUnit, txtFEvalDis}, !IsValid(SD21));
}

void frmQF8200::ShowFailSafe(const ParamRec& rec) {
    const std::optional<int> mode = V::ShowFailSafeMode(rec.Value);
    if (mode) {
        SelectEntry(cmbFailSafe, mode);
        Editors::ShowIt().SetErrorMode(0, *mode);
    }
    const FaultCurrent current = ShowFaultCurrent(rec.Value);
    if (current.tenths) {
        Editors::ShowIt().SetFehlerStrom(*current.tenths);
        txtFailCurrent->setText(current.shown);
    }
    // The fault current exists with an analogue output and a fault behaviour other than 0.
    EnableControls({lblFailCurrent, txtFailCurrent, lblFailCurrent1}, IsValid(NDE) && mode.value_or(0) != 0);
}

void frmQF8200::ShowOutputToggle(const ParamRec& rec) {
    selectByItemData(cmbOutputToggle1, rec.Value);
    const bool valid = IsParDefValid(rec);
    // Without the setting the frame ends above its row.
    const int height = valid ? outputToggleTop_ + cmbOutputToggle1->height() + txtSwitchDis11->y() / 2
                             : outputToggleTop_;
    frameSwitch1->resize(frameSwitch1->width(), height);
    ShowControls({lblOutputToggle1, cmbOutputToggle1}, valid);
}

bool frmQF8200::Commits(int index) const {
    // The DIP switches are only shown; the settings a sensor may lack commit
    // only when it has them.
    const bool optional = index == OT || index == SE || index == RR || index == NEF;
    return index != DIP && !(optional && !IsValid(index));
}

std::optional<QString> frmQF8200::ComposeRecord(int index) const {
    const auto typed = [](const QLineEdit* box) { return TypedInput::AsTyped(box->text()); };
    switch (index) {
    case UDS: return ComposeListIndex(cmbUseDip->currentIndex());
    case SD11: return typed(txtSwitchDis11);
    case SD12: return typed(txtSwitchDis12);
    case SD21: return typed(txtSwitchDis21);
    case SD22: return typed(txtSwitchDis22);
    case SH1: return typed(txtSwitchHys1);
    case SH2: return typed(txtSwitchHys2);
    case OM:
        return V::ComposeSwitchModes(cmbSwitchMode1->currentIndex(), cmbSwitchMode2->currentIndex(), IsValid(SD21));
    case OPM:
        return V::ComposeOperatingModes(cmbOPMode1->currentIndex(), cmbOPMode2->currentIndex(),
                                        cmbOPModeAnalog->currentIndex(), IsValid(SD21), IsValid(NDE));
    case FSF:
        return V::ComposeFailSafe(cmbFailSafe->currentIndex(), txtFailCurrent->isEnabled(), txtFailCurrent->text());
    case NDE: return typed(txtNEvalDis);
    case FDE: return typed(txtFEvalDis);
    case OT: return itemDataText(cmbOutputToggle1);
    case SE: return itemDataText(cmbErrorLED);
    case RR: return typed(txtReducedRange);
    case NEF: return ComposeListIndex(cmbEchoError->currentIndex());
    default: return std::nullopt;
    }
}
