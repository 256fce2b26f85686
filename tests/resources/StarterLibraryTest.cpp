#include <gtest/gtest.h>

#include <set>

#include "Library.h"
#include "LibraryFile.h"
#include "LibraryItems.h"
#include "ModulePaths.h"

namespace kadenzo {
namespace {

// The ids of a list; each must be unique and below the list's counter, since new
// rows take idCounter + 1.
template <class List>
std::set<std::uint32_t> CheckedIds(const List& list) {
    std::set<std::uint32_t> ids;
    EXPECT_FALSE(list.empty());
    for (const auto& item : list) {
        SCOPED_TRACE(item->name);
        EXPECT_FALSE(item->name.empty());
        EXPECT_TRUE(ids.insert(item->id).second);
        EXPECT_LT(item->id, list.idCounter);
    }
    return ids;
}

TEST(StarterLibrary, ListsAreSoundAndReferencesPointToExistingItems) {
    const auto library = ReadLibraryFile(BuiltFile("library.dat").toStdString());
    ASSERT_TRUE(library);
    const auto sports = CheckedIds(library->sports);
    const auto categories = CheckedIds(library->categories);
    CheckedIds(library->intensities);
    CheckedIds(library->subSports);
    CheckedIds(library->tracks);
    CheckedIds(library->workoutTemplates);
    CheckedIds(library->eventKinds);
    for (const auto& sub : library->subSports) EXPECT_EQ(sports.count(sub->sportId), 1u);
    for (const auto& track : library->tracks) {
        EXPECT_EQ(sports.count(track->sportId), 1u) << track->name;
        EXPECT_GT(track->distance, 0.0f) << track->name;
    }
    for (const auto& workout : library->workoutTemplates) {
        SCOPED_TRACE(workout->name);
        EXPECT_EQ(categories.count(workout->categoryId), 1u);
        // 0: the template leaves the sport to the workout.
        EXPECT_TRUE(workout->sportId == 0 || sports.count(workout->sportId) == 1);
        EXPECT_LE(workout->pulseLow, workout->pulseHigh);
        EXPECT_TRUE(!workout->pulseRelative || workout->pulseHigh <= 100u);
    }
    // Event kinds from 0x0FFFFFF0 up are taken for built-in kinds.
    for (const auto& kind : library->eventKinds) EXPECT_LT(kind->id, 0x0FFFFFF0u);
}

}  // namespace
}  // namespace kadenzo
