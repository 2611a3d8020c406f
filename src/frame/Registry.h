#pragma once
#include "platform/SystemRegistry.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// Read-only registry access below a root key (HKEY_LOCAL_MACHINE, ...).
namespace Registry {

using SystemRegistry::HKEY_LOCAL_MACHINE;
using SystemRegistry::RootKey;

// Value names and their data as text, in enumeration order (entry i of both).
struct ValueTable {
    QStringList names;
    QStringList data;
};

// Fills table with the values of root\keyPath and returns their number;
// 0 when the key cannot be opened.
int RegEnumValues(RootKey root, const QString& keyPath, ValueTable& table);

// Fills names with the subkeys of root\keyPath and returns their number.
int RegEnumKeys(RootKey root, const QString& keyPath, QStringList& names);

// The value valueName (matched exactly, letter case included) of
// root\keyPath\subKey, or of root\keyPath when subKey is empty: a DWORD as a
// 32-bit integer, anything else as text up to its first NUL. The default when
// the key or the value is missing or a DWORD has fewer than four bytes.
QVariant RegGetValue(RootKey root, const QString& keyPath, const QString& subKey, const QString& valueName,
                     const QVariant& defaultValue = QVariant());

// text up to its first NUL character; the whole text when it has none.
QString TrimNull(const QString& text);

}  // namespace Registry

using Registry::RegEnumKeys;
using Registry::RegEnumValues;
using Registry::RegGetValue;
using Registry::TrimNull;
