#include "frame/STRING_UTIL.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace STRING_UTIL;

namespace {

TEST(StringUtil, StrFormatAndExpandNewlines) {
    struct Case { const char* templ; const char* arguments; const char* expected; } cases[] = {
        {"(%s) und (%s)", "AAA|BBB", "(AAA) und (BBB)"},
        {"<%s> <%s>", "RM,12", "<RM,12> <>"},  // pieces run out: the rest become empty
        {"<%s>", "a|b|c", "<a>"},              // surplus pieces are ignored
        {"%S bleibt", "x", "%S bleibt"},       // case-sensitive
        {"%s-%s", "%s|z", "%s-z"},             // inserted text is not searched again
    };
    for (const Case& c : cases) EXPECT_EQ(StrFormat(c.templ, c.arguments), c.expected) << c.templ;

    const char* newlines[][2] = {{"a\\nb", "a\rb"}, {"\\N", "\\N"}, {"a\\", "a\\"}, {"\\\\n", "\\\r"}};
    for (const auto& [text, expected] : newlines) EXPECT_EQ(ExpandNewlines(text), expected) << text;
}

TEST(StringUtil, GetTokenCutsTheFirstToken) {
    struct Case {
        const char* text; const char* separator; bool trim; const char* token; const char* rest; const char* found;
    } cases[] = {
        {"erst,zweit", ",", false, "erst", "zweit", ","},
        {",rest,mehr", ",", false, "", "rest,mehr", ","},
        {"a||b", "||", false, "a", "b", "||"},       // both separator characters go
        {" a b |c ", "|", true, "a b", "c ", "|"},  // trim touches only the token...
        {"a,b", "", false, "a,b", "", ""},          // an empty separator is never found: list walks end
    };
    for (const Case& c : cases) {
        QString text = c.text;
        QString found = "unchanged";
        EXPECT_EQ(GetToken(text, c.separator, &found, c.trim), c.token) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
        EXPECT_EQ(found, c.found) << c.text;
    }
}

TEST(StringUtil, HexPadAndReplaceAll) {
    struct Hex { qint64 value; const char* templ; const char* expected; } hexes[] = {
        {13, "0000", "000D"}, {0x1234, "00", "1234"}, {1, "ab", "a1"}, {-1, "00", "FFFFFFFF"},
    };
    for (const Hex& c : hexes) EXPECT_EQ(HexPad(c.value, c.templ), c.expected) << c.value << " " << c.templ;

    const char* replaces[][4] = {
        {"aaa", "a", "aa", "aaaaaa"},  // a replacement holding the search text is not replaced again
        {"Aa", "a", "b", "Ab"},
        {"abc", "", "x", "abc"},       // no search text: no endless loop
    };
    for (const auto& [text, search, replacement, expected] : replaces)
        EXPECT_EQ(ReplaceAll(text, search, replacement), expected) << text;
}

TEST(StringUtil, StrToSingleReadsTheLocalesNumbers) {
    const QLocale previous;
    struct Case { QLocale::Language language; const char* text; float value; int flag; } cases[] = {
        {QLocale::German, " -0,25 ", -0.25f, 0}, {QLocale::German, "1.234,5", 1234.5f, 0},
        {QLocale::C, "1,5", 0.0f, -1},   {QLocale::German, "   ", 0.0f, 0}, {QLocale::German, "5a", 0.0f, -1},
        {QLocale::C, "1e39", 0.0f, -1},
        // The locale reads these as numbers, but no field can hold them.
        {QLocale::C, "inf", 0.0f, -1},     {QLocale::German, "-inf", 0.0f, -1}, {QLocale::C, "nan", 0.0f, -1},
        {QLocale::German, " NaN ", 0.0f, -1},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        int flag = 99;
        EXPECT_FLOAT_EQ(StrToSingle(c.text, flag), c.value) << c.text;
        EXPECT_EQ(flag, c.flag) << c.text;
    }
    QLocale::setDefault(previous);
}

TEST(StringUtil, UpperKeyAsciiStaysInLatin1) {
    const int cases[][2] = {
        {'a', 'A'}, {13, 13}, {0xE4, 0xC4},                 // ä
        {0xDF, 0xDF}, {0xFF, 0xFF}, {0xB5, 0xB5},  // ß, ÿ and µ have no Latin-1 upper case
        {0x100, 0x100}, {-1, -1},
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(UpperKeyAscii(key), expected) << key;
}

}  // namespace
