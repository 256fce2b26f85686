#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Archive.h"
#include "Database.h"
#include "DocumentFile.h"
#include "DocumentPrompts.h"

namespace kadenzo {

class CWorkOut;

// Message and text numbers the document uses.
inline constexpr std::uint32_t kMsgDroppedOneRecord = 33023;
inline constexpr std::uint32_t kMsgDroppedRecords = 33024;        // formatted with the count
inline constexpr std::uint32_t kMsgLibraryChangedHere = 33058;    // same computer, other content
inline constexpr std::uint32_t kMsgLibraryFromElsewhere = 33059;  // other computer
inline constexpr std::uint32_t kTextDefaultTitle = 33060;

// The one document: the athlete profile, the undo history and, through App(),
// the current training log (owned here) and the current library, both of which
// go into its file.
class CKadenzoDoc {
public:
    static constexpr std::size_t kSnapshotGrowth = 32768;  // bytes
    static constexpr std::size_t kDefaultMaxUndo = 10;

    // A new empty log becomes the current log; prompts may be null (no questions
    // are asked then: the program's library stays and no profile is prompted).
    explicit CKadenzoDoc(DocumentPrompts* prompts = nullptr);
    // Deletes the log and the current library and clears App()'s pointers to them.
    ~CKadenzoDoc();
    CKadenzoDoc(const CKadenzoDoc&) = delete;
    CKadenzoDoc& operator=(const CKadenzoDoc&) = delete;

    void SetPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }
    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);
    void UpdateAllViews(DocumentChange change = DocumentChange::Contents);

    CDatabase& Log() { return *log_; }
    const CDatabase& Log() const { return *log_; }
    // The library the document's records refer to. Views ask for it on each
    // use: a load, undo or redo may replace it.
    const CLibrary& Library() const;

    // Empties the log and resets the profile, libraryReplaced and the title.
    void DeleteContents();
    // A new document: emptied, then the first checkpoint.
    void OnNewDocument();
    // Loads the file, asks for the profile if it was never entered and takes the
    // first checkpoint. On failure returns false with the reason in `error` and
    // leaves the open document as it was.
    bool OnOpenDocument(const std::string& path, std::string* error = nullptr);
    // Writes the file atomically: on failure returns false, the old file intact.
    bool OnSaveDocument(const std::string& path, std::string* error = nullptr);
    const std::string& PathName() const { return path_; }

    // The new file format (magic, format word 0, profile, library, log).
    void Store(CArchive& ar);
    // Reads a document file image (new or old format) into new objects,
    // reconciles its library with the current one, drops invalid records (with
    // the warning) and only then replaces this document's content. Throws
    // ArchiveError, leaving everything as it was.
    void Load(const std::vector<std::uint8_t>& bytes);

    // Makes the given library current and the log this document's, exactly as
    // given: no questions, no validation, no sorting (for building documents
    // outside the program, e.g. from JSON). The undo history is cleared.
    void SetContents(DocumentContents contents);

    // The log's name, or text 33060 when it has none.
    std::string Title() const;
    // The requested text is ignored (the title follows the rule above); views
    // are told the title may have changed.
    void SetTitle(std::string_view requested);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    // The athlete's maximum heart rate on the workout's date: the last test
    // workout before the first workout at or after that date, else the entered
    // value, else the age formula, else 0.
    std::int32_t MaxHeartRate(const CWorkOut& workout) const;
    // Whole years since birthDate by the application clock.
    std::int32_t AgeInYears() const;
    // Shows the profile dialog when the profile was never entered.
    void PromptForProfile();

    // Undo history of whole-document snapshots, newest first; at most
    // maxUndo + 1 states are kept, the head being the current one.
    void Checkpoint();
    void Undo();
    void Redo();
    bool CanUndo() const { return undo_.size() >= 2; }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoSnapshots() const { return undo_.size(); }
    std::size_t RedoSnapshots() const { return redo_.size(); }
    // Bytes held by all snapshots (capacity, not just content).
    std::size_t SnapshotBytes() const;

    std::int32_t maxHeartRate = 0;
    std::int32_t hrFormula = -1;
    std::int32_t birthDate = 0;
    bool libraryReplaced = false;  // the last load replaced the program's library
    std::size_t maxUndo = kDefaultMaxUndo;
    CDatabase::DropCounts lastDropped;  // records dropped by the last load

private:
    using Snapshot = std::vector<std::uint8_t>;

    Snapshot TakeSnapshot();
    void Restore(const Snapshot& snapshot);
    std::int32_t CurrentTimeStamp() const;
    void ReportDropped(std::size_t count);

    DocumentPrompts* prompts_;
    std::vector<DocumentObserver*> observers_;
    std::unique_ptr<CDatabase> log_;
    std::deque<Snapshot> undo_;
    std::deque<Snapshot> redo_;
    std::string path_;
    bool modified_ = false;
};

}  // namespace kadenzo
