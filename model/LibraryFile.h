#pragma once

#include <memory>
#include <string>

#include "Archive.h"
#include "Library.h"

namespace kadenzo {

// The user's own library in the current folder.
inline constexpr const char* kLocalLibraryFile = "./library.dat";

// kLocalLibraryFile when that file exists and is readable, otherwise
// "library.dat" in dataDirectory (a folder path ending with '/').
std::string GetLibraryFilePath(const std::string& dataDirectory);

// Reads a library file ("library.dat" or an export): one CLibrary written by
// reference. Throws ArchiveError when the file is missing or malformed.
std::unique_ptr<CLibrary> ReadLibraryFile(const std::string& path);
// The same from a stream of bytes.
std::unique_ptr<CLibrary> ReadLibraryStream(ByteStream& stream);

// The library in the file at path, or null when it cannot be read.
std::unique_ptr<CLibrary> LoadLibraryFile(const std::string& path);

// Writes a library file atomically (the old file survives any failure).
// Throws ArchiveError.
void SaveLibraryTo(const CLibrary& library, const std::string& path);
// The same without throwing: false with the reason in *error on failure.
bool SaveLibraryFile(const CLibrary& library, const std::string& path,
                     std::string* error = nullptr);

}  // namespace kadenzo
