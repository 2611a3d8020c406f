// frmQF8200Echo's value transfer: a record shown in its controls (FillForm),
// the controls composed into a record's value and committed (PutData), and
// the list handlers whose layout follows every shown value.
#include "editors/common/ControlGroups.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorControls.h"
#include "platform/Hourglass.h"
#include "editors/common/TemperatureTexts.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "editors/qf8200echo/BeamPicture.h"
#include "editors/qf8200echo/EchoLayout.h"
#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/SoundBeam.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Combo_Utils.h"
#include "frame/NumberFormat.h"
#include "frame/Radio_Utils.h"
#include "link/SensorState.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <climits>
#include <cmath>

using EditorControls::SelectEntry;
using namespace QF8200Echo;
namespace V = EchoValues;

namespace {

int wholeNumber(const QString& value) {
    const double number = std::nearbyint(NumberFormat::LeadingNumber(value));
    return number >= INT_MIN && number <= INT_MAX ? int(number) : -1;
}

std::optional<QString> itemDataText(const QComboBox* list) {
    if (list->currentIndex() < 0) return std::nullopt;
    return QString::number(ComboGetItemData(list));
}

std::optional<QString> entryText(const QComboBox* list) {
    if (list->currentIndex() < 0) return std::nullopt;
    return list->currentText();
}

bool isSwitchPoint(int index) {
    return index == SD1 || index == SD12 || index == SD2 || index == SD22 || index == A1 || index == A2;
}

bool isBeamRecord(int index) { return index == SEN || index == POTI1 || index == POTI2; }

// The record a commit with that number changes; 0 for the numbers that
// change none (the taught values, the end values and the help-only numbers).
int committedRecord(const ParamEditorModel& model, int id) {
    switch (id) {
    case IdTSD1: case IdTSD2: case IdTOPM: case IdIEND: case IdUEND: return 0;
    default: return model.IndexOfId(id);
    }
}

}  // namespace

void frmQF8200Echo::FillForm(ParamRec& rec) {
    if (!Loaded()) return;
    ParamEditorModel::BusyGuard busy(Model());
    const QString& value = rec.Value;
    const auto whole = [&value](QWidget* control) {
        if (auto* box = qobject_cast<QLineEdit*>(control)) box->setText(ValueTexts::ShowWholeNumber(value));
        else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(ValueTexts::ShowWholeNumber(value));
    };
    const int index = Model().IndexOfId(rec.ID);
    switch (rec.ID) {
    case IdTSD1: whole(lblCSwitchDisTeach1); break;
    case IdTSD2: whole(lblCSwitchDisTeach2); break;
    case IdVS0: txtSound->setText(ValueTexts::ShowSoundVelocity(value)); break;
    case IdTO: txtTemperatureOffset->setText(TemperatureTexts::ShowOffset(value)); break;
    case IdFTO: whole(txtFiltertimeout); break;
    case IdSD1: whole(txtSwitchDis11); break;
    case IdSD12: whole(txtSwitchDis12); break;
    case IdSD2: whole(txtSwitchDis21); break;
    case IdSD22: whole(txtSwitchDis22); break;
    case IdBR: whole(txtBlindrange); break;
    case IdRR: whole(txtReducedRange); break;
    case IdSH1: whole(txtSwitchHys1); break;
    case IdSH2: whole(txtSwitchHys2); break;
    case IdCON1: whole(txtConFilter1[0]); break;
    case IdCON2: whole(txtConFilter2[0]); break;
    case IdCOF1: whole(txtConFilter1[1]); break;
    case IdCOF2: whole(txtConFilter2[1]); break;
    case IdCCT: whole(txtCycle); break;
    case IdA1: whole(txtNEvalDis); break;
    case IdA2: whole(txtFEvalDis); break;
    case IdOM1: SelectEntry(cmbSwitchMode1, ValueTexts::ShowListIndex(value)); break;
    case IdOM2: SelectEntry(cmbSwitchMode2, ValueTexts::ShowListIndex(value)); break;
    case IdOPM1:
    case IdOPM2:
        // On an analogue sensor the cell of OPM1 holds the analogue output's mode.
        if (!AnalogVariant()) {
            const int output = rec.ID == IdOPM1 ? 1 : 2;
            (output == 1 ? cmbOPMode1 : cmbOPMode2)->setCurrentIndex(V::OperatingModePosition(value));
            LayoutOutputMode(output);
        }
        break;
    case IdFSF: {
        const std::optional<int> mode = ValueTexts::ShowListIndex(value.left(1));
        SelectEntry(cmbFailSafe, mode);
        if (mode) Editors::ShowIt().SetErrorMode(0, *mode);
        break;
    }
    case IdCBT: ComboFindItemData(cmbBurst, wholeNumber(value), 0); break;
    case IdSEN: ShowSensitivity(rec); break;
    case IdEVM:
        ComboFindItemData(cmbEvalMethod, V::EvalMethodItemData(value), 0);
        LayoutEvalMethod();
        break;
    case IdMXN_N: {
        const bool mean = echo_[EVM].Value == QLatin1String("MXN");
        MethodFields.txtNCount->setText(mean ? value : QStringLiteral("2"));
        break;
    }
    case IdMXN_M: {
        const bool mean = echo_[EVM].Value == QLatin1String("MXN");
        MethodFields.txtWeight->setText(value);
        MethodFields.txtMCount->setText(mean ? value : QStringLiteral("5"));
        break;
    }
    case IdBITS: ShowOptionBits(rec); break;
    case IdTOPM: ShowTeachInMode(rec); break;
    case IdAnalogOPM:
        ComboFindItemData(cmbOPModeAnalog, wholeNumber(value));
        LayoutAnalogMode();
        break;
    case IdAnalogOM: ComboFindItemData(cmbOutputAnalog, wholeNumber(value)); break;
    case IdMM: {
        const int mode = V::MeasuringModeIndex(value);
        SetRadioIndex(rdSens, mode);
        ShowSensPanel(mode);
        break;
    }
    case IdPOTI1:
    case IdPOTI2: ShowBeamWidth(rec); break;
    default: break;
    }
    if (isSwitchPoint(index)) Editors::RedrawShowIt();
}

