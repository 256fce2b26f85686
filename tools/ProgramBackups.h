#pragma once

#include <string>

namespace kadenzo::tool {

// Where the desktop program keeps the copies of the diaries it replaces, and
// how many of each: "Varnel Software/kadenzo/backups" in the user's data
// folder ($XDG_DATA_HOME, else ~/.local/share), and the setting "[Backups]
// Keep" of its settings file ($XDG_CONFIG_HOME, else ~/.config, "Varnel
// Software/kadenzo.conf"), so that a diary saved by the tool keeps the same
// series of copies. folder is "" when no home folder is known: no copy.
struct ProgramBackups {
    std::string folder;
    int keep = 0;
};
ProgramBackups FindProgramBackups();

// The "[Backups] Keep" value of the settings file's text; fallback when it
// names none (or no number).
int KeepSetting(const std::string& settings, int fallback);

}  // namespace kadenzo::tool
