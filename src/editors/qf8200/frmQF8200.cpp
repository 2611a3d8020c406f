#include "editors/qf8200/frmQF8200.h"

#include "editors/common/ControlGroups.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/OperatingModePictures.h"
#include "editors/qf8200/QF8200Table.h"
#include "frame/NumberFormat.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace QF8200;

namespace {

constexpr int DisplayTrue = -1;
constexpr int SecondPointSwitchOfOutput1 = 2;
constexpr int SecondPointSwitchOfOutput2 = 4;
// Entries of cmbOPMode1 and cmbOPMode2.
constexpr int SwitchPointMode = 0;
constexpr int HysteresisMode = 3;

}  // namespace

bool frmQF8200::IsValid(int record) const { return Model().IsValid(record); }

void frmQF8200::GetData(int item, QVariant& value) {
    const auto text = [this](int record) { return Model()[record].Value; };
    switch (item) {
    case SensorInfoItem::Output1Point1: value = text(SD11); break;
    case SensorInfoItem::Output1Point2: value = text(SD12); break;
    case SensorInfoItem::Output2Point1: value = text(SD21); break;
    case SensorInfoItem::Output2Point2: value = text(SD22); break;
    case SensorInfoItem::Output1Mode: value = text(OM).mid(0, 1); break;
    case SensorInfoItem::Output2Mode: value = text(OM).mid(1, 1); break;
    case SensorInfoItem::NearLimit: value = text(NDE); break;
    case SensorInfoItem::FarLimit: value = text(FDE); break;
    case SensorInfoItem::AnalogLow: value = 0; break;
    case SensorInfoItem::AnalogHigh: value = 4095; break;
    // Without a positive first switch point the second output works as
    // the analogue output.
    case SensorInfoItem::AnalogInUse: value = !(NumberFormat::LeadingNumber(text(SD21)) > 0); break;
    default: break;
    }
}

bool frmQF8200::ValidPar(int item) {
    switch (item) {
    case SensorInfoItem::Output1Point1: return IsValid(SD11);
    case SensorInfoItem::Output1Point2: return IsValid(SD12);
    case SensorInfoItem::Output2Point1: return IsValid(SD21);
    case SensorInfoItem::Output2Point2: return IsValid(SD22);
    case SensorInfoItem::NearLimit: return IsValid(NDE);
    case SensorInfoItem::FarLimit: return IsValid(FDE);
    default: return false;
    }
}

void frmQF8200::SetupDisplayWindow() {
    Editors::ShowIt().EnableSwitch(0, DisplayTrue);
    Editors::ShowIt().SetErrorMode(0, DisplayTrue);
}

void frmQF8200::LoadPictures() {
    for (int i = 0; i < int(OpModePictures.size()); ++i)
        OpModePictures[size_t(i)] = OperatingModePictures::Picture(QStringLiteral("OPM%1").arg(i));
    for (int i = 0; i < int(AnalogModePictures.size()); ++i)
        AnalogModePictures[size_t(i)] = OperatingModePictures::Picture(QStringLiteral("OPMANALOG%1").arg(i));
}

std::vector<QComboBox*> frmQF8200::ComboHelpOrder() const {
    std::vector<QComboBox*> order = {cmbFailSafe, cmbSwitchMode1, cmbOPMode1};
    if (!cmbOutputToggle1->isHidden()) order.push_back(cmbOutputToggle1);
    if (IsValid(SD21)) {
        order.push_back(cmbOPMode2);
        order.push_back(cmbSwitchMode2);
    } else if (IsValid(NDE)) {
        order.push_back(cmbOPModeAnalog);
    }
    // Without the setting its whole frame is hidden, not the list.
    if (!frameErrorLED->isHidden()) order.push_back(cmbErrorLED);
    order.push_back(cmbEvalMethod);
    order.push_back(cmbUseDip);
    return order;
}

// --- list handlers ------------------------------------------------------------

void frmQF8200::cmbOPMode1_Click() {
    LayoutOutputMode(1);
    CommitUnlessBusy(IdOPM);
}

void frmQF8200::cmbOPMode2_Click() {
    LayoutOutputMode(2);
    CommitUnlessBusy(IdOPM);
}

void frmQF8200::LayoutOutputMode(int output) {
    const bool first = output == 1;
    const int mode = (first ? cmbOPMode1 : cmbOPMode2)->currentIndex();
    if (mode >= 0 && mode < int(OpModePictures.size()))
        (first ? imgOPMode1 : imgOPMode2)->setPixmap(OpModePictures[size_t(mode)]);
    // The switch-point mode has no second switch point, the hysteresis mode
    // no separate hysteresis.
    const bool secondPoint = mode != SwitchPointMode;
    const bool hysteresis = mode != HysteresisMode;
    if (first) {
        EnableControls({txtSwitchDis12, lblSwitchDis12, lblSDis1[1]}, secondPoint);
        EnableControls({lblSwitchHys1, txtSwitchHys1, lblSDis1[2]}, hysteresis);
    } else {
        EnableControls({txtSwitchDis22, lblSwitchDis22, lblsdis2[1]}, secondPoint);
        EnableControls({lblSwitchHys2, txtSwitchHys2, lblsdis2[2]}, hysteresis);
    }
    Editors::ShowIt().EnableSwitch(first ? SecondPointSwitchOfOutput1 : SecondPointSwitchOfOutput2,
                                   secondPoint ? DisplayTrue : 0);
}

void frmQF8200::cmbOPModeAnalog_Click() {
    LayoutAnalogMode();
    CommitUnlessBusy(IdOPM);
}

void frmQF8200::LayoutAnalogMode() {
    const int mode = cmbOPModeAnalog->currentIndex();
    if (mode >= 0 && mode < int(AnalogModePictures.size()))
        imgOPModeAnalog->setPixmap(AnalogModePictures[size_t(mode)]);
    Editors::ShowIt().EnableSwitch(SecondPointSwitchOfOutput2, DisplayTrue);
}

void frmQF8200::cmbFailSafe_Click() {
    if (!ClickCanCommit(IdFSF)) return;
    if (!frameAnalog->isHidden())
        EnableControls({lblFailCurrent, txtFailCurrent, lblFailCurrent1}, cmbFailSafe->currentIndex() != 0);
    PutData(IdFSF, true);
}
