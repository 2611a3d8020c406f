#include "editors/qf8200/RegisterQF8200.h"

#include "editors/qf8200/QF8200QuickHelp.h"
#include "editors/qf8200/frmQF8200.h"
#include "link/EditorRegistry.h"

void RegisterQF8200Editor() {
    RegisterQF8200QuickHelpTexts();
    EditorRegistry::RegisterEditor(QStringLiteral("frmQF8200"), [] { return new frmQF8200(); });
}
