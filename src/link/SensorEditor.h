#pragma once
#include <QString>
#include <QVariant>

#include <optional>

// What every sensor-line editor window offers to the rest of the program.
// Nobody outside an editor names its class: detection keeps the active editor
// as Sensor::State().SensorForm and calls it through these members only.
//
// A missing source or target (std::nullopt) means the sensor; a number means
// an open parameter file.
class SensorEditor {
public:
    virtual ~SensorEditor() = default;

    // Builds the editor's ParamTable (called by detection right after the
    // editor was chosen).
    virtual void Init() = 0;
    // Reads every record from the sensor, or the stored records from a file.
    virtual void readdata(std::optional<int> source = std::nullopt) = 0;
    // Writes the records to the sensor, or one "key=value" line per stored
    // record to a file. The second argument is passed through and unused.
    virtual void WriteData(std::optional<int> target = std::nullopt,
                           std::optional<QVariant> second = std::nullopt) = 0;
    // Sets value for the sensor-information items the editor knows
    // (SensorInfoItem 8, 10-22) and leaves it unchanged for all others.
    virtual void GetData(int item, QVariant& value) = 0;
    // Whether the record behind a display item holds a valid value.
    virtual bool ValidPar(int item) = 0;
    // The text to send for a command typed in the command window; flag tells
    // the command layer whether it should log the request itself.
    virtual QString GetSendCommand(QString& command, bool& flag) = 0;
    // A typed command's answer as shown to the user.
    virtual QString ConvertResult(QString& command, QString& answer) = 0;
    // Re-reads the record a typed command word names, and its dependents.
    virtual void InterpretCommand(QString& word) = 0;
    // Writes the editor's part of the parameter sheet.
    virtual void PrintData() = 0;
    // Re-reads the window's texts from the language file.
    virtual void SetLanguage() = 0;
    // Finishes a reset to factory defaults; only some lines need it.
    virtual void SetDefaults() {}

    // Window members.
    virtual void Show() = 0;                             // non-modal, loading the window if needed
    virtual int WindowState() const = 0;                 // 0 normal, 1 minimised, 2 maximised
    virtual void SetWindowState(int state) = 0;
    virtual void ZOrder() = 0;                           // bring to the front
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual QString name() const = 0;                    // window name, e.g. "frmQF8200"
    virtual bool Loaded() const = 0;                     // the window is open
    virtual void Unload() = 0;                           // close the window; the object lives on
};

// Items of GetSensorData, GetData and ValidPar.
namespace SensorInfoItem {
enum : int {
    SensorType = 1,
    VersionLetter = 2,
    DateTime = 3,
    Eprom = 4,
    Version = 5,
    RangeMm = 6,
    DataFileName = 7,
    TaughtSwitchPoints = 8,
    Output1Point1 = 10,
    Output1Point2 = 11,
    Output2Point1 = 12,
    Output2Point2 = 13,
    Output3Point = 14,
    Output1Mode = 15,
    Output2Mode = 16,
    Output3Mode = 17,
    NearLimit = 18,
    FarLimit = 19,
    AnalogLow = 20,
    AnalogHigh = 21,
    AnalogInUse = 22,
};
}  // namespace SensorInfoItem
