#include "DocumentController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "AppContext.h"
#include "CoreText.h"
#include "DialogTexts.h"
#include "DiarySync.h"
#include "DocumentBackups.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "SyncTexts.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString DiaryFilter(const TextService& texts) {
    return texts.TextOr(dialogtext::kDiaryFilter,
                        QStringLiteral("Kadenzo diaries (*.kdz);;All files (*)"));
}

}  // namespace

DocumentController::DocumentController(UserDialogs& dialogs, QSettings& settings,
                                       AppContext& context)
    : dialogs_(dialogs),
      settings_(settings),
      doc_(std::make_unique<CKadenzoDoc>(context, this)),
      sync_(std::make_unique<DiarySync>(*doc_, dialogs_, settings_)) {
    doc_->AddObserver(this);
    recentFiles_.Read(settings_);
    connect(sync_.get(), &DiarySync::ReadOnlyChanged, this, &DocumentController::TitleChanged);
}

DocumentController::~DocumentController() {
    sync_.reset();
    doc_->RemoveObserver(this);
}

void DocumentController::SetBackupFolder(const QString& folder) {
    backupFolder_ = folder;
    sync_->SetBackupFolder(folder);
}

QString DocumentController::Title() const { return FromBytes(doc_->Title()); }

bool DocumentController::IsModified() const { return doc_->IsModified(); }

bool DocumentController::NewDocument() {
    if (!SaveModified()) return false;
    doc_->OnNewDocument();
    sync_->Closed();
    pathName_.clear();
    emit TitleChanged();
    return true;
}

bool DocumentController::OpenDocument() {
    const QString path = dialogs_.OpenFileName(DiaryFilter(Texts()));
    if (path.isEmpty()) return false;
    return OpenDocumentFile(path);
}

bool DocumentController::OpenDocumentFile(const QString& path) {
    if (!SaveModified()) return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool readOnly = sync_->AskReadOnly(absolute);
    std::string error;
    std::vector<std::uint8_t> bytes;
    if (!doc_->OnOpenDocument(ToPath(path), &error, &bytes)) {
        // The diary on screen stays as it was; the file stays in the recent
        // list only when it still exists.
        dialogs_.Message(
            FormatText(Texts().TextOr(dialogtext::kOpenFailed,
                                      QStringLiteral("The diary %s could not be opened.\n%s")),
                       {QDir::toNativeSeparators(path), QString::fromStdString(error)}),
            UserDialogs::Icon::Error);
        if (!QFileInfo::exists(path)) {
            recentFiles_.Remove(path);
            recentFiles_.Write(settings_);
            emit RecentFilesChanged();
        }
        return false;
    }
    pathName_ = absolute;
    sync_->Opened(pathName_, bytes, readOnly);
    AddRecent(pathName_);
    emit TitleChanged();
    return true;
}

bool DocumentController::Save() {
    if (pathName_.isEmpty()) return SaveAs();
    if (sync_->ReadOnly()) {
        dialogs_.Message(
            Texts().Format(synctext::kReadOnlySave, {QDir::toNativeSeparators(pathName_)}),
            UserDialogs::Icon::Information);
        return SaveAs();
    }
    return SaveTo(pathName_);
}

bool DocumentController::SaveAs() {
    QString suggested = pathName_;
    if (suggested.isEmpty()) suggested = Title() + QStringLiteral(".kdz");
    const QString path =
        dialogs_.SaveFileName(suggested, DiaryFilter(Texts()), QStringLiteral("kdz"));
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

bool DocumentController::SaveTo(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!sync_->BeforeSave(absolute)) return false;
    // A copy of the file about to be replaced; its failure never stops the save.
    BackupResult backup;
    if (!backupFolder_.isEmpty()) {
        const int keep = settings_.value(QStringLiteral("Backups/Keep"), kDefaultBackupCount).toInt();
        backup = BackUpBeforeSave(ToPath(path), ToPath(backupFolder_), doc_->Context().Now(), keep);
    }
    std::string error;
    std::vector<std::uint8_t> written;
    if (!doc_->OnSaveDocument(ToPath(path), &error, &written)) {
        dialogs_.Message(
            FormatText(Texts().TextOr(dialogtext::kSaveFailed,
                                      QStringLiteral("The diary could not be saved as %s.\n%s")),
                       {QDir::toNativeSeparators(path), QString::fromStdString(error)}),
            UserDialogs::Icon::Error);
        return false;
    }
    pathName_ = absolute;
    sync_->Saved(pathName_, written);
    AddRecent(pathName_);
    emit TitleChanged();
    if (!backup.problem.empty()) {
        dialogs_.Message(
            FormatText(Texts().TextOr(dialogtext::kBackupFailed,
                                      QStringLiteral("The diary was saved, but no backup "
                                                     "copy of the old file was kept.\n%s")),
                       {QString::fromStdString(backup.problem)}),
            UserDialogs::Icon::Warning);
    }
    emit Saved(pathName_);
    return true;
}

bool DocumentController::SaveModified() {
    if (!doc_->IsModified()) return true;
    const QString question = FormatText(
        Texts().TextOr(dialogtext::kSaveChanges, QStringLiteral("Save changes to %s?")), {Title()});
    switch (dialogs_.AskYesNoCancel(question)) {
        case UserDialogs::Answer::Yes:
            return Save();
        case UserDialogs::Answer::No:
            return true;
        case UserDialogs::Answer::Cancel:
            break;
    }
    return false;
}

bool DocumentController::EditProfileCommand() {
    AthleteProfile profile = doc_->Profile();
    if (!dialogs_.EditProfile(profile, false)) return false;
    edit::SetProfile(*doc_, profile);
    return true;
}

TextService DocumentController::Texts() const { return TextService(doc_->Context()); }

bool DocumentController::SetLogName(const QString& name) {
    return edit::SetLogName(*doc_, ToBytes(name));
}

void DocumentController::Undo() { doc_->Undo(); }

void DocumentController::Redo() { doc_->Redo(); }

DocumentPrompts::Answer DocumentController::Ask(std::uint32_t, const std::string& text) {
    return dialogs_.AskYesNo(FromBytes(text), UserDialogs::Icon::Question) ? Answer::Yes
                                                                           : Answer::No;
}

void DocumentController::Warn(std::uint32_t, const std::string& text) {
    dialogs_.Message(FromBytes(text), UserDialogs::Icon::Warning);
}

void DocumentController::EditProfile(AthleteProfile& profile) {
    dialogs_.EditProfile(profile, true);
}

void DocumentController::OnDocumentChanged(const DocumentChange& change) {
    emit Changed(change);
    if (change.Has(DocumentChange::kTitle | DocumentChange::kModified)) emit TitleChanged();
}

void DocumentController::OnDocumentReplaced() {
    emit Changed(DocumentChange::Everything());
    emit TitleChanged();
}

void DocumentController::AddRecent(const QString& path) {
    recentFiles_.Add(path);
    recentFiles_.Write(settings_);
    emit RecentFilesChanged();
}

}  // namespace kadenzo
