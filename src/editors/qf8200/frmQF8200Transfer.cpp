// frmQF8200's value transfer: a record shown in its controls (FillForm) and
// the controls composed into a record's value and committed (PutData).
#include "editors/common/DipSwitches.h"
#include "editors/common/ControlGroups.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/qf8200/QF8200Layout.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/QF8200Values.h"
#include "editors/qf8200/frmQF8200.h"
#include "frame/Combo_Utils.h"
#include "frame/NumberFormat.h"
#include "link/SensorState.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QF8200;
namespace V = QF8200Values;

namespace {

// An index outside the list leaves the list as it was.
void setIndex(QComboBox* list, std::optional<int> index) {
    if (index && *index >= 0 && *index < list->count()) list->setCurrentIndex(*index);
}

void setText(QLineEdit* box, const std::optional<QString>& text) {
    if (text) box->setText(*text);
}

// The entry whose item data is the value's first digit; entry 0 when none is.
void selectByItemData(QComboBox* list, const QString& value) {
    ComboFindItemData(list, qint32(NumberFormat::LeadingNumber(value.mid(0, 1))), 0);
}

std::optional<QString> itemDataText(const QComboBox* list) {
    if (list->currentIndex() < 0) return std::nullopt;
    return QString::number(ComboGetItemData(list));
}

bool isSwitchPoint(int id) { return id == IdSD11 || id == IdSD12 || id == IdSD21 || id == IdSD22; }

}  // namespace

void frmQF8200::FillForm(ParamRec& rec) {
    if (rec.ID == IdEM) rec.Value = V::NormalizeEvalMethod(rec.Value);
    if (!Loaded()) return;
    ParamEditorModel::BusyGuard busy(Model());
    const QString& value = rec.Value;
    const bool valid = IsParDefValid(rec);
    switch (rec.ID) {
    case IdVS: lbSound->setText(V::ShowSoundVelocity(value)); break;
    case IdVS0: txtSound->setText(V::ShowSoundVelocity(value)); break;
    case IdTO: lbTemperatureOffset->setText(V::ShowTemperatureOffset(value)); break;
    case IdTEM: txtTemperature->setText(V::ShowTemperature(value)); break;
    case IdCBT: txtBurst->setText(V::ShowWholeNumber(value)); break;
    case IdCCT: txtCycle->setText(V::ShowWholeNumber(value)); break;
    case IdFTO: txtFiltertimeout->setText(V::ShowWholeNumber(value)); break;
    case IdCON: txtConFilter->setText(V::ShowWholeNumber(value)); break;
    case IdBR: txtBlindrange->setText(V::ShowWholeNumber(value)); break;
    case IdDIP: picDips->SetValue(value); break;
    case IdUDS: ShowUseDip(rec); break;
    case IdSD11: txtSwitchDis11->setText(V::ShowWholeNumber(value)); break;
    case IdSD12: txtSwitchDis12->setText(V::ShowWholeNumber(value)); break;
    case IdSD21:
        txtSwitchDis21->setText(V::ShowWholeNumber(value));
        frameSwitch2->setVisible(valid);
        break;
    case IdSD22: txtSwitchDis22->setText(V::ShowWholeNumber(value)); break;
    case IdSH1: txtSwitchHys1->setText(V::ShowWholeNumber(value)); break;
    case IdSH2: txtSwitchHys2->setText(V::ShowWholeNumber(value)); break;
    case IdOM: {
        const V::SwitchModes modes = V::ShowSwitchModes(value);
        setIndex(cmbSwitchMode1, modes.output1);
        setIndex(cmbSwitchMode2, modes.output2);
        break;
    }
    case IdOPM: {
        const V::OperatingModes modes = V::ShowOperatingModes(value);
        setIndex(cmbOPMode1, modes.output1);
        LayoutOutputMode(1);
        if (IsValid(SD21)) {
            setIndex(cmbOPMode2, modes.output2);
            LayoutOutputMode(2);
        } else {
            setIndex(cmbOPModeAnalog, modes.analog);
            LayoutAnalogMode();
        }
        break;
    }
    case IdFSF: ShowFailSafe(rec); break;
    case IdEM: ShowEvalMethod(rec); break;
    case IdNDE:
        txtNEvalDis->setText(V::ShowWholeNumber(value));
        frameAnalog->setVisible(valid);
        break;
    case IdFDE: txtFEvalDis->setText(V::ShowWholeNumber(value)); break;
    case IdREF: txtReferenceDis->clear(); break;
    case IdOT: ShowOutputToggle(rec); break;
    case IdSE:
        selectByItemData(cmbErrorLED, value);
        frameErrorLED->setVisible(valid);
        break;
    case IdRR:
        ShowControls({lblReducedRange, txtReducedRange, lblReducedRangeMM}, valid);
        if (valid) txtReducedRange->setText(V::ShowWholeNumber(value));
        break;
    case IdNEF:
        ShowControls({lblEchoError, cmbEchoError}, valid);
        if (valid) setIndex(cmbEchoError, V::ShowListIndex(value));
        break;
    default: break;
    }
    const bool isDisplayed = isSwitchPoint(rec.ID) || rec.ID == IdNDE || rec.ID == IdFDE;
    if (isDisplayed && Editors::ShowIt().Loaded()) Editors::ShowIt().Update();
}

