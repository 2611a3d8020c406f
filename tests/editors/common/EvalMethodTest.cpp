// The evaluation method's value composed from its fields, and the rows the
// fields take for each method.
#include "editors/common/EvalMethod.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using std::nullopt;

TEST(EvalMethod, ComposedFromTheListAndTheFields) {
    const EvalMethod::Fields typed{"7", "100", "3", "0", "0"};
    struct Case {
        int method;
        bool withNumbers;
        EvalMethod::Fields fields;
        std::optional<QString> value;
    } const cases[] = {
        {EvalMethod::Dynamic, true, typed, "DYN,7"},
        {EvalMethod::LowPass, true, typed, "PT1,100,7,3"},
        {EvalMethod::Mean, true, typed, "MXN,5,2"},   // no counts: the sensor's 5 and 2
        {EvalMethod::Mean, true, {nullopt, nullopt, nullopt, "2.5", "1.5"}, "MXN,2,2"},   // halves to even
        {EvalMethod::Dynamic, true, {"7.5", nullopt, nullopt, nullopt, nullopt}, "DYN,8"},   // away from zero
        {EvalMethod::Mean, false, typed, "MXN"},
        {EvalMethod::LowPass, false, {}, "PT1"},
        {EvalMethod::None, true, typed, "0"},
        {-1, true, typed, "0"},
        {EvalMethod::Dynamic, true, {"", nullopt, nullopt, nullopt, nullopt}, nullopt},
        {EvalMethod::LowPass, true, {"5", "viel", "3", nullopt, nullopt}, nullopt},
        {EvalMethod::Mean, true, {nullopt, nullopt, nullopt, "99999", "1"}, nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvalMethod::Compose(c.method, c.withNumbers, c.fields), c.value) << c.method;
    EXPECT_EQ(EvalMethod::Normalize("NONE"), "0");
    EXPECT_EQ(EvalMethod::Normalize("DYN,7"), "DYN,7");
}

TEST(EvalMethod, FieldsTakeTheRowsOfTheMethod) {
    QWidget frame;
    const auto label = [&](int y) {
        auto* l = new QLabel(&frame);
        l->move(10, y + 4);
        return l;
    };
    const auto box = [&](int y) {
        auto* b = new QLineEdit(&frame);
        b->move(100, y);
        return b;
    };
    // Deviation, weight and count M start in row 1 (y 10), count N in row 2, the threshold in row 3.
    const EvalMethodFields f{label(10), box(10), label(10), label(10), box(10), label(50),
                             box(50),   label(10), box(10), label(30), box(30)};
    struct Case {
        int method;
        int diffY, weightY, thresholdY, mCountY, nCountY;   // 0: hidden
    } const cases[] = {
        {EvalMethod::Dynamic, 10, 0, 0, 0, 0},
        {EvalMethod::LowPass, 30, 10, 50, 0, 0},
        {EvalMethod::Mean, 0, 0, 0, 10, 30},
        {EvalMethod::None, 0, 0, 0, 0, 0},
        {EvalMethod::Dynamic, 10, 0, 0, 0, 0},   // back from row 2
    };
    const auto where = [](QLabel* l, QLineEdit* b) {
        EXPECT_EQ(l->isHidden(), b->isHidden());
        if (!b->isHidden()) {
            EXPECT_EQ(l->y(), b->y() + 4);
        }
        return b->isHidden() ? 0 : b->y();
    };
    for (const Case& c : cases) {
        f.Layout(c.method);
        EXPECT_EQ(where(f.lblDiff, f.txtDiff), c.diffY) << c.method;
        EXPECT_EQ(f.lblDiffPercent->isHidden(), c.diffY == 0);
        EXPECT_EQ(where(f.lblWeight, f.txtWeight), c.weightY) << c.method;
        EXPECT_EQ(where(f.lblThreshold, f.txtThreshold), c.thresholdY) << c.method;
        EXPECT_EQ(where(f.lblMCount, f.txtMCount), c.mCountY) << c.method;
        EXPECT_EQ(where(f.lblNCount, f.txtNCount), c.nCountY) << c.method;
    }
}

}  // namespace
