// frmQF8200RDX's value transfer of the records beside the shared ones: a
// record shown in its controls (ShowOwnRecord) and the controls composed into a
// record's value (ComposeRecord).
#include "editors/common/ControlGroups.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorControls.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "editors/qf8200rdx/QF8200RDXValues.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QF8200RDX;
namespace V = QF8200RDXValues;
namespace T = ValueTexts;

using EditorControls::SelectEntry;

bool frmQF8200RDX::IsSwitchPoint(int id) const { return id == IdSD1 || id == IdSD2 || id == IdSD3; }

int frmQF8200RDX::ShownOutputs() const { return Outputs[2].frame->isHidden() ? 2 : 3; }

void frmQF8200RDX::ShowOwnRecord(const ParamRec& rec) {
    const QString& value = rec.Value;
    const bool valid = IsParDefValid(rec);
    switch (rec.ID) {
    case IdNEF: SelectEntry(cmbEchoError, T::ShowListIndex(value)); break;
    case IdSD1: Outputs[0].txtSwitchDis->setText(T::ShowWholeNumber(value)); break;
    case IdSD2: Outputs[1].txtSwitchDis->setText(T::ShowWholeNumber(value)); break;
    case IdSD3:
        // A sensor with two switch outputs does not know SD3.
        Outputs[2].frame->setVisible(valid);
        if (valid) Outputs[2].txtSwitchDis->setText(T::ShowWholeNumber(value));
        break;
    case IdSH1: Outputs[0].txtSwitchHys->setText(T::ShowWholeNumber(value)); break;
    case IdSH2: Outputs[1].txtSwitchHys->setText(T::ShowWholeNumber(value)); break;
    case IdSH3: Outputs[2].txtSwitchHys->setText(T::ShowWholeNumber(value)); break;
    case IdOM: ShowSwitchModes(rec); break;
    case IdFSF: ShowFailSafe(rec); break;
    case IdNDE: txtNEvalDis->setText(T::ShowWholeNumber(value)); break;
    case IdFDE:
        // A sensor without analogue output does not know FDE.
        frameAnalog->setVisible(valid);
        if (valid) txtFEvalDis->setText(T::ShowWholeNumber(value));
        break;
    case IdMA: SelectEntry(cmbMainApplication, V::ShowMainApplication(value)); break;
    case IdUIS: ShowInclination(rec); break;
    default: break;
    }
    const bool drawn = rec.ID == IdSD1 || rec.ID == IdSD2 || rec.ID == IdNDE ||
                       ((rec.ID == IdSD3 || rec.ID == IdFDE) && valid);
    if (drawn) Editors::RedrawShowIt();
}

void frmQF8200RDX::ShowSwitchModes(const ParamRec& rec) {
    const std::array<int, 3> entries = V::ShowSwitchModes(rec.Value);
    for (size_t i = 0; i < Outputs.size(); ++i) SelectEntry(Outputs[i].cmbSwitchMode, entries[i]);
}

void frmQF8200RDX::ShowFailSafe(const ParamRec& rec) {
    const std::array<int, 3> modes = V::ShowFailSafeModes(rec.Value);
    for (size_t i = 0; i < Outputs.size(); ++i) {
        SelectEntry(Outputs[i].cmbFailSafe, modes[i]);
        Editors::ShowIt().SetErrorMode(int(i) + 1, modes[i]);
    }
    const T::FaultCurrent current = T::ShowFaultCurrent(rec.Value);
    if (current.tenths) {
        txtFailCurrent->setText(current.shown);
        Editors::ShowIt().SetFehlerStrom(*current.tenths);
    }
}

void frmQF8200RDX::ShowInclination(const ParamRec& rec) {
    // A sensor without inclination switch does not know UIS.
    const bool valid = IsParDefValid(rec);
    frameInclination->setVisible(valid);
    if (!valid) return;
    const V::Inclination shown = V::ShowInclination(rec.Value);
    cmbInclination->setCurrentIndex(shown.active ? 0 : 1);
    if (shown.active) {
        txtInclinationOn->setText(shown.onMs);
        txtInclinationOff->setText(shown.offMs);
    }
    // While the switch is off its delays keep their texts, greyed.
    EnableControls({lblInclinationOn, lblInclinationOff, lblInclinationTime[0], lblInclinationTime[1],
                    txtInclinationOn, txtInclinationOff},
                   shown.active);
}

std::optional<QString> frmQF8200RDX::ComposeRecord(int index) const {
    const auto typed = [](const QLineEdit* box) { return TypedInput::AsTyped(box->text()); };
    switch (index) {
    case NEF: return T::ComposeListIndex(cmbEchoError->currentIndex());
    case SD1: return typed(Outputs[0].txtSwitchDis);
    case SD2: return typed(Outputs[1].txtSwitchDis);
    case SD3: return typed(Outputs[2].txtSwitchDis);
    case SH1: return typed(Outputs[0].txtSwitchHys);
    case SH2: return typed(Outputs[1].txtSwitchHys);
    case SH3: return typed(Outputs[2].txtSwitchHys);
    case OM: {
        // Only the outputs the sensor has: a third output only with its frame.
        std::vector<int> entries;
        for (int i = 0; i < ShownOutputs(); ++i) entries.push_back(Outputs[size_t(i)].cmbSwitchMode->currentIndex());
        return V::ComposeSwitchModes(entries);
    }
    case FSF: {
        std::vector<int> modes;
        for (int i = 0; i < ShownOutputs(); ++i) modes.push_back(Outputs[size_t(i)].cmbFailSafe->currentIndex());
        // The fault current belongs to the analogue output.
        const std::optional<QString> current =
            frameAnalog->isHidden() ? std::nullopt : std::optional<QString>(txtFailCurrent->text());
        return V::ComposeFailSafe(modes, current);
    }
    case NDE: return typed(txtNEvalDis);
    case FDE: return typed(txtFEvalDis);
    case MA: return V::ComposeMainApplication(cmbMainApplication->currentIndex());
    case UIS: return V::ComposeInclination(cmbInclination->currentIndex(), txtInclinationOn->text(),
                                           txtInclinationOff->text());
    default: return std::nullopt;
    }
}
