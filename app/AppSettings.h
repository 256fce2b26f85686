#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

#include "Units.h"

namespace kadenzo {

// The per-user settings store: organisation "Varnel Software", application =
// the program file's name. Sections and entries keep their historical names.
std::unique_ptr<QSettings> OpenSettings();
// Where saving keeps copies of replaced diaries: "Varnel Software/<program>/
// backups" in the user's data folder ($XDG_DATA_HOME, ~/.local/share).
QString BackupFolder();

// "Localization"/"Distance" and "Weight"; missing values read as 0.
UnitSettings ReadUnitSettings(QSettings& settings);
void WriteUnitSettings(QSettings& settings, const UnitSettings& units);

// The most-recently-used file list, newest first, at most kMaxEntries.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;

    void Read(QSettings& settings);
    void Write(QSettings& settings) const;
    // Moves or puts path at the top, dropping the oldest beyond the limit.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return files_; }

private:
    QStringList files_;
};

}  // namespace kadenzo
