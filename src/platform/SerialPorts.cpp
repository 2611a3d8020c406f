#include "platform/SerialPorts.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSet>

#include <algorithm>

namespace SerialPorts {
namespace {

QString dosDevicesFolder() { return Folders::JoinPath(Folders::WindowsFolder(), "dosdevices"); }

// The n of "COMn" (any case, n >= 1); 0 for any other name.
int comNumber(const QString& name) {
    static const QRegularExpression pattern("^com([1-9][0-9]*)$", QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

struct LinkedPort {
    int number;
    QString device;  // the link's target, resolved
};

QList<LinkedPort> linkedPorts() {
    QList<LinkedPort> ports;
    const QFileInfoList entries = QDir(dosDevicesFolder()).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const int number = comNumber(entry.fileName());
        // A link to a device that is gone (an unplugged adapter) is no port.
        if (number > 0 && entry.exists()) ports.append({number, entry.canonicalFilePath()});
    }
    std::sort(ports.begin(), ports.end(), [](const LinkedPort& a, const LinkedPort& b) { return a.number < b.number; });
    return ports;
}

}  // namespace

QStringList AvailablePortNames() {
    QStringList names;
    QSet<QString> linkedDevices;
    for (const LinkedPort& port : linkedPorts()) {
        names.append("COM" + QString::number(port.number));
        linkedDevices.insert(port.device);
    }
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString device = QFileInfo(info.systemLocation()).canonicalFilePath();
        if (!linkedDevices.contains(device) && !names.contains(info.portName())) names.append(info.portName());
    }
    return names;
}

QString DevicePath(const QString& portName) {
    const QString name = portName.trimmed();
    if (const int number = comNumber(name)) {
        const QString link = Folders::JoinPath(dosDevicesFolder(), "com" + QString::number(number));
        if (QFileInfo(link).isSymLink() || QFileInfo::exists(link)) return link;
        return "/dev/ttyS" + QString::number(number - 1);
    }
    if (name.contains('/')) return name;
    return "/dev/" + name;
}

}  // namespace SerialPorts
