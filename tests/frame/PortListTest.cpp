#include "frame/PortUtil.h"
#include "frame/Registry.h"
#include "platform/PrintSpooler.h"
#include "platform/SystemRegistry.h"

#include <QComboBox>
#include <QMap>

#include <gtest/gtest.h>

namespace {

using SystemRegistry::HKEY_LOCAL_MACHINE;
using SystemRegistry::Key;
using SystemRegistry::REG_DWORD;
using SystemRegistry::REG_SZ;

// A registry of HKEY_LOCAL_MACHINE keys and a spooler port list, in place of
// the machine's for the lifetime of the object.
class FakePortSources {
public:
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
    FakePortSources(const FakePortSources&) = delete;
    FakePortSources& operator=(const FakePortSources&) = delete;

    void add(const QString& path, const Key& key) { keys.insert(SystemRegistry::NormalizedPath(path), key); }
    void deviceMap(const QStringList& ports) {
        Key key;
        for (const QString& port : ports) key.values.append({"\\Device\\" + port, REG_SZ, port.toLatin1() + '\0'});
        add("Hardware\\Devicemap\\Serialcomm", key);
    }
    void enumPorts(const QStringList& names) {
        Key ports;
        for (int i = 0; i < names.size(); ++i) {
            const QString sub = QString::number(i).rightJustified(4, '0');
            ports.subkeys.append(sub);
            add("Enum\\Root\\Ports\\" + sub, Key{{{"PORTNAME", REG_SZ, names[i].toLatin1()}}, {}});
        }
        add("Enum\\Root\\Ports", ports);
    }

    QMap<QString, Key> keys;
    QStringList spoolerPorts;
};

QStringList filledList() {
    QComboBox combo;
    combo.addItem("stale");
    FillPortList(&combo);
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items.append(combo.itemText(i));
    return items;
}

TEST(PortList, TakesEachSourceInTurnAndListsEveryPortOnce) {
    struct Case {
        const char* what;
        QStringList deviceMap;
        QStringList enumPorts;
        QStringList spooler;
        QStringList expected;
    } cases[] = {
        {"device map in enumeration order", {"COM3", "COM1"}, {}, {"COM9:"}, {"COM3", "COM1"}},
        {"enumerated names added upper-cased", {"COM1"}, {"com2"}, {}, {"COM1", "COM2"}},
        {"a port in both registry sources once", {"COM1", "COM3"}, {"COM3", "com1", "COM5"}, {}, {"COM1", "COM3", "COM5"}},
        {"the same enumerated port twice once", {}, {"com4", "COM4", ""}, {}, {"COM4"}},
        {"spooler only when the registry has none", {}, {}, {"COM1:", "COM2:", "LPT1:", "com7:", "COM8"}, {"COM1", "COM2", "COM7"}},
        {"COM1 when nothing has a port", {}, {}, {"LPT1:", "FILE:"}, {"COM1"}},
    };
    for (const Case& c : cases) {
        FakePortSources sources;
        if (!c.deviceMap.isEmpty()) sources.deviceMap(c.deviceMap);
        if (!c.enumPorts.isEmpty()) sources.enumPorts(c.enumPorts);
        sources.spoolerPorts = c.spooler;
        EXPECT_EQ(filledList(), c.expected) << c.what;
    }
}

TEST(Registry, ReadsValuesKeysAndTypedData) {
    FakePortSources sources;
    Key key;
    key.values = {{"Name", REG_SZ, QByteArray("text\0junk", 9)},
                  {"Count", REG_DWORD, QByteArray("\x01\x02\x00\x80", 4)},
                  {"Short", REG_DWORD, QByteArray("\x01", 1)}};
    key.subkeys = {"Sub1", "Sub2"};
    sources.add("Software\\Maker", key);
    sources.add("Software\\Maker\\Sub1", Key{{{"Value", REG_SZ, "inner"}}, {}});

    Registry::ValueTable table;
    EXPECT_EQ(RegEnumValues(HKEY_LOCAL_MACHINE, "SOFTWARE\\maker", table), 3);
    EXPECT_EQ(table.data[0], "text");

    struct Case {
        const char* subKey;
        const char* valueName;
        QVariant expected;
    } cases[] = {
        {"", "Count", qint32(0x80000201)},  // four bytes, lowest first, signed
        {"", "Short", "dflt"},              // a DWORD without four bytes
        {"Sub1", "Value", "inner"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegGetValue(HKEY_LOCAL_MACHINE, "Software\\Maker", c.subKey, c.valueName, "dflt"), c.expected)
            << c.subKey << '/' << c.valueName;
}

}  // namespace
