#pragma once
#include <QString>

#include <functional>

class SensorEditor;
class MasterWindow;

// Detection creates editor and master-mode windows by window name through
// factories that each editor registers at start-up (explicit calls, no static
// initialisers). A window is created on first use and reused afterwards; the
// registry only remembers it: whoever the factory hands the window to (the
// main window's MDI area, a test) owns it.
namespace EditorRegistry {

using EditorFactory = std::function<SensorEditor*()>;
using MasterFactory = std::function<MasterWindow*()>;

// Names are the window names, e.g. "frmQF8200" or "frmMasterQF8200".
void RegisterEditor(const QString& windowName, EditorFactory factory);
void RegisterMasterWindow(const QString& windowName, MasterFactory factory);

// The window of that name, created on first use; nullptr when no factory is
// registered under the name (an editor that is not built in).
SensorEditor* Editor(const QString& windowName);
MasterWindow* Master(const QString& windowName);

// Forgets every factory and window (tests).
void ResetForTests();

}  // namespace EditorRegistry
