#pragma once

// Adds the built-in German quick-help texts of frmQF8200's controls (ids
// 1001 to 1034, and the shared 1101 and 1102) to the language system's table.
void RegisterQF8200QuickHelpTexts();
