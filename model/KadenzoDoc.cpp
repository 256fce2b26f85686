#include "KadenzoDoc.h"

#include <algorithm>
#include <limits>

#include "AppContext.h"
#include "AtomicFile.h"
#include "DocumentFile.h"
#include "Library.h"

namespace kadenzo {

namespace {

// Replaces the first integer conversion of a numbered text by the number. The
// texts come from language files, so they are never used as printf formats.
std::string FormatCount(std::string text, std::size_t count) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        char conversion = text[i + 1];
        if (conversion == 'd' || conversion == 'i' || conversion == 'u')
            return text.replace(i, 2, std::to_string(count));
        if (conversion == '%') ++i;
    }
    return text;
}

}  // namespace

CKadenzoDoc::CKadenzoDoc(DocumentPrompts* prompts)
    : birthDate(0), prompts_(prompts), log_(std::make_unique<CDatabase>()) {
    birthDate = CurrentTimeStamp();
    App().log = log_.get();
    log_->SetDocument(this);
}

CKadenzoDoc::~CKadenzoDoc() {
    log_->DeleteContents();
    AppContext& app = App();
    if (app.log == log_.get()) app.log = nullptr;
    if (app.document == this) app.document = nullptr;
    app.library.reset();
}

std::int32_t CKadenzoDoc::CurrentTimeStamp() const {
    std::int64_t now = App().Now();
    now = std::clamp<std::int64_t>(now, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(now);
}

void CKadenzoDoc::AddObserver(DocumentObserver* observer) { observers_.push_back(observer); }

void CKadenzoDoc::RemoveObserver(DocumentObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void CKadenzoDoc::UpdateAllViews(DocumentChange change) {
    // A copy: an observer may unregister itself while being told.
    std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->OnDocumentChanged(change);
}

void CKadenzoDoc::DeleteContents() {
    log_->DeleteContents();
    maxHeartRate = 0;
    hrFormula = -1;
    birthDate = CurrentTimeStamp();
    libraryReplaced = false;
    SetTitle({});
}

void CKadenzoDoc::OnNewDocument() {
    DeleteContents();
    undo_.clear();
    redo_.clear();
    path_.clear();
    SetModifiedFlag(false);
    Checkpoint();
    UpdateAllViews();
}

bool CKadenzoDoc::OnOpenDocument(const std::string& path, std::string* error) {
    try {
        Load(ReadWholeFile(path));
    } catch (const ArchiveError& e) {
        if (error) *error = e.what();
        return false;
    }
    undo_.clear();
    redo_.clear();
    path_ = path;
    SetModifiedFlag(false);
    PromptForProfile();
    Checkpoint();
    UpdateAllViews();
    return true;
}

bool CKadenzoDoc::OnSaveDocument(const std::string& path, std::string* error) {
    try {
        WriteFileAtomically(path, [this](CArchive& ar) { Store(ar); });
    } catch (const ArchiveError& e) {
        if (error) *error = e.what();
        return false;
    }
    path_ = path;
    SetModifiedFlag(false);
    return true;
}

void CKadenzoDoc::Store(CArchive& ar) {
    AppContext& app = App();
    if (!app.library) app.library = std::make_unique<CLibrary>();
    WriteDocument(ar, birthDate, maxHeartRate, hrFormula, *app.library, *log_);
}

void CKadenzoDoc::Load(const std::vector<std::uint8_t>& bytes) {
    DocumentContents contents = ReadDocument(bytes);

    // Library reconciliation: the same library (by fingerprint) stays silently;
    // otherwise the user chooses which one stays.
    AppContext& app = App();
    bool replace = false;
    if (!app.library) {
        replace = true;
    } else if (app.library->Fingerprint() != contents.library->Fingerprint()) {
        if (app.library->computerName == contents.library->computerName) {
            replace = prompts_ &&
                      prompts_->Ask(kMsgLibraryChangedHere, app.Text(kMsgLibraryChangedHere)) ==
                          DocumentPrompts::Answer::No;
        } else {
            replace = prompts_ &&
                      prompts_->Ask(kMsgLibraryFromElsewhere, app.Text(kMsgLibraryFromElsewhere)) ==
                          DocumentPrompts::Answer::Yes;
        }
    }
    CLibrary* library = replace ? contents.library.get() : app.library.get();
    CDatabase::DropCounts dropped = contents.log->RemoveInvalid(library);

    // Everything is read: only now does this document change.
    DeleteContents();
    if (replace) app.library = std::move(contents.library);
    log_ = std::move(contents.log);
    app.log = log_.get();
    log_->SetDocument(this);
    birthDate = contents.birthDate;
    maxHeartRate = contents.maxHeartRate;
    hrFormula = contents.hrFormula;
    app.library->SortSportsByUsage(*log_);
    libraryReplaced = replace;
    lastDropped = dropped;
    SetTitle({});
    ReportDropped(dropped.Total());
}

void CKadenzoDoc::SetContents(DocumentContents contents) {
    DeleteContents();
    AppContext& app = App();
    app.library = contents.library ? std::move(contents.library) : std::make_unique<CLibrary>();
    if (contents.log) log_ = std::move(contents.log);
    app.log = log_.get();
    log_->SetDocument(this);
    birthDate = contents.birthDate;
    maxHeartRate = contents.maxHeartRate;
    hrFormula = contents.hrFormula;
    lastDropped = {};
    undo_.clear();
    redo_.clear();
    SetTitle({});
    UpdateAllViews();
}

void CKadenzoDoc::ReportDropped(std::size_t count) {
    if (count == 0 || !prompts_) return;
    AppContext& app = App();
    if (count == 1)
        prompts_->Warn(kMsgDroppedOneRecord, app.Text(kMsgDroppedOneRecord));
    else
        prompts_->Warn(kMsgDroppedRecords, FormatCount(app.Text(kMsgDroppedRecords), count));
}

const CLibrary& CKadenzoDoc::Library() const {
    AppContext& app = App();
    if (!app.library) app.library = std::make_unique<CLibrary>();
    return *app.library;
}

std::string CKadenzoDoc::Title() const {
    return log_->name.empty() ? App().Text(kTextDefaultTitle) : log_->name;
}

void CKadenzoDoc::SetTitle(std::string_view) { UpdateAllViews(DocumentChange::Title); }

void CKadenzoDoc::SetModifiedFlag(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    UpdateAllViews(DocumentChange::Modified);
}

std::int32_t CKadenzoDoc::MaxHeartRate(const CWorkOut& workout) const {
    CDatabase& log = *log_;
    CDatabase::WorkoutPos next = log.FirstWorkoutFrom(workout.date);
    // A workout after all others takes the profile's value.
    if (next != log.EndWorkouts()) {
        for (auto it = next; it != log.BeginWorkouts();) {
            --it;
            if ((*it)->maxPulseTest) return (*it)->maxPulse;
        }
    }
    if (maxHeartRate > 20) return maxHeartRate;
    const std::int32_t age = AgeInYears();
    if (hrFormula == 0) return 220 - age;
    if (hrFormula == 1) return 210 - age;
    return 0;
}

std::int32_t CKadenzoDoc::AgeInYears() const {
    std::int64_t seconds = static_cast<std::int64_t>(App().Now()) - birthDate;
    return static_cast<std::int32_t>(seconds / 86400 / 365);
}

void CKadenzoDoc::PromptForProfile() {
    if (maxHeartRate != 0 || hrFormula != -1 || AgeInYears() >= 5 || !prompts_) return;
    Checkpoint();
    AthleteProfile profile{maxHeartRate, hrFormula, birthDate};
    prompts_->EditProfile(profile);
    maxHeartRate = profile.maxHeartRate;
    hrFormula = profile.hrFormula;
    birthDate = profile.birthDate;
    SetModifiedFlag(true);
}

CKadenzoDoc::Snapshot CKadenzoDoc::TakeSnapshot() {
    // Reserve what the last state needed, in growth steps, to avoid reallocations.
    std::size_t expected = undo_.empty() ? 0 : undo_.front().size();
    Snapshot bytes;
    bytes.reserve((expected / kSnapshotGrowth + 1) * kSnapshotGrowth);
    MemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::Mode::Store);
    Store(ar);
    ar.Close();
    Snapshot snapshot = stream.TakeBytes();
    if (snapshot.capacity() - snapshot.size() > 2 * kSnapshotGrowth) snapshot.shrink_to_fit();
    return snapshot;
}

void CKadenzoDoc::Restore(const Snapshot& snapshot) { Load(snapshot); }

void CKadenzoDoc::Checkpoint() {
    Snapshot snapshot = TakeSnapshot();
    if (undo_.size() > maxUndo) undo_.pop_back();
    undo_.push_front(std::move(snapshot));
    redo_.clear();
}

void CKadenzoDoc::Undo() {
    if (undo_.size() > 1) {
        redo_.push_front(std::move(undo_.front()));
        undo_.pop_front();
        Restore(undo_.front());
    }
    UpdateAllViews();
}

void CKadenzoDoc::Redo() {
    if (!redo_.empty()) {
        Snapshot snapshot = std::move(redo_.front());
        redo_.pop_front();
        if (undo_.size() > maxUndo) undo_.pop_back();
        undo_.push_front(std::move(snapshot));
        Restore(undo_.front());
    }
    UpdateAllViews();
}

std::size_t CKadenzoDoc::SnapshotBytes() const {
    std::size_t total = 0;
    for (const Snapshot& s : undo_) total += s.capacity();
    for (const Snapshot& s : redo_) total += s.capacity();
    return total;
}

}  // namespace kadenzo
