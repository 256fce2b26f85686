#pragma once

#include "DocumentFile.h"
#include "MergeResult.h"

namespace kadenzo::sync {

// Merges the changes that MINE and THEIRS each made to BASE, by the rules of
// `kadenzo-tool merge`. The contents are taken: their records move into the
// result instead of being copied. Each side's records whose library items
// its own library lacks are dropped first, as opening the file drops them.
// Throws std::invalid_argument for contents without a library or a log, and
// std::runtime_error when a library list has no id left for an item that
// must be renumbered.
MergeResult MergeDocuments(DocumentContents base, DocumentContents mine, DocumentContents theirs);
// Without a common version: records on both sides are kept once, nothing is
// removed.
MergeResult MergeDocuments(DocumentContents mine, DocumentContents theirs);

}  // namespace kadenzo::sync