void frmQF8200Echo::ShowOptionBits(const ParamRec& rec) {
    const V::OptionBits bits = V::ShowOptionBits(rec.Value);
    ComboFindItemData(cmbStartup, bits.startup);
    chkUseTeachInAnalog->setChecked(bits.teachIn);
    chkUseTeachIn->setChecked(bits.teachIn);
    ComboFindItemData(cmbEchoError, bits.echoError);
}

void frmQF8200Echo::ShowTeachInMode(const ParamRec& rec) {
    if (AnalogVariant()) {
        int position = 0;
        lblCOPModeTeach->setText(ComboTextByItemData(cmbOPModeAnalog, wholeNumber(rec.Value), position));
        imgOPModeTeach->setPixmap(OPMAnalogPictures[size_t(position)]);
    } else {
        const int position = V::OperatingModePosition(rec.Value);
        lblCOPModeTeach->setText(cmbOPMode1->itemText(position));
        imgOPModeTeach->setPixmap(OPMPictures[size_t(position)]);
    }
}

void frmQF8200Echo::ShowSensitivity(const ParamRec& rec) {
    const int sensitivity = wholeNumber(rec.Value);
    ComboFindItemData(cmbSens, sensitivity, 0);
    if (!beamWriting_) slideSens->setValue(SoundBeam::SensitivityPosition(sensitivity));
    UpdateSensShapes();
}

void frmQF8200Echo::ShowBeamWidth(const ParamRec& rec) {
    const int width = wholeNumber(rec.Value);
    if (rec.ID == IdPOTI2) {
        ComboFindItemData(cmbRange, width, 0);
        if (!beamWriting_) slideRange->setValue(SoundBeam::WidthPosition(ComboGetItemData(cmbRange)));
        LastRangePos = slideRange->value();
    } else {
        ComboFindItemData(cmbSonicWidth, width, 0);
        if (!beamWriting_) slideSonicWidth->setValue(SoundBeam::WidthPosition(width));
        LastSonicPos = slideSonicWidth->value();
    }
    UpdateBeamShapes();
}

// --- list handlers' layout parts ----------------------------------------------

void frmQF8200Echo::LayoutEvalMethod() {
    ShowControls({MethodFields.lblDiff, MethodFields.lblDiffPercent, MethodFields.txtDiff, MethodFields.lblWeight, MethodFields.txtWeight, MethodFields.lblThreshold, MethodFields.txtThreshold, MethodFields.lblMCount,
                  MethodFields.txtMCount, MethodFields.lblNCount, MethodFields.txtNCount},
                 false);
    const EchoLayout::MethodFields fields = EchoLayout::EvalMethodFields(ComboGetItemData(cmbEvalMethod));
    ShowControls({MethodFields.lblWeight, MethodFields.txtWeight}, fields.weight);
    ShowControls({MethodFields.lblMCount, MethodFields.txtMCount, MethodFields.lblNCount, MethodFields.txtNCount}, fields.counts);
}

