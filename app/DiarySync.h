#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

#include "DiaryLock.h"
#include "MergeResult.h"
#include "OpenDiaryFile.h"
#include "Texts.h"

namespace kadenzo {

class CKadenzoDoc;
class ConflictRows;
class UserDialogs;

// The open diary's file as other writers see it: a sync program, another
// computer, another window of the program. It remembers the version last
// read or written, merges what changed on disk before a save (showing the
// conflicts first), reloads a diary nobody changed here when its file
// changes and offers to merge otherwise, offers the conflicted copies sync
// programs leave beside it, and holds the lock that tells a second window
// the diary is open. What needs an answer some time is its notice, for the
// main window's notice bar.
class DiarySync : public QObject {
    Q_OBJECT
public:
    // Shows the merge window over the rows with the intro; true for OK, the
    // rows then holding the user's choices.
    using MergeChooser = std::function<bool(ConflictRows& rows, const QString& intro)>;

    enum class Notice { None, DiskChanged, ConflictedCopy, ReadOnly };

    DiarySync(CKadenzoDoc& doc, UserDialogs& dialogs, QSettings& settings);
    ~DiarySync() override;

    // Where the version last seen and merged copies go (the backups folder);
    // empty keeps no copy (merges then go two ways) and moves no copy.
    void SetBackupFolder(const QString& folder) { backupFolder_ = folder; }
    void SetMergeChooser(MergeChooser chooser) { chooser_ = std::move(chooser); }
    // How often the file is looked at besides what the watcher hears (a
    // network share may tell nothing); 0 stops looking.
    void SetPollInterval(int milliseconds);

    // Before the diary at path is read: true when a live process of this
    // computer holds its lock and the user chooses to open it read-only.
    bool AskReadOnly(const QString& path);
    // After the document was read from path with these bytes: the lock is
    // taken (unless readOnly), the version remembered, the file watched and
    // the conflicted copies beside it looked for.
    void Opened(const QString& path, const std::vector<std::uint8_t>& bytes, bool readOnly);
    // The document no longer shows a file: the lock goes, watching stops.
    void Closed();

    // Before the document is written to its own file: merges what another
    // writer put there meanwhile, after the merge window where both changed
    // the same thing. False when nothing may be written: read-only (said),
    // the merge cancelled, or the file on disk unreadable (said).
    bool BeforeSave(const QString& path);
    // After the document was written to path (its own file or a new one
    // from Save As) with these bytes.
    void Saved(const QString& path, const std::vector<std::uint8_t>& bytes);

    bool ReadOnly() const { return readOnly_; }
    Notice CurrentNotice() const;
    QString NoticeText() const;

    // The notices' answers; each true when the document changed.
    bool MergeDiskChanges();
    bool MergeOfferedCopy();
    void LeaveOfferedCopy();
    void EditAnyway();

    // Looks at the file and its folder now, as the watcher and the timer do.
    void CheckNow();

signals:
    void NoticeChanged();
    void StatusLine(const QString& text);
    void ReadOnlyChanged();

private:
    TextService Texts() const;
    // Tells the user a merge could not be made, and why.
    void MergeFailed(const std::exception& error);
    void Watch();
    void OnFileTouched();
    void OnFolderTouched();
    void CheckFile();
    void ScanCopies();
    // Takes the lock; a live holder makes the diary read-only unless insisting.
    void TakeLock(bool insist);
    void ReleaseLock();
    void Remember(const std::vector<std::uint8_t>& bytes);
    enum class ReloadResult { Done, Conflicts, Unreadable };
    // Reads the file again as the diary, merged with what the diary holds
    // beyond the version last seen; nothing is done where that conflicts or
    // the file cannot be read.
    ReloadResult Reload();
    // Merges the file's version into the document as one undo step; false
    // when cancelled or failed (said).
    bool MergeFromDisk();
    // The merge window when there are conflicts; the choices, or nothing
    // when the user cancels.
    std::optional<std::vector<sync::Choice>> Choose(const sync::MergeResult& merge,
                                                    const QString& intro);
    bool LeftAlone(const QString& copy) const;
    void LeaveAlone(const QString& copy);
    void SetNotice();

    CKadenzoDoc& doc_;
    UserDialogs& dialogs_;
    QSettings& settings_;
    MergeChooser chooser_;
    QString backupFolder_;
    sync::LockOwner self_;
    QString path_;
    std::optional<sync::OpenDiaryFile> file_;
    bool lockHeld_ = false;
    bool readOnly_ = false;
    sync::LockOwner holder_;  // who holds the lock of a diary opened read-only
    bool diskChanged_ = false;
    QStringList copies_;  // conflicted copies offered, the first one shown
    bool busy_ = false;   // a merge or reload is running (dialogs run events)
    QFileSystemWatcher watcher_;
    QTimer fileTimer_;  // settles a burst of the watcher's events
    QTimer folderTimer_;
    QTimer pollTimer_;
};

}  // namespace kadenzo
