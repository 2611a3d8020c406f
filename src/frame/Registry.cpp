#include "frame/Registry.h"

#include "frame/basCVMK.h"

namespace Registry {
namespace {

QString dataText(const QByteArray& data) { return TrimNull(QString::fromLatin1(data)); }

}  // namespace

int RegEnumValues(RootKey root, const QString& keyPath, ValueTable& table) {
    table = {};
    const std::optional<SystemRegistry::Key> key = SystemRegistry::Open(root, keyPath);
    if (!key) return 0;
    for (const SystemRegistry::Value& value : key->values) {
        table.names.append(TrimNull(value.name));
        table.data.append(dataText(value.data));
    }
    return table.names.size();
}

int RegEnumKeys(RootKey root, const QString& keyPath, QStringList& names) {
    names.clear();
    const std::optional<SystemRegistry::Key> key = SystemRegistry::Open(root, keyPath);
    if (!key) return 0;
    for (const QString& name : key->subkeys) names.append(TrimNull(name));
    return names.size();
}

QVariant RegGetValue(RootKey root, const QString& keyPath, const QString& subKey, const QString& valueName,
                     const QVariant& defaultValue) {
    const QString path = subKey.isEmpty() ? keyPath : keyPath + '\\' + subKey;
    const std::optional<SystemRegistry::Key> key = SystemRegistry::Open(root, path);
    if (!key) return defaultValue;
    for (const SystemRegistry::Value& value : key->values) {
        if (TrimNull(value.name) != valueName) continue;
        if (value.type != SystemRegistry::REG_DWORD) return dataText(value.data);
        if (value.data.size() < 4) return defaultValue;
        return CVL(QString::fromLatin1(value.data.left(4)));
    }
    return defaultValue;
}

QString TrimNull(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

}  // namespace Registry
