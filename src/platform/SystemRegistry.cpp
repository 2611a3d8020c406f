#include "platform/SystemRegistry.h"

#include "platform/SerialPorts.h"

namespace SystemRegistry {
namespace {

Reader& reader() {
    static Reader r;
    return r;
}

Key serialCommKey() {
    Key key;
    int index = 0;
    for (const QString& port : SerialPorts::AvailablePortNames())
        key.values.append({"\\Device\\Serial" + QString::number(index++), REG_SZ, port.toLatin1()});
    return key;
}

Key emptyKey() { return {}; }

// The keys that hold something. Every key above one of them exists too and
// lists the next step down as its subkey. Contents are made only when asked
// for, since enumerating the ports costs a look at the hardware.
struct Leaf {
    const char* path;  // in the registry's own spelling
    Key (*contents)();
};
constexpr Leaf machineLeaves[] = {
    {"Hardware\\Devicemap\\Serialcomm", serialCommKey},
    {"Enum\\Root\\Ports", emptyKey},
};

std::optional<Key> openOnMachine(RootKey root, const QString& path) {
    if (root != HKEY_LOCAL_MACHINE) return std::nullopt;
    const QString wanted = NormalizedPath(path);
    const int depth = wanted.isEmpty() ? 0 : wanted.count('\\') + 1;
    std::optional<Key> found;
    for (const Leaf& leaf : machineLeaves) {
        const QString leafPath = QString::fromLatin1(leaf.path);
        const QString normalized = NormalizedPath(leafPath);
        if (normalized == wanted) return leaf.contents();
        if (!wanted.isEmpty() && !normalized.startsWith(wanted + '\\')) continue;
        const QString step = leafPath.section('\\', depth, depth);
        if (!found) found = Key{};
        if (!found->subkeys.contains(step, Qt::CaseInsensitive)) found->subkeys.append(step);
    }
    return found;
}

}  // namespace

QString NormalizedPath(const QString& path) {
    QString p = path;
    while (p.startsWith('\\')) p.remove(0, 1);
    while (p.endsWith('\\')) p.chop(1);
    return p.toUpper();
}

std::optional<Key> Open(RootKey root, const QString& path) {
    if (reader()) return reader()(root, path);
    return openOnMachine(root, path);
}

void SetReader(Reader r) { reader() = std::move(r); }

}  // namespace SystemRegistry
