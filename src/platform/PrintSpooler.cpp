#include "platform/PrintSpooler.h"

#include "platform/SerialPorts.h"

namespace PrintSpooler {
namespace {

Source& source() {
    static Source s;
    return s;
}

}  // namespace

QStringList EnumPorts() {
    if (source()) return source()();
    QStringList ports;
    for (const QString& name : SerialPorts::AvailablePortNames()) ports.append(name + ':');
    return ports;
}

void SetSource(Source s) { source() = std::move(s); }

}  // namespace PrintSpooler
