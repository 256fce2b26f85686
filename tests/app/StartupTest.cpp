// Start-up of the program in temporary folders: which language module, which
// library, the exits with their messages, settings that survive a restart.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "AddLibraryItem.h"
#include "Cp1252.h"
#include "DocumentController.h"
#include "KadenzoApp.h"
#include "Library.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

void WriteLibrary(const QString& path, const std::string& sportName) {
    RegisterLibraryClasses();
    CLibrary library;
    CLibSport& sport = library.sports.AddNew();
    sport.name = sportName;
    sport.iconId = 1;
    SaveLibraryTo(library, QFile::encodeName(path).toStdString());
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> programDir_;
    std::unique_ptr<QTemporaryDir> currentDir_;
    QString savedCurrent_;
    FakeUserDialogs dialogs_;

    QString ProgramPath(const QString& name) const { return programDir_->filePath(name); }
    QString SettingsPath() const { return programDir_->filePath(QStringLiteral("settings.ini")); }

    std::unique_ptr<CKadenzoApp> MakeApp(CKadenzoApp::Options options = {}) {
        if (options.programDirectory.isEmpty()) options.programDirectory = programDir_->path();
        options.splashMinimumMs = 0;
        options.showMainWindow = false;
        return std::make_unique<CKadenzoApp>(
            dialogs_, std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat),
            std::move(options));
    }

