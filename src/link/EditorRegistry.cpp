#include "link/EditorRegistry.h"

#include <QHash>

namespace {

template <typename Window>
struct Slot {
    std::function<Window*()> factory;
    Window* window = nullptr;
};

template <typename Window>
Window* CreateOnce(QHash<QString, Slot<Window>>& table, const QString& name) {
    auto it = table.find(name);
    if (it == table.end() || !it->factory)
        return nullptr;
    if (!it->window)
        it->window = it->factory();
    return it->window;
}

QHash<QString, Slot<SensorEditor>>& Editors() {
    static QHash<QString, Slot<SensorEditor>> editors;
    return editors;
}

QHash<QString, Slot<MasterWindow>>& Masters() {
    static QHash<QString, Slot<MasterWindow>> masters;
    return masters;
}

}  // namespace

namespace EditorRegistry {

void RegisterEditor(const QString& windowName, EditorFactory factory) {
    Editors()[windowName] = {std::move(factory), nullptr};
}

void RegisterMasterWindow(const QString& windowName, MasterFactory factory) {
    Masters()[windowName] = {std::move(factory), nullptr};
}

SensorEditor* Editor(const QString& windowName) { return CreateOnce(Editors(), windowName); }

MasterWindow* Master(const QString& windowName) { return CreateOnce(Masters(), windowName); }

void ResetForTests() {
    Editors().clear();
    Masters().clear();
}

}  // namespace EditorRegistry
