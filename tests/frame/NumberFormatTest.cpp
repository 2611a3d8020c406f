#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"

#include <QLocale>

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using NumberFormat::CInt;
using NumberFormat::CLng;
using NumberFormat::Format;
using NumberFormat::LeadingNumber;

// Sets the user's locale for one test and puts the previous one back.
class UserLocale {
public:
    explicit UserLocale(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~UserLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

TEST(NumberFormat, LeadingNumberReadsLikeTheSensorWritesIt) {
    UserLocale german(QLocale::German);  // "." is the point even here
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"\t-7.5 cm", -7.5}, {"1.5.3", 1.5}, {"12,5", 12}, {"-.25", -0.25}, {"abc", 0},  {"- 5", 0},
        {"2.5e-1x", 0.25},  {"4D2", 400},  {"3e+", 3},   {"7 8", 7},       {"1e999", 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(LeadingNumber(QString(100000, '9').prepend("0.")), 1.0);
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* english;
    const char* german;
};

TEST(NumberFormat, FormatsRoundHalvesAwayFromZeroWithTheUsersSeparator) {
    const FormatCase cases[] = {
        {2.5, "0", "3", "3"},
        {-2.5, "0", "-3", "-3"},
        {-0.4, "0", "0", "0"},
        {12.5, "00000", "00013", "00013"},
        {123456, "0000", "123456", "123456"},
        {3.45, "0.0", "3.5", "3,5"},
        {-0.05, "0.0", "-0.1", "-0,1"},
        {99.95, "0.0", "100.0", "100,0"},
        {343, "0.0#", "343.0", "343,0"},
        {2.675, "0.0#", "2.68", "2,68"},  // a decimal half, though stored a little below
        {1.005, "0.0#", "1.01", "1,01"},
        {3.996, "0.0#", "4.0", "4,0"},
        {1e20, "0", "100000000000000000000", "100000000000000000000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0", "0.0", "0,0"},
    };
    for (const char* which : {"english", "german"}) {
        const bool german = QString(which) == "german";
        UserLocale locale(german ? QLocale::German : QLocale::English);
        for (const FormatCase& c : cases)
            EXPECT_EQ(Format(c.value, c.pattern), german ? c.german : c.english)
                << which << ' ' << c.value << " as " << c.pattern;
    }
}

TEST(NumberFormat, IntegerConversionsRoundHalvesToEven) {
    struct Case {
        double value;
        int expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.5001, 3},
        {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CInt(c.value), c.expected) << c.value;
        EXPECT_EQ(CLng(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<qint32>::min());
}

TEST(NumberFormat, IntegerConversionsOverflowAsError6) {
    const double tooBigForInt[] = {32767.5, -32768.6, std::nan("")};
    for (double v : tooBigForInt) {
        try {
            CInt(v);
            ADD_FAILURE() << v << " fitted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), NumberFormat::Overflow) << v;
        }
    }
    EXPECT_EQ(CLng(40000), 40000);
    EXPECT_THROW(CLng(2147483647.5), RuntimeError);
    EXPECT_THROW(CLng(std::numeric_limits<double>::infinity()), RuntimeError);
}

}  // namespace
