#pragma once

class CommandHistory;
class QMdiArea;
class frmCommand;
class frmMain;

// The command window as the rest of the program reaches it. The window
// exists only while it is open; its history lives as long as the program.
namespace CommandWindow {

// Plugs the command window into the main window: the history is read while
// the main window loads and written when it closes, and the window menu's
// "mnCommand" opens the window. Call it once, before the main window is shown.
void Install(frmMain& mainWindow);

// Loads the window into area if it is not open, then shows it in its normal
// state in front of the others.
void Show(QMdiArea* area);

// The open window, else nullptr.
frmCommand* Window();
CommandHistory& History();

}  // namespace CommandWindow
