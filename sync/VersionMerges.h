#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "MergeResult.h"

namespace kadenzo::sync {

// The merges the program makes, from file images: the diary in memory
// (MINE) with another writer's version of its file, or with a conflicted
// copy a sync program left beside it. BASE is the version last read or
// written, where its copy is there. Each throws ArchiveError when a version
// cannot be read.

// The file changed on disk: it grew from the version the program last read
// or wrote, so that version is the common one (three ways); without it two
// ways.
MergeResult MergeChangedFile(const std::optional<std::vector<std::uint8_t>>& base,
                             const std::vector<std::uint8_t>& mine,
                             const std::vector<std::uint8_t>& theirs);

// A conflicted copy may have grown from any earlier version, not only the one
// last seen: what that version holds and the copy lacks may be records the
// copy never had rather than ones it removed, and what it holds otherwise may
// be older rather than edited. So the three-way merge counts only when it
// takes nothing of MINE away: no record, no library item or its name, not
// the log's name nor the athlete's data. Otherwise the copy is merged two
// ways, which removes nothing and asks where the two differ.
MergeResult MergeConflictedCopy(const std::optional<std::vector<std::uint8_t>>& base,
                                const std::vector<std::uint8_t>& mine,
                                const std::vector<std::uint8_t>& copy);

}  // namespace kadenzo::sync
