#include "editors/qt8200/frmQT8200.h"

#include "editors/common/ControlGroups.h"
#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorHost.h"
#include "editors/qt8200/QT8200Table.h"
#include "frame/NumberFormat.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

using namespace QT8200;

namespace {

constexpr int DisplayTrue = -1;
// The analogue output runs from 1 to 254 over the evaluation range.
constexpr int AnalogLowest = 1;
constexpr int AnalogHighest = 254;

// A switch mode as the display window takes it: the digit minus 2 ("0"
// normally open, "1" normally closed).
QString switchModeItem(const QString& om, int position) {
    return QString::number(int(NumberFormat::LeadingNumber(om.mid(position, 1))) - 2);
}

}  // namespace

bool frmQT8200::IsValid(int record) const { return Model().IsValid(record); }

bool frmQT8200::IsAnalogVariant() const { return ParamEditorModel::IsRejected(Model()[SD2]); }

void frmQT8200::GetData(int item, QVariant& value) {
    const auto text = [this](int record) { return Model()[record].Value; };
    switch (item) {
    case SensorInfoItem::Output1Point1: value = text(SD1); break;
    case SensorInfoItem::Output2Point1: value = text(SD2); break;
    case SensorInfoItem::Output1Mode: value = switchModeItem(text(OM), 0); break;
    case SensorInfoItem::Output2Mode: value = text(OM).size() >= 2 ? switchModeItem(text(OM), 1) : QString(); break;
    case SensorInfoItem::NearLimit: value = text(NDE); break;
    case SensorInfoItem::FarLimit: value = text(FDE); break;
    case SensorInfoItem::AnalogLow: value = AnalogLowest; break;
    case SensorInfoItem::AnalogHigh: value = AnalogHighest; break;
    // Without a positive second switch point the display takes the second
    // output for the analogue one.
    case SensorInfoItem::AnalogInUse: value = !(NumberFormat::LeadingNumber(text(SD2)) > 0); break;
    default: break;
    }
}

bool frmQT8200::ValidPar(int item) {
    switch (item) {
    case SensorInfoItem::Output1Point1: return IsValid(SD1);
    case SensorInfoItem::Output2Point1:
    case SensorInfoItem::AnalogInUse: return IsValid(SD2);
    case SensorInfoItem::Output1Mode:
    case SensorInfoItem::Output2Mode: return IsValid(OM);
    case SensorInfoItem::NearLimit: return IsValid(NDE);
    case SensorInfoItem::FarLimit: return IsValid(FDE);
    default: return false;
    }
}

void frmQT8200::SetupDisplayWindow() {
    Editors::ShowIt().EnableSwitch(0, DisplayTrue);
    Editors::ShowIt().SetFehlerStrom(DisplayTrue);
    Editors::ShowIt().SetErrorMode(0, DisplayTrue);
}

std::vector<QComboBox*> frmQT8200::ComboHelpOrder() const {
    std::vector<QComboBox*> order = {cmbRandomTime, cmbSwitchMode1, cmbFilter1};
    if (IsAnalogVariant()) {
        order.push_back(cmbFilterAnalog);
    } else {
        order.push_back(cmbSwitchMode2);
        order.push_back(cmbFilter2);
    }
    order.insert(order.end(), {cmbEvalMethod1, cmbEvalMethod2, cmbUseDip});
    return order;
}

bool frmQT8200::eventFilter(QObject* watched, QEvent* event) {
    // The window's one label that answers a click rather than the mouse
    // passing over it.
    if (watched == lblFilterWindow && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Editors::Host().ShowQuickHelp(IdFW);
    return ParamEditorWindow::eventFilter(watched, event);
}

// --- list handlers ------------------------------------------------------------

void frmQT8200::cmbFilter1_Click() {
    // In the analogue variant this list is the filter of output 1, which the
    // sensor keeps as FA2 (FA1 filters the analogue output).
    CommitUnlessBusy(IsAnalogVariant() ? IdFA2 : IdFA1);
}

void frmQT8200::cmbEvalMethod2_Click() {
    LayoutMeasureCount();
    CommitUnlessBusy(IdEM);
}

void frmQT8200::LayoutMeasureCount() {
    EnableControls({lblMeasureCount, txtMeasureCount}, cmbEvalMethod2->currentIndex() != 0);
}
