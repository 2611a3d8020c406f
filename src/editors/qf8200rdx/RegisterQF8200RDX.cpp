#include "editors/qf8200rdx/RegisterQF8200RDX.h"

#include "editors/qf8200rdx/QF8200RDXQuickHelp.h"
#include "editors/qf8200rdx/frmQF8200RDX.h"
#include "link/EditorRegistry.h"

void RegisterQF8200RDXEditor() {
    RegisterQF8200RDXQuickHelpTexts();
    EditorRegistry::RegisterEditor(QStringLiteral("frmQF8200RDX"), [] { return new frmQF8200RDX(); });
}
