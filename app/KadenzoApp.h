#pragma once

#include <QObject>
#include <QPrinter>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>

#include "AppContext.h"
#include "LanguageModule.h"
#include "Texts.h"

namespace kadenzo {

class CLibrary;
class CMainFrame;
class CSplashWindow;
class DocumentController;
class UserDialogs;

// The application object: brings the program up in its fixed order (language
// module, settings, splash, library, document, main window), owns the
// program's library, unit settings and clock (its context) and the document,
// and answers About, library export and the units dialog.
class CKadenzoApp : public QObject {
    Q_OBJECT
public:
    struct Options {
        // Folder of the program file; its data (modules, library.dat) lie in
        // DataDirectory() of it.
        QString programDirectory;
        // How long the splash stays at least, in milliseconds.
        int splashMinimumMs = 1000;
        // Show the main window at the end of start-up (tests may not).
        bool showMainWindow = true;
        // The one-time import of the older version's library; empty when the
        // program is built without it (the import then fails).
        std::function<bool(CLibrary&)> importLegacyLibrary;
        // Removes the older version's data source and files (in the given
        // program folder) after a successful import.
        std::function<void(const std::string& programDirectory)> removeLegacyDataSource;
        // The web information check, run while the splash shows; empty skips it.
        std::function<void(QSettings&, UserDialogs&, CSplashWindow&, const TextService&)>
            webInfoCheck;
        // "Now"; empty for the system clock.
        Clock clock;
        // Where saving keeps copies of the files it replaces; empty: none.
        QString backupFolder;
    };

    // The settings store is handed in so that tests can point it elsewhere.
    CKadenzoApp(UserDialogs& dialogs, std::unique_ptr<QSettings> settings, Options options);
    ~CKadenzoApp() override;

    // Start-up; false ends the program (the reason has been shown).
    bool InitInstance(const QStringList& arguments);
    // Drops the document, the frame and the current library; returns exitCode.
    int ExitInstance(int exitCode = 0);

    // The first language module that loads: rcus.rcc, rcge.rcc in the current
    // folder, then in the program's folder.
    bool LoadLanguageModule();
    void ReadUnitSettings();
    void WriteUnitSettings();

    // Commands of the application object.
    void OnAppAbout();
    // F1: the manual in the PDF viewer, or a message saying where it is.
    void OnManual(const QString& manual);
    void OnExportLibrary();
    void OnUnits();
    // Stores new units, writes them and tells the settings' observers.
    void ApplyUnits(std::uint32_t distance, std::uint32_t weight);
    // Writes the current library to path; shows 33056 with the path on failure.
    bool ExportLibraryTo(const QString& path);

    const LanguageModule* Module() const { return module_.get(); }
    AppContext& Context() { return context_; }
    // The library.dat the program's library came from (or was saved to).
    const std::string& LibraryFilePath() const { return libraryPath_; }
    CMainFrame* MainFrame() const { return frame_.get(); }
    DocumentController* Document() const { return document_.get(); }
    QSettings& Settings() { return *settings_; }
    UserDialogs& Dialogs() { return dialogs_; }
    // The printer and page set-up every print starts from.
    QPrinter& Printer() { return printer_; }

    // The program's one built-in text, naming the module files looked for.
    static QString NoModuleMessage();

private:
    bool EnsureLibrary();
    void InstallQtTranslation();
    void RegisterAppCommands();

    UserDialogs& dialogs_;
    std::unique_ptr<QSettings> settings_;
    Options options_;
    AppContext context_;
    std::string libraryPath_;
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<QTranslator> qtTranslator_;
    std::unique_ptr<DocumentController> document_;
    std::unique_ptr<CMainFrame> frame_;
    QPrinter printer_;  // page set-up shared by every print
};

}  // namespace kadenzo
