#include "frame/NumberFormat.h"

#include "frame/RuntimeError.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace NumberFormat {
namespace {

bool isDigit(QChar c) { return c >= '0' && c <= '9'; }

// Appends the run of ASCII digits at text[i] to out; returns how many.
int takeDigits(const QString& text, qsizetype& i, std::string& out) {
    int count = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++count) out += char(text[i].unicode());
    return count;
}

// |value| as decimal digits d1 d2 d3 ... meaning 0.d1d2d3... x 10^pointPos.
// Fifteen significant digits, all that a double holds for sure, so that a
// value written as a decimal half rounds as that half.
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

Decimal toDecimal(double magnitude) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string text(buffer, written.ptr);  // d.dddddddddddddde+XX
    const size_t e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.pointPos = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

// Rounds to the given number of decimals, halves away from zero.
void roundTo(Decimal& d, int decimals) {
    const int keep = d.pointPos + decimals;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (keep >= int(d.digits.size())) return;
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.pointPos;
    }
}

char digitAt(const Decimal& d, int position) {
    return position >= 0 && position < int(d.digits.size()) ? d.digits[position] : '0';
}

struct Pattern {
    int wholeDigits = 0;       // "0"s before the point: minimum digits shown
    bool point = false;
    int fixedDecimals = 0;     // "0"s after the point
    int optionalDecimals = 0;  // "#"s after the point
};

Pattern parse(const QString& pattern) {
    Pattern p;
    for (QChar c : pattern) {
        if (c == '.') p.point = true;
        else if (c == '0') (p.point ? p.fixedDecimals : p.wholeDigits)++;
        else if (c == '#' && p.point) p.optionalDecimals++;
    }
    return p;
}

template <class Int>
Int roundHalfEven(double value, const char* routine) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= double(std::numeric_limits<Int>::min()) && rounded <= double(std::numeric_limits<Int>::max())))
        throw RuntimeError(Overflow, routine, "Overflow");
    return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    number += '0';  // so that ".5" reads as 0.5
    int digits = takeDigits(text, i, number);
    if (i + 1 < text.size() && text[i] == '.' && isDigit(text[i + 1])) {
        number += '.';
        ++i;
        digits += takeDigits(text, i, number);
    } else if (i < text.size() && text[i] == '.') {
        ++i;
    }
    if (digits == 0) return 0;
    if (i < text.size() && QString("EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += char(text[j++].unicode());
        if (takeDigits(text, j, exponent) > 0) number += exponent;
    }
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    // Beyond the range of a double (or too small to hold) reads as 0.
    return parsed.ec == std::errc() ? value : 0;
}

QString Format(double value, const QString& pattern) {
    const Pattern p = parse(pattern);
    if (!std::isfinite(value)) value = 0;
    Decimal d = toDecimal(std::fabs(value));
    roundTo(d, p.fixedDecimals + p.optionalDecimals);

    QString whole;
    for (int i = 0; i < d.pointPos; ++i) whole += QChar::fromLatin1(digitAt(d, i));
    while (whole.startsWith('0')) whole.remove(0, 1);
    whole = whole.rightJustified(p.wholeDigits, '0');

    QString decimals;
    for (int j = 0; j < p.fixedDecimals + p.optionalDecimals; ++j)
        decimals += QChar::fromLatin1(digitAt(d, d.pointPos + j));
    while (decimals.size() > p.fixedDecimals && decimals.endsWith('0')) decimals.chop(1);

    QString text = whole;
    if (p.point) text += QLocale().decimalPoint() + decimals;
    const bool nonZero = d.digits.find_first_not_of('0') != std::string::npos;
    return value < 0 && nonZero ? '-' + text : text;
}

qint16 CInt(double value) { return roundHalfEven<qint16>(value, "CInt"); }

qint32 CLng(double value) { return roundHalfEven<qint32>(value, "CLng"); }

}  // namespace NumberFormat
