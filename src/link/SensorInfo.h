#pragma once
#include <QString>
#include <QVariant>

// Sensor information by item number (SensorInfoItem) and the calls that the
// rest of the program makes on the active editor.
namespace Sensor {

// Items 1-6 from the identification; item 8 defaults to False; every other
// item is asked of the active editor, and stays unchanged without one.
void GetSensorData(int item, QVariant& value);
// Item 7 sets DataFileName; every other item is ignored.
void SetSensorData(int item, const QVariant& value);

// The active editor's ValidPar; False without an editor.
bool CallValidPar(int item);

// Without an editor: the command unchanged and flag True.
QString SensorGetSendCommand(QString command, bool& flag);
// Without an editor: the answer unchanged.
QString SensorConvertResult(QString command, QString answer);

// A typed command, once sent and answered: "MD,mode" starts master mode,
// "DEF" and "RUC" finish their sequences, any other word with an argument
// makes the editor re-read what the word names.
void SensorInterpretCommand(QString& typed);

// The command word and argument of a typed command (see the .cpp).
struct TypedCommand {
    QString word;
    QString argument;
};
TypedCommand SplitTypedCommand(const QString& typed);

}  // namespace Sensor
