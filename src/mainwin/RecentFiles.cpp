#include "mainwin/RecentFiles.h"

#include "mainwin/FileIO.h"

#include <QAction>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace FileIO {
namespace {

struct RecentFilesState {
    QStringList entries;                  // entry 1 first
    QList<QPointer<QAction>> menuItems;   // mnFiles 1..5, in index order
    QPointer<QAction> separator;          // mnFileSep
};

RecentFilesState& state() {
    static RecentFilesState s;
    return s;
}

void showInMenu() {
    const RecentFilesState& s = state();
    for (int i = 0; i < s.menuItems.size(); ++i) {
        QAction* item = s.menuItems[i];
        if (!item) continue;
        const bool used = i < s.entries.size();
        if (used) item->setText(RecentFileCaption(i + 1, s.entries[i]));
        item->setVisible(used);
    }
    if (s.separator) s.separator->setVisible(!s.entries.isEmpty());
}

}  // namespace

void InitRecentFiles() {
    state().entries.clear();
    showInMenu();
}

void AddRecentFile(const QString& path) {
    if (path.isEmpty()) return;
    QStringList& entries = state().entries;
    entries.removeAll(path);
    while (entries.size() >= MaxRecentFiles) entries.removeLast();
    entries.prepend(path);
    showInMenu();
}

void RemoveRecentFile(const QString& path) {
    state().entries.removeAll(path);
    showInMenu();
}

QString GetRecentFile(int index) { return state().entries.value(index - 1); }

int RecentFileCount() { return int(state().entries.size()); }

QString RecentFileCaption(int index, const QString& path) {
    QString name = GetFileTitle(path);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index) + QLatin1Char(' ') + name;
}

void AttachRecentFilesMenu(const QList<QAction*>& mnFiles, QAction* mnFileSep, std::function<void(int index)> chosen) {
    QList<QAction*> items = mnFiles;
    std::sort(items.begin(), items.end(),
              [](QAction* a, QAction* b) { return a->property("index").toInt() < b->property("index").toInt(); });
    RecentFilesState& s = state();
    s.menuItems.clear();
    for (QAction* item : items) {
        s.menuItems.append(item);
        const int index = item->property("index").toInt();
        QObject::connect(item, &QAction::triggered, item, [chosen, index] { chosen(index); });
    }
    s.separator = mnFileSep;
    showInMenu();
}

void ResetRecentFilesForTests() { state() = RecentFilesState(); }

}  // namespace FileIO
