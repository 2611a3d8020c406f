#include "frame/PortUtil.h"

#include "frame/Registry.h"
#include "platform/PrintSpooler.h"

#include <QComboBox>

namespace PortUtil {
namespace {

// Port names are compared without regard to case, so that "com3" from one
// source and "COM3" from another make one entry.
void addOnce(QComboBox* combo, const QString& name) {
    if (name.isEmpty()) return;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).compare(name, Qt::CaseInsensitive) == 0) return;
    combo->addItem(name);
}

void addDeviceMapPorts(QComboBox* combo) {
    Registry::ValueTable table;
    Registry::RegEnumValues(Registry::HKEY_LOCAL_MACHINE, "Hardware\\Devicemap\\Serialcomm", table);
    for (const QString& port : table.data) addOnce(combo, port);
}

void addEnumeratedPorts(QComboBox* combo) {
    const QString ports = "Enum\\Root\\Ports";
    QStringList subKeys;
    Registry::RegEnumKeys(Registry::HKEY_LOCAL_MACHINE, ports, subKeys);
    for (const QString& subKey : subKeys)
        addOnce(combo, Registry::RegGetValue(Registry::HKEY_LOCAL_MACHINE, ports, subKey, "PORTNAME", QString())
                           .toString()
                           .toUpper());
}

void addSpoolerPorts(QComboBox* combo) {
    for (const QString& port : PrintSpooler::EnumPorts()) {
        const QString upper = port.toUpper();
        if (upper.contains("COM") && upper.endsWith(':')) addOnce(combo, upper.chopped(1));
    }
}

}  // namespace

void FillPortList(QComboBox* combo) {
    combo->clear();
    addDeviceMapPorts(combo);
    addEnumeratedPorts(combo);
    if (combo->count() == 0) addSpoolerPorts(combo);
    if (combo->count() == 0) combo->addItem("COM1");
}

}  // namespace PortUtil