void frmQF8200::ShowUseDip(const ParamRec& rec) {
    setIndex(cmbUseDip, V::ShowListIndex(rec.Value));
    // The values the DIP switches set are greyed while the switches are in use.
    const bool editable = QF8200Layout::OutputFieldsEditable(cmbUseDip->currentIndex());
    EnableControls({lblSwitchDis11, txtSwitchDis11, lblSwitchMode1, cmbSwitchMode1, lblSDis1[0], lblOutputToggle1,
                cmbOutputToggle1},
               editable);
    if (IsValid(SD21))
        EnableControls({lblSwitchDis21, txtSwitchDis21, lblSwitchMode2, cmbSwitchMode2, lblsdis2[0]}, editable);
    else
        EnableControls({lblNEvalDis, lblNEvalUnit, txtNEvalDis, lblFEvalDis, lblFEvalUnit, txtFEvalDis}, editable);
}

void frmQF8200::ShowFailSafe(const ParamRec& rec) {
    const V::FailSafe shown = V::ShowFailSafe(rec.Value);
    if (shown.mode) {
        setIndex(cmbFailSafe, shown.mode);
        Editors::ShowIt().SetErrorMode(0, *shown.mode);
    }
    if (shown.current) {
        Editors::ShowIt().SetFehlerStrom(*shown.current);
        setText(txtFailCurrent, shown.currentText);
    }
    EnableControls({lblFailCurrent, txtFailCurrent, lblFailCurrent1},
               QF8200Layout::FailCurrentEnabled(IsValid(NDE), shown.mode.value_or(0)));
}

void frmQF8200::ShowEvalMethod(const ParamRec& rec) {
    const V::EvalFields shown = V::ShowEvalMethod(rec.Value);
    setIndex(cmbEvalMethod, shown.method);
    setText(txtDiff, shown.diff);
    setText(txtWeight, shown.weight);
    setText(txtThreshold, shown.threshold);
    setText(txtMCount, shown.mCount);
    setText(txtNCount, shown.nCount);
    LayoutEvalMethod();
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

void frmQF8200::PutData(int id, bool writeNow, std::optional<bool> third) {
    const int index = Model().IndexOfId(id);
    if (index == 0 || index == VS || index == TO || index == DIP) return;
    const bool optional = index == OT || index == SE || index == RR || index == NEF;
    if (optional && !IsValid(index)) return;
    const std::optional<QString> value = Compose(index, third.value_or(true));
    if (!value) {
        // Input that cannot be written is replaced by what the record holds.
        FillForm(Model()[index]);
        return;
    }
    const bool changed = Model().Commit(index, *value, writeNow);
    const bool written = changed && writeNow && !Sensor::State().OfflineMode;
    if (written && isSwitchPoint(id) && Editors::ShowIt().Loaded()) Editors::ShowIt().Update();
}

std::optional<QString> frmQF8200::Compose(int index, bool third) const {
    switch (index) {
    case VS0: return V::ComposeSoundVelocity(txtSound->text());
    case TEM: return V::ComposeTemperature(txtTemperature->text());
    case CBT: return V::ComposeAsTyped(txtBurst->text());
    case CCT: return V::ComposeAsTyped(txtCycle->text());
    case FTO: return V::ComposeAsTyped(txtFiltertimeout->text());
    case CON: return V::ComposeAsTyped(txtConFilter->text());
    case BR: return V::ComposeAsTyped(txtBlindrange->text());
    case UDS: return V::ComposeListIndex(cmbUseDip->currentIndex());
    case SD11: return V::ComposeAsTyped(txtSwitchDis11->text());
    case SD12: return V::ComposeAsTyped(txtSwitchDis12->text());
    case SD21: return V::ComposeAsTyped(txtSwitchDis21->text());
    case SD22: return V::ComposeAsTyped(txtSwitchDis22->text());
    case SH1: return V::ComposeAsTyped(txtSwitchHys1->text());
    case SH2: return V::ComposeAsTyped(txtSwitchHys2->text());
    case OM:
        return V::ComposeSwitchModes(cmbSwitchMode1->currentIndex(), cmbSwitchMode2->currentIndex(), IsValid(SD21));
    case OPM:
        return V::ComposeOperatingModes(cmbOPMode1->currentIndex(), cmbOPMode2->currentIndex(),
                                        cmbOPModeAnalog->currentIndex(), IsValid(SD21), IsValid(NDE));
    case FSF:
        return V::ComposeFailSafe(cmbFailSafe->currentIndex(), txtFailCurrent->isEnabled(), txtFailCurrent->text());
    case EM: {
        V::EvalFields typed;
        typed.diff = txtDiff->text();
        typed.weight = txtWeight->text();
        typed.threshold = txtThreshold->text();
        typed.mCount = txtMCount->text();
        typed.nCount = txtNCount->text();
        return V::ComposeEvalMethod(cmbEvalMethod->currentIndex(), third, typed);
    }
    case NDE: return V::ComposeAsTyped(txtNEvalDis->text());
    case FDE: return V::ComposeAsTyped(txtFEvalDis->text());
    case REF: return V::ComposeReference(txtReferenceDis->text());
    case OT: return itemDataText(cmbOutputToggle1);
    case SE: return itemDataText(cmbErrorLED);
    case RR: return V::ComposeAsTyped(txtReducedRange->text());
    case NEF: return V::ComposeListIndex(cmbEchoError->currentIndex());
    default: return std::nullopt;
    }
}
