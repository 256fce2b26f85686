#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kadenzo {

// Devices keep their activities in folders of their own (GARMIN/Activity,
// Polar's folders by date); the import looks this many folders below the
// folder it is given, and no further.
inline constexpr int kActivityFolderDepth = 4;

// An activity file found below a device folder.
struct FoundFile {
    std::string path;  // the full path, as the file system names it
    std::string name;  // below the device folder, "/" between folders
    bool fit = false;  // a ".fit" file
};

// Every activity file below folder (every recording the readers take, by its
// extension in any letter case), down to kActivityFolderDepth folders, by
// name. Links to folders are not followed and folders that cannot be read are
// passed over. Throws std::runtime_error when folder itself cannot be read.
std::vector<FoundFile> FindActivityFiles(const std::string& folder);

}  // namespace kadenzo
