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
    // Enough for three slabs of 2 MB.
    std::vector<void*> live(3 * (std::size_t{2} << 20) / kSize);
    for (void*& object : live) {
        object = Pool::Allocate();
        std::memset(object, 0xAB, kSize);  // all of it is ours to write
    }
    std::vector<void*> sorted = live;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        ASSERT_GE(static_cast<char*>(sorted[i + 1]) - static_cast<char*>(sorted[i]),
                  static_cast<std::ptrdiff_t>(kSize));
    }
    for (void* object : live) ASSERT_EQ(reinterpret_cast<std::uintptr_t>(object) % 8, 0u);

    void* released = live.back();
    live.pop_back();
    Pool::Release(released);
    void* again = Pool::Allocate();
#if !KADENZO_SLAB_POOL_OFF
    EXPECT_EQ(again, released);  // the memory given back last is used first
#endif
    live.push_back(again);
    for (void* object : live) Pool::Release(object);
}

}  // namespace
}  // namespace kadenzo
