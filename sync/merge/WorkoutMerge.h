#pragma once

#include <memory>
#include <vector>

#include "MergeResult.h"
#include "WorkOut.h"

namespace kadenzo::sync {

using WorkoutRecords = std::vector<std::unique_ptr<CWorkOut>>;

struct WorkoutMergeOutput {
    WorkoutRecords merged;  // in date order
    ChangeCounts counts;    // against MINE
    std::vector<Conflict> conflicts;
};

// Workouts by content and count: each side's change of a record is its count
// there minus its count in BASE; changes in one direction count once (the
// larger), in opposite directions both. Equal dates keep BASE's records
// first, then MINE's, then THEIRS'. Edits (a removed BASE workout and an
// added one of the same day and template) made differently on both sides,
// or against a removal, are conflicts. Without BASE (hasBase false, base
// empty) a workout only in MINE and one only in THEIRS of the same day and
// template are. The records are moved into the result, not copied.
WorkoutMergeOutput MergeWorkouts(WorkoutRecords base, WorkoutRecords mine, WorkoutRecords theirs,
                                 bool hasBase);

}  // namespace kadenzo::sync
