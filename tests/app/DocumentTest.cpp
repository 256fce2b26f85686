// The document in the desktop program: asking to save, opening and saving
// safely, the library questions and the profile dialog, undo after a change.
#include <QDir>
#include <QFile>
#include <QTest>

#include "DocumentBackups.h"
#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "LibraryFile.h"
#include "TestSupport.h"

using namespace kadenzo;

Q_DECLARE_METATYPE(kadenzo::UserDialogs::Answer)

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> app_;
    FakeUserDialogs* dialogs_ = nullptr;
    DocumentController* document_ = nullptr;

    QString PathOf(const char* name) const { return app_->PathOf(QString::fromLatin1(name)); }
    CLibrary& ProgramLibrary() { return *app_->context.library; }

    // A diary saved with the current library, then reopened as it would be at start-up.
    QString SaveDiary(const char* name) {
        const QString path = PathOf(name);
        if (!document_->SaveTo(path)) qFatal("cannot save the test diary");
        return path;
    }

    // The profile dialog's answer: the maximum heart rate entered, and OK or Cancel.
    static auto ProfileAnswer(int maxHeartRate, bool ok) {
        return [maxHeartRate, ok](AthleteProfile& profile, bool) {
            profile.maxHeartRate = maxHeartRate;
            return ok;
        };
    }

    void ChangeSomething() { QVERIFY(document_->SetLogName(QStringLiteral("Changed"))); }

