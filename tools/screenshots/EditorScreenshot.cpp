// Renders the workout editor's pages, the body data dialog and the template
// tree to PNGs, to look at them in each language, unit and size:
//   kadenzo-editor-screenshot OUTDIR MODULE.rcc [WIDTH HEIGHT] [--imperial]
// writes OUTDIR/setup.png, performance.png, section.png, body-data.png,
// browser.png and chooser.png. The starter library is read from the build's
// app folder; the workout is one of today with figures filled in.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdio>
#include <memory>

#include "BodyDataDialog.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "EditorServices.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "Library.h"
#include "LibraryFile.h"
#include "QtUserDialogs.h"
#include "ResourceIds.h"
#include "TemplateTreeDialog.h"
#include "WOPerformancePage.h"
#include "WorkoutEditorSheet.h"

namespace {

bool Save(QWidget& widget, const QString& file, const QSize& size) {
    if (size.isValid()) widget.resize(size);
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(file);
    if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    widget.hide();
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: kadenzo-editor-screenshot OUTDIR MODULE.rcc [WIDTH HEIGHT] "
                     "[--imperial]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    const QDir out(args[1]);
    QSize size;
    if (args.size() >= 5 && !args[3].startsWith(QLatin1Char('-')))
        size = QSize(args[3].toInt(), args[4].toInt());
    std::unique_ptr<kadenzo::LanguageModule> module = kadenzo::LanguageModule::Load(args[2]);
    if (!module) {
        std::fprintf(stderr, "cannot load the language module %s\n", argv[2]);
        return 1;
    }
    kadenzo::AppContext context;
    context.strings = module.get();
    if (args.contains(QStringLiteral("--imperial"))) context.units = {1, 1};
    const std::string libraryFile = QFile::encodeName(QCoreApplication::applicationDirPath() +
                                                      QStringLiteral("/../../app/library.dat"))
                                        .toStdString();
    if (auto library = kadenzo::ReadLibraryFile(libraryFile)) context.library = std::move(library);
    if (context.library->workoutTemplates.empty()) {
        std::fprintf(stderr, "no starter library at %s\n", libraryFile.c_str());
        return 1;
    }

    kadenzo::CKadenzoDoc doc(context);
    doc.OnNewDocument();
    kadenzo::AthleteProfile profile = doc.Profile();
    profile.maxHeartRate = 186;
    kadenzo::edit::SetProfile(doc, profile);
    const kadenzo::CLibWorkout& plan = context.library->workoutTemplates[0];
    auto workout = std::make_unique<kadenzo::CWorkOut>(plan);
    workout->plannedDuration = 75;
    workout->plannedDistance = 14;
    workout->planNote = "Keep it easy on the hills";
    workout->planFilePath = "https://www.varnel-software.de/kadenzo/";
    workout->distance = 14.23;
    workout->duration = 74.5;
    workout->averagePulse = 138;
    workout->maxPulse = 161;
    workout->partDistance = 5.02;
    workout->partDuration = 24.75;
    workout->partAveragePulse = 145;
    workout->partMaxPulse = 158;
    workout->notes = "Windy along the river";
    // The starter library's road running, river path and easy intensity.
    workout->subSportId = 1;
    workout->trackId = 2;
    workout->intensityId = 2;
    workout->recordingPath = "/home/athlete/recordings/24051701.hrm";
    const double today = kadenzo::NoonOfDayNumber(context.Today());
    const auto position =
        kadenzo::edit::AddWorkout(doc, std::move(workout), kadenzo::edit::InDateOrder(today));

    kadenzo::QtUserDialogs dialogs;
    const kadenzo::EditorServices services{doc, dialogs, {}, {}, {}};
    bool saved = true;
    {
        kadenzo::CWorkoutEditorSheet sheet(***position, services);
        saved &= Save(sheet, out.filePath(QStringLiteral("setup.png")), size);
        sheet.Pages()->setCurrentIndex(1);
        saved &= Save(sheet, out.filePath(QStringLiteral("performance.png")), size);
        sheet.findChild<QRadioButton*>(QString::number(kadenzo::IDC_PERF_VIEW_PART))->click();
        saved &= Save(sheet, out.filePath(QStringLiteral("section.png")), size);
    }
    {
        kadenzo::CBodyInfo info({kadenzo::CalendarDateTime::kValid, today});
        info.weight = 71.4;
        info.value2 = 14.5;
        info.value3 = 48;
        info.note = "After the holidays";
        kadenzo::CBodyDataDialog dialog(info, context.units, context.Texts(), dialogs);
        saved &= Save(dialog, out.filePath(QStringLiteral("body-data.png")), QSize());
    }
    {
        kadenzo::CTemplateTreeDialog browser(doc);
        browser.CreateBrowser();
        browser.setAttribute(Qt::WA_DeleteOnClose, false);
        saved &= Save(browser, out.filePath(QStringLiteral("browser.png")), QSize());
        kadenzo::CTemplateTreeDialog chooser(doc);
        chooser.SetChosenTemplateId(plan.id);
        saved &= Save(chooser, out.filePath(QStringLiteral("chooser.png")), QSize());
    }
    return saved ? 0 : 1;
}
