// A diary in a synced folder, in the program: a save over a file another
// writer changed merges first (the merge window where both changed the same
// workout), an unchanged diary follows its file at once, a changed one
// offers the merge, a conflicted copy appearing beside the diary is offered,
// and a second window meets the lock. The other writers are real: the
// tool's process replacing the file, or the core's writer rewriting it in
// place.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "DiaryLock.h"
#include "DiarySync.h"
#include "DocumentController.h"
#include "DocumentEdits.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "LogFixtures.h"
#include "MainFrame.h"
#include "MergeResult.h"
#include "NoticeBar.h"
#include "ResourceIds.h"
#include "SyncTexts.h"
#include "TestSupport.h"
#include "WidgetTesting.h"

using namespace kadenzo;

namespace {

// A workout by its day (from today) and its note; the minutes tell edits apart.
struct Entry {
    int day;
    QString note;
    double minutes = 30;
};

std::vector<std::uint8_t> DiaryBytes(int today, const std::vector<Entry>& entries) {
    const std::unique_ptr<CLibrary> library = test::MakeLibrary();
    CDatabase log;
    log.name = "Synced";
    for (const Entry& e : entries) {
        auto workout = test::MakeWorkout(today + e.day + 0.5);
        workout->notes = e.note.toStdString();
        workout->duration = e.minutes;
        log.AddWorkout(std::move(workout));
    }
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    // An athlete whose profile is entered: opening asks nothing.
    WriteDocument(ar, 315532800, 190, -1, *library, log);
    ar.Close();
    return stream.TakeBytes();
}

// The core's writer rewriting the file where it is (the same inode).
void WriteInPlace(const QString& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

QString RunTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(KADENZO_TOOL), arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("kadenzo-tool %s failed: %s", qPrintable(arguments.join(' ')),
               tool.readAllStandardError().constData());
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The tool's process replacing the file by a new one (a rename), as a sync
// program does.
void WriteByTool(const QString& path, const std::vector<std::uint8_t>& bytes) {
    const QString side = path + QStringLiteral(".side");
    WriteInPlace(side, bytes);
    const QString json = path + QStringLiteral(".json");
    QFile out(json);
    if (!out.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(json));
    out.write(RunTool({QStringLiteral("dump"), side}).toUtf8());
    out.close();
    RunTool({QStringLiteral("load"), json, path});
    QFile::remove(side);
    QFile::remove(json);
}

// The notes of the workouts, in the log's order.
QStringList Notes(const CDatabase& log) {
    QStringList notes;
    for (const auto& w : log.Workouts()) notes << QString::fromStdString(w->notes);
    return notes;
}

QStringList NotesOnDisk(const QString& path) {
    return Notes(*ReadDocumentFile(QFile::encodeName(path).toStdString()).log);
}

enum class Writer { InPlace, ByRename };

}  // namespace

Q_DECLARE_METATYPE(Writer)

class DiarySyncTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> app_;
    QString diary_;
    int today_ = 0;

    DocumentController& Document() { return *app_->document; }
    CKadenzoDoc& Doc() { return app_->Doc(); }
    DiarySync& Sync() { return Document().Sync(); }
    QString Text(std::uint32_t id) { return app_->Texts().Text(id); }

    void WriteAs(Writer writer, const std::vector<Entry>& entries) {
        const std::vector<std::uint8_t> bytes = DiaryBytes(today_, entries);
        if (writer == Writer::InPlace)
            WriteInPlace(diary_, bytes);
        else
            WriteByTool(diary_, bytes);
    }

    void Open(const std::vector<Entry>& entries) {
        WriteInPlace(diary_, DiaryBytes(today_, entries));
        QVERIFY(Document().OpenDocumentFile(diary_));
        QVERIFY(!Doc().IsModified());
    }

