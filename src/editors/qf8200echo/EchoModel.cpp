#include "editors/qf8200echo/EchoModel.h"

#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "frame/NumberFormat.h"
#include "link/SensorEditor.h"

using namespace QF8200Echo;
using NumberFormat::LeadingNumber;

EchoModel::EchoModel(ParamEditorModel& records)
    : records_(records), statusTexts_(EchoCells::DefaultStatusTexts()) {
    // A value its cell cannot hold could not have been typed either.
    records_.SetValueCheck(
        [this](const ParamRec& rec, const QString& value) { return ToSensor(rec, value).has_value(); });
}

void EchoModel::Build(const QString& sensorVersion) {
    firmwareV2_ = IsFirmwareV2(sensorVersion);
    records_.Rebuild(TableRows(firmwareV2_));
}

void EchoModel::SetSensorType(const QString& sensorType) {
    analogVariant_ = sensorType.contains(QLatin1String("IU"));
}

bool EchoModel::TakesPart(const ParamRec& rec) const { return FitsVariant(rec, analogVariant_); }

QString EchoModel::ToDisplay(const ParamRec& rec, const QString& answer) const {
    return EchoCells::ConvertToProg(rec.ID, answer, analogVariant_);
}

std::optional<QString> EchoModel::ToSensor(const ParamRec& rec, const QString& value) const {
    return EchoCells::ConvertToSensor(rec.ID, value, analogVariant_);
}

bool EchoModel::Taught() const { return Has(BITS) && EchoValues::IsTaught(records_[BITS].Value); }

int EchoModel::DisplayRecord(int item) const {
    const bool taught = Taught();
    if (!analogVariant_) {
        switch (item) {
        case SensorInfoItem::Output1Point1: return taught ? TSD1 : SD1;
        case SensorInfoItem::Output1Point2: return taught ? TSD2 : SD12;
        case SensorInfoItem::Output2Point1: return SD2;
        case SensorInfoItem::Output2Point2: return SD22;
        default: break;
        }
    } else {
        switch (item) {
        case SensorInfoItem::NearLimit: return taught ? TSD1 : A1;
        case SensorInfoItem::FarLimit: return taught ? TSD2 : A2;
        default: break;
        }
    }
    switch (item) {
    case SensorInfoItem::Output1Mode: return taught ? TOPM : OM1;
    case SensorInfoItem::Output2Mode: return OM1;
    default: return 0;
    }
}

void EchoModel::GetData(int item, QVariant& value) const {
    if (Count() == 0) return;
    switch (item) {
    case SensorInfoItem::TaughtSwitchPoints: value = !analogVariant_ && Taught(); return;
    case SensorInfoItem::AnalogLow: value = 0; return;
    case SensorInfoItem::AnalogInUse: value = analogVariant_; return;
    case SensorInfoItem::AnalogHigh: {
        // The analogue output's end value for its kind: current, voltage, or
        // both (their mean).
        const double kind = LeadingNumber(records_[AnalogOM].Value);
        const double current = LeadingNumber(records_[IEND].Value);
        const double voltage = LeadingNumber(records_[UEND].Value);
        if (kind == 1) value = current;
        else if (kind == 2) value = voltage;
        else if (kind == 0) value = (current + voltage) / 2;
        return;
    }
    default: break;
    }
    const bool pointItem = item >= SensorInfoItem::Output1Point1 && item <= SensorInfoItem::FarLimit &&
                           item != SensorInfoItem::Output3Point && item != SensorInfoItem::Output3Mode;
    if (!pointItem) return;
    const int record = DisplayRecord(item);
    value = record ? records_[record].Value : QString();
}

bool EchoModel::ValidPar(int item) const {
    const int record = Count() == 0 ? 0 : DisplayRecord(item);
    return record != 0 && IsParDefValid(records_[record]);
}
