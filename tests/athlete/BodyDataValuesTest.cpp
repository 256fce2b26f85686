#include <gtest/gtest.h>

#include "BodyDataValues.h"

namespace kadenzo {
namespace {

CBodyInfo Day(double weight = 0) {
    CBodyInfo info({CalendarDateTime::kValid, 45000.5});
    info.weight = weight;
    return info;
}

TEST(BodyDataValues, AWeightShowsToAHundredthInEitherUnitAndKeepsItsKilograms) {
    // 160.5 lb typed with the pound setting is stored as 72.7891156462585 kg.
    const double typedInPounds = 160.5 * 0.4535147392290249;
    struct Case {
        double kilograms;
        UnitSettings units;
        const char* shown;
    };
    const Case cases[] = {
        {typedInPounds, {0, 0}, "72.79"},
        {typedInPounds, {0, 1}, "160.5"},
        {72.8, {0, 1}, "160.52"},
        {70, {0, 0}, "70"},
        {70, {0, 1}, "154.35"},  // read back as 70, not 69.99999999999999
        {0.004, {0, 0}, "0"},
        {68.126, {0, 0}, "68.13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        BodyDataValues values(Day(c.kilograms), c.units);
        EXPECT_EQ(values.weight, c.shown);
        ASSERT_EQ(values.Read(), BodyDataValues::Field::kNone);
        EXPECT_EQ(values.Record().weight, c.kilograms);  // left as shown: stored exactly
    }
    BodyDataValues typed(Day(), {0, 1});
    typed.weight = "160,5";
    ASSERT_EQ(typed.Read(), BodyDataValues::Field::kNone);
    EXPECT_DOUBLE_EQ(typed.Record().weight, typedInPounds);  // a decimal comma
}

// The first refused field is named, so that its message can give its range.
TEST(BodyDataValues, FieldsThatAreNoNumberOrOutOfRangeAreNamedAndNothingIsTaken) {
    struct Case {
        const char* weight;
        const char* value2;
        const char* value3;
        BodyDataValues::Field bad;
    };
    const Case cases[] = {
        {"", "0", "0", BodyDataValues::Field::kWeight},
        {"seventy", "0", "0", BodyDataValues::Field::kWeight},
        {"70kg", "0", "0", BodyDataValues::Field::kWeight},
        {"70", "1,2,3", "0", BodyDataValues::Field::kValue2},
        {"70", " 12.5 ", "4.5", BodyDataValues::Field::kValue3},
        {"70", "12", "99999999999", BodyDataValues::Field::kValue3},
        // Numbers the record cannot hold.
        {"-1", "0", "0", BodyDataValues::Field::kWeight},
        {"1e10", "0", "0", BodyDataValues::Field::kWeight},
        {"1e999", "0", "0", BodyDataValues::Field::kWeight},
        {"70", "-0.5", "0", BodyDataValues::Field::kValue2},
        {"70", "12", "-48", BodyDataValues::Field::kValue3},
        {"70", "12", "256", BodyDataValues::Field::kValue3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weight + std::string("|") + c.value2 + "|" + c.value3);
        BodyDataValues values(Day(), {0, 0});
        values.weight = c.weight;
        values.value2 = c.value2;
        values.value3 = c.value3;
        values.note = "changed";
        EXPECT_EQ(values.Read(), c.bad);
        EXPECT_TRUE(values.Record().IsEqual(Day()));
    }
}

}  // namespace
}  // namespace kadenzo