    void AddHere(const QString& note, int day = 3) {
        auto workout = test::MakeWorkout(today_ + day + 0.5);
        workout->notes = note.toStdString();
        workout->duration = 30;
        QVERIFY(edit::AddWorkout(Doc(), std::move(workout), edit::InDateOrder(today_ + day + 0.5)));
    }

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(test::MakeLibrary());
        QDir(app_->dir.path()).mkpath(QStringLiteral("sync"));
        diary_ = app_->PathOf(QStringLiteral("sync/Training.kdz"));
        Document().SetBackupFolder(app_->PathOf(QStringLiteral("backups")));
        // What the watcher hears, not the timer, in these tests.
        Sync().SetPollInterval(0);
        today_ = app_->context.Today();
    }
    void cleanup() { app_.reset(); }

    void aSaveMergesWhatAnotherWriterSavedMeanwhile_data() {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("in place") << Writer::InPlace;
        QTest::newRow("by rename") << Writer::ByRename;
    }
    void aSaveMergesWhatAnotherWriterSavedMeanwhile() {
        QFETCH(Writer, writer);
        Open({{1, "A"}});
        AddHere("C");
        WriteAs(writer, {{1, "A"}, {2, "B"}});

        QVERIFY(Document().Save());
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A", "B", "C"}));
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "B", "C"}));
        QVERIFY(app_->dialogs.messages.empty());
        QCOMPARE(Doc().UndoName(), sync::kStepMergeChanges);
        // The program's own save is no news: no reload (which would clear
        // the history), no notice.
        QTest::qWait(800);
        QCOMPARE(Doc().UndoName(), sync::kStepMergeChanges);
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);
        // The next save has nothing to merge.
        AddHere("D", 4);
        QVERIFY(Document().Save());
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A", "B", "C", "D"}));
    }

    void anUnchangedDiaryFollowsItsFileKeepingTheView_data() {
        aSaveMergesWhatAnotherWriterSavedMeanwhile_data();
    }
    void anUnchangedDiaryFollowsItsFileKeepingTheView() {
        QFETCH(Writer, writer);
        CMainFrame& frame = app_->MakeFrame();
        frame.AddView({ID_VIEW_DIARY, IDR_DIARY_MENU, {}, [](CMainFrame&) { return new QWidget; }});
        Open({{1, "A"}});
        QWidget* view = frame.ActiveView();
        AddHere("here");
        QVERIFY(Document().Save());
        QVERIFY(Doc().CanUndo());

        // Twice: a file replaced by a rename is watched anew.
        WriteAs(writer, {{1, "A"}, {2, "B"}});
        QTRY_COMPARE_WITH_TIMEOUT(Notes(Doc().Log()), (QStringList{"A", "B"}), 5000);
        WriteAs(writer, {{1, "A"}, {2, "B"}, {5, "E"}});
        QTRY_COMPARE_WITH_TIMEOUT(Notes(Doc().Log()), (QStringList{"A", "B", "E"}), 5000);
        QVERIFY(!Doc().IsModified());
        QVERIFY(!Doc().CanUndo());  // as after opening
        QCOMPARE(frame.ActiveView(), view);
        QCOMPARE(frame.statusBar()->currentMessage(), Text(synctext::kReloaded));
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);
    }

    // Undoing the merge leaves the other side's changes to merge again.
    void aChangedDiaryOffersTheMergeAsOneStepThatUndoTakesBack() {
        CMainFrame& frame = app_->MakeFrame();
        Open({{1, "A"}});
        AddHere("C");
        WriteAs(Writer::ByRename, {{1, "A"}, {2, "B"}});
        QTRY_COMPARE_WITH_TIMEOUT(Sync().CurrentNotice(), DiarySync::Notice::DiskChanged, 5000);
        QVERIFY(frame.NoticeBar()->isVisibleTo(&frame));
        QCOMPARE(frame.NoticeBar()->Text(), Text(synctext::kDiskChangedNotice));
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "C"}));

        QVERIFY(frame.Execute(ID_MERGE_DISK_CHANGES));
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "B", "C"}));
        QCOMPARE(Doc().UndoName(), sync::kStepMergeChanges);
        QVERIFY(!frame.NoticeBar()->isVisibleTo(&frame));
        QCOMPARE(frame.statusBar()->currentMessage(), Text(synctext::kMergedDisk));
        // Merged already: the file is no news while the merge stands.
        Sync().CheckNow();
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);

        Doc().Undo();
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "C"}));
        Sync().CheckNow();
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::DiskChanged);
        QVERIFY(Document().Save());
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A", "B", "C"}));
    }

    // Both sides changed one workout: the merge window comes first. Cancel
    // saves nothing; the other version, chosen by keys, is what is saved.
    void conflictsAreChosenInTheMergeWindowBeforeTheSave() {
        Open({{1, "A", 30}});
        CDatabase::ConstWorkoutPos first = Doc().Log().BeginWorkouts();
        CWorkOut edited(**first);
        edited.duration = 35;
        edited.notes = "A here";
        QVERIFY(edit::ReplaceWorkout(Doc(), first, edited));
        WriteAs(Writer::InPlace, {{1, "A there", 40}});

        WhenModal([](QDialog& dialog) { dialog.reject(); });
        QVERIFY(!Document().Save());
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A there"}));
        QVERIFY(Doc().IsModified());

        QStringList shown;
        WhenModal([&shown](QDialog& dialog) {
            auto* list = Find<QTableView>(dialog, IDC_MERGE_LIST);
            for (int column = 0; column < list->model()->columnCount(); ++column)
                shown << list->model()->index(0, column).data().toString();
            // Both kept by the rules; Space takes this diary's, then the other.
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Space);
            QTest::keyClick(list, Qt::Key_Space);
            QVERIFY(Find<QRadioButton>(dialog, IDC_MERGE_KEEP_THEIRS)->isChecked());
            QTest::keyClick(list, Qt::Key_Return);
        });
        QVERIFY(Document().Save());
        QCOMPARE(shown.size(), 5);
        QVERIFY(shown[2].contains(QStringLiteral("A here")));
        QVERIFY(shown[3].contains(QStringLiteral("A there")));
        QCOMPARE(shown[4], Text(synctext::kShortBoth));
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A there"}));
        QCOMPARE(Doc().UndoName(), sync::kStepMergeChanges);
    }

    void aConflictedCopyIsOfferedMergedAndPutAway() {
        CMainFrame& frame = app_->MakeFrame();
        Open({{1, "A"}});
        const QString copy =
            app_->PathOf(QStringLiteral("sync/Training.sync-conflict-20240301-101500-ABCDEFG.kdz"));
        WriteInPlace(copy, DiaryBytes(today_, {{1, "A"}, {6, "D"}}));
        QTRY_COMPARE_WITH_TIMEOUT(Sync().CurrentNotice(), DiarySync::Notice::ConflictedCopy, 5000);
        QVERIFY(frame.NoticeBar()->Text().contains(QFileInfo(copy).fileName()));

        QVERIFY(frame.Execute(ID_MERGE_COPY));
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "D"}));
        QCOMPARE(Doc().UndoName(), sync::kStepMergeChanges);
        QVERIFY(!QFile::exists(copy));
        const QString backups =
            app_->PathOf(QStringLiteral("backups")) + QFileInfo(diary_).absolutePath();
        QVERIFY(QFile::exists(
            backups +
            QStringLiteral("/Training.sync-conflict-20240301-101500-ABCDEFG.merged.kdz")));
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);

        // Left alone, a copy is never offered again, not even after opening anew.
        const QString dropbox =
            app_->PathOf(QStringLiteral("sync/Training (Anna's conflicted copy).kdz"));
        WriteInPlace(dropbox, DiaryBytes(today_, {{7, "F"}}));
        QTRY_COMPARE_WITH_TIMEOUT(Sync().CurrentNotice(), DiarySync::Notice::ConflictedCopy, 5000);
        QVERIFY(frame.Execute(ID_LEAVE_COPY));
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);
        QVERIFY(QFile::exists(dropbox));
        QVERIFY(Document().Save());
        QVERIFY(Document().OpenDocumentFile(diary_));
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::None);
        QCOMPARE(Notes(Doc().Log()), (QStringList{"A", "D"}));
    }

    // A live process of this computer holds the lock: the second window says
    // who, and opens read-only when asked to; saving there goes elsewhere.
    // A stale lock, and one from another computer, are taken over unasked.
    void theLockTellsASecondWindowWhoHasTheDiary() {
        QProcess holder;
        holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(holder.waitForStarted());
        const std::string diary = QFile::encodeName(diary_).toStdString();
        sync::LockOwner anna = sync::ThisProcess();
        anna.user = "anna";
        anna.pid = holder.processId();
        WriteInPlace(diary_, DiaryBytes(today_, {{1, "A"}}));
        WriteInPlace(QFile::decodeName(sync::LockFilePath(diary).c_str()), [&] {
            const std::string text = sync::FormatLock(anna);
            return std::vector<std::uint8_t>(text.begin(), text.end());
        }());
        CMainFrame& frame = app_->MakeFrame();
        app_->dialogs.yesNo = {true};
        QVERIFY(Document().OpenDocumentFile(diary_));
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{1});
        QVERIFY(app_->dialogs.questions[0].text.contains(QStringLiteral("anna")));
        QVERIFY(app_->dialogs.questions[0].text.contains(QString::fromStdString(anna.computer)));
        QVERIFY(Sync().ReadOnly());
        QVERIFY(frame.windowTitle().contains(Text(synctext::kReadOnlyTitle)));
        QCOMPARE(Sync().CurrentNotice(), DiarySync::Notice::ReadOnly);

        AddHere("C");
        QVERIFY(!Document().Save());  // refused, and Save As was cancelled
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A"}));
        QVERIFY(Document().SaveTo(diary_) == false);
        QVERIFY(sync::LockStateOf(diary, sync::ThisProcess()).owner.user == "anna");
        QVERIFY(frame.Execute(ID_EDIT_ANYWAY));
        QVERIFY(!Sync().ReadOnly());
        QVERIFY(Document().Save());
        QCOMPARE(NotesOnDisk(diary_), (QStringList{"A", "C"}));
        holder.kill();
        holder.waitForFinished();

        // Now anna's process is gone: its lock is stale.
        app_->dialogs.questions.clear();
        QVERIFY(Document().OpenDocumentFile(diary_));
        QVERIFY(app_->dialogs.questions.empty());
        QVERIFY(!Sync().ReadOnly());
        QVERIFY(sync::LockStateOf(diary, sync::ThisProcess()).state == sync::LockState::Ours);
        QVERIFY(Document().NewDocument());
        QVERIFY(!QFile::exists(QFile::decodeName(sync::LockFilePath(diary).c_str())));

        // A lock a sync program brought from another computer means nothing here.
        sync::LockOwner elsewhere{"ben", "laptop", "another-machine", 1};
        const std::string text = sync::FormatLock(elsewhere);
        WriteInPlace(QFile::decodeName(sync::LockFilePath(diary).c_str()),
                     std::vector<std::uint8_t>(text.begin(), text.end()));
        QVERIFY(Document().OpenDocumentFile(diary_));
        QVERIFY(app_->dialogs.questions.empty());
        QVERIFY(!Sync().ReadOnly());
    }

    // A file that cannot be read now (a sync program halfway) is never saved over.
    void aFileUnreadableOnDiskIsNotSavedOver() {
        Open({{1, "A"}});
        AddHere("C");
        const std::vector<std::uint8_t> garbage(4000, 0x5A);
        WriteInPlace(diary_, garbage);
        QVERIFY(!Document().Save());
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(app_->dialogs.messages[0].text.contains(QFileInfo(diary_).fileName()));
        QCOMPARE(ReadWholeFile(QFile::encodeName(diary_).toStdString()), garbage);
        QVERIFY(Doc().IsModified());
    }
};

QTEST_MAIN(DiarySyncTest)
#include "DiarySyncTest.moc"
