// Renders the main window with the diary view on a document to a PNG, for the
// README: kadenzo-diary-screenshot OUT.png FILE.kdz [WIDTH HEIGHT]
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "AnalysisViewInstall.h"
#include "AppContext.h"
#include "DiaryViewInstall.h"
#include "DocumentController.h"
#include "FormViewInstall.h"
#include "LanguageModule.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "QtUserDialogs.h"

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: kadenzo-diary-screenshot OUT.png FILE.kdz [WIDTH HEIGHT]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int width = argc == 5 ? QString(argv[3]).toInt() : 1280;
    const int height = argc == 5 ? QString(argv[4]).toInt() : 860;

    std::unique_ptr<kadenzo::LanguageModule> module = kadenzo::LoadLanguageModule(
        QDir::currentPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/../../app"));
    if (!module) {
        std::fprintf(stderr, "no language module found\n");
        return 1;
    }
    kadenzo::AppContext context;
    context.strings = module.get();
    // The program's starter library in the module's language, so that a
    // diary written with it (the demo in that language) opens without the
    // library question.
    const QString libraryName = module->Language().startsWith(QStringLiteral("de"))
                                    ? QStringLiteral("/../../app/library-de.dat")
                                    : QStringLiteral("/../../app/library.dat");
    const std::string programLibrary =
        QFile::encodeName(QCoreApplication::applicationDirPath() + libraryName).toStdString();
    if (auto library = kadenzo::LoadLibraryFile(programLibrary))
        context.library = std::move(library);

    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    kadenzo::QtUserDialogs dialogs;
    int status = 1;
    {
        kadenzo::DocumentController document(dialogs, settings, context);
        kadenzo::CMainFrame frame(*module, document, dialogs);
        // Every view, so that the tool bar is the program's.
        kadenzo::InstallDiaryView(frame);
        kadenzo::InstallAnalysisView(frame);
        kadenzo::InstallFormView(frame);
        if (document.OpenDocumentFile(QString::fromLocal8Bit(argv[2]))) {
            frame.resize(width, height);
            frame.show();
            QApplication::processEvents();
            if (frame.grab().save(QString::fromLocal8Bit(argv[1]))) status = 0;
        }
    }
    if (status != 0) std::fprintf(stderr, "cannot render the diary\n");
    return status;
}
