#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AppContext.h"
#include "Archive.h"
#include "Database.h"
#include "DocumentFile.h"
#include "DocumentObserver.h"
#include "DocumentPrompts.h"
#include "UndoHistory.h"

namespace kadenzo {

class CLibrary;
class CWorkOut;

// Message and text numbers the document uses.
inline constexpr std::uint32_t kMsgDroppedOneRecord = 33023;
inline constexpr std::uint32_t kMsgDroppedRecords = 33024;        // formatted with the count
inline constexpr std::uint32_t kMsgLibraryChangedHere = 33058;    // same computer, other content
inline constexpr std::uint32_t kMsgLibraryFromElsewhere = 33059;  // other computer
inline constexpr std::uint32_t kTextDefaultTitle = 33060;

// The one document: the athlete profile, the training log, the undo history,
// and the program's library (held in the context), all of which go into its
// file. Every change of its data runs through Transact (see DocumentEdits.h):
// applied, one checkpoint after it, the modified flag, one notification.
class CKadenzoDoc {
public:
    static constexpr std::size_t kSnapshotGrowth = 32768;  // bytes
    static constexpr std::size_t kDefaultMaxUndo = 10;

    // The context (library, texts, clock) outlives the document. Without
    // prompts no questions are asked: the program's library stays and no
    // profile is prompted.
    explicit CKadenzoDoc(AppContext& context, DocumentPrompts* prompts = nullptr);
    ~CKadenzoDoc();
    CKadenzoDoc(const CKadenzoDoc&) = delete;
    CKadenzoDoc& operator=(const CKadenzoDoc&) = delete;

    AppContext& Context() const { return context_; }
    // The library the records refer to and the training log. Views ask for
    // them on each use: a load, undo or redo replaces both.
    const CLibrary& Library() const { return *context_.library; }
    const CDatabase& Log() const { return *log_; }
    const AthleteProfile& Profile() const { return profile_; }

