#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AtomicFile.h"
#include "DocumentFile.h"
#include "DocumentFixture.h"

namespace kadenzo {
namespace {

using Answer = DocumentPrompts::Answer;
using Bytes = std::vector<std::uint8_t>;
using test::kLongAgo;
using test::kNow;
using test::LogOf;
using test::MakeWorkout;
using test::StreamBytes;

using KadenzoDocTest = test::DocumentFixture;

TEST_F(KadenzoDocTest, EmptyDocumentIs106Bytes) {
    context.library = std::make_unique<CLibrary>();
    edit::SetProfile(*document, {0, -1, 1000000000});
    Bytes bytes = Saved();
    ASSERT_EQ(bytes.size(), 106u);
    StreamBytes header;
    header.Raw("KADENZO2002").Long(0).Long(1000000000).Long(0).Long(-1);
    header.ClassTag(2, "CLibrary").String("");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 42), header.bytes);
    StreamBytes logPart;
    logPart.ClassTag(0, "CDatabase").Word(0).Word(0).Word(0).String("");
    EXPECT_EQ(Bytes(bytes.end() - 22, bytes.end()), logPart.bytes);
}

TEST_F(KadenzoDocTest, SavedFileOpensToTheSameContentAndBytes) {
    auto ride = MakeWorkout(45000.5, test::kFixedPulse);
    ride->duration = 90;
    auto log = LogOf(std::move(ride), MakeWorkout(46000.5));
    log->name = "Season 2024";
    log->Events().push_back(std::make_unique<CEvent>());
    Start(std::move(log), 190);

    const std::string path = (folder / "diary.kdz").string();
    std::string error;
    ASSERT_TRUE(document->OnSaveDocument(path, &error)) << error;
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    Bytes onDisk = ReadWholeFile(path);

    document->OnNewDocument();
    ASSERT_TRUE(document->OnOpenDocument(path, &error)) << error;
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(document->Title(), "Season 2024");
    EXPECT_EQ(document->Log().WorkoutCount(), 2u);
    // The cycling workout's minutes put cycling first; apart from that order the
    // file is written again byte for byte.
    EXPECT_EQ(document->Library().sports[0].id, test::kBike);
    Bytes again = Saved();
    EXPECT_EQ(again.size(), onDisk.size());
    document->Load(again);
    EXPECT_EQ(Saved(), again);
}

TEST_F(KadenzoDocTest, ReconciliationAsksByComputerNameAndTheAnswerDecides) {
    const struct {
        const char* fileComputer;
        bool sameFingerprint;
        Answer answer;
        std::vector<std::uint32_t> asked;
        bool replaced;
    } cases[] = {{"ELSEWHERE", true, Answer::No, {}, false},
                 {"TRAINER", false, Answer::No, {33058}, true},
                 {"TRAINER", false, Answer::Yes, {33058}, false},
                 {"TRAINER", false, Answer::Dismissed, {33058}, false},
                 {"LAPTOP", false, Answer::Yes, {33059}, true},
                 {"LAPTOP", false, Answer::No, {33059}, false},
                 {"LAPTOP", false, Answer::Dismissed, {33059}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fileComputer) + " answer " +
                     std::to_string(static_cast<int>(c.answer)));
        context.library = test::MakeLibrary();
        const CLibrary* program = &document->Library();
        prompts.asked.clear();
        auto other = test::MakeLibrary(c.fileComputer);
        if (!c.sameFingerprint) other->sports[0].name = "Trail running";
        Bytes bytes = FileWithLibrary(std::move(other));
        prompts.answer = c.answer;
        document->Load(bytes);
        EXPECT_EQ(prompts.asked, c.asked);
        EXPECT_EQ(document->LibraryReplaced(), c.replaced);
        EXPECT_EQ(&document->Library() == program, !c.replaced);
        EXPECT_EQ(document->Library().FindSport(test::kRun)->name,
                  c.replaced ? "Trail running" : "Running");
    }
}

