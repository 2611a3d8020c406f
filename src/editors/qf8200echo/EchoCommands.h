#pragma once
#include <QString>
#include <utility>
#include <vector>

class EchoModel;

// The command window on the QF8200Echo line: the user types plain parameter
// names ("SD1", "SD1,500") and a few names for parts of a record ("NEF,1",
// "EM,MXN;3;5"); the editor turns them into memory-cell requests and their
// hex answers back into values. Anything else is sent as typed.
namespace EchoCommands {

struct Translation {
    QString request;          // what the command layer sends; empty: nothing
    bool flag = true;         // True: the command layer logs the raw exchange itself
    QString logged;           // the editor's own "W: " line; empty for none
    // Cell writes that go out before the request ("WM,XE1F" and the hex).
    std::vector<std::pair<QString, QString>> writesFirst;
    // The input rules refuse the value typed: nothing is sent or logged.
    bool refused = false;
};
Translation Translate(const EchoModel& model, const QString& typed);

// The text the command window shows for the answer to a typed line, and the
// whether the editor logs it.
struct Result {
    QString shown;
    bool logged = false;   // the editor logs "R: " and the text shown
};
Result ConvertResult(const EchoModel& model, const QString& typed, const QString& answer);

// The record that the command word of a sent line names, for the re-read of
// what it changed: by cell request, write command, name or alternative name
// in the sensor's variant, else by the name of a part of a record. 0 for none.
int RecordNamedBy(const EchoModel& model, const QString& word);

}  // namespace EchoCommands
