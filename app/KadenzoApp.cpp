#include "KadenzoApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSetupDialog>

#include "AboutDialog.h"
#include "AppSettings.h"
#include "DataFiles.h"
#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "QtTranslation.h"
#include "ResourceIds.h"
#include "ShellOpen.h"
#include "SplashWindow.h"
#include "Texts.h"
#include "UnitsDialog.h"
#include "UserDialogs.h"

// The program's own icon lives in a static library; its resources must be
// pulled in explicitly.
static void InitAppResources() { Q_INIT_RESOURCE(kadenzo); }

namespace kadenzo {
namespace {

// An MFC-style filter ("Text|*.ext|...||") in Qt's "Text (*.ext);;..." form;
// a text already in Qt's form is kept.
QString QtFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|'))) return filter;
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts.at(i);
        const QString patterns =
            QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!text.contains(QLatin1Char('('))) text += QStringLiteral(" (%1)").arg(patterns);
        // Qt reads the patterns from the parentheses of the text.
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        entries << text.left(open) + QStringLiteral("(%1)").arg(patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace

CKadenzoApp::CKadenzoApp(UserDialogs& dialogs, std::unique_ptr<QSettings> settings, Options options)
    : dialogs_(dialogs), settings_(std::move(settings)), options_(std::move(options)) {
    InitAppResources();
    context_.clock = options_.clock;
    // The diary is a landscape page; print set-up starts from there.
    printer_.setPageOrientation(QPageLayout::Landscape);
}

CKadenzoApp::~CKadenzoApp() { ExitInstance(); }

QString CKadenzoApp::NoModuleMessage() {
    return QStringLiteral(
               "No ressources available. You can try to reinstall the application.\n"
               "For proper operation either the file '%1' or '%2' is needed.")
        .arg(QString::fromLatin1(kGermanModuleName), QString::fromLatin1(kEnglishModuleName));
}

bool CKadenzoApp::LoadLanguageModule() {
    std::unique_ptr<LanguageModule> module =
        kadenzo::LoadLanguageModule(QDir::currentPath(), DataDirectory(options_.programDirectory));
    if (!module) return false;
    context_.strings = module.get();
    module_ = std::move(module);
    return true;
}

void CKadenzoApp::InstallQtTranslation() {
    // Qt's own buttons and dialogs speak the module's language.
    qtTranslator_ = kadenzo::InstallQtTranslation(*module_);
}

void CKadenzoApp::ReadUnitSettings() { context_.units = kadenzo::ReadUnitSettings(*settings_); }

void CKadenzoApp::WriteUnitSettings() { kadenzo::WriteUnitSettings(*settings_, context_.units); }

bool CKadenzoApp::InitInstance(const QStringList& arguments) {
    if (!LoadLanguageModule()) {
        dialogs_.Message(NoModuleMessage(), UserDialogs::Icon::Error);
        return false;
    }
    InstallQtTranslation();
    ReadUnitSettings();

    auto splash =
        std::make_unique<CSplashWindow>(module_->Bitmap(IDB_SPLASH), options_.splashMinimumMs);
    splash->show();
    QCoreApplication::processEvents();
    // Messages while the splash shows belong to it, so they stay above it.
    dialogs_.SetParentWindow(splash.get());

    const bool ready = EnsureLibrary();
    if (ready && options_.webInfoCheck)
        options_.webInfoCheck(*settings_, dialogs_, *splash, TextService(context_));
    dialogs_.SetParentWindow(nullptr);
    if (!ready) return false;
    splash->WaitUntilElapsed();
    splash.reset();

    document_ = std::make_unique<DocumentController>(dialogs_, *settings_, context_);
    document_->SetBackupFolder(options_.backupFolder);
    frame_ = std::make_unique<CMainFrame>(*module_, *document_, dialogs_);
    dialogs_.SetParentWindow(frame_.get());
    RegisterAppCommands();

    document_->Doc().OnNewDocument();
    QString file;
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            file = argument;
            break;
        }
    }
    // A diary that cannot be opened is reported and the program starts with
    // the new empty one rather than ending.
    if (!file.isEmpty()) document_->OpenDocumentFile(file);

    if (options_.showMainWindow) {
        frame_->show();
        frame_->raise();
    }
    return true;
}

