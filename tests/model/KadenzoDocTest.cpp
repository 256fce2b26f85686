#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AppContext.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using Answer = DocumentPrompts::Answer;
using Bytes = std::vector<std::uint8_t>;
using test::MakeWorkout;
using test::StreamBytes;

constexpr std::time_t kNow = 1709294400;      // 1 March 2024
constexpr std::int32_t kLongAgo = 315532800;  // 1 January 1980

class FakePrompts : public DocumentPrompts {
public:
    Answer Ask(std::uint32_t messageId, const std::string&) override {
        asked.push_back(messageId);
        return answer;
    }
    void Warn(std::uint32_t messageId, const std::string& text) override {
        warnings.emplace_back(messageId, text);
    }
    void EditProfile(AthleteProfile& profile) override {
        ++profilePrompts;
        profile.maxHeartRate = 186;
    }

    Answer answer = Answer::Dismissed;
    std::vector<std::uint32_t> asked;
    std::vector<std::pair<std::uint32_t, std::string>> warnings;
    int profilePrompts = 0;
};

class Texts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        return id == 33024 ? "%d records were removed (100%%)." : id == 33060 ? "Training log" : "";
    }
};

class KadenzoDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetApp();
        App().now = [] { return kNow; };
        App().strings = &texts;
        App().library = test::MakeLibrary();
        document = std::make_unique<CKadenzoDoc>(&prompts);
        document->birthDate = kLongAgo;  // no first-time profile prompt
        folder = std::filesystem::temp_directory_path() /
                 ("kadenzo-doc-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        document.reset();
        ResetApp();
        std::filesystem::remove_all(folder);
    }

    Bytes Saved() {
        return test::Stored([&](CArchive& ar) { document->Store(ar); });
    }
    // A file written with `library` as the program's library; the current one is restored.
    Bytes FileWithLibrary(std::unique_ptr<CLibrary> library) {
        std::unique_ptr<CLibrary> current = std::move(App().library);
        App().library = std::move(library);
        Bytes bytes = Saved();
        App().library = std::move(current);
        return bytes;
    }

    Texts texts;
    FakePrompts prompts;
    std::unique_ptr<CKadenzoDoc> document;
    std::filesystem::path folder;
};

TEST_F(KadenzoDocTest, EmptyDocumentIs106Bytes) {
    App().library = std::make_unique<CLibrary>();
    document->birthDate = 1000000000;
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
    CDatabase& log = document->Log();
    log.name = "Season 2024";
    auto w = MakeWorkout(45000.5, test::kFixedPulse);
    w->duration = 90;
    log.AddWorkout(std::move(w));
    log.AddWorkout(MakeWorkout(46000.5));
    log.Events().push_back(std::make_unique<CEvent>());
    document->maxHeartRate = 190;

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
    EXPECT_EQ(App().log, &document->Log());
    // The cycling workout's minutes put cycling first; apart from that order the
    // file is written again byte for byte.
    EXPECT_EQ(App().library->sports[0].id, test::kBike);
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
        App().library = test::MakeLibrary();
        prompts.asked.clear();
        auto other = test::MakeLibrary(c.fileComputer);
        if (!c.sameFingerprint) other->sports[0].name = "Trail running";
        Bytes bytes = FileWithLibrary(std::move(other));
        prompts.answer = c.answer;
        document->Load(bytes);
        EXPECT_EQ(prompts.asked, c.asked);
        EXPECT_EQ(document->libraryReplaced, c.replaced);
        EXPECT_EQ(App().library->FindSport(test::kRun)->name,
                  c.replaced ? "Trail running" : "Running");
    }
}

TEST_F(KadenzoDocTest, RecordsTheKeptLibraryLacksAreDroppedWithOneWarning) {
    auto withExtras = test::MakeLibrary("LAPTOP");
    test::AddItem(withExtras->workoutTemplates, 900, "Gone");
    test::AddItem(withExtras->eventKinds, 901, "Gone too");
    document->Log().AddWorkout(MakeWorkout(45000.5, 900));
    document->Log().AddWorkout(MakeWorkout(45001.5, 900));
    document->Log().AddWorkout(MakeWorkout(45002.5));
    auto event = std::make_unique<CEvent>();
    event->kind = 901;
    document->Log().Events().push_back(std::move(event));
    Bytes threeDropped = FileWithLibrary(std::move(withExtras));

    prompts.answer = Answer::No;  // keep the program's library, which lacks 900 and 901
    document->Load(threeDropped);
    EXPECT_EQ(document->Log().WorkoutCount(), 1u);
    EXPECT_EQ(document->lastDropped.workouts, 2u);
    EXPECT_EQ(document->lastDropped.events, 1u);
    ASSERT_EQ(prompts.warnings.size(), 1u);
    EXPECT_EQ(prompts.warnings[0].first, 33024u);
    EXPECT_EQ(prompts.warnings[0].second, "3 records were removed (100%%).");

    prompts.warnings.clear();
    document->Log().AddWorkout(MakeWorkout(45003.5, 900));
    document->Load(Saved());
    ASSERT_EQ(prompts.warnings.size(), 1u);
    EXPECT_EQ(prompts.warnings[0].first, 33023u);  // one record
}