void frmQF8200Echo::LayoutOutputMode(int output) {
    const bool first = output == 1;
    const int position = (first ? cmbOPMode1 : cmbOPMode2)->currentIndex();
    if (position >= 0 && position < int(OPMPictures.size()))
        (first ? imgOPMode1 : imgOPMode2)->setPixmap(OPMPictures[size_t(position)]);
    const EchoLayout::OutputFields fields = EchoLayout::OperatingModeFields(position);
    if (first) {
        EnableControls({txtSwitchDis12, lblSwitchDis12, lblSDis1[1]}, fields.secondPoint);
        EnableControls({lblSwitchHys1, txtSwitchHys1, lblSDis1[2]}, fields.hysteresis);
    } else {
        EnableControls({txtSwitchDis22, lblSwitchDis22, lblsdis2[1]}, fields.secondPoint);
        EnableControls({lblSwitchHys2, txtSwitchHys2, lblsdis2[2]}, fields.hysteresis);
    }
    // With the taught points in use the taught mode decides the display.
    if (!echo_.Taught())
        Editors::ShowIt().EnableSwitch(first ? SecondPointOfOutput1 : SecondPointOfOutput2,
                                       fields.secondPoint ? DisplayTrue : 0);
}

void frmQF8200Echo::LayoutAnalogMode() {
    const int position = cmbOPModeAnalog->currentIndex();
    if (position >= 0 && position < int(OPMAnalogPictures.size()))
        imgOPModeAnalog->setPixmap(OPMAnalogPictures[size_t(position)]);
}

void frmQF8200Echo::chkUseTeachInAnalog_Click() {
    // The analogue variant's box stands in for chkUseTeachIn, which commits.
    chkUseTeachIn->setChecked(chkUseTeachInAnalog->isChecked());
    CommitUnlessBusy(IdBITS);
}

// --- commit ---------------------------------------------------------------------

void frmQF8200Echo::PutData(int id, bool writeNow) {
    Hourglass hourglass;
    const int index = committedRecord(Model(), id);
    if (index == 0) return;
    SensorWork work(sensorWork_);
    const std::optional<QString> composed = Compose(index);
    ParamRec& rec = Model()[index];
    // Input that cannot be written (no number, several values, a number its
    // cell cannot hold, a value the input rules refuse) is not sent: the
    // control shows what the record holds again.
    if (!composed || !Model().Acceptable(index, *composed)) {
        ShowRecord(rec);
        return;
    }
    if (*composed == rec.Value) return;
    if (writeNow && !Sensor::State().OfflineMode) WriteToSensor(index, *composed);
    else Model().Commit(index, *composed, writeNow);
}

void frmQF8200Echo::WriteToSensor(int index, const QString& value) {
    // The sound-beam controls stay still while one of their values is written.
    const bool beam = isBeamRecord(index);
    QPointer<QWidget> focused;
    if (beam) {
        beamWriting_ = true;
        focused = LockBeamControls(true);
    }
    Model().Commit(index, value, true);
    if (isSwitchPoint(index) || index == BITS) {
        if (!AnalogVariant()) EnableSecondSwitchPoints(chkUseTeachIn->isChecked());
        Editors::RedrawShowIt();
    }
    if (beam) {
        beamWriting_ = false;
        LockBeamControls(false);
        // Back where the user was, unless the user went elsewhere meanwhile.
        if (focused && !QApplication::focusWidget()) focused->setFocus();
    }
}

QWidget* frmQF8200Echo::LockBeamControls(bool locked) {
    const std::initializer_list<QWidget*> controls{cmbSens, cmbSonicWidth, cmbRange, slideRange, slideSens,
                                                   slideSonicWidth};
    // A focused control that is disabled hands the focus on to the next one
    // (the start-up list), where keys typed during the write would land: the
    // focus leaves it for the time of the lock instead.
    QWidget* focused = QApplication::focusWidget();
    if (!locked || std::find(controls.begin(), controls.end(), focused) == controls.end()) focused = nullptr;
    if (focused) focused->clearFocus();
    for (QWidget* control : controls) control->setEnabled(!locked);
    return focused;
}

