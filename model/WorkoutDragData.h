#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kadenzo {

// The 8-byte block that names what a drag carries: a handle of a workout's
// place in the training log, or a workout template's id (exactly one of the
// two is non-zero). Both are meaningful only inside the program instance that
// started the drag; the receiver looks them up and never trusts them further.
struct WorkoutDragData {
    static constexpr std::size_t kSize = 8;

    std::uint32_t workoutHandle = 0;
    std::uint32_t templateId = 0;

    bool IsTemplate() const { return workoutHandle == 0 && templateId != 0; }
    bool IsWorkout() const { return workoutHandle != 0 && templateId == 0; }
};

// Little-endian, workout handle first, as the archive writes two dwords.
std::array<std::uint8_t, WorkoutDragData::kSize> EncodeDragBlock(const WorkoutDragData& data);
// Nothing for a block shorter than 8 bytes or one naming both or neither;
// bytes after the eighth are ignored.
std::optional<WorkoutDragData> DecodeDragBlock(std::span<const std::uint8_t> block);

}  // namespace kadenzo