TEST_F(KadenzoDocTest, AFileThatFailsToLoadLeavesTheDocumentAsItWas) {
    document->Log().name = "Keep me";
    auto kept = document->Log().AddWorkout(MakeWorkout(45000.5));
    Bytes good = Saved();
    const CLibrary* library = App().library.get();
    CDatabase* log = App().log;

    // Every truncation of a good file fails cleanly.
    for (std::size_t size = 0; size < good.size(); ++size) {
        Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(document->Load(cut), ArchiveError) << "size " << size;
    }
    std::string error;
    EXPECT_FALSE(document->OnOpenDocument((folder / "missing.kdz").string(), &error));
    EXPECT_NE(error.find("missing.kdz"), std::string::npos);

    EXPECT_EQ(App().library.get(), library);
    EXPECT_EQ(App().log, log);
    EXPECT_EQ(document->Title(), "Keep me");
    EXPECT_EQ((*kept)->date, 45000.5);
}

TEST_F(KadenzoDocTest, SavingNeverDamagesTheOldFile) {
    const auto path = folder / "diary.kdz";
    std::ofstream(path) << "old content";
    std::filesystem::create_directory(path.string() + ".tmp");  // the temporary file cannot be made
    std::string error;
    EXPECT_FALSE(document->OnSaveDocument(path.string(), &error));
    EXPECT_FALSE(error.empty());
    Bytes old = ReadWholeFile(path.string());
    EXPECT_EQ(std::string(old.begin(), old.end()), "old content");
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
    App().library.reset();  // nothing to reconcile with: the file's library is taken
    document->Load(b.bytes);
    EXPECT_EQ(document->maxHeartRate, 185);
    EXPECT_EQ(document->hrFormula, 1);
    EXPECT_EQ(document->Title(), "Alte Saison");
    ASSERT_EQ(document->Log().WorkoutCount(), 1u);  // the one whose template is gone dropped
    EXPECT_EQ(document->Log().Workouts().front()->plannedDistance, 10.0);
    EXPECT_EQ(App().library->computerName, "OLDPC");
    EXPECT_EQ(App().library->sports[0].active, 0u);  // a raw library reads like schema 0
    EXPECT_EQ(App().library->workoutTemplates.idCounter, test::kTempoRun + 1);
    EXPECT_EQ(prompts.warnings.size(), 1u);

    // Saving writes the new format.
    Bytes saved = Saved();
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 11), "KADENZO2002");

    EXPECT_THROW(document->Load(Bytes{'h', 'e', 'l', 'l', 'o'}), ArchiveError);
}

TEST_F(KadenzoDocTest, MaxHeartRateComesFromTestsThenProfileThenAge) {
    CDatabase& log = document->Log();
    auto test1 = MakeWorkout(10.5);
    test1->maxPulseTest = 1;
    test1->maxPulse = 185;
    log.AddWorkout(std::move(test1));
    log.AddWorkout(MakeWorkout(20.5));
    document->maxHeartRate = 21;

    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(20.5)), 185);
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(5.5)), 21);   // no test before
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 21);  // after all workouts

    document->maxHeartRate = 20;  // 20 and below: not entered
    document->birthDate = static_cast<std::int32_t>(kNow - (40 * 365 + 10) * 86400);
    document->hrFormula = 1;
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 170);
    document->hrFormula = 0;
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 180);
    document->hrFormula = -1;
    document->maxHeartRate = 0;
    EXPECT_EQ(document->MaxHeartRate(*MakeWorkout(30.5)), 0);
}

TEST_F(KadenzoDocTest, UndoKeepsElevenStatesAndRedoReturns) {
    document->OnNewDocument();
    document->birthDate = kLongAgo;
    for (int change = 1; change <= 12; ++change) {
        document->Log().name = "state " + std::to_string(change);
        document->Checkpoint();
    }
    EXPECT_EQ(document->UndoSnapshots(), 11u);
    int undos = 0;
    while (document->CanUndo()) {
        document->Undo();
        ++undos;
    }
    EXPECT_EQ(undos, 10);
    EXPECT_EQ(document->Title(), "state 2");
    document->Undo();  // nothing left: stays
    EXPECT_EQ(document->Title(), "state 2");

    document->Redo();
    document->Redo();
    EXPECT_EQ(document->Title(), "state 4");
    document->Log().name = "branch";
    document->Checkpoint();
    EXPECT_FALSE(document->CanRedo());
    EXPECT_EQ(App().log, &document->Log());
}

TEST_F(KadenzoDocTest, ProfileIsAskedOnceForANewAthlete) {
    document->OnNewDocument();  // birthDate is now: the profile was never entered
    std::size_t snapshots = document->UndoSnapshots();
    document->Log().AddWorkout(MakeWorkout(45000.5));
    EXPECT_EQ(prompts.profilePrompts, 1);
    EXPECT_EQ(document->maxHeartRate, 186);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->UndoSnapshots(), snapshots + 1);  // checkpoint before the dialog
    document->Log().AddWorkout(MakeWorkout(45001.5));
    EXPECT_EQ(prompts.profilePrompts, 1);
}

class RecordingObserver : public DocumentObserver {
public:
    void OnDocumentChanged(DocumentChange change) override { changes.push_back(change); }
    std::vector<DocumentChange> changes;
};

TEST_F(KadenzoDocTest, TitleFollowsTheLogNameAndViewsHearOfEachChangeOnce) {
    RecordingObserver observer;
    document->AddObserver(&observer);
    EXPECT_EQ(document->Title(), "Training log");
    document->Log().name = "Marathon";
    document->SetTitle("ignored");
    EXPECT_EQ(document->Title(), "Marathon");
    document->SetModifiedFlag();
    document->SetModifiedFlag();
    document->Checkpoint();
    document->Undo();
    EXPECT_EQ(observer.changes,
              (std::vector<DocumentChange>{DocumentChange::Title, DocumentChange::Modified,
                                           DocumentChange::Contents}));
    document->RemoveObserver(&observer);
}

}  // namespace
}  // namespace kadenzo
