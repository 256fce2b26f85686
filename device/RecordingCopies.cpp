#include "RecordingCopies.h"

#include <stdexcept>

#include "AtomicFile.h"
#include "Cp1252.h"
#include "FileIdentity.h"
#include "RecordingFile.h"
#include "RecordingPaths.h"

namespace kadenzo {
namespace fs = std::filesystem;
namespace {

constexpr int kMaxNumberedNames = 1000;

// "run.fit", "run-2.fit", "run-3.fit" ...
std::string NumberedName(const std::string& name, int number) {
    if (number == 1) return name;
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return name.substr(0, cut) + "-" + std::to_string(number) + name.substr(cut);
}

}  // namespace

RecordingCopies::RecordingCopies(const std::string& diaryPath, bool dryRun)
    : folder_(fs::path(diaryPath).parent_path() / RecordingsFolderName(diaryPath)),
      folderName_(RecordingsFolderName(diaryPath)),
      dryRun_(dryRun) {}

RecordingCopies::Slot RecordingCopies::Check(const std::string& name,
                                             const std::string& bytes) const {
    if (auto planned = planned_.find(name); planned != planned_.end())
        return planned->second == ContentHash(bytes) ? Slot::kSameBytes : Slot::kTaken;
    const fs::path path = folder_ / name;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return Slot::kFree;
    if (!fs::is_regular_file(status) || fs::file_size(path, error) != bytes.size() || error)
        return Slot::kTaken;
    std::optional<std::string> there = ReadRecordingFile(path.string());
    return there && *there == bytes ? Slot::kSameBytes : Slot::kTaken;
}

std::string RecordingCopies::Copy(std::string_view fileName, const std::string& bytes) {
    const std::string name = StorableFileName(fileName);
    for (int number = 1; number <= kMaxNumberedNames; ++number) {
        const std::string candidate = NumberedName(name, number);
        const Slot slot = Check(candidate, bytes);
        if (slot == Slot::kTaken) continue;
        if (slot == Slot::kFree) {
            if (dryRun_) {
                planned_[candidate] = ContentHash(bytes);
            } else {
                std::error_code error;
                fs::create_directories(folder_, error);
                if (error)
                    throw std::runtime_error("cannot make the folder '" + folder_.string() +
                                             "': " + error.message());
                WriteFileAtomically((folder_ / candidate).string(),
                                    [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
            }
        }
        return Utf8ToCp1252(folderName_ + "/" + candidate);
    }
    throw std::runtime_error("the folder '" + folder_.string() + "' holds too many files named '" +
                             name + "'");
}

}  // namespace kadenzo
