#include "editors/common/EditorHost.h"

namespace {

class StandInHost : public EditorHost {
public:
    void ShowQuickHelp(int) override {}
    void EnableStoRcl(bool) override {}
    void SetParameterMenuChecked(bool) override {}
    bool IsMainWindowActive() const override { return false; }
    void AddEditorWindow(QWidget*) override {}
};

StandInHost standIn;
EditorHost* installed = nullptr;

}  // namespace

namespace Editors {

void SetHost(EditorHost* host) { installed = host; }

EditorHost& Host() { return installed ? *installed : standIn; }

}  // namespace Editors
