#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// One line of the traffic monitor.
struct TrafficLogLine {
    QString Prefix;        // "W: ", "R: ", "w: ", "r: ", "A", "D:", "D: "
    QString Text;
    bool Dynamic = false;  // cyclic traffic (the poll cycle)
};

// Where the serial layer offers its traffic lines. The traffic monitor
// installs itself as the sink when the program starts; tests install a recorder.
namespace TrafficLog {

using Sink = std::function<void(const TrafficLogLine&)>;

// An empty sink drops the lines.
void SetSink(Sink sink);
void Offer(const TrafficLogLine& line);

// The bytes as Latin-1 characters with a carriage return shown as "<CR>".
// In debug mode the characters are preceded by each byte as two hex digits
// and a blank and enclosed in parentheses: "49 44 0D (ID<CR>)".
QString FormatBytes(const QByteArray& bytes, bool debugMode);

}  // namespace TrafficLog
