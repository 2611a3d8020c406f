#pragma once
#include <functional>

class frmMain;

// The print and export commands of the parameter sheet.
namespace PrintData {

// toPrinter: asks for the comment, then for the printer when showDialog is
// set (the toolbar prints at once on the default printer), and prints the
// sheet. Without any printer on the machine the sheet goes to a PDF file
// the user names. Otherwise the sheet is exported to a text or CSV file
// chosen in the export dialog (its name decides the form). Cancelling any
// dialog ends the command without output; a sheet that cannot be written is
// reported (message 14) and leaves no half-written export behind.
void PrintParameterSheet(bool showDialog, bool toPrinter);

// Whether the machine has a printer at all (tests replace the answer; an
// empty check restores the real one).
void SetPrinterCheck(std::function<bool()> hasPrinter);

// Makes the main window's print, toolbar-print and export commands run
// PrintParameterSheet.
void InstallPrinting(frmMain& window);

}  // namespace PrintData