bool CKadenzoApp::EnsureLibrary() {
    const std::string dataDirectory =
        QFile::encodeName(DataDirectory(options_.programDirectory)).toStdString();
    std::string path = GetLibraryFilePath(dataDirectory);
    // Until the user keeps a library.dat of their own in the current folder,
    // a German program starts from the German starter library: same ids,
    // German names. The library editor saves back to the file it came from.
    if (path != kLocalLibraryFile) {
        const QString starter = LanguageStarterLibrary(
            DataDirectory(options_.programDirectory), module_->Language());
        if (!starter.isEmpty()) path = QFile::encodeName(starter).toStdString();
    }
    libraryPath_ = path;
    std::unique_ptr<CLibrary> library = LoadLibraryFile(path);
    if (!library) {
        auto imported = std::make_unique<CLibrary>();
        if (options_.importLegacyLibrary && options_.importLegacyLibrary(*imported)) {
            imported->RecomputeIdCounters();
            library = std::move(imported);
            // Without a saved library.dat the old database stays and is imported again.
            if (SaveLibraryFile(*library, path) && options_.removeLegacyDataSource)
                options_.removeLegacyDataSource(
                    QFile::encodeName(options_.programDirectory + QLatin1Char('/')).toStdString());
        }
    }
    if (!library) {
        dialogs_.Message(TextService(context_).Text(IDS_NO_LIBRARY), UserDialogs::Icon::Error);
        return false;
    }
    library->EnsureBuiltInSport(context_.Text(CLibrary::kBuiltInSportNameText));
    context_.library = std::move(library);
    return true;
}

int CKadenzoApp::ExitInstance(int exitCode) {
    frame_.reset();
    document_.reset();
    context_.library = std::make_unique<CLibrary>();
    context_.strings = nullptr;
    module_.reset();
    return exitCode;
}

void CKadenzoApp::OnManual(const QString& manual) {
    // F1 always answers: with the manual, or with where to find it.
    const TextService texts(context_);
    if (manual.isEmpty()) {
        dialogs_.Message(FormatText(texts.TextOr(IDS_MANUAL_MISSING,
                                                 QStringLiteral("The manual is not installed with "
                                                                "the program. It is on the web page %s")),
                                    {QStringLiteral("https://www.kadenzo.de/")}),
                         UserDialogs::Icon::Information);
        return;
    }
    if (HasDesktopHandler(QStringLiteral("application/pdf")) && ShellOpen(manual)) return;
    dialogs_.Message(
        FormatText(texts.TextOr(IDS_MANUAL_NO_VIEWER,
                                QStringLiteral("No program to show PDF files was found. The manual "
                                               "is the file %s")),
                   {QDir::toNativeSeparators(manual)}),
        UserDialogs::Icon::Information);
}

void CKadenzoApp::RegisterAppCommands() {
    frame_->SetCommand(ID_APP_ABOUT, {[this] { OnAppAbout(); }, {}, {}});
    frame_->SetCommand(ID_EXPORT_LIBRARY, {[this] { OnExportLibrary(); }, {}, {}});
    frame_->SetCommand(ID_UNITS, {[this] { OnUnits(); }, {}, {}});
    // The manual in the module's language, available when it is installed.
    const auto manual = [this] {
        return FindManual(options_.programDirectory, module_->Language());
    };
    frame_->SetCommand(ID_MANUAL, {[this, manual] { OnManual(manual()); }, {}, {}});
    frame_->SetCommand(ID_FILE_PRINT_SETUP, {[this] {
                                                 QPageSetupDialog dialog(&printer_, frame_.get());
                                                 dialog.exec();
                                             },
                                             {},
                                             {}});
}

void CKadenzoApp::OnAppAbout() {
    CAboutDialog dialog(TextService(context_), frame_.get());
    dialog.exec();
}

void CKadenzoApp::OnExportLibrary() {
    const QString path = dialogs_.SaveFileName(
        QStringLiteral("library.dat"), QtFilter(TextService(context_).Text(IDS_LIBRARY_FILTER)),
        QStringLiteral("dat"));
    if (!path.isEmpty()) ExportLibraryTo(path);
}

bool CKadenzoApp::ExportLibraryTo(const QString& path) {
    try {
        SaveLibraryTo(*context_.library, QFile::encodeName(path).toStdString());
    } catch (const ArchiveError&) {
        dialogs_.Message(
            TextService(context_).Format(IDS_EXPORT_FAILED, {QDir::toNativeSeparators(path)}),
            UserDialogs::Icon::Error);
        return false;
    }
    return true;
}

void CKadenzoApp::OnUnits() {
    CUnitsDialog dialog(context_.units, TextService(context_), frame_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    const UnitSettings units = dialog.Units();
    ApplyUnits(units.distance, units.weight);
}

void CKadenzoApp::ApplyUnits(std::uint32_t distance, std::uint32_t weight) {
    context_.units.distance = distance;
    context_.units.weight = weight;
    WriteUnitSettings();
    context_.settings.Notify({SettingsChange::kUnits});
}

}  // namespace kadenzo
