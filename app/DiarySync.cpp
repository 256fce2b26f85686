#include "DiarySync.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "AppContext.h"
#include "Archive.h"
#include "ConflictRows.h"
#include "ConflictedCopies.h"
#include "CoreText.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "MergeDialog.h"
#include "MergeResult.h"
#include "SyncTexts.h"
#include "UserDialogs.h"
#include "VersionMerges.h"

namespace kadenzo {
namespace {

// A file being written makes the watcher speak several times.
constexpr int kSettleMilliseconds = 250;
// What the watcher cannot hear (a network share) shows within this time.
constexpr int kPollMilliseconds = 5000;
// How many versions arriving one after another a save merges before it gives up.
constexpr int kRounds = 3;
const QString kLeftCopies = QStringLiteral("SyncedFolder/LeftCopies");

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromNative(const std::string& path) { return QFile::decodeName(path.c_str()); }
QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

// Sets the flag for a scope; what the watcher hears meanwhile waits.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = was_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

DiarySync::DiarySync(CKadenzoDoc& doc, UserDialogs& dialogs, QSettings& settings)
    : doc_(doc), dialogs_(dialogs), settings_(settings), self_(sync::ThisProcess()) {
    chooser_ = [this](ConflictRows& rows, const QString& intro) {
        CMergeDialog dialog(rows, intro, Texts(), QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    };
    for (QTimer* timer : {&fileTimer_, &folderTimer_}) {
        timer->setSingleShot(true);
        timer->setInterval(kSettleMilliseconds);
    }
    pollTimer_.setInterval(kPollMilliseconds);
    connect(&fileTimer_, &QTimer::timeout, this, &DiarySync::CheckFile);
    connect(&pollTimer_, &QTimer::timeout, this, &DiarySync::CheckFile);
    connect(&folderTimer_, &QTimer::timeout, this, &DiarySync::ScanCopies);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiarySync::OnFileTouched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DiarySync::OnFolderTouched);
}

DiarySync::~DiarySync() { ReleaseLock(); }

TextService DiarySync::Texts() const { return TextService(doc_.Context()); }

void DiarySync::MergeFailed(const std::exception& error) {
    dialogs_.Message(Texts().Format(synctext::kMergeFailed, {QString::fromStdString(error.what())}),
                     UserDialogs::Icon::Error);
}

void DiarySync::SetPollInterval(int milliseconds) {
    pollTimer_.stop();
    pollTimer_.setInterval(std::max(milliseconds, 0));
    if (milliseconds > 0 && file_) pollTimer_.start();
}

bool DiarySync::AskReadOnly(const QString& path) {
    const sync::LockStatus status = sync::LockStateOf(Native(path), self_);
    if (status.state != sync::LockState::HeldHere) return false;
    const QString question =
        Texts().Format(synctext::kLockQuestion,
                       {QDir::toNativeSeparators(path), QString::fromStdString(status.owner.user),
                        QString::fromStdString(status.owner.computer)});
    return dialogs_.AskYesNo(question, UserDialogs::Icon::Question, UserDialogs::Answer::Yes);
}

void DiarySync::Opened(const QString& path, const std::vector<std::uint8_t>& bytes, bool readOnly) {
    ReleaseLock();
    path_ = path;
    file_.emplace(Native(path), Native(backupFolder_));
    Remember(bytes);
    readOnly_ = readOnly;
    holder_ = readOnly ? sync::LockStateOf(Native(path), self_).owner : sync::LockOwner{};
    if (!readOnly_) TakeLock(false);
    diskChanged_ = false;
    copies_.clear();
    Watch();
    if (pollTimer_.interval() > 0) pollTimer_.start();
    ScanCopies();
    SetNotice();
    emit ReadOnlyChanged();
}

void DiarySync::Closed() {
    ReleaseLock();
    file_.reset();
    path_.clear();
    Watch();
    for (QTimer* timer : {&fileTimer_, &folderTimer_, &pollTimer_}) timer->stop();
    const bool wasReadOnly = readOnly_;
    readOnly_ = false;
    holder_ = {};
    diskChanged_ = false;
    copies_.clear();
    SetNotice();
    if (wasReadOnly) emit ReadOnlyChanged();
}

bool DiarySync::BeforeSave(const QString& path) {
    if (readOnly_ && path == path_) {
        dialogs_.Message(Texts().Format(synctext::kReadOnlySave, {QDir::toNativeSeparators(path)}),
                         UserDialogs::Icon::Warning);
        return false;
    }
    if (!file_ || path != path_) return true;
    const BusyScope busy(busy_);
    // Another version may arrive while the merge window is open.
    for (int round = 0; round < kRounds; ++round) {
        if (file_->Check(doc_.MergedMark()) != sync::DiskNews::Changed) return true;
        if (!MergeFromDisk()) return false;
    }
    return file_->Check(doc_.MergedMark()) != sync::DiskNews::Changed;
}

void DiarySync::Saved(const QString& path, const std::vector<std::uint8_t>& bytes) {
    if (!file_ || path != path_) {
        // Save As: from now on the diary is that file.
        ReleaseLock();
        path_ = path;
        file_.emplace(Native(path), Native(backupFolder_));
        const bool wasReadOnly = readOnly_;
        readOnly_ = false;
        holder_ = {};
        TakeLock(false);
        copies_.clear();
        Watch();
        if (pollTimer_.interval() > 0) pollTimer_.start();
        if (wasReadOnly != readOnly_) emit ReadOnlyChanged();
        folderTimer_.start();
    }
    Remember(bytes);
    diskChanged_ = false;
    SetNotice();
}

DiarySync::Notice DiarySync::CurrentNotice() const {
    if (diskChanged_) return Notice::DiskChanged;
    if (!copies_.isEmpty()) return Notice::ConflictedCopy;
    if (readOnly_) return Notice::ReadOnly;
    return Notice::None;
}

QString DiarySync::NoticeText() const {
    switch (CurrentNotice()) {
        case Notice::DiskChanged:
            return Texts().Text(synctext::kDiskChangedNotice);
        case Notice::ConflictedCopy:
            return Texts().Format(synctext::kCopyNotice, {FileName(copies_.front())});
        case Notice::ReadOnly:
            return Texts().Format(
                synctext::kReadOnlyNotice,
                {QString::fromStdString(holder_.user), QString::fromStdString(holder_.computer)});
        case Notice::None:
            break;
    }
    return {};
}

bool DiarySync::MergeDiskChanges() {
    if (!file_ || busy_) return false;
    const BusyScope busy(busy_);
    if (file_->Check(doc_.MergedMark()) != sync::DiskNews::Changed) {
        diskChanged_ = false;
        SetNotice();
        return false;
    }
    if (!MergeFromDisk()) return false;
    emit StatusLine(Texts().Text(synctext::kMergedDisk));
    return true;
}

bool DiarySync::MergeOfferedCopy() {
    if (!file_ || copies_.isEmpty() || busy_) return false;
    const BusyScope busy(busy_);
    const QString copy = copies_.front();
    sync::MergeResult merge;
    try {
        merge = sync::MergeConflictedCopy(file_->Base(), doc_.Image(), ReadWholeFile(Native(copy)));
    } catch (const ArchiveError& e) {
        // Perhaps still arriving: offered again once its folder changes.
        copies_.removeAll(copy);
        SetNotice();
        dialogs_.Message(Texts().Format(synctext::kCopyUnreadable,
                                        {FileName(copy), QString::fromStdString(e.what())}),
                         UserDialogs::Icon::Error);
        return false;
    } catch (const std::exception& e) {
        MergeFailed(e);
        return false;
    }
    const std::optional<std::vector<sync::Choice>> choices =
        Choose(merge, Texts().Format(synctext::kMergeIntroCopy, {FileName(copy)}));
    if (!choices) return false;
    try {
        doc_.ReplaceContents(sync::kStepMergeChanges, std::move(merge).Resolve(*choices),
                             doc_.MergedMark());
    } catch (const std::exception& e) {
        MergeFailed(e);
        return false;
    }
    copies_.removeAll(copy);
    if (backupFolder_.isEmpty()) {
        // Nowhere to move it to: at least it is never merged twice.
        LeaveAlone(copy);
    } else {
        try {
            const std::string moved =
                sync::MoveMergedCopy(Native(copy), Native(path_), Native(backupFolder_));
            emit StatusLine(Texts().Format(
                synctext::kCopyMerged,
                {FileName(copy), QDir::toNativeSeparators(QFileInfo(FromNative(moved)).path())}));
        } catch (const std::exception& e) {
            LeaveAlone(copy);
            dialogs_.Message(
                Texts().Format(synctext::kCopyNotMoved, {QString::fromStdString(e.what())}),
                UserDialogs::Icon::Warning);
        }
    }
    SetNotice();
    return true;
}

void DiarySync::LeaveOfferedCopy() {
    if (copies_.isEmpty()) return;
    LeaveAlone(copies_.takeFirst());
    SetNotice();
}

void DiarySync::EditAnyway() {
    if (!readOnly_) return;
    readOnly_ = false;
    holder_ = {};
    // The other window may have gone meanwhile; if not, this one edits without the lock.
    TakeLock(true);
    ScanCopies();
    SetNotice();
    emit ReadOnlyChanged();
}

void DiarySync::CheckNow() {
    CheckFile();
    ScanCopies();
}

void DiarySync::Watch() {
    if (const QStringList files = watcher_.files(); !files.isEmpty()) watcher_.removePaths(files);
    if (const QStringList folders = watcher_.directories(); !folders.isEmpty())
        watcher_.removePaths(folders);
    if (path_.isEmpty()) return;
    if (QFileInfo::exists(path_)) watcher_.addPath(path_);
    watcher_.addPath(QFileInfo(path_).absolutePath());
}

void DiarySync::OnFileTouched() { fileTimer_.start(); }

void DiarySync::OnFolderTouched() {
    fileTimer_.start();
    folderTimer_.start();
}

void DiarySync::CheckFile() {
    if (!file_) return;
    // A file replaced by a rename is another file: the watcher lets go of it.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
    // While a dialog is open the diary must not change under it; the next
    // event or look at the file comes back to it.
    if (busy_ || QApplication::activeModalWidget()) return;
    const sync::DiskNews news = file_->Check(doc_.MergedMark());
    if (news != sync::DiskNews::Changed) {
        if (diskChanged_ && news == sync::DiskNews::Nothing) {
            diskChanged_ = false;
            SetNotice();
        }
        return;
    }
    if (!doc_.IsModified()) {
        const BusyScope busy(busy_);
        switch (Reload()) {
            case ReloadResult::Done:
            case ReloadResult::Unreadable:  // half written, perhaps: tried again later
                return;
            case ReloadResult::Conflicts:
                break;
        }
    }
    if (!diskChanged_) {
        diskChanged_ = true;
        SetNotice();
    }
}

DiarySync::ReloadResult DiarySync::Reload() {
    std::vector<std::uint8_t> theirs;
    try {
        theirs = file_->Read();
        std::vector<std::uint8_t> mine = doc_.Image();
        DocumentContents contents;
        // The diary as it was read or saved: the file's version is the diary now.
        if (sync::VersionHash(mine) == file_->Remembered().hash) {
            contents = ReadDocument(theirs);
        } else {
            sync::MergeResult merge = sync::MergeChangedFile(file_->Base(), mine, theirs);
            if (!merge.Conflicts().empty()) return ReloadResult::Conflicts;
            const std::vector<sync::Choice> choices = merge.DefaultChoices();
            contents = std::move(merge).Resolve(choices);
        }
        doc_.OnReloadDocument(std::move(contents));
    } catch (const std::exception&) {
        return ReloadResult::Unreadable;
    }
    Remember(theirs);
    diskChanged_ = false;
    SetNotice();
    emit StatusLine(Texts().Text(synctext::kReloaded));
    return ReloadResult::Done;
}

bool DiarySync::MergeFromDisk() {
    std::vector<std::uint8_t> theirs;
    sync::MergeResult merge;
    try {
        theirs = file_->Read();
        merge = sync::MergeChangedFile(file_->Base(), doc_.Image(), theirs);
    } catch (const ArchiveError& e) {
        dialogs_.Message(
            Texts().Format(synctext::kDiskUnreadable,
                           {QDir::toNativeSeparators(path_), QString::fromStdString(e.what())}),
            UserDialogs::Icon::Error);
        return false;
    } catch (const std::exception& e) {
        MergeFailed(e);
        return false;
    }
    const std::optional<std::vector<sync::Choice>> choices =
        Choose(merge, Texts().Text(synctext::kMergeIntroDisk));
    if (!choices) {
        emit StatusLine(Texts().Text(synctext::kMergeCancelled));
        return false;
    }
    try {
        doc_.ReplaceContents(sync::kStepMergeChanges, std::move(merge).Resolve(*choices),
                             sync::VersionHash(theirs));
    } catch (const std::exception& e) {
        MergeFailed(e);
        return false;
    }
    file_->Merged(theirs);
    diskChanged_ = false;
    SetNotice();
    return true;
}

std::optional<std::vector<sync::Choice>> DiarySync::Choose(const sync::MergeResult& merge,
                                                           const QString& intro) {
    if (merge.Conflicts().empty()) return merge.DefaultChoices();
    ConflictRows rows(merge, doc_.Context().units, doc_.Context().Texts());
    if (!chooser_ || !chooser_(rows, intro)) return std::nullopt;
    return rows.Choices();
}

void DiarySync::ScanCopies() {
    // A read-only window leaves the copies to the window that holds the diary.
    if (!file_ || readOnly_) return;
    QStringList found;
    for (const sync::ConflictedCopy& copy : sync::FindConflictedCopies(Native(path_))) {
        const QString path = FromNative(copy.path);
        if (!LeftAlone(path)) found << path;
    }
    // Those offered already keep their places.
    QStringList offered;
    for (const QString& copy : copies_)
        if (found.contains(copy)) offered << copy;
    for (const QString& copy : found)
        if (!offered.contains(copy)) offered << copy;
    if (offered == copies_) return;
    copies_ = offered;
    SetNotice();
}

void DiarySync::TakeLock(bool insist) {
    lockHeld_ = false;
    try {
        const sync::LockStatus found = sync::AcquireLock(Native(path_), self_);
        if (found.state != sync::LockState::HeldHere) {
            lockHeld_ = true;
        } else if (!insist) {
            readOnly_ = true;
            holder_ = found.owner;
        }
    } catch (const std::exception&) {
        // A folder this user cannot write to: no lock, and a save will say why.
    }
}

void DiarySync::ReleaseLock() {
    if (lockHeld_ && !path_.isEmpty()) sync::ReleaseLock(Native(path_), self_);
    lockHeld_ = false;
}

void DiarySync::Remember(const std::vector<std::uint8_t>& bytes) {
    file_->Remember(bytes);
    const std::string& problem = file_->Remembered().problem;
    if (!problem.empty())
        emit StatusLine(
            Texts().Format(synctext::kLastSeenProblem, {QString::fromStdString(problem)}));
}

bool DiarySync::LeftAlone(const QString& copy) const {
    return settings_.value(kLeftCopies).toStringList().contains(copy);
}

void DiarySync::LeaveAlone(const QString& copy) {
    QStringList left;
    // Copies gone since need no entry any more.
    for (const QString& path : settings_.value(kLeftCopies).toStringList())
        if (QFileInfo::exists(path) && path != copy) left << path;
    left << copy;
    settings_.setValue(kLeftCopies, left);
}

void DiarySync::SetNotice() { emit NoticeChanged(); }

}  // namespace kadenzo
