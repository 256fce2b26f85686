#include "ActivityFiles.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "RecordingFile.h"

namespace kadenzo {
namespace fs = std::filesystem;

std::vector<FoundFile> FindActivityFiles(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator top(folder, error);
    if (error)
        throw std::runtime_error("cannot read the folder '" + folder + "': " + error.message());
    std::vector<FoundFile> found;
    const fs::path root(folder);
    // Each folder by itself, so that one that vanishes or cannot be listed
    // (a device unplugged, a folder of another user) leaves the others.
    auto walk = [&](auto& self, fs::directory_iterator it, int depth) -> void {
        std::error_code step;
        for (const fs::directory_iterator end; !step && it != end; it.increment(step)) {
            std::error_code typeError;
            const fs::file_status own = it->symlink_status(typeError);
            if (fs::is_directory(own)) {
                if (depth >= kActivityFolderDepth) continue;
                std::error_code open;
                fs::directory_iterator inner(it->path(), open);
                if (!open) self(self, std::move(inner), depth + 1);
                continue;
            }
            const std::string fileName = it->path().filename().string();
            if (!IsRecordingFileName(fileName) || !it->is_regular_file(typeError)) continue;
            found.push_back({it->path().string(),
                             it->path().lexically_relative(root).generic_string(),
                             IsFitFileName(fileName)});
        }
    };
    walk(walk, std::move(top), 0);
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    return found;
}

}  // namespace kadenzo