    void SetPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }
    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);

    // A new document: emptied, then the first checkpoint.
    void OnNewDocument();
    // Loads the file and takes the first checkpoint; then reports dropped
    // records and asks for the profile if it was never entered. On failure
    // returns false with the reason in `error` and leaves the open document
    // as it was. With bytesRead, the file is read whole and its bytes handed
    // back, so that the caller knows exactly what was read.
    bool OnOpenDocument(const std::string& path, std::string* error = nullptr,
                        std::vector<std::uint8_t>* bytesRead = nullptr);
    // Writes the file atomically: on failure returns false, the old file
    // intact. With written, the bytes written are handed back.
    bool OnSaveDocument(const std::string& path, std::string* error = nullptr,
                        std::vector<std::uint8_t>* written = nullptr);
    // The file image of the document as it is now (what a save would write,
    // before the save fixes due targets); it changes nothing.
    std::vector<std::uint8_t> Image();
    // A newer version of the open file, merged with the document by the
    // caller, put in place as opening a file does: the history starts anew,
    // the document is not modified, and its library becomes the program's
    // without a question. Dropped records are reported.
    void OnReloadDocument(DocumentContents contents);
    // Everything at once (a merge of changes made elsewhere): the contents,
    // their library included, take the document's place as one undo step
    // named stepName, marked with `mark` (see MergedMark). Observers are told
    // as around a load. On failure the document is as before and the
    // exception passes on.
    void ReplaceContents(std::uint32_t stepName, DocumentContents contents, std::uint64_t mark);
    // The mark of the state the document is in: the one the last
    // ReplaceContents gave, inherited by every change after it, back to its
    // former value when the merge is undone; 0 after a load.
    std::uint64_t MergedMark() const { return history_.Mark(); }
    const std::string& PathName() const { return path_; }

    // From the day of a workout on its targets stay as they were then; this
    // fixes them for every workout whose day has come and names the days it
    // changed. Checkpoints run it first, so that what is stored matches the
    // file; saving runs it as a change of its own (edit::FixDueTargets). Only
    // for code running inside Transact or a checkpoint.
    std::optional<DocumentChange> FixDueTargets();
    // The new file format (magic, format word 0, profile, library, log) of the
    // document as it is; it changes nothing.
    void Store(CArchive& ar);

    // Reads a document file image (new or old format), reconciles its library
    // with the program's (asking when they differ), drops invalid records and
    // only then replaces this document's content, telling the observers before
    // and after. The dropped-records warning is left for ReportDropped.
    // Throws ArchiveError, leaving everything as it was.
    void Load(const std::vector<std::uint8_t>& bytes);
    // Makes the given library the program's and the log this document's,
    // exactly as given: no questions, no validation, no sorting (for building
    // documents outside the program, e.g. from JSON). The history is cleared.
    void SetContents(DocumentContents contents);

    // The log's name, or text 33060 when it has none.
    std::string Title() const;
    bool IsModified() const { return modified_; }
    // Observers are told when the flag changes.
    void SetModifiedFlag(bool modified = true);
    bool LibraryReplaced() const { return libraryReplaced_; }
    const CDatabase::DropCounts& LastDropped() const { return lastDropped_; }

    // The athlete's maximum heart rate on the workout's date: the last test
    // workout before the first workout at or after that date, else the entered
    // value, else the age formula, else 0.
    std::int32_t MaxHeartRate(const CWorkOut& workout) const;
    // The maximum where no earlier test gives one: the entered value, else
    // the age formula, else 0.
    std::int32_t ProfileMaxHeartRate() const;
    // Whole years since the birth date by the context's clock.
    std::int32_t AgeInYears() const;
    // True while the profile was never entered (it is then prompted for).
    bool ProfileNeverEntered() const;
    // Shows the profile dialog when the profile was never entered and takes
    // its values back as one change, however the dialog was closed.
    void PromptForProfile();

    // One change of the data. `apply` changes the document through the
    // Mutable... accessors and says what it changed, or nothing when there was
    // nothing to change. After a change: one checkpoint, the modified flag and
    // one notification. When apply or the checkpoint throws, the document,
    // its history and its modified flag are as before and the exception
    // passes on. True when something changed. The step keeps its name (a
    // text number) in the history, for the Undo and Redo commands.
    bool Transact(std::uint32_t stepName,
                  const std::function<std::optional<DocumentChange>()>& apply);
    // Only for code running inside Transact.
    CDatabase& MutableLog() { return *log_; }
    AthleteProfile& MutableProfile() { return profile_; }
    // Puts a library in place of the program's and hands the old one back.
    std::unique_ptr<CLibrary> SwapLibrary(std::unique_ptr<CLibrary> library);

    // Undo history of whole-document snapshots; at most kDefaultMaxUndo + 1
    // states are kept, the current one included. Undo and redo replace the
    // content (observers are told before and after) and mark the document
    // modified.
    bool CanUndo() const { return history_.UndoCount() >= 2; }
    bool CanRedo() const { return history_.RedoCount() >= 1; }
    void Undo();
    void Redo();
    // The text number of the step Undo / Redo would take back or make again;
    // 0 when there is none.
    std::uint32_t UndoName() const { return CanUndo() ? history_.UndoName() : 0; }
    std::uint32_t RedoName() const { return CanRedo() ? history_.RedoName() : 0; }
    std::size_t UndoSnapshots() const { return history_.UndoCount(); }
    std::size_t RedoSnapshots() const { return history_.RedoCount(); }
    // Bytes held by the history (capacity, not just content).
    std::size_t SnapshotBytes() const { return history_.HeldBytes(); }

private:
    using Snapshot = UndoHistory::Bytes;

    // What a file or snapshot holds, read and reconciled but not yet in place.
    struct Loaded {
        DocumentContents contents;
        bool replaceLibrary = false;
        CDatabase::DropCounts dropped;
    };

    void Notify(const DocumentChange& change);
    void NotifyReplacing();
    void NotifyReplaced();
    // Decides which library stays and drops what it lacks.
    Loaded Read(DocumentContents contents, bool askAboutLibrary);
    // Puts what was read in place, between the two replacement notices.
    void Install(Loaded loaded);
    void Clear();
    // A new state in the history, reached by the step of that name (0 for the
    // first state of a document), with the mark of the state before it.
    void Checkpoint(std::uint32_t stepName = 0);
    Snapshot TakeSnapshot();
    // Puts a state read from the history in place, telling the observers.
    void Restore(Loaded loaded);
    void ReportDropped();
    std::int32_t CurrentTimeStamp() const;

    AppContext& context_;
    DocumentPrompts* prompts_;
    std::vector<DocumentObserver*> observers_;
    std::unique_ptr<CDatabase> log_;
    AthleteProfile profile_;
    bool libraryReplaced_ = false;  // the last load replaced the program's library
    CDatabase::DropCounts lastDropped_;
    UndoHistory history_{kDefaultMaxUndo};
    std::string path_;
    bool modified_ = false;
};

}  // namespace kadenzo
