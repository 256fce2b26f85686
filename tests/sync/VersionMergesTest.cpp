// The merges the program makes: a file changed on disk merges three ways
// against the version last seen; a conflicted copy only where that keeps
// everything of the diary, since the copy may have grown from an older
// version than the one last seen.
#include <gtest/gtest.h>

#include "Library.h"
#include "MergeFixture.h"
#include "VersionMerges.h"

namespace kadenzo::test {
namespace {

using sync::MergeChangedFile;
using sync::MergeConflictedCopy;

std::vector<std::uint8_t> Version(const std::vector<W>& workouts,
                                  const std::string& extraTemplate = "") {
    auto library = MakeLibrary();
    if (!extraTemplate.empty()) {
        auto& item = library->workoutTemplates.AddNew();
        item.name = extraTemplate;
    }
    return Bytes(Diary(WorkoutLog(workouts), std::move(library)));
}

std::vector<std::string> Resolved(sync::MergeResult merge) {
    const std::vector<sync::Choice> choices = merge.DefaultChoices();
    return Describe(*std::move(merge).Resolve(choices).log);
}

const W kA{kDay, 30, "A"}, kB{kDay + 1, 40, "B"}, kC{kDay + 2, 50, "C"}, kX{kDay + 3, 60, "X"};

TEST(VersionMerges, AChangedFileIsMergedAgainstTheVersionLastSeen) {
    // The other computer removed X and added C; here A was added.
    const auto base = Version({kB, kX});
    const auto mine = Version({kA, kB, kX});
    const auto theirs = Version({kB, kC});
    EXPECT_EQ(Resolved(MergeChangedFile(base, mine, theirs)), Describe({kA, kB, kC}));
    // Without the version last seen nothing can count as removed.
    EXPECT_EQ(Resolved(MergeChangedFile(std::nullopt, mine, theirs)), Describe({kA, kB, kC, kX}));
}

TEST(VersionMerges, ACopyLosesNothingOfTheDiaryWhereverItGrewFrom) {
    const struct {
        const char* story;
        std::vector<W> base, mine, copy, merged;
    } cases[] = {
        {"the copy grew from the version last seen", {kB}, {kA, kB}, {kB, kC}, {kA, kB, kC}},
        // Taking the removal could lose what the diary holds: X stays.
        {"the copy grew from the version last seen and removed X",
         {kB, kX},
         {kB, kX},
         {kB},
         {kB, kX}},
        // This program saved A after the copy parted: the copy never had it.
        {"the copy is older than the version last seen",
         {kA, kB},
         {kA, kB},
         {kB, kC},
         {kA, kB, kC}},
        // Two ways would bring back A, which the diary removed since.
        {"the copy is the version last seen", {kA, kB}, {kB}, {kA, kB}, {kB}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.story);
        EXPECT_EQ(Resolved(MergeConflictedCopy(Version(c.base), Version(c.mine), Version(c.copy))),
                  Describe(c.merged));
    }
    // No version last seen: two ways.
    EXPECT_EQ(Resolved(MergeConflictedCopy(std::nullopt, Version({kA}), Version({kC}))),
              Describe({kA, kC}));
}

TEST(VersionMerges, ALibraryItemOfTheDiaryIsNeverDroppedForACopy) {
    // This program saved the template before the copy parted from an older
    // version: the three-way merge would take it for removed by the copy.
    const auto base = Version({kB}, "Intervals");
    const auto mine = Version({kB}, "Intervals");
    const auto copy = Version({kB, kC});
    sync::MergeResult merge = MergeConflictedCopy(base, mine, copy);
    const std::vector<sync::Choice> choices = merge.DefaultChoices();
    const DocumentContents merged = std::move(merge).Resolve(choices);
    bool found = false;
    for (const auto& item : merged.library->workoutTemplates) found |= item->name == "Intervals";
    EXPECT_TRUE(found);
    EXPECT_EQ(Describe(*merged.log), Describe({kB, kC}));

    // Nor is the log renamed back to what the copy still calls it.
    DocumentContents renamed = Diary(WorkoutLog({kB}));
    renamed.log->name = "New name";
    DocumentContents old = Diary(WorkoutLog({kB, kC}));
    old.log->name = "Old name";
    sync::MergeResult names = MergeConflictedCopy(Bytes(renamed), Bytes(renamed), Bytes(old));
    EXPECT_EQ(names.Conflicts().size(), 1u);  // asked, the diary's name first
    const std::vector<sync::Choice> defaults = names.DefaultChoices();
    EXPECT_EQ(std::move(names).Resolve(defaults).log->name, "New name");
}

TEST(VersionMerges, AVersionThatIsNoDiaryIsAnArchiveError) {
    const std::vector<std::uint8_t> garbage(100, 0x5A);
    const auto mine = Version({kA});
    EXPECT_THROW(MergeChangedFile(std::nullopt, mine, garbage), ArchiveError);
    EXPECT_THROW(MergeConflictedCopy(mine, mine, garbage), ArchiveError);
}

}  // namespace
}  // namespace kadenzo::test
