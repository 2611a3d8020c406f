#pragma once
#include <QString>

// The parameter sheet's own texts (language section "Print"), by key:
// "Print" (the title), "lblPrintDate", "lblTyp", "lblVersion",
// "lblSoftVersion", "lblEprom" and "lblComment".
namespace SheetTexts {

QString Text(const QString& key);

}  // namespace SheetTexts
