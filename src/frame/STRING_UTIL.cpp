#include "frame/STRING_UTIL.h"

#include <QLocale>
#include <cmath>

namespace STRING_UTIL {

QString StrFormat(const QString& templ, const QString& arguments) {
    QString pieces = arguments;
    QString result;
    qsizetype from = 0;
    // Only the template is searched, so a piece that itself holds "%s" stays as it is.
    for (qsizetype at = templ.indexOf(QLatin1String("%s")); at >= 0;
         from = at + 2, at = templ.indexOf(QLatin1String("%s"), from))
        result += templ.mid(from, at - from) + GetToken(pieces, QStringLiteral("|"));
    return result + templ.mid(from);
}

QString ExpandNewlines(const QString& text) {
    return ReplaceAll(text, QStringLiteral("\\n"), QStringLiteral("\r"));
}

QString GetToken(QString& text, const QString& separator, QString* foundSeparator, bool trim) {
    // An empty separator is never "found": callers walk lists until the text is
    // empty, and a separator of length 0 would keep them walking forever.
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
    QString token;
    if (at < 0) {
        token = text;
        text = QString();
        if (foundSeparator) *foundSeparator = QString();
    } else {
        token = text.left(at);
        text = text.mid(at + separator.size());
        if (foundSeparator) *foundSeparator = separator;
    }
    return trim ? TrimBlanks(token) : token;
}

QString HexPad(qint64 value, const QString& templ) {
    // Negative numbers are shown as the 32-bit pattern the sensor tools expect.
    const quint64 bits = value < 0 ? quint64(quint32(value)) : quint64(value);
    const QString hex = QString::number(bits, 16).toUpper();
    if (hex.size() >= templ.size()) return hex;
    return templ.left(templ.size() - hex.size()) + hex;
}

QString ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
    if (search.isEmpty()) return text;
    // QString::replace resumes after each inserted replacement, so a
    // replacement that contains the search text is not replaced again.
    return QString(text).replace(search, replacement, Qt::CaseSensitive);
}

float StrToSingle(const QString& text, int& errorFlag) {
    errorFlag = 0;
    const QString trimmed = text.trimmed();
    bool ok = false;
    const float value = QLocale().toFloat(trimmed, &ok);
    // "inf" and "nan" parse, but no field of the program can take them.
    if (ok && std::isfinite(value)) return value;
    if (!trimmed.isEmpty()) errorFlag = -1;
    return 0.0f;
}

int UpperKeyAscii(int keyCode) {
    if (keyCode < 0 || keyCode > 0xFF) return keyCode;
    const char16_t upper = QChar(char16_t(keyCode)).toUpper().unicode();
    // ÿ and µ have upper-case forms outside Latin-1; they stay as typed.
    return upper <= 0xFF ? int(upper) : keyCode;
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

}  // namespace STRING_UTIL
