// Renders the recording import dialog on a recording to a PNG, to look at it
// in each language and size:
//   kadenzo-import-screenshot OUT.png RECORDING MODULE.rcc [WIDTH HEIGHT] [--axis=N]
//       [--max-hr=BPM]
// with N the x-axis: 0 distance, 1 time of day, 2 elapsed time (the default),
// and BPM the athlete's maximum heart rate for the time in zones (none by default).
// The markers stand at a fifth and at seven tenths of the samples.
#include <QApplication>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <memory>

#include "HeartRateChart.h"
#include "LanguageModule.h"
#include "QtUserDialogs.h"
#include "RecordingImportDialog.h"
#include "ResourceIds.h"

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: kadenzo-import-screenshot OUT.png RECORDING MODULE.rcc [WIDTH HEIGHT] "
                     "[--axis=N] [--max-hr=BPM]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    int axis = kadenzo::kAxisElapsedTime;
    int maxHeartRate = 0;
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("--axis="))) axis = arg.mid(7).toInt();
        if (arg.startsWith(QStringLiteral("--max-hr="))) maxHeartRate = arg.mid(9).toInt();
    }
    std::unique_ptr<kadenzo::LanguageModule> module = kadenzo::LanguageModule::Load(args[3]);
    if (!module) {
        std::fprintf(stderr, "cannot load the language module %s\n", argv[3]);
        return 1;
    }

    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    kadenzo::QtUserDialogs dialogs;
    const kadenzo::UnitSettings units;
    kadenzo::CRecordingImportDialog::Services services{
        units, *module, [] { return static_cast<std::int64_t>(std::time(nullptr)); }, settings,
        dialogs};
    kadenzo::CRecordingImportDialog dialog(services, {args[2].toStdString(), 0, -1, -1, maxHeartRate});
    if (args.size() >= 6 && !args[4].startsWith(QLatin1Char('-')))
        dialog.resize(args[4].toInt(), args[5].toInt());
    const int count = dialog.Values().Recording().count();
    dialog.Chart()->SetMarkers(count / 5, count * 7 / 10);
    const int axisButtons[] = {kadenzo::IDC_IMPORT_AXIS, kadenzo::IDC_IMPORT_AXIS_TIME_OF_DAY,
                               kadenzo::IDC_IMPORT_AXIS_3};
    if (axis >= 0 && axis < 3) {
        if (auto* button = dialog.findChild<QRadioButton*>(QString::number(axisButtons[axis])))
            button->click();
    }
    dialog.show();
    QApplication::processEvents();
    if (!dialog.grab().save(args[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
