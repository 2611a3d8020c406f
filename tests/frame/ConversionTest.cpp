#include "frame/RuntimeError.h"
#include "frame/basCVMK.h"
#include "frame/bit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(Bits, SetBitChangesOnlyItsBitAndNormalisesTheValue) {
    const struct {
        int byte, bit, value;
        int expectedByte, expectedValue, expectedResult;
    } cases[] = {
        {5, 1, 7, 7, 1, 1},        // any non-zero value means 1 and is stored back as 1
        {7, 1, 1, 7, 1, 0},        // already set: unchanged, result 0
        {255, 0, 0, 254, 0, 1},
        {0xA5, 8, 1, 0xA5, 1, 0},  // no such bit: the byte stays
    };
    for (const auto& c : cases) {
        quint8 b = quint8(c.byte);
        int v = c.value;
        EXPECT_EQ(SetBit(b, c.bit, v), c.expectedResult) << c.byte << " bit " << c.bit;
        EXPECT_EQ(b, c.expectedByte) << c.byte << " bit " << c.bit;
        EXPECT_EQ(v, c.expectedValue) << c.byte << " bit " << c.bit;
    }
}

QString chars(std::initializer_list<int> codes) {
    QString s;
    for (int c : codes) s += QChar(c);
    return s;
}

TEST(BinaryStrings, LowByteFirstAndSigned) {
    EXPECT_EQ(CVI(chars({1, 2})), 513);
    EXPECT_EQ(CVI(chars({0xFF, 0xFF})), -1);
    EXPECT_EQ(CVI(chars({0x82, 0x00})), 130);  // bytes above 127 are not sign-extended
    EXPECT_EQ(CVL(chars({0xFE, 0xFF, 0xFF, 0xFF})), -2);
    EXPECT_EQ(BytesToInt(QByteArray("\x34\x12\x99", 3)), 0x1234);
    EXPECT_EQ(BytesToLong(QByteArray("\x00\x00\x00\x80", 4)), qint32(0x80000000));

    // Wrong lengths raise numbered errors.
    const struct {
        std::function<void()> call;
        int number;
        const char* source;
    } errors[] = {
        {[] { CVI("abc"); }, 1000, "CVI"},
        {[] { CVL("abcde"); }, 1000, "CVL"},
        {[] { BytesToLong(QByteArray(3, 'a')); }, 9, "BytesToLong"},
    };
    for (const auto& c : errors) {
        try {
            c.call();
            ADD_FAILURE() << c.source << " raised nothing";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), c.number) << c.source;
            EXPECT_EQ(e.Source(), c.source);
        }
    }
}

}  // namespace
