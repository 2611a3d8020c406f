#include "frame/Combo_Utils.h"
#include "frame/Radio_Utils.h"
#include "frame/Utils.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QImage>
#include <QPainter>
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
        {5, 2, true, 2, 2},
        {9, -1, false, 2, 3},  // no select: the current entry stays
    };
    for (const Case& c : cases) {
        combo.setCurrentIndex(3);
        EXPECT_EQ(ComboFindItemData(&combo, c.data, c.notFound, c.select), c.expected) << c.data;
        EXPECT_EQ(combo.currentIndex(), c.currentAfter) << c.data;
    }
    combo.setCurrentIndex(2);
    EXPECT_EQ(ComboGetItemData(&combo), 9);
    combo.setCurrentIndex(-1);
    EXPECT_EQ(ComboGetItemData(&combo), 0);
}

TEST(ComboUtils, FindTextIsExactAndAlwaysSelectsTheResult) {
    QComboBox combo;
    fill(combo);
    struct Case {
        const char* text;
        int notFound;
        int expected;
    } cases[] = {{"b", -1, 1}, {"B", -1, 3}, {"C", -1, -1}, {"c ", 0, 0}, {"", -1, -1}};
    for (const Case& c : cases) {
        combo.setCurrentIndex(2);
        EXPECT_EQ(ComboFindText(&combo, c.text, c.notFound), c.expected) << c.text;
        EXPECT_EQ(combo.currentIndex(), c.expected) << c.text;
    }
}

TEST(ComboUtils, TextByItemDataTreatsEntryZeroAsNone) {
    QComboBox combo;
    ComboAddItem(&combo, "aus", 3);
    ComboAddItem(&combo, "ein", 5);
    ComboAddItem(&combo, "auch", 5);
    struct Case {
        qint32 data;
        const char* text;
        int index;
    } cases[] = {{5, "ein", 1}, {3, "aus", 0}, {8, "aus", 0}};
    for (const Case& c : cases) {
        int index = -7;
        EXPECT_EQ(ComboTextByItemData(&combo, c.data, index), c.text) << c.data;
        EXPECT_EQ(index, c.index) << c.data;
    }
    QComboBox empty;
    int index = -7;
    EXPECT_EQ(ComboTextByItemData(&empty, 1, index), "");
    EXPECT_EQ(index, 0);
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
        {1, 50, {true, false, false}, 0},
        {1, -1, {false, false, false}, 0}, // clears even the checked exclusive button
        {-1, -1, {false, false, false}, 0},
    };
    for (const Case& c : cases) {
        RadioArray radios;
        if (c.start >= 0) radios.buttons[c.start]->setChecked(true);
        SetRadioIndex(radios.buttons, c.set);
        EXPECT_EQ(radios.checked(), c.checked) << c.start << " -> " << c.set;
        EXPECT_EQ(GetRadioIndex(radios.buttons), c.index) << c.start << " -> " << c.set;
    }
}

TEST(RadioUtils, ClearsButtonsOfAnExclusiveGroupAndReadsIndexProperties) {
    RadioArray radios;
    QButtonGroup group;
    for (int i = 0; i < 3; ++i) {
        group.addButton(radios.buttons[i]);
        radios.buttons[i]->setProperty("index", i * 2);  // a control array with gaps: 0, 2, 4
    }
    SetRadioIndex(radios.buttons, 2);
    EXPECT_EQ(radios.checked(), QList<bool>({false, true, false}));
    EXPECT_EQ(GetRadioIndex(radios.buttons), 2);
    SetRadioIndex(radios.buttons, -1);
    EXPECT_EQ(radios.checked(), QList<bool>({false, false, false}));
    EXPECT_TRUE(group.exclusive());
    radios.buttons[2]->click();
    EXPECT_EQ(radios.checked(), QList<bool>({false, false, true})) << "the group stays exclusive";
}

TEST(Utils, CheckRangeAndParameterValidity) {
    EXPECT_EQ(CheckRange(12, 0, 10), 10);
    EXPECT_EQ(CheckRange(-3, 0, 10), 0);
    EXPECT_EQ(CheckRange(12, 0, 10, 5), 5);
    EXPECT_EQ(CheckRange(10, 0, 10), 10);
    EXPECT_DOUBLE_EQ(CheckRange(0.5, 0, 1), 0.5);

    EXPECT_TRUE(IsParDefValid("150", QByteArray("150\r")));
    EXPECT_FALSE(IsParDefValid("", QByteArray("150\r")));
    EXPECT_FALSE(IsParDefValid(QString(QChar(0x82)), QByteArray("\x82\r")));
    EXPECT_TRUE(IsParDefValid("x", QByteArray("\x81\r")));  // only the invalid-command status marks it
}

TEST(Utils, IsInControlIncludesAllEdgesOfVisibleControls) {
    QWidget parent;
    QWidget control(&parent);
    control.setGeometry(10, 20, 30, 40);
    struct Case {
        int x, y;
        bool expected;
    } cases[] = {{10, 20, true}, {40, 60, true}, {25, 60, true}, {41, 30, false}, {9, 30, false}, {20, 61, false}};
    for (const Case& c : cases) EXPECT_EQ(IsInControl(&control, c.x, c.y), c.expected) << c.x << ',' << c.y;
    control.hide();
    EXPECT_FALSE(IsInControl(&control, 20, 30));
}

TEST(Utils, DrawMarkerFillsTheChosenHalf) {
    for (bool upper : {true, false}) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawMarker(painter, upper, 5, 5, 20, 30);
        }
        const auto black = [&](int x, int y) { return image.pixelColor(x, y) == Qt::black; };
        EXPECT_TRUE(black(5, 15) && black(25, 15)) << "outline, upper " << upper;
        EXPECT_EQ(black(15, 12), upper) << "middle of the upper half";
        EXPECT_EQ(black(15, 28), !upper) << "middle of the lower half";
        EXPECT_FALSE(black(6, 12) || black(6, 28)) << "inset from the outline";
    }
}

}  // namespace
