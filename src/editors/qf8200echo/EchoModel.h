#pragma once
#include "editors/common/ParamEditorModel.h"
#include "editors/qf8200echo/EchoCells.h"

#include <QString>
#include <QVariant>
#include <optional>

// The QF8200Echo editor's data apart from its window: the records, the
// sensor's variant (switch outputs or an analogue output) and software, the
// conversions between a record's value and its cell, and the display items
// other windows ask of the editor.
class EchoModel {
public:
    explicit EchoModel(ParamEditorModel& records);

    // Builds the table for the sensor's software version (the records of
    // software 2 only from version 2 on), replacing any earlier table.
    void Build(const QString& sensorVersion);
    bool FirmwareV2() const { return firmwareV2_; }

    // The analogue-output variant's type text names "IU".
    void SetSensorType(const QString& sensorType);
    bool AnalogVariant() const { return analogVariant_; }

    ParamRec& operator[](int index) { return records_[index]; }
    const ParamRec& operator[](int index) const { return records_[index]; }
    int Count() const { return records_.Count(); }
    bool Has(int index) const { return index >= 1 && index <= Count(); }
    // The record belongs to the connected sensor's variant.
    bool TakesPart(const ParamRec& rec) const;

    QString ToDisplay(const ParamRec& rec, const QString& answer) const;
    std::optional<QString> ToSensor(const ParamRec& rec, const QString& value) const;

    // The status texts of 80h to 84h in the window's language.
    EchoCells::StatusTexts& StatusTexts() { return statusTexts_; }
    const EchoCells::StatusTexts& StatusTexts() const { return statusTexts_; }

    // The display items (switch points, modes, limits, analogue output).
    void GetData(int item, QVariant& value) const;
    bool ValidPar(int item) const;
    // The taught switch points (or evaluation limits) are in use.
    bool Taught() const;

private:
    // The record behind a switch-point or limit item; 0 for none.
    int DisplayRecord(int item) const;

    ParamEditorModel& records_;
    bool firmwareV2_ = false;
    bool analogVariant_ = false;
    EchoCells::StatusTexts statusTexts_;
};
