#include <gtest/gtest.h>

#include <vector>

#include "WorkoutDragData.h"

namespace kadenzo {
namespace {

TEST(WorkoutDragData, TheBlockHoldsOneOfTwoDwordsAndShortBlocksAreNoDrop) {
    const auto workout = EncodeDragBlock({0x01020304, 0});
    EXPECT_EQ(std::vector<std::uint8_t>(workout.begin(), workout.end()),
              (std::vector<std::uint8_t>{4, 3, 2, 1, 0, 0, 0, 0}));
    const auto decoded = DecodeDragBlock(workout);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(decoded->IsWorkout());
    EXPECT_EQ(decoded->workoutHandle, 0x01020304u);

    const auto templ = EncodeDragBlock({0, 7});
    EXPECT_TRUE(DecodeDragBlock(templ)->IsTemplate());
    EXPECT_FALSE(DecodeDragBlock(std::span(templ).first(7)));  // one byte short
    EXPECT_FALSE(DecodeDragBlock(EncodeDragBlock({0, 0})));    // names nothing
    EXPECT_FALSE(DecodeDragBlock(EncodeDragBlock({3, 7})));    // names both
    const std::vector<std::uint8_t> longer = {0, 0, 0, 0, 9, 0, 0, 0, 0xFF};
    EXPECT_EQ(DecodeDragBlock(longer)->templateId, 9u);
}

}  // namespace
}  // namespace kadenzo
