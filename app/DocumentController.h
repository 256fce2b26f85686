#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>

#include "AppSettings.h"
#include "DocumentObserver.h"
#include "DocumentPrompts.h"
#include "Texts.h"

namespace kadenzo {

struct AppContext;
class CKadenzoDoc;
class DiarySync;
class UserDialogs;

// The document in the desktop program: new, open, save, save as and the recent
// files around the one CKadenzoDoc; asks to save a modified diary before it is
// closed or replaced; answers the document's questions with message boxes and
// the profile dialog; turns document changes into Qt signals for the frame.
// Its DiarySync keeps the open file in step with other writers: a save merges
// what changed on disk first, and a second window opens the diary read-only.
class DocumentController : public QObject, public DocumentPrompts, public DocumentObserver {
    Q_OBJECT
public:
    // The document works with the application's library, units, texts and
    // clock in `context`, which outlives the controller.
    DocumentController(UserDialogs& dialogs, QSettings& settings, AppContext& context);
    ~DocumentController() override;

    CKadenzoDoc& Doc() const { return *doc_; }
    // The open file as other writers see it: its notices and their answers.
    DiarySync& Sync() const { return *sync_; }
    // The texts of the document's context.
    TextService Texts() const;
    // The file of the open diary; empty for a new one.
    QString PathName() const { return pathName_; }
    // The diary's title (the training log's name or the untitled text).
    QString Title() const;
    bool IsModified() const;
    RecentFileList& RecentFiles() { return recentFiles_; }

    // File New: after asking to save, an empty diary.
    bool NewDocument();
    // File Open: asks for a file, then OpenDocumentFile.
    bool OpenDocument();
    // Opens a diary after asking to save the current one. A file that cannot
    // be read is reported and leaves a new empty diary.
    bool OpenDocumentFile(const QString& path);
    // Save to the diary's file, or Save As for a new one or one open
    // read-only.
    bool Save();
    bool SaveAs();
    // Writes the diary to path (atomically); reports and returns false on
    // failure. Into its own file it first merges what another writer saved
    // there meanwhile; it refuses a diary open read-only. The file it
    // replaces is first kept in the backups folder.
    bool SaveTo(const QString& path);
    // Where the copies of replaced diary files go; empty keeps none. How many
    // of each diary are kept is the setting "Backups"/"Keep" (10; 0: none).
    // The version last read or written, and merged conflicted copies, go
    // there too, whatever the setting.
    void SetBackupFolder(const QString& folder);
    const QString& BackupFolder() const { return backupFolder_; }
    // Asks whether to save a modified diary: true to go on (saved or
    // discarded), false when the user cancels or the save fails.
    bool SaveModified();

    // The athlete profile command: the profile dialog with the document's
    // values; OK stores them as one change.
    bool EditProfileCommand();
    // The training log name; the title follows.
    bool SetLogName(const QString& name);
    // Undo and redo of the last change; the diary then differs from the file.
    void Undo();
    void Redo();

    // DocumentPrompts: message boxes and the profile dialog.
    Answer Ask(std::uint32_t messageId, const std::string& text) override;
    void Warn(std::uint32_t messageId, const std::string& text) override;
    void EditProfile(AthleteProfile& profile) override;
    // DocumentObserver: forwarded as signals.
    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplaced() override;

signals:
    // Any change of the data, the title or the modified flag.
    void Changed(const kadenzo::DocumentChange& change);
    void TitleChanged();
    void RecentFilesChanged();
    // The diary was written to path (absolute) and is unmodified now: what
    // a feature keeps beside the diary follows it here. Nothing it does can
    // undo the save.
    void Saved(const QString& path);

private:
    void AddRecent(const QString& path);

    UserDialogs& dialogs_;
    QSettings& settings_;
    std::unique_ptr<CKadenzoDoc> doc_;
    std::unique_ptr<DiarySync> sync_;  // goes before the document it works on
    QString pathName_;
    QString backupFolder_;
    RecentFileList recentFiles_;
};

}  // namespace kadenzo
