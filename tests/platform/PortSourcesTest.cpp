#include "platform/SerialPorts.h"
#include "support/TempWindowsFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A Windows folder with dosdevices links as a compatibility layer makes them.
struct DosDevices {
    DosDevices() { QDir(windows.path()).mkpath("dosdevices"); }
    void link(const QString& name, const QString& target) const {
        ASSERT_TRUE(QFile::link(target, windows.file("dosdevices/" + name))) << name.toStdString();
    }
    TempWindowsFolder windows;
};

TEST(SerialPorts, ListsComLinksInNumberOrderOnlyWithTheirDevice) {
    DosDevices dos;
    dos.link("com10", "/dev/null");
    dos.link("com2", "/dev/zero");
    dos.link("COM3", "/dev/null");
    dos.link("com4", "/nonexistent/ttyUSB7");  // adapter unplugged
    dos.link("lpt1", "/dev/null");
    dos.link("c:", "/");
    dos.link("com0", "/dev/null");

    const QStringList ports = SerialPorts::AvailablePortNames();
    ASSERT_GE(ports.size(), 3);
    EXPECT_EQ(ports.mid(0, 3), QStringList({"COM2", "COM3", "COM10"}));
    EXPECT_FALSE(ports.contains("COM4"));
    QStringList unique = ports;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(SerialPorts, MapsNamesToDevices) {
    DosDevices dos;
    dos.link("com3", "/dev/null");
    dos.link("com5", "/nonexistent/ttyUSB0");
    const QString links = dos.windows.file("dosdevices/");
    struct Case {
        const char* name;
        QString device;
    } cases[] = {
        {"COM3", links + "com3"},
        {"COM5", links + "com5"},  // a configured link is kept even while its device is gone
        {"COM1", "/dev/ttyS0"},
        {"COM12", "/dev/ttyS11"},
        {"/dev/pts/4", "/dev/pts/4"},
        {"COM0", "/dev/COM0"},
    };
    for (const Case& c : cases) EXPECT_EQ(SerialPorts::DevicePath(c.name), c.device) << c.name;
}

}  // namespace
