#include <gtest/gtest.h>

#include <set>

#include "AppContext.h"
#include "Library.h"
#include "LibraryFile.h"
#include "LibraryItems.h"
#include "ModulePaths.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

class StarterLibrary : public testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        library = ReadLibraryFile(BuiltFile("library.dat").toStdString());
        ASSERT_TRUE(library);
    }
    void TearDown() override { ResetApp(); }

    template <class List>
    static std::set<std::uint32_t> Ids(const List& list) {
        std::set<std::uint32_t> ids;
        for (const auto& item : list) EXPECT_TRUE(ids.insert(item->id).second) << item->name;
        return ids;
    }
    template <class List>
    static void ExpectNamedAndBelowCounter(const List& list) {
        for (const auto& item : list) {
            EXPECT_FALSE(item->name.empty());
            // New rows take idCounter + 1; a counter at or below an id would reuse it.
            EXPECT_LT(item->id, list.idCounter) << item->name;
        }
    }

    std::unique_ptr<CLibrary> library;
};

TEST_F(StarterLibrary, HoldsTheBuiltInSportAndEveryList) {
    const CLibSport* builtIn = library->FindSport(100);
    ASSERT_NE(builtIn, nullptr);
    EXPECT_EQ(builtIn->iconId, 42u);
    EXPECT_EQ(builtIn->hasDistance, 1u);
    EXPECT_EQ(builtIn->active, 1u);
    EXPECT_FALSE(library->categories.empty());
    EXPECT_FALSE(library->intensities.empty());
    EXPECT_FALSE(library->subSports.empty());
    EXPECT_FALSE(library->tracks.empty());
    EXPECT_FALSE(library->workoutTemplates.empty());
    EXPECT_FALSE(library->eventKinds.empty());
}

TEST_F(StarterLibrary, IdsAreUniqueAndReferencesPointToExistingItems) {
    const auto sports = Ids(library->sports);
    const auto categories = Ids(library->categories);
    Ids(library->subSports);
    Ids(library->tracks);
    Ids(library->workoutTemplates);
    Ids(library->eventKinds);
    ExpectNamedAndBelowCounter(library->categories);
    ExpectNamedAndBelowCounter(library->intensities);
    ExpectNamedAndBelowCounter(library->sports);
    ExpectNamedAndBelowCounter(library->subSports);
    ExpectNamedAndBelowCounter(library->tracks);
    ExpectNamedAndBelowCounter(library->workoutTemplates);
    ExpectNamedAndBelowCounter(library->eventKinds);
    for (const auto& sport : library->sports) {
        EXPECT_GE(sport->iconId, 1u) << sport->name;
        EXPECT_LE(sport->iconId, std::uint32_t(SPORT_ICON_COUNT)) << sport->name;
    }
    for (const auto& sub : library->subSports)
        EXPECT_EQ(sports.count(sub->sportId), 1u) << sub->name;
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
        if (workout->pulseRelative) {
            EXPECT_LE(workout->pulseHigh, 100u);
        }
    }
    for (const auto& category : library->categories) EXPECT_LE(category->colour, 0xFFFFFFu);
    for (const auto& kind : library->eventKinds) {
        EXPECT_LE(kind->colour, 0xFFFFFFu);
        // Event kinds from 0x0FFFFFF0 up are taken for built-in kinds.
        EXPECT_LT(kind->id, 0x0FFFFFF0u);
    }
}

}  // namespace
}  // namespace kadenzo
