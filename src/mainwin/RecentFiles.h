#pragma once
#include <QList>
#include <QString>

#include <functional>

class QAction;

// The list of recently used parameter files, newest first, shown in the file
// menu as "&1 name" ... "&5 name". The settings file carries it from one run
// to the next (section PREVIOUSFILES).
namespace FileIO {

constexpr int MaxRecentFiles = 5;

// Empties the list (at the start of the main window, before the settings).
void InitRecentFiles();
// Puts path at the top; a path already listed moves there, and a sixth
// entry drops the oldest. An empty path is ignored.
void AddRecentFile(const QString& path);
// Takes path out of the list; the entries below it move up.
void RemoveRecentFile(const QString& path);
// Entry index (1 = newest); "" outside 1..count.
QString GetRecentFile(int index);
int RecentFileCount();

// The caption of menu entry index: "&" index " " the file's name without its
// folder; an "&" in the name shows as itself.
QString RecentFileCaption(int index, const QString& path);

// Shows the list in the file menu's entries mnFiles (their "index" property
// 1..5) and the separator mnFileSep below them. Choosing an entry calls
// chosen with its index.
void AttachRecentFilesMenu(const QList<QAction*>& mnFiles, QAction* mnFileSep,
                           std::function<void(int index)> chosen);

// Empties the list and forgets the menu (tests).
void ResetRecentFilesForTests();

}  // namespace FileIO
