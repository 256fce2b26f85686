#pragma once

#include <functional>
#include <string>

#include "Archive.h"

namespace kadenzo {

// Writes a file so that it is either complete or untouched: the content goes to
// a temporary file in the same folder, which is flushed to disk and then renamed
// over `path`. Throws ArchiveError (from `write` or the file system); the old
// file then survives and the temporary file is removed.
void WriteFileAtomically(const std::string& path, const std::function<void(CArchive&)>& write);

}  // namespace kadenzo
