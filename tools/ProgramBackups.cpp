#include "ProgramBackups.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "DocumentBackups.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kOrganisation = "Varnel Software";
constexpr const char* kProgram = "kadenzo";

// An XDG folder: the variable when it names an absolute path, else the
// folder below the home folder; "" without either.
std::string XdgFolder(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') return {};
    return std::string(home) + "/" + belowHome;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

int KeepSetting(const std::string& settings, int fallback) {
    std::istringstream lines(settings);
    std::string line;
    bool inBackups = false;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.starts_with('[')) {
            inBackups = line == "[Backups]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inBackups || equals == std::string::npos || Trimmed(line.substr(0, equals)) != "Keep")
            continue;
        const std::string value = Trimmed(line.substr(equals + 1));
        int keep = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), keep);
        if (error == std::errc() && end == value.data() + value.size()) return keep;
    }
    return fallback;
}

ProgramBackups FindProgramBackups() {
    ProgramBackups backups;
    const std::string data = XdgFolder("XDG_DATA_HOME", ".local/share");
    if (!data.empty()) backups.folder = data + "/" + kOrganisation + "/" + kProgram + "/backups";
    backups.keep = kDefaultBackupCount;
    const std::string config = XdgFolder("XDG_CONFIG_HOME", ".config");
    if (config.empty()) return backups;
    std::ifstream file(config + "/" + kOrganisation + "/" + kProgram + ".conf");
    if (!file) return backups;
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    backups.keep = KeepSetting(text, kDefaultBackupCount);
    return backups;
}

}  // namespace kadenzo::tool
