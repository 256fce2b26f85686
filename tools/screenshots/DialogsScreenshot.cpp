// Renders the calendar events, the library editor, the workout search, the
// list of found workouts, the athlete profile, the merge window and the
// plan's calendar export on the demo diary to PNG files, for looking at them
// without a display:
//
//   kadenzo-dialogs-screenshot [--german] [--larger] [--tab N] OUTDIR
//
// --larger grows each dialog by half its default size; --tab shows that tab
// of the library editor (0 categories ... 6 event kinds; 5 by default).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <cstdio>
#include <ctime>

#include "AppContext.h"
#include "ConflictRows.h"
#include "ControlId.h"
#include "Database.h"
#include "DateTime.h"
#include "DemoDiary.h"
#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "EventsDialog.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "QtTranslation.h"
#include "Library.h"
#include "LibraryEditorDialog.h"
#include "MergeDialog.h"
#include "MonthCalendar.h"
#include "PlanCalendarDialog.h"
#include "ProfileDialog.h"
#include "QtUserDialogs.h"
#include "ResourceIds.h"
#include "SearchDialog.h"
#include "SyncTexts.h"
#include "Texts.h"
#include "WorkOut.h"
#include "WorkoutEditing.h"
#include "WorkoutListDialog.h"

using namespace kadenzo;

namespace {

bool Grab(QWidget& widget, bool larger, const QString& path) {
    widget.show();
    QApplication::processEvents();
    if (larger) {
        widget.resize(widget.size() * 3 / 2);
        QApplication::processEvents();
    }
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const bool german = args.removeAll(QStringLiteral("--german")) > 0;
    const bool larger = args.removeAll(QStringLiteral("--larger")) > 0;
    int tab = 5;
    if (const qsizetype at = args.indexOf(QStringLiteral("--tab"));
        at >= 0 && at + 1 < args.size()) {
        tab = args.at(at + 1).toInt();
        args.remove(at, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: kadenzo-dialogs-screenshot [--german] [--larger] [--tab N] OUTDIR\n");
        return 2;
    }
    const QDir out(args.front());
    const auto module = LanguageModule::Load(
        QCoreApplication::applicationDirPath() +
        (german ? QStringLiteral("/../../app/rcge.rcc") : QStringLiteral("/../../app/rcus.rcc")));
    if (!module) {
        std::fprintf(stderr, "the language module is not built\n");
        return 1;
    }
    // Qt's own buttons speak the module's language, as in the program.
    const auto qtTexts = kadenzo::InstallQtTranslation(*module);
    AppContext context;
    context.strings = module.get();
    CKadenzoDoc doc(context);
    tool::DemoOptions demo;
    demo.german = german;
    doc.SetContents(std::move(tool::MakeDemo(std::time(nullptr), demo).contents));
    const QString suffix = QString::fromLatin1(german ? "-de" : "-en") +
                           QString::fromLatin1(larger ? "-large.png" : ".png");
    bool ok = true;
    {
        CEventsDialog events(doc);
        // Three months back, so that the demo's events are in view.
        events.Calendar()->ShowDay(context.Today() - 80);
        const auto& stored = doc.Log().Events();
        if (!stored.empty()) {
            const int first = DayNumber(stored.front()->start.value);
            events.Calendar()->SetSelection(first, first + 4);
            events.OnCalendarClicked();
        }
        ok = Grab(events, larger, out.filePath(QStringLiteral("events") + suffix)) && ok;
    }
    {
        QtUserDialogs dialogs;
        CLibraryEditorDialog library(doc, dialogs, "/dev/null");
        library.Tabs()->setCurrentIndex(tab);
        ok = Grab(library, larger, out.filePath(QStringLiteral("library") + suffix)) && ok;
    }
    WorkoutListSort sort;
    WorkoutEditing editing;
    CWorkoutSearchDialog search(doc, [&](const WorkoutFinder& find, QWidget* parent) {
        CWorkoutListDialog list(doc, find, sort, editing, parent);
        list.SortBy(3);
        ok = Grab(list, larger, out.filePath(QStringLiteral("list") + suffix)) && ok;
    });
    auto* property = search.findChild<QComboBox*>(ControlName(IDC_SEARCH_PROPERTY));
    property->setCurrentIndex(8);  // distance
    search.OnPropertyChanged();
    search.findChild<QLineEdit*>(ControlName(IDC_SEARCH_VALUE))->setText(QStringLiteral("10"));
    search.OnAdd();
    property->setCurrentIndex(3);  // sport
    search.OnPropertyChanged();
    search.findChild<QComboBox*>(ControlName(IDC_SEARCH_VALUE))->setCurrentIndex(1);
    search.OnAdd();
    ok = Grab(search, larger, out.filePath(QStringLiteral("search") + suffix)) && ok;
    search.OnSearch();
    {
        QtUserDialogs dialogs;
        CProfileDialog profile(doc.Profile(), true, dialogs, TextService(context));
        ok = Grab(profile, larger, out.filePath(QStringLiteral("profile") + suffix)) && ok;
    }
    {
        // The last workout done, changed here and on another computer.
        const std::vector<std::uint8_t> image = doc.Image();
        DocumentContents here = ReadDocument(image), there = ReadDocument(image);
        const auto Done = [&](DocumentContents& side) -> CWorkOut& {
            CWorkOut* last = nullptr;
            for (auto at = side.log->BeginWorkouts(); at != side.log->EndWorkouts(); ++at)
                if ((*at)->duration > 0) last = at->get();
            return *last;
        };
        Done(here).duration += 5;
        Done(there).duration += 9;
        Done(there).notes = german ? "Auf dem Laptop nachgetragen" : "Added on the laptop";
        const sync::MergeResult merge =
            sync::MergeDocuments(ReadDocument(image), std::move(here), std::move(there));
        const TextService texts(context);
        ConflictRows rows(merge, context.units, context.Texts());
        CMergeDialog window(rows, texts.Text(synctext::kMergeIntroDisk), texts);
        ok = Grab(window, larger, out.filePath(QStringLiteral("merge") + suffix)) && ok;
    }
    {
        QtUserDialogs dialogs;
        CPlanCalendarDialog calendar(
            QStringLiteral("/home/anna/Sync/Training.ics"), true,
            QStringLiteral("/home/anna/Sync/Training.kdz"), dialogs, TextService(context),
            [](const QString&) { return true; });
        ok = Grab(calendar, larger, out.filePath(QStringLiteral("calendar") + suffix)) && ok;
    }
    return ok ? 0 : 1;
}
