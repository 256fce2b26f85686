#include "WorkoutDragData.h"

namespace kadenzo {
namespace {

void Put(std::uint8_t* out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get(const std::uint8_t* in) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | in[i];
    return value;
}

}  // namespace

std::array<std::uint8_t, WorkoutDragData::kSize> EncodeDragBlock(const WorkoutDragData& data) {
    std::array<std::uint8_t, WorkoutDragData::kSize> block{};
    Put(block.data(), data.workoutHandle);
    Put(block.data() + 4, data.templateId);
    return block;
}

std::optional<WorkoutDragData> DecodeDragBlock(std::span<const std::uint8_t> block) {
    if (block.size() < WorkoutDragData::kSize) return std::nullopt;
    const WorkoutDragData data{Get(block.data()), Get(block.data() + 4)};
    if (!data.IsTemplate() && !data.IsWorkout()) return std::nullopt;
    return data;
}

}  // namespace kadenzo
