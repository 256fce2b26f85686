// Renders the device import window on a folder of activity files to a PNG,
// for the manual: kadenzo-device-screenshot OUT.png FOLDER MODULE.rcc LIBRARY.dat [WIDTH HEIGHT]
// The diary is made to fit the folder: the first activity's day has a
// planned workout of its sport, the second's two alike (the user chooses),
// the others none.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "AppContext.h"
#include "DeviceImportDialog.h"
#include "DeviceScan.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "QtTranslation.h"
#include "Library.h"
#include "LibraryFile.h"
#include "LibraryItems.h"
#include "QtUserDialogs.h"

namespace {

std::uint32_t FirstTemplateOf(const kadenzo::CLibrary& library, std::uint32_t sportId) {
    std::uint32_t found = 0;
    for (const auto& item : library.workoutTemplates)
        if (item->sportId == sportId && (found == 0 || item->id < found)) found = item->id;
    return found;
}

// Plans on the activities' days, as the picture wants them.
std::unique_ptr<kadenzo::CDatabase> PlansFor(const kadenzo::ImportPlan& plan,
                                             const kadenzo::CLibrary& library) {
    auto log = std::make_unique<kadenzo::CDatabase>();
    for (std::size_t i = 0; i < plan.rows.size() && i < 2; ++i) {
        const kadenzo::DeviceActivity& activity = plan.rows[i].activity;
        for (int copies = 0; copies < static_cast<int>(i) + 1; ++copies) {
            auto workout = std::make_unique<kadenzo::CWorkOut>();
            workout->date = activity.Day() + (7.0 + 10 * copies) / 24;
            workout->sportId = activity.sportId;
            workout->templateId = FirstTemplateOf(library, activity.sportId);
            workout->plannedDuration =
                std::max(5.0, std::round(activity.duration / 5 + copies) * 5);
            log->AddWorkout(std::move(workout));
        }
    }
    return log;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5 && argc != 7) {
        std::fprintf(stderr,
                     "usage: kadenzo-device-screenshot OUT.png FOLDER MODULE.rcc "
                     "LIBRARY.dat [WIDTH HEIGHT]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    std::unique_ptr<kadenzo::LanguageModule> module = kadenzo::LanguageModule::Load(args[3]);
    std::unique_ptr<kadenzo::CLibrary> library = kadenzo::LoadLibraryFile(argv[4]);
    if (!module || !library) {
        std::fprintf(stderr, "cannot load the language module or the library\n");
        return 1;
    }
    // Qt's own buttons speak the module's language, as in the program.
    const auto qtTexts = kadenzo::InstallQtTranslation(*module);
    kadenzo::AppContext context;
    context.strings = module.get();
    context.library = std::move(library);
    kadenzo::CKadenzoDoc doc(context);
    const std::string folder = argv[2];
    kadenzo::ScanSettings scan;
    const kadenzo::ImportPlan first =
        kadenzo::ScanDevice(folder, doc.Log(), doc.Library(), std::string(), scan);
    kadenzo::DocumentContents contents;
    contents.library = doc.Library().Clone();
    contents.log = PlansFor(first, doc.Library());
    contents.maxHeartRate = 190;
    doc.SetContents(std::move(contents));

    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    kadenzo::QtUserDialogs dialogs;
    kadenzo::CDeviceImportDialog dialog({doc, dialogs, settings, kadenzo::TextService(context), ""},
                                        QString::fromLocal8Bit(argv[2]));
    if (argc == 7) dialog.resize(args[5].toInt(), args[6].toInt());
    dialog.show();
    QApplication::processEvents();
    if (!dialog.grab().save(args[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
