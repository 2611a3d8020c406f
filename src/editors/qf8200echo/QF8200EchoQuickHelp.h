#pragma once

// Adds the built-in German quick-help texts of frmQF8200Echo's controls to
// the language system's table.
void RegisterQF8200EchoQuickHelpTexts();
