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
    const std::pair<const char*, double> cases[] = {
        {"\t-7.5 cm", -7.5}, {"1.5.3", 1.5}, {"12,5", 12}, {"-.25", -0.25}, {"abc", 0},  {"- 5", 0},
        {"2.5e-1x", 0.25},  {"4D2", 400},  {"3e+", 3},   {"7 8", 7},       {"1e999", 0},
    };
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << '"' << text << '"';
    EXPECT_DOUBLE_EQ(LeadingNumber(QString(100000, '9').prepend("0.")), 1.0);
}

TEST(NumberFormat, FormatsRoundHalvesAwayFromZeroWithTheUsersSeparator) {
    const struct {
        double value;
        const char* pattern;
        const char* english;
        const char* german;
    } cases[] = {
        {2.5, "0", "3", "3"},        {-2.5, "0", "-3", "-3"},         {-0.4, "0", "0", "0"},
        {12.5, "00000", "00013", "00013"}, {123456, "0000", "123456", "123456"},
        {3.45, "0.0", "3.5", "3,5"}, {-0.05, "0.0", "-0.1", "-0,1"}, {99.95, "0.0", "100.0", "100,0"},
        {343, "0.0#", "343.0", "343,0"},
        {2.675, "0.0#", "2.68", "2,68"},  // a decimal half, though stored a little below
        {1e20, "0", "100000000000000000000", "100000000000000000000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0", "0.0", "0,0"},
    };
    for (const bool german : {false, true}) {
        UserLocale locale(german ? QLocale::German : QLocale::English);
        for (const auto& c : cases)
            EXPECT_EQ(Format(c.value, c.pattern), german ? c.german : c.english) << german << ' ' << c.value;
    }
}

TEST(NumberFormat, IntegerConversionsRoundHalvesToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},  {1.5, 2},     {2.5, 2},         {-0.5, 0},
                                            {-1.5, -2}, {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(CInt(value), expected) << value;
        EXPECT_EQ(CLng(value), expected) << value;
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<qint32>::min());
}

TEST(NumberFormat, IntegerConversionsOverflowAsError6) {
    for (double v : {32767.5, -32768.6, std::nan("")}) {
        try {
            CInt(v);
            ADD_FAILURE() << v << " fitted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), NumberFormat::Overflow) << v;
        }
    }
    EXPECT_EQ(CLng(40000), 40000);
    for (double v : {2147483647.5, std::numeric_limits<double>::infinity()}) EXPECT_THROW(CLng(v), RuntimeError) << v;
}

}  // namespace
