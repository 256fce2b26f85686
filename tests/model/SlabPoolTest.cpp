// The pool behind the diary's workouts: objects that never overlap, across
// slabs, and memory that comes back for the next object.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "SlabPool.h"

namespace kadenzo {
namespace {

TEST(SlabPoolTest, ObjectsNeverOverlapAcrossSlabsAndReleasedOnesComeBack) {
    constexpr std::size_t kSize = 40;
    using Pool = SlabPool<kSize, 8>;
    // Enough for three slabs of 2 MB, each object aligned and all of it ours to write.
    std::vector<void*> live(3 * (std::size_t{2} << 20) / kSize);
    for (void*& object : live) {
        object = Pool::Allocate();
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(object) % 8, 0u);
        std::memset(object, 0xAB, kSize);
    }
    std::sort(live.begin(), live.end());
    for (std::size_t i = 0; i + 1 < live.size(); ++i)
        ASSERT_GE(static_cast<char*>(live[i + 1]) - static_cast<char*>(live[i]),
                  static_cast<std::ptrdiff_t>(kSize));
    void* released = live.back();
    Pool::Release(released);
    live.back() = Pool::Allocate();
#if !KADENZO_SLAB_POOL_OFF
    EXPECT_EQ(live.back(), released);  // the memory given back last is used first
#endif
    for (void* object : live) Pool::Release(object);
}

}  // namespace
}  // namespace kadenzo
