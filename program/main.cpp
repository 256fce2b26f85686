#include <QApplication>
#include <QIcon>

#include "AnalysisViewInstall.h"
#include "AppContext.h"
#include "AppSettings.h"
#include "AthleteInstall.h"
#include "DeviceInstall.h"
#include "DiaryViewInstall.h"
#include "EventsInstall.h"
#include "FormViewInstall.h"
#include "KadenzoApp.h"
#include "LegacyImportStep.h"
#include "LibraryInstall.h"
#include "PlanCalendarInstall.h"
#include "PrintDiaryToPdf.h"
#include "ProfileDialog.h"
#include "QtUserDialogs.h"
#include "Texts.h"
#include "WebInfoCheck.h"
#include "WorkoutEditorInstall.h"
#include "WorkoutListInstall.h"

int main(int argc, char* argv[]) {
    if (kadenzo::IsPrintPdfCommand(argc, argv)) return kadenzo::PrintPdfMain(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kadenzo"));
    QApplication::setDesktopFileName(QStringLiteral("kadenzo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kadenzo/kadenzo.svg")));

    kadenzo::QtUserDialogs dialogs;
    kadenzo::CKadenzoApp::Options options;
    options.programDirectory = QCoreApplication::applicationDirPath();
    options.importLegacyLibrary = kadenzo::ImportLegacyLibraryAtStartup;
    options.removeLegacyDataSource = kadenzo::RemoveLegacyDataSource;
    options.webInfoCheck = kadenzo::RunWebInfoCheckAtStartup;
    options.backupFolder = kadenzo::BackupFolder();
    kadenzo::CKadenzoApp app(dialogs, kadenzo::OpenSettings(), std::move(options));
    kadenzo::InstallProfileDialog(dialogs, kadenzo::TextService(app.Context()));

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) return app.ExitInstance(1);
    kadenzo::InstallDiaryView(*app.MainFrame(), &app.Printer());
    kadenzo::InstallAnalysisView(*app.MainFrame(), &app.Printer());
    kadenzo::InstallFormView(*app.MainFrame(), &app.Printer(), &app.Settings());
    kadenzo::InstallWorkoutEditor(*app.MainFrame(), app.Settings(), app.Dialogs());
    kadenzo::InstallBodyData(*app.MainFrame(), app.Dialogs());
    kadenzo::InstallEvents(*app.MainFrame());
    // The library editor writes the file the library was read from at start-up.
    kadenzo::InstallLibrary(*app.MainFrame(), dialogs, app.LibraryFilePath());
    kadenzo::InstallWorkoutList(*app.MainFrame());
    // The device import writes the library as the library editor does, when
    // an activity brought a sport the library had no template for.
    kadenzo::InstallDeviceImport(*app.MainFrame(), app.Settings(), app.Dialogs(),
                                 app.LibraryFilePath());
    kadenzo::InstallPlanCalendar(*app.MainFrame(), app.Settings(), app.Dialogs());
    return app.ExitInstance(QApplication::exec());
}
