#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace kadenzo {

// Copies activity files into a diary's recordings folder ("NAME-recordings"
// beside "NAME.kdz"), keeping their names: "-2", "-3" ... before the
// extension when a file of that name with other bytes is there already; a
// file with the same bytes is used again, so an import undone and made again
// leaves no second copy. Each copy is complete or not there at all.
class RecordingCopies {
public:
    // dryRun chooses the names as for real but writes nothing.
    RecordingCopies(const std::string& diaryPath, bool dryRun);

    // The path a workout stores for a copy of bytes named fileName (UTF-8):
    // relative to the diary's folder, Windows-1252. Throws
    // std::runtime_error when the copy cannot be written.
    std::string Copy(std::string_view fileName, const std::string& bytes);

    const std::filesystem::path& Folder() const { return folder_; }

private:
    enum class Slot { kFree, kSameBytes, kTaken };
    Slot Check(const std::string& name, const std::string& bytes) const;

    std::filesystem::path folder_;
    std::string folderName_;
    bool dryRun_;
    // Names a dry run took, with the hash of their bytes.
    std::map<std::string, std::uint64_t> planned_;
};

}  // namespace kadenzo
