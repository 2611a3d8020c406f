#include "editors/qf8200/RegisterQF8200.h"

#include "editors/qf8200/frmQF8200.h"
#include "link/EditorRegistry.h"

void RegisterQF8200Editor() {
    EditorRegistry::RegisterEditor(QStringLiteral("frmQF8200"), [] { return new frmQF8200(); });
}
