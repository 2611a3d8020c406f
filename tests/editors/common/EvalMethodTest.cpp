// The evaluation method's value composed from its fields.
#include "editors/common/EvalMethod.h"

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
        {EvalMethod::None, true, typed, "0"},
        {EvalMethod::Dynamic, true, {"", nullopt, nullopt, nullopt, nullopt}, nullopt},
        {EvalMethod::LowPass, true, {"5", "viel", "3", nullopt, nullopt}, nullopt},
        {EvalMethod::Mean, true, {nullopt, nullopt, nullopt, "99999", "1"}, nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvalMethod::Compose(c.method, c.withNumbers, c.fields), c.value) << c.method;
    EXPECT_EQ(EvalMethod::Normalize("NONE"), "0");
    EXPECT_EQ(EvalMethod::Normalize("DYN,7"), "DYN,7");
}

}  // namespace