TEST_F(KadenzoDocTest, DroppedRecordsAreReportedOnceAfterTheViewsHaveTheNewLog) {
    auto withExtras = test::MakeLibrary("LAPTOP");
    test::AddItem(withExtras->workoutTemplates, 900, "Gone");
    test::AddItem(withExtras->eventKinds, 901, "Gone too");
    auto log = LogOf(MakeWorkout(45000.5, 900), MakeWorkout(45001.5, 900), MakeWorkout(45002.5));
    log->Events().push_back(std::make_unique<CEvent>());
    log->Events().back()->kind = 901;
    Start(std::move(log));
    const std::string path = FileOf("dropped.kdz", FileWithLibrary(std::move(withExtras)));

    test::RecordingObserver observer;
    document->AddObserver(&observer);
    // While the message is up the window may repaint: by then every view has
    // been told, and the log it shows is the new one.
    std::size_t workoutsWhileWarning = 0;
    prompts.onWarn = [&] {
        EXPECT_EQ(observer.notices, (std::vector<std::string>{"replacing", "replaced"}));
        workoutsWhileWarning = document->Log().WorkoutCount();
    };
    prompts.answer = Answer::No;  // keep the program's library, which lacks 900 and 901
    ASSERT_TRUE(document->OnOpenDocument(path));
    EXPECT_EQ(workoutsWhileWarning, 1u);
    EXPECT_EQ(document->LastDropped().workouts, 2u);
    EXPECT_EQ(document->LastDropped().events, 1u);
    ASSERT_EQ(prompts.warnings.size(), 1u);
    EXPECT_EQ(prompts.warnings[0].first, 33024u);
    EXPECT_EQ(prompts.warnings[0].second, "3 records were removed (100%%).");
    document->RemoveObserver(&observer);
}

TEST_F(KadenzoDocTest, AFileThatFailsToLoadLeavesTheDocumentAsItWas) {
    auto log = LogOf(MakeWorkout(45000.5));
    log->name = "Keep me";
    Start(std::move(log));
    Bytes good = Saved();
    const CLibrary* library = &document->Library();
    const CDatabase* shown = &document->Log();
    test::RecordingObserver observer;
    document->AddObserver(&observer);

    // Every truncation of a good file fails cleanly, in memory and on disk.
    std::string error;
    for (std::size_t size = 0; size < good.size(); ++size) {
        Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(document->Load(cut), ArchiveError) << "size " << size;
        EXPECT_FALSE(document->OnOpenDocument(FileOf("cut.kdz", cut), &error)) << "size " << size;
    }
    EXPECT_FALSE(document->OnOpenDocument((folder / "missing.kdz").string(), &error));
    EXPECT_NE(error.find("missing.kdz"), std::string::npos);
    EXPECT_FALSE(document->OnOpenDocument(folder.string(), &error));  // a folder
    EXPECT_NE(error.find("is not a file"), std::string::npos);

    EXPECT_EQ(&document->Library(), library);
    EXPECT_EQ(&document->Log(), shown);
    EXPECT_TRUE(observer.notices.empty());
    EXPECT_EQ(document->Title(), "Keep me");
    EXPECT_EQ(document->Log().Workouts().front()->date, 45000.5);
    document->RemoveObserver(&observer);
}

// A save that fails at any step leaves the old file as it was and no
// temporary file behind to confuse the next save or the user's folder.
TEST_F(KadenzoDocTest, SavingNeverDamagesTheOldFileNorLeavesATemporaryOne) {
    const auto path = folder / "diary.kdz";
    const std::string temp = path.string() + ".tmp";
    std::ofstream(path) << "old content";
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(temp);
    std::string error;
    EXPECT_FALSE(document->OnSaveDocument(path.string(), &error));
    EXPECT_FALSE(error.empty());
    std::filesystem::remove(temp);

    // The content fails half-way through writing.
    EXPECT_THROW(WriteFileAtomically(path.string(),
                                     [](CArchive& ar) {
                                         ar.WriteString(std::string(10000, 'x'));
                                         throw ArchiveError("disk full", 0);
                                     }),
                 ArchiveError);
    Bytes old = ReadWholeFile(path.string());
    EXPECT_EQ(std::string(old.begin(), old.end()), "old content");
    EXPECT_FALSE(std::filesystem::exists(temp));

    // The rename fails: a folder that is not empty stands at the path
    // (permission bits would not stop a test running as root).
    const auto taken = folder / "taken";
    std::filesystem::create_directories(taken / "inside");
    EXPECT_THROW(WriteFileAtomically(taken.string(), [](CArchive& ar) { ar.WriteDword(1); }),
                 ArchiveError);
    EXPECT_TRUE(std::filesystem::is_directory(taken / "inside"));
    EXPECT_FALSE(std::filesystem::exists(taken.string() + ".tmp"));
}

