#include "frame/PortUtil.h"
#include "platform/PrintSpooler.h"
#include "platform/SystemRegistry.h"

#include <QComboBox>
#include <QMap>

#include <gtest/gtest.h>

namespace {

using SystemRegistry::HKEY_LOCAL_MACHINE;
using SystemRegistry::Key;
using SystemRegistry::REG_SZ;

// HKEY_LOCAL_MACHINE keys and a spooler port list in place of the machine's,
// for the lifetime of the object.
struct FakePortSources {
    FakePortSources() {
        SystemRegistry::SetReader([this](SystemRegistry::RootKey root, const QString& path) -> std::optional<Key> {
            const QString wanted = SystemRegistry::NormalizedPath(path);
            if (root != HKEY_LOCAL_MACHINE || !keys.contains(wanted)) return std::nullopt;
            return keys.value(wanted);
        });
        PrintSpooler::SetSource([this] { return spoolerPorts; });
    }
    ~FakePortSources() {
        SystemRegistry::SetReader({});
        PrintSpooler::SetSource({});
    }
    void add(const QString& path, const Key& key) { keys.insert(SystemRegistry::NormalizedPath(path), key); }

    QMap<QString, Key> keys;
    QStringList spoolerPorts;
};

TEST(PortList, TakesEachSourceInTurnAndListsEveryPortOnce) {
    const struct {
        const char* what;
        QStringList deviceMap, enumPorts, spooler, expected;
    } cases[] = {
        {"device map in enumeration order", {"COM3", "COM1"}, {}, {"COM9:"}, {"COM3", "COM1"}},
        {"enumerated names upper-cased, each port once", {"COM1", "COM3"}, {"COM3", "com1", "com5", "COM5", ""}, {},
         {"COM1", "COM3", "COM5"}},
        {"spooler only when the registry has none", {}, {}, {"COM1:", "COM2:", "LPT1:", "com7:", "COM8"},
         {"COM1", "COM2", "COM7"}},
        {"COM1 when nothing has a port", {}, {}, {"LPT1:", "FILE:"}, {"COM1"}},
    };
    for (const auto& c : cases) {
        FakePortSources sources;
        if (!c.deviceMap.isEmpty()) {
            Key key;
            for (const QString& port : c.deviceMap)   // a value's text ends at its NUL
                key.values.append({"\\Device\\" + port, REG_SZ, port.toLatin1() + QByteArray("\0junk", 5)});
            sources.add("Hardware\\Devicemap\\Serialcomm", key);
        }
        if (!c.enumPorts.isEmpty()) {
            Key ports;
            for (int i = 0; i < c.enumPorts.size(); ++i) {
                ports.subkeys.append(QString::number(i));
                sources.add("Enum\\Root\\Ports\\" + QString::number(i),
                            Key{{{"PORTNAME", REG_SZ, c.enumPorts[i].toLatin1()}}, {}});
            }
            sources.add("Enum\\Root\\Ports", ports);
        }
        sources.spoolerPorts = c.spooler;
        QComboBox combo;
        combo.addItem("stale");
        FillPortList(&combo);
        QStringList items;
        for (int i = 0; i < combo.count(); ++i) items.append(combo.itemText(i));
        EXPECT_EQ(items, c.expected) << c.what;
    }
}

}  // namespace
