#include <gtest/gtest.h>

#include <optional>

#include "EditorFixture.h"
#include "PlannedText.h"

namespace kadenzo {
namespace {

using namespace editortest;

TEST(PlannedText, ReadsDurationsAndDistancesInEitherUnit) {
    struct Case {
        const char* text;
        UnitSettings units;
        double duration;
        double distance;
    };
    const Case cases[] = {
        {"1:30, 20.0km", kMetric, 90, 20},
        {"1:30, 20.0mi", kImperial, 90, 32.2},  // 32.206... km cut to two decimals
        {"20.0km, 1:30:30", kMetric, 90.5, 20},
        {"12.5 KM", kMetric, 0, 12.5},
        // Decimal commas; after a clock time a comma still separates.
        {"1:30, 20,5km", kMetric, 90, 20.5},
        {"90,5", kMetric, 90.5, 0},
        {"1:30,20km", kMetric, 90, 20},
        // Later pieces of a kind win; blank pieces change nothing.
        {"1:00, 1:30, ", kMetric, 90, 0},
        {"5km, 8km", kMetric, 0, 8},
        // "min" is no mile label.
        {"45min", kImperial, 45, 0},
        {"20 semi", kImperial, 20, 0},  // "mi" ends a word here, it is not one
        // A value a hair below its hundredth keeps it.
        {"0.29km", kMetric, 0, 0.29},
        {"abc", kMetric, 0, 0},
        {"-5km, -30", kMetric, 0, 0},
        {"1e999km", kMetric, 0, 0},
    };
    const UnitTexts texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PlannedValues planned = ParsePlannedText(c.text, c.units, texts);
        EXPECT_DOUBLE_EQ(planned.duration, c.duration);
        EXPECT_DOUBLE_EQ(planned.distance, c.distance);
    }
    // Without unit labels nothing is a distance (an empty label is in every text).
    EXPECT_EQ(ParsePlannedText("20.0", kMetric, EmptyStringTable()), (PlannedValues{20, 0}));
}

TEST(PlannedText, NamesTheFirstPieceTheWorkoutCannotHold) {
    struct Case {
        const char* text;
        UnitSettings units;
        std::optional<std::uint32_t> refused;  // the name of the refused field
    };
    const std::uint32_t duration = kPlannedDurationRange.nameId;
    const std::uint32_t distance = kPlannedDistanceRange.nameId;
    const Case cases[] = {
        {"0, 0km", kMetric, std::nullopt},
        // What a planner types reads; a piece that starts with no number
        // is refused rather than read as 0.
        {"45", kMetric, std::nullopt},
        {"45min", kMetric, std::nullopt},
        {"1:30", kMetric, std::nullopt},
        {"10km", kMetric, std::nullopt},
        {"10 km, 0:50", kMetric, std::nullopt},
        {" :30", kMetric, std::nullopt},
        {"1:30, ", kMetric, std::nullopt},
        {"abc", kMetric, duration},
        {"km 10", kMetric, distance},
        {"1:30, x", kMetric, duration},
        {"10km, about 5 mi", kImperial, distance},
        {"nan", kMetric, duration},
        {"-5km, -30", kMetric, distance},
        {"-30, -5km", kMetric, duration},
        {"1:30, -0,5km", kMetric, distance},
        {"-1:30", kMetric, duration},
        {"1e999km", kMetric, distance},
        {"1e10 mi", kImperial, distance},
        {"1e10", kMetric, duration},
        {"16666666:40:00", kMetric, std::nullopt},  // the largest duration
        {"16666666:40:01", kMetric, duration},
    };
    const UnitTexts texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<FieldRange> refused = RefusedPlannedPiece(c.text, c.units, texts);
        ASSERT_EQ(refused.has_value(), c.refused.has_value());
        if (refused) {
            EXPECT_EQ(refused->nameId, *c.refused);
        }
    }
}

TEST(PlannedText, ShowsWhatIsPlanned) {
    const UnitTexts texts;
    EXPECT_EQ(FormatPlannedText({90.9, 20.04}, kMetric, texts), "1:30, 20.0km");
    EXPECT_EQ(FormatPlannedText({0, 20}, kMetric, texts), "20.0km");
    EXPECT_EQ(FormatPlannedText({45, 0}, kMetric, texts), "0:45");
    EXPECT_EQ(FormatPlannedText({0, 0}, kMetric, texts), "");
    EXPECT_EQ(FormatPlannedText({60, 10}, kImperial, texts), "1:00, 6.2mi");
}

}  // namespace
}  // namespace kadenzo
