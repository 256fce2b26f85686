// Renders the analysis view on a diary file to a PNG, for the README and for
// looking at it: the program starts as usual (language module, library,
// document), switches to the analysis and grabs the window.
//
//   kadenzo-analysis-screenshot [--german] [--size W H] [--command ID]...
//       [--statistics STATS.png] [--detail DETAIL.png] [--scale SCALE.png]
//       [--print OUT.pdf] OUT.png FILE.kdz
//
// Each --command runs one of the analysis menu's commands first, e.g.
// 0x808A for 12 weeks or 0x8025 to split the bars by sport.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "AnalysisView.h"
#include "AnalysisViewInstall.h"
#include "CalendarDays.h"
#include "DiaryViewInstall.h"
#include "DocumentController.h"
#include "KadenzoApp.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "ScaleDialog.h"
#include "SportDetailDialog.h"
#include "SportStatisticsDialog.h"
#include "StatisticsList.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace {

using namespace kadenzo;

// Answers every question without a window: the diary's own library is used,
// messages go to stderr.
class UnattendedDialogs : public UserDialogs {
public:
    void Message(const QString& text, Icon) override {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    bool AskYesNo(const QString&, Icon, Answer) override { return true; }
    Answer AskYesNoCancel(const QString&) override { return Answer::No; }
    QString OpenFileName(const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool EditProfile(AthleteProfile&, bool) override { return false; }
};

struct Request {
    QString output;
    QString diary;
    bool german = false;
    int width = 1000;
    int height = 720;
    std::vector<int> commands;
    QString statistics;
    QString detail;
    QString scale;
    QString print;
};

bool ParseRequest(const QStringList& args, Request& request) {
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--german")) {
            request.german = true;
        } else if (arg == QLatin1String("--size") && i + 2 < args.size()) {
            request.width = args.at(++i).toInt();
            request.height = args.at(++i).toInt();
        } else if (arg == QLatin1String("--command") && hasValue) {
            request.commands.push_back(args.at(++i).toInt(nullptr, 0));
        } else if (arg == QLatin1String("--statistics") && hasValue) {
            request.statistics = QFileInfo(args.at(++i)).absoluteFilePath();
        } else if (arg == QLatin1String("--detail") && hasValue) {
            request.detail = QFileInfo(args.at(++i)).absoluteFilePath();
        } else if (arg == QLatin1String("--scale") && hasValue) {
            request.scale = QFileInfo(args.at(++i)).absoluteFilePath();
        } else if (arg == QLatin1String("--print") && hasValue) {
            request.print = QFileInfo(args.at(++i)).absoluteFilePath();
        } else if (arg.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            files << arg;
        }
    }
    if (files.size() != 2 || request.width < 100 || request.height < 100) return false;
    // Paths are taken before the program's folder becomes the current one.
    request.output = QFileInfo(files.at(0)).absoluteFilePath();
    request.diary = QFileInfo(files.at(1)).absoluteFilePath();
    return true;
}

// A folder holding only the chosen language module and the starter library,
// so that the program starts in that language.
bool PrepareProgramFolder(const QString& folder, bool german) {
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../../app/");
    const QString module = QString::fromLatin1(german ? kGermanModuleName : kEnglishModuleName);
    // The German program starts from the German starter library, as the
    // German demo diary does.
    const QString library =
        german ? QStringLiteral("library-de.dat") : QStringLiteral("library.dat");
    return QFile::copy(built + module, folder + QLatin1Char('/') + module) &&
           QFile::copy(built + library, folder + QStringLiteral("/library.dat"));
}

bool Grab(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    return widget.grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Request request;
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (!ParseRequest(args, request)) {
        std::fprintf(
            stderr,
            "usage: kadenzo-analysis-screenshot [--german] [--size W H] [--command ID]... "
            "[--statistics PNG] [--detail PNG] [--scale PNG] [--print PDF] OUT.png FILE.kdz\n");
        return 2;
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !PrepareProgramFolder(folder.path(), request.german)) {
        std::fprintf(stderr, "no language module or library.dat beside the program's build\n");
        return 1;
    }
    QDir::setCurrent(folder.path());

    UnattendedDialogs dialogs;
    CKadenzoApp::Options options;
    options.programDirectory = folder.path();
    options.splashMinimumMs = 0;
    options.showMainWindow = false;
    auto settings = std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")),
                                                QSettings::IniFormat);
    CKadenzoApp app(dialogs, std::move(settings), std::move(options));
    if (!app.InitInstance({request.diary})) return app.ExitInstance(1);
    CMainFrame& frame = *app.MainFrame();
    const UnitSettings& units = app.Context().units;
    InstallDiaryView(frame, &app.Printer());
    InstallAnalysisView(frame, &app.Printer());
    frame.Execute(ID_VIEW_ANALYSIS);
    auto* view = qobject_cast<CAnalysisView*>(frame.ActiveView());
    if (!view) return app.ExitInstance(1);
    for (int command : request.commands) {
        if (!frame.Execute(command)) {
            std::fprintf(stderr, "no such command: %d\n", command);
            return app.ExitInstance(2);
        }
    }

    frame.resize(request.width, request.height);
    bool ok = Grab(frame, request.output);
    CKadenzoDoc& document = app.Document()->Doc();
    StatisticsSortStates sorts;
    const int today = app.Context().Today();
    if (ok && !request.statistics.isEmpty()) {
        CSportStatisticsDialog statistics(document, units, sorts, today, &frame);
        statistics.SetRange(today - 12 * 7 + 1, today);
        ok = Grab(statistics, request.statistics);
        const auto& rows = statistics.List()->Rows();
        if (ok && !request.detail.isEmpty() && !rows.empty()) {
            CSportDetailDialog detail(document, units, sorts.detail, today - 12 * 7 + 1, today,
                                      rows.front().sportId, &frame);
            ok = Grab(detail, request.detail);
        }
    }
    if (ok && !request.scale.isEmpty()) {
        CScaleDialog scale(view->CurrentScaleValues(), TextService(app.Context()), &frame);
        ok = Grab(scale, request.scale);
    }
    if (ok && !request.print.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(request.print);
        printer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        ok = view->PrintTo(printer);
    }
    if (!ok) std::fprintf(stderr, "cannot render the analysis\n");
    return app.ExitInstance(ok ? 0 : 1);
}