private slots:
    void init() {
        dialogs_ = FakeUserDialogs();
        programDir_ = std::make_unique<QTemporaryDir>();
        currentDir_ = std::make_unique<QTemporaryDir>();
        savedCurrent_ = QDir::currentPath();
        QDir::setCurrent(currentDir_->path());
    }

    void cleanup() { QDir::setCurrent(savedCurrent_); }

    // English is preferred; without any module a built-in message names both files.
    void languageModuleChoice_data() {
        QTest::addColumn<QStringList>("modules");
        QTest::addColumn<QString>("language");
        QTest::newRow("both") << QStringList{"rcge.rcc", "rcus.rcc"} << "en";
        QTest::newRow("German alone") << QStringList{"rcge.rcc"} << "de";
        QTest::newRow("none") << QStringList{} << "";
    }

    void languageModuleChoice() {
        QFETCH(QStringList, modules);
        QFETCH(QString, language);
        CopyBuilt(programDir_->path(), modules << QStringLiteral("library.dat"));
        auto app = MakeApp();
        QCOMPARE(app->InitInstance({}), !language.isEmpty());
        if (!language.isEmpty()) {
            QCOMPARE(app->Module()->Language(), language);
            QVERIFY(!app->MainFrame()->Menus(CMainFrame::ViewKind::Diary).empty());
            QCOMPARE(dialogs_.messages.size(), std::size_t{0});
            return;
        }
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QCOMPARE(dialogs_.messages[0].icon, UserDialogs::Icon::Error);
        QVERIFY(dialogs_.messages[0].text.contains(QStringLiteral("'rcus.rcc'")));
        QVERIFY(dialogs_.messages[0].text.contains(QStringLiteral("'rcge.rcc'")));
        QVERIFY(!app->MainFrame());
    }

    void libraryInCurrentFolderWins() {
        CopyBuilt(programDir_->path(), {"rcus.rcc"});
        WriteLibrary(ProgramPath(QStringLiteral("library.dat")), "Beside the program");
        WriteLibrary(currentDir_->filePath(QStringLiteral("library.dat")), "In the current folder");
        auto app = MakeApp();
        QVERIFY(app->InitInstance({}));
        QCOMPARE(app->Context().library->sports[0].name, std::string("In the current folder"));
    }

    // The German program starts from the German starter library until the
    // user has a library.dat of their own; every other case keeps library.dat.
    void starterLibraryFollowsTheModule_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<bool>("germanStarterShipped");
        QTest::addColumn<bool>("ownLibrary");
        QTest::addColumn<QString>("sport");
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << "rcge.rcc" << true << false << "Laufen" << "library-de.dat";
        QTest::newRow("English") << "rcus.rcc" << true << false << "Running" << "library.dat";
        QTest::newRow("German, no German starter")
            << "rcge.rcc" << false << false << "Running" << "library.dat";
        QTest::newRow("German, own library")
            << "rcge.rcc" << true << true << "Mine" << "library.dat";
    }

    void starterLibraryFollowsTheModule() {
        QFETCH(QString, module);
        QFETCH(bool, germanStarterShipped);
        QFETCH(bool, ownLibrary);
        QFETCH(QString, sport);
        QFETCH(QString, file);
        QStringList files{module, QStringLiteral("library.dat")};
        if (germanStarterShipped) files << QStringLiteral("library-de.dat");
        CopyBuilt(programDir_->path(), files);
        if (ownLibrary) WriteLibrary(currentDir_->filePath(QStringLiteral("library.dat")), "Mine");
        auto app = MakeApp();
        QVERIFY(app->InitInstance({}));
        const std::string& first = app->Context().library->sports[0].name;
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(first)), sport);
        QCOMPARE(QFileInfo(QString::fromStdString(app->LibraryFilePath())).fileName(), file);
        QCOMPARE(dialogs_.messages.size(), std::size_t{0});
    }

    void noLibraryAndNoOldDatabaseEndsWith33049() {
        CopyBuilt(programDir_->path(), {"rcus.rcc"});
        int imports = 0;
        CKadenzoApp::Options options;
        options.importLegacyLibrary = [&imports](CLibrary&) {
            ++imports;
            return false;
        };
        auto app = MakeApp(std::move(options));
        QVERIFY(!app->InitInstance({}));
        QCOMPARE(imports, 1);
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QCOMPARE(dialogs_.messages[0].text, app->Module()->QText(IDS_NO_LIBRARY));
        // The message belonged to the splash, so it showed above it.
        QCOMPARE(dialogs_.messages[0].parentClass, QStringLiteral("kadenzo::CSplashWindow"));
        QVERIFY(!dialogs_.messages[0].text.isEmpty());
        QVERIFY(app->Context().library->sports.empty() && !app->MainFrame());
    }

    void importedLibraryIsSavedAndOldSourceRemoved() {
        CopyBuilt(programDir_->path(), {"rcus.rcc"});
        int removals = 0;
        CKadenzoApp::Options options;
        options.importLegacyLibrary = [](CLibrary& library) {
            test::AddItem(library.sports, 7, "Imported");
            return true;
        };
        options.removeLegacyDataSource = [&removals, this](const std::string& folder) {
            QCOMPARE(QString::fromStdString(folder), programDir_->path() + QLatin1Char('/'));
            ++removals;
        };
        auto app = MakeApp(std::move(options));
        QVERIFY(app->InitInstance({}));
        QCOMPARE(removals, 1);
        // Counters recomputed after the import, before the built-in sport is added.
        QCOMPARE(app->Context().library->sports.idCounter, 8u);
        auto saved = ReadLibraryFile(QFile::encodeName(ProgramPath("library.dat")).toStdString());
        QCOMPARE(saved->sports[0].name, std::string("Imported"));
    }

    void builtInSportIsEnsured() {
        CopyBuilt(programDir_->path(), {"rcus.rcc"});
        WriteLibrary(ProgramPath(QStringLiteral("library.dat")), "Running");
        auto app = MakeApp();
        QVERIFY(app->InitInstance({}));
        const CLibSport* builtIn = app->Context().library->FindSport(CLibrary::kBuiltInSportId);
        QVERIFY(builtIn);
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(builtIn->name)),
                 app->Module()->QText(IDS_BUILTIN_SPORT));
        QCOMPARE(builtIn->iconId, 42u);
        QCOMPARE(app->Context().library->sports.size(), std::size_t{2});
    }

    void unitsSurviveRestart() {
        CopyBuilt(programDir_->path(), {"rcus.rcc", "library.dat"});
        {
            auto app = MakeApp();
            QVERIFY(app->InitInstance({}));
            app->ApplyUnits(1, 1);
            app->ExitInstance();
        }
        auto app = MakeApp();
        QCOMPARE(app->Context().units.distance, 0u);
        QVERIFY(app->InitInstance({}));
        QCOMPARE(app->Context().units.distance, 1u);
        QCOMPARE(app->Context().units.weight, 1u);
    }

    // Installed, the program sits in bin/ and its data in share/kadenzo/.
    void installedLayoutFindsItsData() {
        QVERIFY(QDir(programDir_->path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(programDir_->path()).mkpath(QStringLiteral("share/kadenzo")));
        CopyBuilt(programDir_->filePath(QStringLiteral("share/kadenzo")),
                  {"rcge.rcc", "library.dat"});
        CKadenzoApp::Options options;
        options.programDirectory = programDir_->filePath(QStringLiteral("bin"));
        auto app = MakeApp(std::move(options));
        QVERIFY(app->InitInstance({}));
        QCOMPARE(app->Module()->Language(), QStringLiteral("de"));
        QVERIFY(app->Context().library->sports.size() > 1);
        // Qt's own buttons speak German too, and printing starts in landscape.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
        QCOMPARE(app->Printer().pageLayout().orientation(), QPageLayout::Landscape);
        // The manual command is offered only while there is a manual to open.
        QAction* manual = app->MainFrame()->Action(ID_MANUAL);
        QVERIFY(!manual->isEnabled());
        QFile pdf(programDir_->filePath(QStringLiteral("share/kadenzo/kadenzo-de.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        app->MainFrame()->UpdateCommandUi();
        QVERIFY(manual->isEnabled());
    }

    void unreadableDiaryOnCommandLineLeavesEmptyDiary() {
        CopyBuilt(programDir_->path(), {"rcus.rcc", "library.dat"});
        const QString diary = currentDir_->filePath(QStringLiteral("broken.kdz"));
        QFile file(diary);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("KADENZO2002\0\0\0", 14);
        file.close();
        auto app = MakeApp();
        QVERIFY(app->InitInstance({diary}));
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QVERIFY(app->Document()->PathName().isEmpty());
        QCOMPARE(app->Document()->Title(), app->Module()->QText(33060));
    }

    // A diary named on the command line, here relative to the current folder,
    // goes to the top of the recent files, as one opened in the program does.
    void aDiaryOnTheCommandLineGoesToTheTopOfTheRecentFiles() {
        CopyBuilt(programDir_->path(), {"rcus.rcc", "library.dat"});
        const QStringList diaries = {currentDir_->filePath(QStringLiteral("base.kdz")),
                                     currentDir_->filePath(QStringLiteral("build.kdz"))};
        {
            auto app = MakeApp();
            QVERIFY(app->InitInstance({}));
            for (const QString& diary : diaries) QVERIFY(app->Document()->SaveTo(diary));
            app->ExitInstance();
        }
        auto app = MakeApp();
        QVERIFY(app->InitInstance({QStringLiteral("base.kdz")}));
        QCOMPARE(app->Document()->PathName(), diaries[0]);
        QCOMPARE(app->Document()->RecentFiles().Files(), (QStringList{diaries[0], diaries[1]}));
        QSettings stored(SettingsPath(), QSettings::IniFormat);
        RecentFileList next;
        next.Read(stored);
        QCOMPARE(next.Files(), app->Document()->RecentFiles().Files());
    }

    void exportWritesTheLibraryOrReportsThePath() {
        CopyBuilt(programDir_->path(), {"rcus.rcc", "library.dat"});
        auto app = MakeApp();
        QVERIFY(app->InitInstance({}));
        const QString target = currentDir_->filePath(QStringLiteral("export.dat"));
        QVERIFY(app->ExportLibraryTo(target));
        auto exported = ReadLibraryFile(QFile::encodeName(target).toStdString());
        QCOMPARE(exported->Fingerprint(), app->Context().library->Fingerprint());

        const QString impossible = currentDir_->filePath(QStringLiteral("missing/export.dat"));
        QVERIFY(!app->ExportLibraryTo(impossible));
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QVERIFY(dialogs_.messages[0].text.contains(QDir::toNativeSeparators(impossible)));

        dialogs_.saveFile = target;
        app->OnExportLibrary();
        // The module's filter pairs become Qt's "text (patterns)" entries.
        QVERIFY(dialogs_.lastSaveFilter.contains(QStringLiteral("(*.dat);;")));
        QVERIFY(!dialogs_.lastSaveFilter.contains(QLatin1Char('|')));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
