#pragma once

// Adds the QF8200RDX editor's built-in German quick-help texts (topics 3001
// to 3043, 3101 and 3102) to the language system's table.
void RegisterQF8200RDXQuickHelpTexts();
