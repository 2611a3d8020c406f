#pragma once
#include <QString>
#include <functional>

// Lets the command layer answer requests from an open parameter file instead
// of the sensor. The parameter-file code installs the hooks at start-up;
// without them a file has no values and takes no lines.
namespace OfflineAnswers {

struct Hooks {
    // The value stored under key in the open file fileNo; empty when missing.
    std::function<QString(int fileNo, const QString& key)> GetFileValue;
    // Writes one line (given without its line end) to the open file fileNo.
    std::function<void(int fileNo, const QString& line)> WriteFileLine;
};

void Install(Hooks hooks);

QString GetFileValue(int fileNo, const QString& key);
void WriteFileLine(int fileNo, const QString& line);

}  // namespace OfflineAnswers
