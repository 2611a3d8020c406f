#pragma once

// Adds the built-in German quick-help texts of frmQT8200's controls (ids
// 1101, 2001 to 2025) to the language system's table.
void RegisterQT8200QuickHelpTexts();
