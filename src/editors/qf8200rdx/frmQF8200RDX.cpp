#include "editors/qf8200rdx/frmQF8200RDX.h"

#include "editors/common/DisplayWindowLink.h"
#include "editors/common/EditorLink.h"
#include "editors/qf8200rdx/EvaluationLimits.h"
#include "editors/qf8200rdx/QF8200RDXTable.h"
#include "frame/Options.h"
#include "link/TrafficLog.h"

#include <QComboBox>
#include <QGroupBox>

using namespace QF8200RDX;

namespace {

constexpr int DisplayTrue = -1;

}  // namespace

void frmQF8200RDX::GetData(int item, QVariant& value) {
    const auto text = [this](int record) { return Model()[record].Value; };
    switch (item) {
    case SensorInfoItem::Output1Point1: value = text(SD1); break;
    case SensorInfoItem::Output2Point1: value = text(SD2); break;
    case SensorInfoItem::Output3Point: value = text(SD3); break;
    case SensorInfoItem::Output1Mode: value = text(OM).mid(0, 1); break;
    case SensorInfoItem::Output2Mode: value = text(OM).mid(1, 1); break;
    case SensorInfoItem::Output3Mode: value = text(OM).mid(2, 1); break;
    case SensorInfoItem::NearLimit: value = text(NDE); break;
    case SensorInfoItem::FarLimit: value = text(FDE); break;
    case SensorInfoItem::AnalogLow: value = MINRELDIS; break;
    case SensorInfoItem::AnalogHigh: value = MAXRELDIS; break;
    case SensorInfoItem::AnalogInUse: value = true; break;
    default: break;
    }
}

bool frmQF8200RDX::ValidPar(int item) {
    switch (item) {
    case SensorInfoItem::Output1Point1: return Model().IsValid(SD1);
    case SensorInfoItem::Output2Point1: return Model().IsValid(SD2);
    case SensorInfoItem::Output3Point: return Model().IsValid(SD3);
    case SensorInfoItem::Output1Mode:
    case SensorInfoItem::Output2Mode:
    case SensorInfoItem::Output3Mode: return Model().IsValid(OM);
    case SensorInfoItem::NearLimit: return Model().IsValid(NDE);
    case SensorInfoItem::FarLimit: return Model().IsValid(FDE);
    default: return false;
    }
}

void frmQF8200RDX::SetupDisplayWindow() { Editors::ShowIt().EnableSwitch(0, DisplayTrue); }

std::vector<QComboBox*> frmQF8200RDX::ComboHelpOrder() const {
    const std::vector<QComboBox*> lists = {
        cmbInclination,           Outputs[0].cmbSwitchMode, Outputs[0].cmbFailSafe, Outputs[1].cmbSwitchMode,
        Outputs[1].cmbFailSafe,   Outputs[2].cmbSwitchMode, Outputs[2].cmbFailSafe, cmbEchoError,
        cmbMainApplication,       cmbEvalMethod,
    };
    // A list in a frame the sensor does not have is not there to explain.
    std::vector<QComboBox*> shown;
    for (QComboBox* list : lists)
        if (!list->parentWidget()->isHidden()) shown.push_back(list);
    return shown;
}

void frmQF8200RDX::EepromCellRead(TransferProgress& progress) {
    const auto readCell = [&progress](int cell) {
        QString answer;
        Ports::AnswerBytes bytes{};
        Editors::Link().SendCommand(EvaluationLimits::ReadCellCommand(cell), answer, bytes, std::nullopt);
        progress.IncBar();
        return answer;
    };
    const EvaluationLimits::Limits limits = EvaluationLimits::Search(readCell);
    MINRELDIS = limits.lower;
    MAXRELDIS = limits.upper;
    if (Options::Current().DebugMode) {
        TrafficLog::Offer({QStringLiteral("D: "), EvaluationLimits::DiagnosticsText("MINRELDIS", MINRELDIS), false});
        TrafficLog::Offer({QStringLiteral("D: "), EvaluationLimits::DiagnosticsText("MAXRELDIS", MAXRELDIS), false});
    }
}