TEST_F(KadenzoDocTest, OldFormatFilesStartWithTheProfileAndHoldRawRecords) {
    StreamBytes b;
    b.Long(kLongAgo).Long(185).Long(1);
    b.String("OLDPC").Word(0).Word(0);  // raw library: name, categories, intensities
    b.Word(1).ClassTag(0, "CLibSport").Dword(test::kRun).String("Laufen").Dword(5).Dword(1);
    b.Word(0).Word(0);  // sub-sports, tracks
    b.Word(1).ClassTag(0, "CLibWorkout").Dword(test::kTempoRun).String("Tempo");
    b.Dword(0xFFFFFFFF).Dword(test::kRun).String("").Dword(60).Dword(75).Dword(1);
    b.String("Alte Saison").Dword(2);  // the log: name and a plain count
    for (std::uint32_t templateId : {test::kTempoRun, 999u}) {
        b.Double(36000.5).Float(10).Dword(0).Dword(templateId).String("").String("");
        b.Dword(0).Dword(test::kRun).Dword(0).Float(10.5f).Float(55).String("").String("");
        b.Byte(0).Dword(0).Dword(0).Dword(0).Byte(0).Dword(0);
    }
    prompts.answer = Answer::Yes;  // another computer's library: take it
    // From a file, which is read as it streams in: the start that is not the
    // magic text is read again as the profile.
    std::string error;
    ASSERT_TRUE(document->OnOpenDocument(FileOf("old.kdz", b.bytes), &error)) << error;
    EXPECT_EQ(document->Profile().maxHeartRate, 185);
    EXPECT_EQ(document->Profile().hrFormula, 1);
    EXPECT_EQ(document->Title(), "Alte Saison");
    ASSERT_EQ(document->Log().WorkoutCount(), 1u);  // the one whose template is gone dropped
    EXPECT_EQ(document->Log().Workouts().front()->plannedDistance, 10.0);
    EXPECT_EQ(document->Library().computerName, "OLDPC");
    EXPECT_EQ(document->Library().sports[0].active, 0u);  // a raw library reads like schema 0
    EXPECT_EQ(document->Library().workoutTemplates.idCounter, test::kTempoRun + 1);
    EXPECT_EQ(prompts.warnings.size(), 1u);

    // Saving writes the new format.
    Bytes saved = Saved();
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 11), "KADENZO2002");

    EXPECT_THROW(document->Load(Bytes{'h', 'e', 'l', 'l', 'o'}), ArchiveError);
}

TEST_F(KadenzoDocTest, MaxHeartRateComesFromTestsThenProfileThenAge) {
    auto tested = MakeWorkout(10.5);
    tested->maxPulseTest = 1;
    tested->maxPulse = 185;
    Start(LogOf(std::move(tested), MakeWorkout(20.5)), 21);

    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(20.5)), 185);
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(5.5)), 21);   // no test before
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 21);  // after all workouts

    // 20 and below: not entered.
    const auto fortyYearsAgo = static_cast<std::int32_t>(kNow - (40 * 365 + 10) * 86400);
    edit::SetProfile(*document, {20, 1, fortyYearsAgo});
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 170);
    edit::SetProfile(*document, {20, 0, fortyYearsAgo});
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 180);
    edit::SetProfile(*document, {0, -1, fortyYearsAgo});
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 0);
}

TEST_F(KadenzoDocTest, UndoKeepsElevenStatesAndRedoReturns) {
    document->OnNewDocument();
    edit::SetProfile(*document, {190, -1, kLongAgo});
    for (int change = 1; change <= 12; ++change)
        edit::SetLogName(*document, "state " + std::to_string(change));
    EXPECT_EQ(document->UndoSnapshots(), 11u);
    for (int undo = 0; undo < 11; ++undo) document->Undo();  // the last has nothing left
    EXPECT_FALSE(document->CanUndo());
    EXPECT_EQ(document->Title(), "state 2");

    document->Redo();
    document->Redo();
    EXPECT_EQ(document->Title(), "state 4");
    edit::SetLogName(*document, "branch");
    EXPECT_FALSE(document->CanRedo());
}

TEST_F(KadenzoDocTest, ProfileIsAskedOnceForANewAthleteAsAChangeOfItsOwn) {
    document->OnNewDocument();  // the birth date is now: the profile was never entered
    const std::size_t snapshots = document->UndoSnapshots();
    edit::AddWorkout(*document, MakeWorkout(45000.5), edit::InDateOrder(45000.5));
    EXPECT_EQ(prompts.profilePrompts, 1);
    EXPECT_EQ(document->Profile().maxHeartRate, 186);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->UndoSnapshots(), snapshots + 2);  // the profile, then the workout
    edit::AddWorkout(*document, MakeWorkout(45001.5), edit::InDateOrder(45001.5));
    EXPECT_EQ(prompts.profilePrompts, 1);
    document->Undo();
    document->Undo();
    EXPECT_EQ(document->Profile().maxHeartRate, 186);
    EXPECT_EQ(document->Log().WorkoutCount(), 0u);
}

TEST_F(KadenzoDocTest, AFailedChangeLeavesDocumentHistoryAndFlagAsTheyWere) {
    Start(LogOf(MakeWorkout(45000.5)));
    edit::SetLogName(*document, "Before");
    document->SetModifiedFlag(false);
    const Bytes before = Saved();
    const std::size_t snapshots = document->UndoSnapshots();

    EXPECT_THROW(document->Transact(edit::kStepEditWorkout,
                                    [&]() -> std::optional<DocumentChange> {
                                        document->MutableLog().name = "Half done";
                                        document->MutableLog().AddWorkout(MakeWorkout(45001.5));
                                        throw std::runtime_error("disk on fire");
                                    }),
                 std::runtime_error);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(document->UndoSnapshots(), snapshots);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->Title(), "Before");
}

