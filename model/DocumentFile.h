#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Archive.h"

namespace kadenzo {

class CDatabase;
class CLibrary;

// The text the new document format begins with, without length or terminator.
inline constexpr std::string_view kDocumentMagic = "KADENZO2002";
// The format word of a file without the magic text (read only).
inline constexpr std::int32_t kOldFormatWord = -1;

// Everything a document file holds, read into new objects. The log is as stored:
// records whose library items are missing are still in it (see
// CDatabase::RemoveInvalid).
struct DocumentContents {
    std::int32_t formatWord = 0;
    std::int32_t birthDate = 0;
    std::int32_t maxHeartRate = 0;
    std::int32_t hrFormula = -1;
    std::unique_ptr<CLibrary> library;
    std::unique_ptr<CDatabase> log;
};

// Reads a document file in the new format or, without the magic text, in the
// old one. Throws ArchiveError on any malformed input.
DocumentContents ReadDocument(const std::vector<std::uint8_t>& bytes);
// The same from a file, streamed through the archive's buffer, so that even a
// large diary is never held twice in memory.
DocumentContents ReadDocumentFile(const std::string& path);
// Writes the new format: magic, format word 0, profile, library and log by
// reference in one archive, exactly as the records are.
void WriteDocument(CArchive& ar, std::int32_t birthDate, std::int32_t maxHeartRate,
                   std::int32_t hrFormula, const CLibrary& library, CDatabase& log);
// The whole file; throws ArchiveError when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace kadenzo
