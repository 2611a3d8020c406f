#pragma once
#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;
struct EvalMethodFields;

// What an editor's PrintData needs to write its part of the parameter sheet:
// the texts of its controls as the window shows them, lines through
// PrintLine, and the DIP-switch row that only the printer gets.
namespace ParamSheet {

// The caption of a label or frame. A label that shows a symbol in place of
// its caption letter (the micro sign of a unit drawn in the Symbol font)
// keeps the letter in its property "symbolCaption"; the sheet prints that.
QString CaptionOf(const QWidget* control);
QString TextOf(const QLineEdit* box);
// The selected entry's text; empty when no entry is selected.
QString EntryOf(const QComboBox* list);

void Line(const QString& label, const QString& value);
void EmptyLine();
// A line for each evaluation-method field the chosen method shows.
void EvalMethodLines(const EvalMethodFields& fields);
// True while the sheet goes to the printer (not to an export file).
bool ToPrinter();

// The DIP switches drawn under the word "ON" in the value column: ten boxes
// 4 mm wide and 10 mm high, then the switch numbers 1..9, 0 centred under
// them. With onEndsLine the word's line is ended and the row starts at the
// left margin; otherwise it starts right of the word.
void PrintDipSwitchRow(const QString& dipValue, bool onEndsLine);

}  // namespace ParamSheet
