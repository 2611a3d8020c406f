#include "editors/qf8200echo/RegisterQF8200Echo.h"

#include "editors/qf8200echo/QF8200EchoQuickHelp.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "link/EditorRegistry.h"

void RegisterQF8200EchoEditor() {
    RegisterQF8200EchoQuickHelpTexts();
    EditorRegistry::RegisterEditor(QStringLiteral("frmQF8200Echo"), [] { return new frmQF8200Echo(); });
}
