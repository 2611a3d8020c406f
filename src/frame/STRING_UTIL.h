#pragma once
#include <QString>

// Small string helpers for messages and the protocol code.
namespace STRING_UTIL {

// Each "%s" is replaced, left to right, by the next "|"-separated argument.
QString StrFormat(const QString& templ, const QString& arguments);
// The two characters "\n" become one carriage return.
QString ExpandNewlines(const QString& text);
// Cuts the first token off text (see the message module's description).
QString GetToken(QString& text, const QString& separator = ",", QString* foundSeparator = nullptr,
                 bool trim = false);
QString HexPad(qint64 value, const QString& templ);
QString ReplaceAll(const QString& text, const QString& search, const QString& replacement);
// Locale-aware; errorFlag is -1 when a non-blank text is not a number, else 0.
float StrToSingle(const QString& text, int& errorFlag);
int UpperKeyAscii(int keyCode);
// Removes leading and trailing blanks (spaces only; tabs and other white
// space stay, as the sensor texts and language files expect).
QString TrimBlanks(const QString& text);

}  // namespace STRING_UTIL
