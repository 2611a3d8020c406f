#include "link/TrafficLog.h"

namespace TrafficLog {
namespace {

Sink& currentSink() {
    static Sink sink;
    return sink;
}

}  // namespace

void SetSink(Sink sink) { currentSink() = std::move(sink); }

void Offer(const TrafficLogLine& line) {
    if (currentSink()) currentSink()(line);
}

QString FormatBytes(const QByteArray& bytes, bool debugMode) {
    QString text;
    if (debugMode) {
        for (const char byte : bytes) text += QStringLiteral("%1 ").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
        text += '(';
    }
    for (const char byte : bytes) {
        if (byte == '\r')
            text += QStringLiteral("<CR>");
        else
            text += QChar(quint8(byte));
    }
    if (debugMode) text += ')';
    return text;
}

}  // namespace TrafficLog
