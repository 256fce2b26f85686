#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ActivityFacts.h"

namespace kadenzo {

// What tells an activity file from another without decoding it: its size
// and, for a FIT file, the file id from its first bytes.
struct FileIdentity {
    std::uintmax_t size = 0;
    std::optional<FitFileId> fitId;
};

// The bytes of a FIT file read for its id, which comes first in the file.
inline constexpr std::size_t kFitHeadBytes = 1024;

// The identity of the file at path (UTF-8), reading the head of a FIT file;
// nothing when it cannot be read.
std::optional<FileIdentity> IdentifyFile(const std::string& path, bool fit);

// The identity of bytes already read.
FileIdentity IdentityOf(std::string_view bytes, bool fit);

// A hash of the bytes, to compare files of equal size before their bytes.
std::uint64_t ContentHash(std::string_view bytes);

}  // namespace kadenzo
