#pragma once
#include <QString>

class QWidget;

// What an editor window needs of the main window: the quick-help line, the
// store/recall commands, the check mark of the "Parameter" menu item, the
// active-window test of the combo-box quick help and the MDI area that hosts
// the editor. The main window installs its implementation at start-up; until
// then (and in tests that install none) a stand-in shows editors as windows
// of their own and does nothing else.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Writes the quick-help text of a parameter id into the status line; 0 clears it.
    virtual void ShowQuickHelp(int id) = 0;
    // The store and recall commands of the sensor menu.
    virtual void EnableStoRcl(bool enabled) = 0;
    // The check mark of the window menu's mnParameter.
    virtual void SetParameterMenuChecked(bool checked) = 0;
    // Whether the main window is the application's active window (a dialog,
    // a message box or another program stops the combo-box quick help).
    virtual bool IsMainWindowActive() const = 0;
    // Puts an editor window into the main window's MDI area (once per editor).
    virtual void AddEditorWindow(QWidget* editor) = 0;
};

namespace Editors {

// nullptr restores the stand-in.
void SetHost(EditorHost* host);
EditorHost& Host();

}  // namespace Editors
