#pragma once
#include <QStringList>

class QMainWindow;
class QMenu;

// The main window's menu bar as designed: every menu and item carries its
// design name as objectName (a menu's title is its menuAction, named like
// the menu), separators are named actions, the control arrays mnFiles (1..5)
// and mnProtMacro (0..5) are actions named after the array with an "index"
// property. Building adds no commands; the main window connects them.
namespace frmMainMenu {

// Builds the menu bar of window; returns the hidden pop-up menu mnMacros.
QMenu* Build(QMainWindow* window);

// The items whose captions come from the language file, in design order.
const QStringList& TranslatedItems();

// The window-menu items whose check marks tell which windows are open, each
// with the window it shows (mnParameter shows the active editor).
struct WindowItem {
    const char* item;
    const char* window;
};
inline constexpr WindowItem ToolWindowItems[] = {
    {"mnMonitor", "frmMonitor"},
    {"mnCommand", "frmCommand"},
    {"mnDistance", "frmDistance"},
    {"mnShowIt", "frmShowIt"},
};
inline constexpr const char* ParameterItem = "mnParameter";

}  // namespace frmMainMenu
