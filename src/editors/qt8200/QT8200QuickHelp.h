#pragma once

// Adds the built-in German quick-help texts of frmQT8200's controls (ids
// 2001 to 2025, and the shared 1101) to the language system's table.
void RegisterQT8200QuickHelpTexts();
