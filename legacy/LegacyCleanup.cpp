#include "LegacyCleanup.h"

#include <odbcinst.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace kadenzo {
namespace {

// Whether a NUL-separated list (sections or entries of an ini file) holds the
// name; ini names compare case-insensitively.
bool ListHolds(const std::vector<char>& list, int length, const std::string& name) {
    std::size_t start = 0;
    const auto end = static_cast<std::size_t>(length < 0 ? 0 : length);
    while (start < end && start < list.size()) {
        const std::string_view item(list.data() + start);
        if (item.size() == name.size() &&
            std::equal(item.begin(), item.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return true;
        start += item.size() + 1;
    }
    return false;
}

// Section names (section null) or entry names of a section in the user's odbc.ini.
bool UserIniHolds(const char* section, const std::string& name) {
    std::vector<char> list(64 * 1024, '\0');
    const int length = SQLGetPrivateProfileString(section, nullptr, "", list.data(),
                                                  static_cast<int>(list.size() - 1), "odbc.ini");
    return ListHolds(list, length, name);
}

void RemoveUserDataSource(const std::string& dataSource) {
    UWORD previousMode = ODBC_BOTH_DSN;
    if (!SQLGetConfigMode(&previousMode)) previousMode = ODBC_BOTH_DSN;
    if (!SQLSetConfigMode(ODBC_USER_DSN)) return;
    // Checked first so that a user without any odbc.ini does not get an
    // empty one written.
    if (UserIniHolds("ODBC Data Sources", dataSource))
        SQLWritePrivateProfileString("ODBC Data Sources", dataSource.c_str(), nullptr, "odbc.ini");
    if (UserIniHolds(nullptr, dataSource))
        SQLWritePrivateProfileString(dataSource.c_str(), nullptr, nullptr, "odbc.ini");
    SQLSetConfigMode(previousMode);
}

}  // namespace

void KeepUserDataSourcesInHome() {
    const char* named = std::getenv("ODBCINI");
    if (named && *named) return;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return;
    const std::string ini = std::string(home) + "/.odbc.ini";
    setenv("ODBCINI", ini.c_str(), 1);
}

void RemoveLegacyDatabase(const std::string& dataSource, const std::string& programDirectory) {
    if (!dataSource.empty()) RemoveUserDataSource(dataSource);

    const std::string& folder = programDirectory;
    if (folder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(folder + "database.mdb", ignored);
    std::filesystem::remove(folder + "database_be.mdb", ignored);
}

}  // namespace kadenzo
