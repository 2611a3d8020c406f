#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A small read-only stand-in for the system registry. It answers the keys the
// program reads from what this machine has:
//   HKEY_LOCAL_MACHINE\Hardware\Devicemap\Serialcomm  one text value per serial port
//   HKEY_LOCAL_MACHINE\Enum\Root\Ports                present, without subkeys
// and the keys above them. Every other key is missing.
namespace SystemRegistry {

using RootKey = quint32;
constexpr RootKey HKEY_CLASSES_ROOT = 0x80000000u;
constexpr RootKey HKEY_CURRENT_USER = 0x80000001u;
constexpr RootKey HKEY_LOCAL_MACHINE = 0x80000002u;

constexpr quint32 REG_SZ = 1;
constexpr quint32 REG_DWORD = 4;

struct Value {
    QString name;
    quint32 type = REG_SZ;
    QByteArray data;  // a DWORD is four bytes, lowest first
};

struct Key {
    QList<Value> values;   // in enumeration order
    QStringList subkeys;   // in enumeration order
};

// The key's values and subkey names; nullopt when the key cannot be opened.
// Paths use backslashes and match without regard to case.
std::optional<Key> Open(RootKey root, const QString& path);

// Answers Open instead of the machine (tests); an empty reader restores it.
using Reader = std::function<std::optional<Key>(RootKey root, const QString& path)>;
void SetReader(Reader reader);

// A key path the way Open compares paths: without leading or trailing
// backslashes, in upper case.
QString NormalizedPath(const QString& path);

}  // namespace SystemRegistry
