#include "frame/Combo_Utils.h"
#include "frame/Radio_Utils.h"
#include "frame/Utils.h"

#include <QComboBox>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <gtest/gtest.h>

namespace {

// entries "a" (data 0: none given), "b" (data 7), "c" (data 9), "B" (data 7)
void fill(QComboBox& combo) {
    ComboAddItem(&combo, "a");
    ComboAddItem(&combo, "c", 9);
    ComboAddItem(&combo, "b", 7, 1);
    ComboAddItem(&combo, "B", 7, -1);
}

TEST(ComboUtils, AddsAtPositionsAndFindsByItemData) {
    QComboBox combo;
    fill(combo);
    ASSERT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(1), "b");
    EXPECT_EQ(ComboAddItem(&combo, "end", 1, 99), 4);

    struct Case {
        qint32 data;
        int notFound;
        bool select;
        int expected;
        int currentAfter;
    } cases[] = {
        {7, -1, true, 1, 1},   // the first of two matches
        {0, -1, true, 0, 0},   // an entry added without data has 0
        {5, -1, true, -1, -1}, // a miss clears the selection
        {9, -1, false, 2, 3},  // no select: the current entry stays
    };
    for (const Case& c : cases) {
        combo.setCurrentIndex(3);
        EXPECT_EQ(ComboFindItemData(&combo, c.data, c.notFound, c.select), c.expected) << c.data;
        EXPECT_EQ(combo.currentIndex(), c.currentAfter) << c.data;
    }
    combo.setCurrentIndex(-1);
    EXPECT_EQ(ComboGetItemData(&combo), 0);
}

// Three option buttons on one parent, exclusive as Qt makes them by default.
struct RadioArray {
    QWidget parent;
    std::array<QRadioButton*, 3> buttons{new QRadioButton(&parent), new QRadioButton(&parent),
                                         new QRadioButton(&parent)};
    QList<bool> checked() const {
        QList<bool> states;
        for (const QRadioButton* b : buttons) states.append(b->isChecked());
        return states;
    }
};

TEST(RadioUtils, SetAndGetTheSelectedButton) {
    struct Case {
        int start, set;
        QList<bool> checked;
        int index;
    } cases[] = {
        {2, 1, {false, true, false}, 1},
        {1, 3, {true, false, false}, 0},   // the array's count wraps to button 0
        {1, -1, {false, false, false}, 0}, // clears even the checked exclusive button
    };
    for (const Case& c : cases) {
        RadioArray radios;
        if (c.start >= 0) radios.buttons[c.start]->setChecked(true);
        SetRadioIndex(radios.buttons, c.set);
        EXPECT_EQ(radios.checked(), c.checked) << c.start << " -> " << c.set;
        EXPECT_EQ(GetRadioIndex(radios.buttons), c.index) << c.start << " -> " << c.set;
    }
}

TEST(Utils, CheckRangeAndParameterValidity) {
    EXPECT_EQ(CheckRange(12, 0, 10, 5), 5);
    EXPECT_TRUE(IsParDefValid("150", QByteArray("150\r")));
    EXPECT_FALSE(IsParDefValid("", QByteArray("150\r")));
    // Any status byte answering a read is no value; the bytes around them are.
    for (const int status : {0x80, 0x81, 0x82, 0x83, 0x84})
        EXPECT_FALSE(IsParDefValid(QString(QChar(status)), QByteArray(1, char(status)) + '\r')) << status;
    for (const int other : {0x7F, 0x85})
        EXPECT_TRUE(IsParDefValid(QString(QChar(other)), QByteArray(1, char(other)) + '\r')) << other;
}

}  // namespace
