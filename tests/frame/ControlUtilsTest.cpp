#include "frame/Combo_Utils.h"
#include "frame/Radio_Utils.h"
#include "frame/Utils.h"

#include <QComboBox>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(ComboUtils, AddsAtPositionsAndFindsByItemData) {
    QComboBox combo;   // "a" (no data), "b" (7), "c" (9), "B" (7)
    ComboAddItem(&combo, "a");
    ComboAddItem(&combo, "c", 9);
    ComboAddItem(&combo, "b", 7, 1);
    ComboAddItem(&combo, "B", 7, -1);
    EXPECT_EQ(combo.itemText(1), "b");
    EXPECT_EQ(ComboAddItem(&combo, "end", 1, 99), 4);
    const struct {
        qint32 data;
        bool select;
        int expected, currentAfter;
    } cases[] = {
        {7, true, 1, 1},     // the first of two matches
        {0, true, 0, 0},     // an entry added without data has 0
        {5, true, -1, -1},   // a miss clears the selection
        {9, false, 2, 3},    // no select: the current entry stays
    };
    for (const auto& c : cases) {
        combo.setCurrentIndex(3);
        EXPECT_EQ(ComboFindItemData(&combo, c.data, -1, c.select), c.expected) << c.data;
        EXPECT_EQ(combo.currentIndex(), c.currentAfter) << c.data;
    }
    combo.setCurrentIndex(-1);
    EXPECT_EQ(ComboGetItemData(&combo), 0);
}

TEST(RadioUtils, SetAndGetTheSelectedButton) {
    const struct {
        int start, set;
        QList<bool> checked;
        int index;
    } cases[] = {
        {2, 1, {false, true, false}, 1},
        {1, 3, {true, false, false}, 0},    // the array's count wraps to button 0
        {1, -1, {false, false, false}, 0},  // clears even the checked exclusive button
    };
    for (const auto& c : cases) {
        QWidget parent;   // exclusive, as Qt makes buttons on one parent
        std::array<QRadioButton*, 3> buttons{new QRadioButton(&parent), new QRadioButton(&parent),
                                             new QRadioButton(&parent)};
        buttons[c.start]->setChecked(true);
        SetRadioIndex(buttons, c.set);
        QList<bool> checked;
        for (const QRadioButton* b : buttons) checked.append(b->isChecked());
        EXPECT_EQ(checked, c.checked) << c.start << " -> " << c.set;
        EXPECT_EQ(GetRadioIndex(buttons), c.index) << c.start << " -> " << c.set;
    }
}

TEST(Utils, CheckRangeAndParameterValidity) {
    EXPECT_EQ(CheckRange(12, 0, 10, 5), 5);
    EXPECT_TRUE(IsParDefValid("150", QByteArray("150\r")));
    EXPECT_FALSE(IsParDefValid("", QByteArray("150\r")));
    // Any status byte answering a read is no value; the bytes around them are.
    for (const int status : {0x80, 0x81, 0x82, 0x83, 0x84, 0x7F, 0x85})
        EXPECT_EQ(IsParDefValid(QString(QChar(status)), QByteArray(1, char(status)) + '\r'),
                  status < 0x80 || status > 0x84) << status;
}

}  // namespace
