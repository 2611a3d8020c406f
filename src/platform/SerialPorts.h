#pragma once
#include <QString>
#include <QStringList>

// The serial ports of this machine and the devices their names stand for.
// "COMn" is looked up as a link "comn" in the "dosdevices" folder inside the
// Windows folder (the convention of Windows compatibility layers on Linux),
// else it is /dev/ttyS(n-1); any other name is a device path or a name in /dev.
namespace SerialPorts {

// "COMn" for every comn link whose device exists, in number order, then the
// name of every port Qt finds that none of those links already points at.
QStringList AvailablePortNames();

// The device file that opening the named port uses.
QString DevicePath(const QString& portName);

}  // namespace SerialPorts