private slots:
    void init() {
        RegisterLibraryClasses();
        auto library = StarterLibrary();
        library->computerName = "TRAINING-PC";
        app_ = std::make_unique<AppFixture>(std::move(library));
        dialogs_ = &app_->dialogs;
        document_ = app_->document.get();
        // The first-time profile prompt is answered with a profile unless a test says otherwise.
        dialogs_->profile = ProfileAnswer(188, true);
    }

    void cleanup() { app_.reset(); }

    void askingToSave_data() {
        QTest::addColumn<UserDialogs::Answer>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("goesOn");
        using A = UserDialogs::Answer;
        QTest::newRow("cancel keeps the diary") << A::Cancel << QString() << false;
        QTest::newRow("no discards the changes") << A::No << QString() << true;
        QTest::newRow("yes saves under the chosen name") << A::Yes << "chosen.kdz" << true;
        QTest::newRow("yes with cancelled save as") << A::Yes << QString() << false;
    }

    void askingToSave() {
        QFETCH(UserDialogs::Answer, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        QVERIFY(document_->NewDocument());  // unmodified: no question
        QCOMPARE(dialogs_->questions.size(), std::size_t{0});
        ChangeSomething();
        dialogs_->yesNoCancel = {answer};
        if (!saveAs.isEmpty()) dialogs_->saveFile = app_->PathOf(saveAs);
        QCOMPARE(document_->NewDocument(), goesOn);
        QCOMPARE(dialogs_->questions.size(), std::size_t{1});
        QVERIFY(dialogs_->questions[0].text.contains(QStringLiteral("Changed")));
        QCOMPARE(document_->IsModified(), !goesOn);
        QCOMPARE(document_->Doc().Log().name, std::string(goesOn ? "" : "Changed"));
        if (!saveAs.isEmpty()) {
            QVERIFY(ReadAll(dialogs_->saveFile).startsWith("KADENZO2002"));
            QCOMPARE(document_->RecentFiles().Files().front(), dialogs_->saveFile);
        }
    }

    // A library that differs from the program's: on this computer No takes the
    // diary's library, from another computer Yes does.
    void libraryQuestions_data() {
        QTest::addColumn<bool>("otherComputer");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("this computer, yes keeps") << false << true << false;
        QTest::newRow("this computer, no replaces") << false << false << true;
        QTest::newRow("other computer, yes replaces") << true << true << true;
        QTest::newRow("other computer, no keeps") << true << false << false;
    }

    void libraryQuestions() {
        QFETCH(bool, otherComputer);
        QFETCH(bool, answerYes);
        QFETCH(bool, replaced);
        const QString path = SaveDiary("library.kdz");
        if (otherComputer) ProgramLibrary().computerName = "LAPTOP";
        const std::uint32_t added = ProgramLibrary().sports.AddNew().id;
        ProgramLibrary().sports.Find(added)->name = "Added later";
        dialogs_->yesNo = {answerYes};
        QVERIFY(document_->OpenDocumentFile(path));
        QCOMPARE(dialogs_->questions.size(), std::size_t{1});
        QCOMPARE(
            dialogs_->questions[0].text,
            app_->module->QText(otherComputer ? kMsgLibraryFromElsewhere : kMsgLibraryChangedHere));
        QCOMPARE(document_->Doc().Library().GetSportName(added) == "Added later", !replaced);
        QCOMPARE(document_->Doc().LibraryReplaced(), replaced);
    }

    void failedSaveKeepsOldFile() {
        const QString path = SaveDiary("diary.kdz");
        const QByteArray before = ReadAll(path);
        ChangeSomething();
        // A folder where the temporary file would go makes the write fail.
        QVERIFY(QDir().mkdir(path + QStringLiteral(".tmp")));
        QVERIFY(!document_->Save());
        QCOMPARE(ReadAll(path), before);
        QVERIFY(document_->IsModified());
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QVERIFY(dialogs_->messages[0].text.contains(QDir::toNativeSeparators(path)));
    }

    // Each save keeps the file it replaces; a backup that cannot be made is
    // reported and the save goes ahead.
    void savingKeepsTheReplacedFileAsABackup() {
        const QString backups = PathOf("backups");
        document_->SetBackupFolder(backups);
        const QString path = SaveDiary("season.kdz");  // nothing to copy yet
        const QDir own(QString::fromStdString(BackupFolderFor(
            QFile::encodeName(path).toStdString(), QFile::encodeName(backups).toStdString())));
        QVERIFY(own.entryList(QDir::Files).isEmpty());
        const QByteArray first = ReadAll(path);
        ChangeSomething();
        QVERIFY(document_->Save());
        const QStringList copies = own.entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(copies.front().startsWith(QStringLiteral("season-")));
        QCOMPARE(ReadAll(own.filePath(copies.front())), first);
        QVERIFY(dialogs_->messages.empty());

        QVERIFY(QDir(backups).removeRecursively());
        QFile blocker(backups);  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(document_->SetLogName(QStringLiteral("Again")));
        QVERIFY(document_->Save());
        QVERIFY(!document_->IsModified());
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QCOMPARE(dialogs_->messages[0].icon, UserDialogs::Icon::Warning);
    }

    void unreadableFileLeavesOpenDiary() {
        QVERIFY(document_->SetLogName(QStringLiteral("Kept")));
        const QString kept = SaveDiary("kept.kdz");
        const QString broken = PathOf("broken.kdz");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ReadAll(kept).left(40));
        file.close();
        QVERIFY(!document_->OpenDocumentFile(broken));
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QCOMPARE(document_->Title(), QStringLiteral("Kept"));
        QCOMPARE(document_->PathName(), kept);
    }

    void profileValuesAreTakenOnFirstOpenEvenWhenCancelledOtherwiseOnlyOnOk() {
        dialogs_->profile = ProfileAnswer(185, false);
        QVERIFY(document_->OpenDocumentFile(SaveDiary("fresh.kdz")));
        QCOMPARE(dialogs_->profileCalls, 1);
        QVERIFY(dialogs_->lastProfileFirstPrompt);
        QCOMPARE(document_->Doc().Profile().maxHeartRate, 185);
        QVERIFY(document_->IsModified());

        document_->Doc().SetModifiedFlag(false);
        dialogs_->profile = ProfileAnswer(150, false);
        QVERIFY(!document_->EditProfileCommand());
        QVERIFY(!dialogs_->lastProfileFirstPrompt);
        QCOMPARE(document_->Doc().Profile().maxHeartRate, 185);
        QVERIFY(!document_->IsModified());
        dialogs_->profile = ProfileAnswer(192, true);
        QVERIFY(document_->EditProfileCommand());
        QCOMPARE(document_->Doc().Profile().maxHeartRate, 192);
        QVERIFY(document_->IsModified());
    }

    void undoneProfileComesBackWithRedo() {
        dialogs_->profile = ProfileAnswer(192, true);
        QVERIFY(document_->EditProfileCommand());
        QVERIFY(QFile::exists(SaveDiary("undo.kdz")));
        QVERIFY(!document_->IsModified());
        int contentChanges = 0;
        connect(document_, &DocumentController::Changed, this,
                [&contentChanges] { ++contentChanges; });
        document_->Undo();
        QCOMPARE(document_->Doc().Profile().maxHeartRate, 0);
        QVERIFY(document_->IsModified());
        QVERIFY(contentChanges >= 1);
        document_->Redo();
        QCOMPARE(document_->Doc().Profile().maxHeartRate, 192);
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
