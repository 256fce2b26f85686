#include "KadenzoDoc.h"

#include <algorithm>
#include <limits>

#include "AtomicFile.h"
#include "DateTime.h"
#include "DocumentEdits.h"
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

CKadenzoDoc::CKadenzoDoc(AppContext& context, DocumentPrompts* prompts)
    : context_(context), prompts_(prompts), log_(std::make_unique<CDatabase>()) {
    profile_.birthDate = CurrentTimeStamp();
}

CKadenzoDoc::~CKadenzoDoc() = default;

std::int32_t CKadenzoDoc::CurrentTimeStamp() const {
    std::int64_t now = context_.Now();
    now = std::clamp<std::int64_t>(now, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(now);
}

void CKadenzoDoc::AddObserver(DocumentObserver* observer) { observers_.push_back(observer); }

void CKadenzoDoc::RemoveObserver(DocumentObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// The observer list is copied: an observer may unregister itself while being told.
void CKadenzoDoc::Notify(const DocumentChange& change) {
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->OnDocumentChanged(change);
}

void CKadenzoDoc::NotifyReplacing() {
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->OnDocumentReplacing();
}

void CKadenzoDoc::NotifyReplaced() {
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->OnDocumentReplaced();
}

void CKadenzoDoc::Clear() {
    log_->DeleteContents();
    profile_ = AthleteProfile{};
    profile_.birthDate = CurrentTimeStamp();
    libraryReplaced_ = false;
    lastDropped_ = {};
}

void CKadenzoDoc::OnNewDocument() {
    NotifyReplacing();
    Clear();
    history_.Clear();
    path_.clear();
    modified_ = false;
    Checkpoint();
    NotifyReplaced();
}

bool CKadenzoDoc::OnOpenDocument(const std::string& path, std::string* error,
                                 std::vector<std::uint8_t>* bytesRead) {
    Loaded loaded;
    std::vector<std::uint8_t> bytes;
    try {
        if (bytesRead) {
            bytes = ReadWholeFile(path);
            loaded = Read(ReadDocument(bytes), true);
        } else {
            loaded = Read(ReadDocumentFile(path), true);
        }
    } catch (const ArchiveError& e) {
        if (error) *error = e.what();
        return false;
    }
    const bool replaced = loaded.replaceLibrary;
    NotifyReplacing();
    Install(std::move(loaded));
    libraryReplaced_ = replaced;
    history_.Clear();
    path_ = path;
    modified_ = false;
    Checkpoint();
    NotifyReplaced();
    if (bytesRead) *bytesRead = std::move(bytes);
    // Only now that every view shows the new log may a message box let them paint.
    ReportDropped();
    PromptForProfile();
    return true;
}

bool CKadenzoDoc::OnSaveDocument(const std::string& path, std::string* error,
                                 std::vector<std::uint8_t>* written) {
    edit::FixDueTargets(*this);
    try {
        if (written) {
            std::vector<std::uint8_t> bytes = Image();
            WriteFileAtomically(path,
                                [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
            *written = std::move(bytes);
        } else {
            WriteFileAtomically(path, [this](CArchive& ar) { Store(ar); });
        }
    } catch (const ArchiveError& e) {
        if (error) *error = e.what();
        return false;
    }
    path_ = path;
    SetModifiedFlag(false);
    return true;
}

std::vector<std::uint8_t> CKadenzoDoc::Image() {
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    Store(ar);
    ar.Close();
    return stream.TakeBytes();
}

void CKadenzoDoc::OnReloadDocument(DocumentContents contents) {
    Loaded loaded = Read(std::move(contents), false);
    NotifyReplacing();
    Install(std::move(loaded));
    libraryReplaced_ = true;
    history_.Clear();
    modified_ = false;
    Checkpoint();
    NotifyReplaced();
    ReportDropped();
}

void CKadenzoDoc::ReplaceContents(std::uint32_t stepName, DocumentContents contents,
                                  std::uint64_t mark) {
    // The head of the history is the state to return to should this fail.
    if (history_.UndoCount() == 0) Checkpoint();
    Loaded loaded = Read(std::move(contents), false);
    NotifyReplacing();
    try {
        Install(std::move(loaded));
        history_.Push(TakeSnapshot(), stepName, mark);
    } catch (...) {
        Install(Read(ReadDocument(history_.Current()), false));
        NotifyReplaced();
        throw;
    }
    modified_ = true;
    NotifyReplaced();
}

std::optional<DocumentChange> CKadenzoDoc::FixDueTargets() {
    const double now = context_.NowAsDateTime();
    const CWorkOut::MaxHeartRateOf maxHeartRate = [this](const CWorkOut& w) {
        return MaxHeartRate(w);
    };
    std::optional<DocumentChange> change;
    for (auto it = log_->BeginWorkouts(); it != log_->EndWorkouts(); ++it) {
        if (!(*it)->FixTargetsIfDue(now, *context_.library, maxHeartRate)) continue;
        if (!change) change = DocumentChange::Of(DocumentChange::kWorkouts);
        change->AddDays(DayNumber((*it)->date), DayNumber((*it)->date));
    }
    return change;
}

void CKadenzoDoc::Store(CArchive& ar) {
    WriteDocument(ar, profile_.birthDate, profile_.maxHeartRate, profile_.hrFormula,
                  *context_.library, *log_);
}

CKadenzoDoc::Loaded CKadenzoDoc::Read(DocumentContents contents, bool askAboutLibrary) {
    Loaded loaded;
    loaded.contents = std::move(contents);
    const CLibrary& current = *context_.library;
    const CLibrary& stored = *loaded.contents.library;
    // The same library (by fingerprint) stays silently; otherwise the user
    // chooses which one stays. A snapshot's library always comes back, so
    // that undo and redo restore library changes too.
    if (!askAboutLibrary) {
        loaded.replaceLibrary = true;
    } else if (current.Fingerprint() != stored.Fingerprint()) {
        if (current.computerName == stored.computerName) {
            loaded.replaceLibrary =
                prompts_ &&
                prompts_->Ask(kMsgLibraryChangedHere, context_.Text(kMsgLibraryChangedHere)) ==
                    DocumentPrompts::Answer::No;
        } else {
            loaded.replaceLibrary =
                prompts_ &&
                prompts_->Ask(kMsgLibraryFromElsewhere, context_.Text(kMsgLibraryFromElsewhere)) ==
                    DocumentPrompts::Answer::Yes;
        }
    }
    const CLibrary& kept = loaded.replaceLibrary ? stored : current;
    loaded.dropped = loaded.contents.log->RemoveInvalid(&kept);
    return loaded;
}

void CKadenzoDoc::Install(Loaded loaded) {
    DocumentContents& contents = loaded.contents;
    if (loaded.replaceLibrary) context_.library = std::move(contents.library);
    // A handle held from the old log (a selection) must find nothing here.
    contents.log->ContinueHandlesOf(*log_);
    log_ = std::move(contents.log);
    profile_ = {contents.maxHeartRate, contents.hrFormula, contents.birthDate};
    context_.library->SortSportsByUsage(*log_);
    lastDropped_ = loaded.dropped;
}

void CKadenzoDoc::Load(const std::vector<std::uint8_t>& bytes) {
    Loaded loaded = Read(ReadDocument(bytes), true);
    const bool replaced = loaded.replaceLibrary;
    NotifyReplacing();
    Install(std::move(loaded));
    libraryReplaced_ = replaced;
    NotifyReplaced();
    ReportDropped();
}

void CKadenzoDoc::SetContents(DocumentContents contents) {
    NotifyReplacing();
    Clear();
    if (contents.library) context_.library = std::move(contents.library);
    if (contents.log) {
        contents.log->ContinueHandlesOf(*log_);
        log_ = std::move(contents.log);
    }
    profile_ = {contents.maxHeartRate, contents.hrFormula, contents.birthDate};
    history_.Clear();
    NotifyReplaced();
}

std::unique_ptr<CLibrary> CKadenzoDoc::SwapLibrary(std::unique_ptr<CLibrary> library) {
    std::swap(context_.library, library);
    return library;
}

void CKadenzoDoc::ReportDropped() {
    const std::size_t count = lastDropped_.Total();
    if (count == 0 || !prompts_) return;
    if (count == 1)
        prompts_->Warn(kMsgDroppedOneRecord, context_.Text(kMsgDroppedOneRecord));
    else
        prompts_->Warn(kMsgDroppedRecords, FormatCount(context_.Text(kMsgDroppedRecords), count));
}

std::string CKadenzoDoc::Title() const {
    return log_->name.empty() ? context_.Text(kTextDefaultTitle) : log_->name;
}

void CKadenzoDoc::SetModifiedFlag(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    Notify(DocumentChange::Of(DocumentChange::kModified));
}

std::int32_t CKadenzoDoc::MaxHeartRate(const CWorkOut& workout) const {
    const CDatabase& log = *log_;
    CDatabase::ConstWorkoutPos next = log.FirstWorkoutFrom(workout.date);
    // A workout after all others takes the profile's value.
    if (next != log.EndWorkouts()) {
        for (auto it = next; it != log.BeginWorkouts();) {
            --it;
            if ((*it)->maxPulseTest) return (*it)->maxPulse;
        }
    }
    return ProfileMaxHeartRate();
}

std::int32_t CKadenzoDoc::ProfileMaxHeartRate() const {
    if (profile_.maxHeartRate > 20) return profile_.maxHeartRate;
    const std::int32_t age = AgeInYears();
    if (profile_.hrFormula == 0) return 220 - age;
    if (profile_.hrFormula == 1) return 210 - age;
    return 0;
}

std::int32_t CKadenzoDoc::AgeInYears() const {
    std::int64_t seconds = static_cast<std::int64_t>(context_.Now()) - profile_.birthDate;
    return static_cast<std::int32_t>(seconds / 86400 / 365);
}

bool CKadenzoDoc::ProfileNeverEntered() const {
    return profile_.maxHeartRate == 0 && profile_.hrFormula == -1 && AgeInYears() < 5;
}

void CKadenzoDoc::PromptForProfile() {
    if (!prompts_ || !ProfileNeverEntered()) return;
    AthleteProfile profile = profile_;
    prompts_->EditProfile(profile);
    // Taken back however the dialog was closed, so the question is not asked again.
    Transact(edit::kStepEditProfile, [&]() -> std::optional<DocumentChange> {
        profile_ = profile;
        return DocumentChange::Of(DocumentChange::kProfile);
    });
}

bool CKadenzoDoc::Transact(std::uint32_t stepName,
                           const std::function<std::optional<DocumentChange>()>& apply) {
    // The head of the history is the state to return to should the change fail.
    if (history_.UndoCount() == 0) Checkpoint();
    std::optional<DocumentChange> change;
    try {
        change = apply();
        if (!change) return false;
        Checkpoint(stepName);
    } catch (...) {
        NotifyReplacing();
        Install(Read(ReadDocument(history_.Current()), false));
        NotifyReplaced();
        throw;
    }
    if (!modified_) {
        modified_ = true;
        change->what |= DocumentChange::kModified;
    }
    Notify(*change);
    return true;
}

CKadenzoDoc::Snapshot CKadenzoDoc::TakeSnapshot() {
    FixDueTargets();
    // Reserve what the last state needed, in growth steps, to avoid reallocations.
    std::size_t expected = history_.Current().size();
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

void CKadenzoDoc::Checkpoint(std::uint32_t stepName) {
    history_.Push(TakeSnapshot(), stepName, history_.Mark());
}

void CKadenzoDoc::Restore(Loaded loaded) {
    NotifyReplacing();
    Install(std::move(loaded));
    modified_ = true;
    NotifyReplaced();
}

// The state is rebuilt and read first: should that fail, the history stays.
// The history steps before the observers hear of it, so that they find the
// names of the next steps to undo and redo.
void CKadenzoDoc::Undo() {
    if (!CanUndo()) return;
    Snapshot previous = history_.Previous();
    Loaded loaded = Read(ReadDocument(previous), false);
    history_.StepBack(std::move(previous));
    Restore(std::move(loaded));
}

void CKadenzoDoc::Redo() {
    if (!CanRedo()) return;
    Snapshot next = history_.Next();
    Loaded loaded = Read(ReadDocument(next), false);
    history_.StepForward(std::move(next));
    Restore(std::move(loaded));
}

}  // namespace kadenzo
