#pragma once

#include <memory>
#include <string>

#include "Archive.h"
#include "Library.h"

namespace kadenzo {

// "./library.dat" when that file exists and is readable, otherwise
// "library.dat" in the program's folder (App().programDirectory).
std::string GetLibraryFilePath();

// Reads a library file ("library.dat" or an export): one CLibrary written by
// reference. Throws ArchiveError when the file is missing or malformed.
std::unique_ptr<CLibrary> ReadLibraryFile(const std::string& path);
// The same from a stream of bytes.
std::unique_ptr<CLibrary> ReadLibraryStream(ByteStream& stream);

// Replaces the current library with the one in GetLibraryFilePath(). On failure
// returns false and leaves the current library as it was.
bool LoadLibraryFile();

// Writes a library file atomically (the old file survives any failure).
// Throws ArchiveError.
void SaveLibraryTo(const CLibrary& library, const std::string& path);
// Writes the current library to GetLibraryFilePath(); false on any failure,
// including having no current library.
bool SaveLibraryFile();

}  // namespace kadenzo
