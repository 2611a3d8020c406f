#pragma once
#include <QString>

class QDialog;
class QWidget;

// Places the program's windows: centres dialogs over the main window, keeps
// the size and place of every tool and editor window between runs (section
// "Windows" of the settings file, key = the window's objectName) and takes
// a default place from "ZELVO8200.DEF" in the program folder when a window
// has none yet. Opens the help file.
//
// A window that lives inside the main window's MDI area is handed over as
// the widget inside its QMdiSubWindow; it is placed by its sub-window (outer
// size, pixels relative to the MDI area). Add it to the area before restoring
// it. A top-level window is placed by the corner of its frame on the screen
// and sized without its frame.
namespace Window {

inline const QString SectionWindows = QStringLiteral("Windows");
inline const QString DefaultGeometryFile = QStringLiteral("ZELVO8200.DEF");

// The main window registers itself: dialogs centre over it and its font
// probe label "lblRefHeight" tells small from large fonts.
void SetMainWindow(QWidget* mainWindow);
QWidget* MainWindow();

// Centres window over the main window while that is visible, else on the screen.
void CenterForm(QWidget* window);
void CenterOnScreen(QWidget* window);
// Centres dialog over the main window, visible or not, and runs it modally.
int ShowModalCentered(QDialog* dialog);

void SaveWindowPos(QWidget* window);
// The stored place, else the default place; neither leaves the window as it is.
void RestoreWindowPos(QWidget* window);
// Copies the default place of name into the settings file; with apply the
// window is also set to the normal state and put there.
void SetDefaultWindowPos(QWidget* window, const QString& name, bool apply);
bool HasDefaultWindowPos(QWidget* window);

// The default geometry file's section for the screen the main window is on.
QString CurrentScreenSection();

// What a help call asks of the help viewer: the file and, for a context id
// other than 0, that topic (command 1); for 0 the index (command 3).
struct HelpRequest {
    enum Command { Context = 1, Index = 3 };
    QString file;
    Command command = Index;
    int context = 0;
};
HelpRequest ResolveHelp(int contextId);
// Opens the current language's help file at that topic; nothing when there
// is no such file.
void ShowHelp(int contextId);
// Opens a help file with the desktop's viewer when it exists (also the help
// button of message boxes).
void OpenHelpFile(const QString& file, int context);

}  // namespace Window
