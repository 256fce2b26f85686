// The desktop shell around the document: start-up's exits and the old
// library's import, asking to save, saving safely with backups, refusing an
// unreadable file, closing the main frame, and the small utilities (numbered
// texts, what the desktop may open).
#include <QDir>
#include <QFile>
#include <QTest>

#include "AddLibraryItem.h"
#include "DocumentBackups.h"
#include "DocumentController.h"
#include "KadenzoApp.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "ShellOpen.h"
#include "TestSupport.h"
#include "Texts.h"

using namespace kadenzo;

Q_DECLARE_METATYPE(kadenzo::UserDialogs::Answer)

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> app_;
    FakeUserDialogs* dialogs_ = nullptr;
    DocumentController* document_ = nullptr;
    std::unique_ptr<CKadenzoApp> program_;
    QString savedCurrent_;

    // Starts the program from the folder `name` holding the named built files,
    // in a current folder without any; true when it came up.
    bool StartProgram(const char* name, const QStringList& files,
                      CKadenzoApp::Options options = {}) {
        options.programDirectory = app_->PathOf(name);
        options.splashMinimumMs = 0;
        options.showMainWindow = false;
        QDir().mkpath(options.programDirectory);
        CopyBuilt(options.programDirectory, files);
        program_.reset();
        program_ = std::make_unique<CKadenzoApp>(
            *dialogs_,
            std::make_unique<QSettings>(app_->PathOf("program.ini"), QSettings::IniFormat),
            std::move(options));
        return program_->InitInstance({});
    }

    QString SaveDiary(const char* name) {
        const QString path = app_->PathOf(name);
        if (!document_->SaveTo(path)) qFatal("cannot save the test diary");
        return path;
    }

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        dialogs_ = &app_->dialogs;
        document_ = app_->document.get();
        savedCurrent_ = QDir::currentPath();
        QDir::setCurrent(app_->dir.path());
    }

    void cleanup() {
        QDir::setCurrent(savedCurrent_);
        program_.reset();
        app_.reset();
    }

    // Without a language module the program ends with a message of its own
    // that names both files; without library.dat and an older version's
    // library to import, with one above the splash.
    void startUpEndsWithAMessage() {
        QVERIFY(!StartProgram("no module", {"library.dat"}));
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QVERIFY(dialogs_->messages[0].text.contains(QStringLiteral("'rcus.rcc'")));
        QVERIFY(dialogs_->messages[0].text.contains(QStringLiteral("'rcge.rcc'")));
        QVERIFY(!StartProgram("no library", {"rcus.rcc"}));
        QCOMPARE(dialogs_->messages.size(), std::size_t{2});
        QCOMPARE(dialogs_->messages[1].text, program_->Module()->QText(IDS_NO_LIBRARY));
        QCOMPARE(dialogs_->messages[1].parentClass, QStringLiteral("kadenzo::CSplashWindow"));
    }

    // The older version's library is imported once and saved as library.dat;
    // only then is its source removed.
    void oldLibraryIsImportedAndSaved() {
        QStringList removed;
        CKadenzoApp::Options options;
        options.importLegacyLibrary = [](CLibrary& library) {
            test::AddItem(library.sports, 7, "Imported");
            return true;
        };
        options.removeLegacyDataSource = [&removed](const std::string& folder) {
            removed << QString::fromStdString(folder);
        };
        QVERIFY(StartProgram("import", {"rcus.rcc"}, std::move(options)));
        QCOMPARE(removed, QStringList{app_->PathOf("import/")});
        // Counters recomputed after the import, before the built-in sport is added.
        QCOMPARE(program_->Context().library->sports.idCounter, 8u);
        auto saved = ReadLibraryFile(program_->LibraryFilePath());
        QVERIFY(saved);
        QCOMPARE(saved->sports[0].name, std::string("Imported"));
    }

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
        QVERIFY(document_->SetLogName(QStringLiteral("Changed")));
        dialogs_->yesNoCancel = {answer};
        if (!saveAs.isEmpty()) dialogs_->saveFile = app_->PathOf(saveAs);
        QCOMPARE(document_->NewDocument(), goesOn);
        QCOMPARE(dialogs_->questions.size(), std::size_t{1});
        QVERIFY(dialogs_->questions[0].text.contains(QStringLiteral("Changed")));
        QCOMPARE(document_->IsModified(), !goesOn);
        QCOMPARE(document_->Doc().Log().name, std::string(goesOn ? "" : "Changed"));
        if (!saveAs.isEmpty()) QVERIFY(ReadAll(dialogs_->saveFile).startsWith("KADENZO2002"));
    }

    void failedSaveKeepsOldFile() {
        const QString path = SaveDiary("diary.kdz");
        const QByteArray before = ReadAll(path);
        QVERIFY(document_->SetLogName(QStringLiteral("Changed")));
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
        const QString backups = app_->PathOf("backups");
        document_->SetBackupFolder(backups);
        const QString path = SaveDiary("season.kdz");  // nothing to copy yet
        const QDir own(QString::fromStdString(BackupFolderFor(
            QFile::encodeName(path).toStdString(), QFile::encodeName(backups).toStdString())));
        // Beside the backups, apart from them, the version last written.
        const QStringList dated = {QStringLiteral("season-*")};
        QVERIFY(own.entryList(dated, QDir::Files).isEmpty());
        const QByteArray first = ReadAll(path);
        QCOMPARE(ReadAll(own.filePath(QStringLiteral("season.last-seen.kdz"))), first);
        QVERIFY(document_->SetLogName(QStringLiteral("Changed")));
        QVERIFY(document_->Save());
        const QStringList copies = own.entryList(dated, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(ReadAll(own.filePath(copies.front())), first);
        QCOMPARE(ReadAll(own.filePath(QStringLiteral("season.last-seen.kdz"))), ReadAll(path));
        QVERIFY(dialogs_->messages.empty());

        QVERIFY(QDir(backups).removeRecursively());
        Write(backups, {});  // a file where the folder should be
        QVERIFY(document_->SetLogName(QStringLiteral("Again")));
        QVERIFY(document_->Save());
        QVERIFY(!document_->IsModified());
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QCOMPARE(dialogs_->messages[0].icon, UserDialogs::Icon::Warning);
    }

    void unreadableFileLeavesOpenDiary() {
        QVERIFY(document_->SetLogName(QStringLiteral("Kept")));
        const QString kept = SaveDiary("kept.kdz");
        Write(app_->PathOf("broken.kdz"), ReadAll(kept).left(40));
        QVERIFY(!document_->OpenDocumentFile(app_->PathOf("broken.kdz")));
        QCOMPARE(dialogs_->messages.size(), std::size_t{1});
        QCOMPARE(document_->Title(), QStringLiteral("Kept"));
        QCOMPARE(document_->PathName(), kept);
    }

    // The title names the diary and marks it modified; closing it then asks,
    // and Cancel keeps the window open.
    void aModifiedDiaryIsMarkedAndClosingItAsks() {
        CMainFrame& frame = app_->MakeFrame();
        frame.show();
        document_->SetLogName(QStringLiteral("Saison 2026 – Müller"));
        QVERIFY(frame.windowTitle().startsWith(QStringLiteral("Saison 2026 – Müller")));
        QVERIFY(frame.isWindowModified());
        dialogs_->yesNoCancel = {UserDialogs::Answer::Cancel, UserDialogs::Answer::No};
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        QVERIFY(frame.close());
        QCOMPARE(dialogs_->questions.size(), std::size_t{2});
    }

    // Each kind of argument reaches the formatter; one it cannot take, or
    // none at all, leaves an empty field.
    void formatTextPassesEveryKindOfArgument() {
        QCOMPARE(FormatText("%02i.%04u %.2f %s %X 100%%", {5, 2026, 12.345, "km", 255}),
                 QStringLiteral("05.2026 12.35 km FF 100%"));
        QCOMPARE(FormatText("%i x, %s and %s", {"abc", "one"}), QStringLiteral(" x, one and "));
    }

    void onlyWebAddressesAndExistingFilesAreOpened() {
        const QString file = app_->PathOf("kadenzo.pdf");
        Write(file, {});
        for (const QString& good : {QStringLiteral("https://www.example.org/kadenzo/"),
                                    QStringLiteral("http://example.org/info?id=3"), file})
            QVERIFY2(IsShellOpenable(good), qPrintable(good));
        for (const QString& bad :
             {QStringLiteral("file:///etc/passwd"), QStringLiteral("javascript:alert(1)"),
              QStringLiteral("https://"), app_->PathOf("missing.pdf"), app_->dir.path(), QString()})
            QVERIFY2(!IsShellOpenable(bad), qPrintable(bad));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