std::optional<QString> frmQF8200Echo::Compose(int index) {
    // A plain box's text goes to the sensor as typed.
    const auto typed = [](const QLineEdit* box) { return TypedInput::AsTyped(box->text()); };
    switch (index) {
    case VS0: return ValueTexts::ComposeSoundVelocity(txtSound->text());
    case TO: return V::ComposeTemperatureOffset(txtTemperatureOffset->text());
    case FTO: return typed(txtFiltertimeout);
    case SD1: return typed(txtSwitchDis11);
    case SD12: return typed(txtSwitchDis12);
    case SD2: return typed(txtSwitchDis21);
    case SD22: return typed(txtSwitchDis22);
    case BR: return typed(txtBlindrange);
    case RR: return typed(txtReducedRange);
    case SH1: return typed(txtSwitchHys1);
    case SH2: return typed(txtSwitchHys2);
    case CON1: return typed(txtConFilter1[0]);
    case CON2: return typed(txtConFilter2[0]);
    case COF1: return typed(txtConFilter1[1]);
    case COF2: return typed(txtConFilter2[1]);
    case CCT: return typed(txtCycle);
    case A1: return typed(txtNEvalDis);
    case A2: return typed(txtFEvalDis);
    case OM1: return ValueTexts::ComposeListIndex(cmbSwitchMode1->currentIndex());
    case OM2: return ValueTexts::ComposeListIndex(cmbSwitchMode2->currentIndex());
    case FSF: return ValueTexts::ComposeListIndex(cmbFailSafe->currentIndex());
    case OPM1: return V::ComposeOperatingMode(cmbOPMode1->currentIndex());
    case OPM2: return V::ComposeOperatingMode(cmbOPMode2->currentIndex());
    case CBT: return entryText(cmbBurst);
    case SEN: return itemDataText(cmbSens);
    case POTI1: return itemDataText(cmbSonicWidth);
    case POTI2: return itemDataText(cmbRange);
    case AnalogOPM: return itemDataText(cmbOPModeAnalog);
    case AnalogOM: return itemDataText(cmbOutputAnalog);
    case EVM: return ComposeEvalMethod();
    case MXN_M: return ComposeMCount();
    case MXN_N: return ComposeNCount();
    case BITS:
        return V::ComposeOptionBits(echo_[BITS].Value,
                                    {ComboGetItemData(cmbEchoError), chkUseTeachIn->isChecked(),
                                     ComboGetItemData(cmbStartup)});
    case MM: return V::ComposeMeasuringMode(echo_[MM].Value, GetRadioIndex(rdSens));
    default: return std::nullopt;
    }
}

std::optional<QString> frmQF8200Echo::ComposeEvalMethod() {
    const int method = ComboGetItemData(cmbEvalMethod);
    // The mean starts with its default count M, written before the method.
    // Choosing the mean again while it is the method keeps the user's count.
    if (method == 3 && echo_[EVM].Value != QLatin1String("MXN")) {
        MethodFields.txtMCount->setText(QStringLiteral("5"));
        PutData(IdMXN_M, true);
    }
    return V::EvalMethodWord(method);
}

std::optional<QString> frmQF8200Echo::ComposeMCount() {
    switch (ComboGetItemData(cmbEvalMethod)) {
    case 2: {
        const std::optional<QString> weight = V::ComposeWeight(MethodFields.txtWeight->text());
        if (weight) MethodFields.txtWeight->setText(*weight);
        return weight;
    }
    case 3: {
        const std::optional<QString> m = V::ComposeMCount(MethodFields.txtMCount->text());
        if (!m) return std::nullopt;
        MethodFields.txtMCount->setText(*m);
        // N must stay below the new M / 2: a lower N is written first.
        if (const std::optional<QString> n = V::NCountBelowHalf(echo_[MXN_N].Value, *m)) {
            MethodFields.txtNCount->setText(*n);
            PutData(IdMXN_N, true);
        }
        return m;
    }
    default: return QStringLiteral("0");
    }
}

std::optional<QString> frmQF8200Echo::ComposeNCount() {
    if (ComboGetItemData(cmbEvalMethod) != 3) return QStringLiteral("0");
    std::optional<QString> n = V::ComposeNCount(MethodFields.txtNCount->text());
    if (!n) return std::nullopt;
    if (const std::optional<QString> lowered = V::NCountBelowHalf(*n, echo_[MXN_M].Value)) {
        n = lowered;
        MethodFields.txtNCount->setText(*n);
    }
    return n;
}
