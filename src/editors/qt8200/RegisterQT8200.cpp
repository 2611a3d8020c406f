#include "editors/qt8200/RegisterQT8200.h"

#include "editors/qt8200/QT8200QuickHelp.h"
#include "editors/qt8200/frmQT8200.h"
#include "link/EditorRegistry.h"

void RegisterQT8200Editor() {
    RegisterQT8200QuickHelpTexts();
    EditorRegistry::RegisterEditor(QStringLiteral("frmQT8200"), [] { return new frmQT8200(); });
}