// Targets are fixed at a checkpoint once their day has come, never by storing
// alone; a day that comes while the diary is open is fixed on saving, as a
// step of its own that undo takes back.
TEST_F(KadenzoDocTest, TargetsAreFixedOnceTheirDayHasComeByCheckpointsAndSaving) {
    // 29 February 2024 is past, 2 March to come.
    Start(LogOf(MakeWorkout(45351.5), MakeWorkout(45353.5)), 200);
    Saved();
    EXPECT_EQ(Nth(0)->get()->targetFixed, 0u);

    edit::SetLogName(*document, "checkpointed");
    EXPECT_EQ(Nth(0)->get()->targetFixed, 1u);
    EXPECT_EQ(Nth(0)->get()->targetPulseHigh, 150);  // 75 % of 200
    EXPECT_EQ(Nth(1)->get()->targetFixed, 0u);
    // A later profile leaves the fixed targets as they were.
    edit::SetProfile(*document, {150, -1, kLongAgo});
    EXPECT_EQ(Nth(0)->get()->targetPulseHigh, 150);

    context.clock = [] { return kNow + 3 * 86400; };
    const std::string path = (folder / "diary.kdz").string();
    std::string error;
    ASSERT_TRUE(document->OnSaveDocument(path, &error)) << error;
    EXPECT_EQ(Nth(1)->get()->targetFixed, 1u);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->UndoName(), edit::kStepFixTargets);
    document->Undo();
    EXPECT_EQ(Nth(1)->get()->targetFixed, 0u);
    // Nothing left to fix: a second save takes no step.
    document->Redo();
    const std::size_t snapshots = document->UndoSnapshots();
    ASSERT_TRUE(document->OnSaveDocument(path, &error)) << error;
    EXPECT_EQ(document->UndoSnapshots(), snapshots);
}

// A merge made in the program is one step: its contents and library take the
// document's place, undo gives back both (and the mark of the state before),
// redo brings them again. A reload is an open: no history, not modified.
TEST_F(KadenzoDocTest, AMergeIsOneStepWithItsLibraryAndAReloadStartsAfresh) {
    Start(LogOf(MakeWorkout(45000.5)));
    edit::SetLogName(*document, "here");
    const Bytes before = Saved();
    DocumentContents merged = ReadDocument(before);
    merged.log->AddWorkout(MakeWorkout(45001.5));
    merged.library->workoutTemplates.AddNew().name = "Merged template";
    test::RecordingObserver observer;
    document->AddObserver(&observer);

    document->ReplaceContents(34975, std::move(merged), 42);
    EXPECT_EQ(observer.notices, (std::vector<std::string>{"replacing", "replaced"}));
    EXPECT_EQ(document->Log().WorkoutCount(), 2u);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->UndoName(), 34975u);
    EXPECT_EQ(document->MergedMark(), 42u);
    edit::SetLogName(*document, "after");
    EXPECT_EQ(document->MergedMark(), 42u);
    document->Undo();
    document->Undo();
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(document->MergedMark(), 0u);
    document->Redo();
    EXPECT_EQ(document->Library().workoutTemplates.size(),
              test::MakeLibrary()->workoutTemplates.size() + 1);
    EXPECT_EQ(document->MergedMark(), 42u);

    DocumentContents reloaded = ReadDocument(before);
    reloaded.library->computerName = "ELSEWHERE";
    observer.Clear();
    document->OnReloadDocument(std::move(reloaded));
    EXPECT_EQ(observer.notices, (std::vector<std::string>{"replacing", "replaced"}));
    EXPECT_EQ(document->Library().computerName, "ELSEWHERE");  // no question asked
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(document->CanUndo());
    EXPECT_EQ(document->MergedMark(), 0u);
    document->RemoveObserver(&observer);
}

// The bytes an open read and a save wrote are those of the file.
TEST_F(KadenzoDocTest, OpenAndSaveHandBackTheFilesBytes) {
    Start(LogOf(MakeWorkout(45000.5)));
    const std::string path = (folder / "diary.kdz").string();
    std::string error;
    Bytes written;
    ASSERT_TRUE(document->OnSaveDocument(path, &error, &written)) << error;
    Bytes read;
    ASSERT_TRUE(document->OnOpenDocument(path, &error, &read)) << error;
    EXPECT_EQ(read, written);
    EXPECT_EQ(read, ReadWholeFile(path));
    EXPECT_EQ(document->Log().WorkoutCount(), 1u);
}

}  // namespace
}  // namespace kadenzo
