// The program's keys in both languages, on the demo diary: within one dialog
// no two visible controls answer the same Alt key, and in every view no key
// is held by two commands (Qt would refuse it as ambiguous).
#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

#include "AboutDialog.h"
#include "AnalysisViewInstall.h"
#include "AthleteInstall.h"
#include "BodyDataDialog.h"
#include "DateTime.h"
#include "DemoDiary.h"
#include "DeviceImportDialog.h"
#include "DeviceInstall.h"
#include "DeviceSettingsDialog.h"
#include "DiaryPrint.h"
#include "DiaryViewInstall.h"
#include "DocumentFile.h"
#include "DocumentMerge.h"
#include "EditorServices.h"
#include "EventsDialog.h"
#include "EventsInstall.h"
#include "FormViewInstall.h"
#include "LibraryEditorDialog.h"
#include "LibraryInstall.h"
#include "LogNameDialog.h"
#include "PlanCalendarDialog.h"
#include "PlanCalendarInstall.h"
#include "MergeDialog.h"
#include "PrintRangeDialog.h"
#include "ProfileDialog.h"
#include "ResourceIds.h"
#include "RecordingImportDialog.h"
#include "ScaleDialog.h"
#include "SearchDialog.h"
#include "SportDetailDialog.h"
#include "SportStatisticsDialog.h"
#include "StatisticsList.h"
#include "SyncTexts.h"
#include "TemplateTreeDialog.h"
#include "TestSupport.h"
#include "UnitsDialog.h"
#include "WorkoutEditing.h"
#include "WorkoutEditorInstall.h"
#include "WorkoutEditorSheet.h"
#include "WorkoutListDialog.h"
#include "WorkoutListInstall.h"

using namespace kadenzo;

namespace {

// The key Alt presses for a text: the character after a single '&'.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;  // "&&" is a plain ampersand
    }
    return {};
}

// The texts that carry mnemonics among the widgets of `window` shown now:
// buttons, check boxes, labels with a buddy, group boxes and tabs.
QStringList MnemonicTexts(const QWidget& window) {
    QStringList texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            texts << label->text();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            texts << box->title();
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    return texts;
}

// "Alt+K: &Kilometer, &Kilogramm" for each key that two of the window's
// controls shown now take.
QStringList Duplicates(const QWidget& window) {
    QMap<QChar, QStringList> byKey;
    for (const QString& text : MnemonicTexts(window))
        if (const QChar key = Mnemonic(text); !key.isNull()) byKey[key] << text;
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            found << QStringLiteral("Alt+%1: %2").arg(it.key().toUpper(), it.value().join(", "));
    return found;
}

// The actions whose keys work in the frame now, as Qt decides it for a
// window's shortcut: those of the menus in the menu bar (and their submenus),
// of a visible tool bar, and those added to a visible widget of the window.
QList<const QAction*> KeyedActions(const QMainWindow& frame) {
    QList<const QAction*> found;
    QList<const QAction*> open;
    for (const QAction* action : frame.menuBar()->actions()) open << action;
    while (!open.isEmpty()) {
        const QAction* action = open.takeLast();
        found << action;
        if (action->menu())
            for (const QAction* child : action->menu()->actions()) open << child;
    }
    for (const QWidget* widget : frame.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != &frame ||
            qobject_cast<const QMenuBar*>(widget))
            continue;
        for (const QAction* action : widget->actions()) found << action;
    }
    return found;
}

// "PgUp: 32776 &Previous Week, 32841 &Back" for each key that two commands hold.
QStringList KeysTakenTwice(const QMainWindow& frame) {
    QMap<QString, QSet<QString>> byKey;
    QSet<const QAction*> seen;
    for (const QAction* action : KeyedActions(frame)) {
        if (seen.contains(action) || action->shortcut().isEmpty()) continue;
        seen.insert(action);
        // Two commands may read alike (Back reads Previous Week by the range).
        byKey[action->shortcut().toString()] << action->objectName() + " " + action->text();
    }
    for (const QShortcut* shortcut : frame.findChildren<QShortcut*>()) {
        const auto* owner = qobject_cast<const QWidget*>(shortcut->parent());
        if (shortcut->isEnabled() && owner && owner->isVisible())
            byKey[shortcut->key().toString()] << shortcut->objectName();
    }
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            found << it.key() + ": " + QStringList(it.value().cbegin(), it.value().cend()).join(", ");
    return found;
}

std::unique_ptr<LanguageModule> LoadModule(bool german) {
    return LanguageModule::Load(BuiltModuleDir() + (german ? "/rcge.rcc" : "/rcus.rcc"));
}

std::unique_ptr<CLibrary> LoadStarterLibrary(bool german) {
    const QString library = BuiltModuleDir() + (german ? "/library-de.dat" : "/library.dat");
    return ReadLibraryFile(QFile::encodeName(library).toStdString());
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private:
    QStringList problems_;

    // Shows the window, then each of its tabs in turn, and notes each key taken twice.
    void Check(QWidget&& window, const QString& name) {
        window.show();
        QApplication::processEvents();
        for (const QString& duplicate : Duplicates(window)) problems_ << name + ": " + duplicate;
        for (QTabBar* bar : window.findChildren<QTabBar*>()) {
            for (int i = 0; i < bar->count(); ++i) {
                bar->setCurrentIndex(i);
                QApplication::processEvents();
                for (const QString& duplicate : Duplicates(window))
                    problems_ << name + " (" + bar->tabText(i) + "): " + duplicate;
            }
        }
    }

    static void Languages() {
        QTest::addColumn<bool>("german");
        QTest::newRow("English") << false;
        QTest::newRow("German") << true;
    }

private slots:
    void everyDialogHasUniqueMnemonics_data() { Languages(); }

    void everyDialogHasUniqueMnemonics() {
        QFETCH(bool, german);
        problems_.clear();
        auto module = LoadModule(german);
        QVERIFY(module);
        AppFixture app(LoadStarterLibrary(german));
        app.context.strings = module.get();
        const TextService texts = app.Texts();
        const std::time_t now = app.context.Now();
        tool::DemoOptions options;
        options.german = german;
        app.Doc().SetContents(tool::MakeDemo(now, options).contents);
        CKadenzoDoc& doc = app.Doc();
        const int today = app.context.Today();
        UnitSettings& units = app.context.units;

        Check(CUnitsDialog(units, texts), "Units");
        Check(CLogNameDialog(QStringLiteral("Demo"), texts), "Log name");
        Check(CAboutDialog(texts), "About");
        Check(CTemplateTreeDialog(doc), "Template chooser");
        CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(today)});
        Check(CBodyDataDialog(info, units, app.context.Texts(), app.dialogs), "Body data");
        Check(CProfileDialog(doc.Profile(), true, app.dialogs, texts), "Profile");
        Check(CEventsDialog(doc), "Events");
        Check(CLibraryEditorDialog(doc, app.dialogs, "/dev/null"), "Library editor");
        // The latest performed workout, so that the sheet has both pages.
        const CWorkOut* done = nullptr;
        for (const auto& w : doc.Log().Workouts())
            if (w->duration > 0) done = w.get();
        QVERIFY(done);
        Check(CWorkoutEditorSheet(*done, {doc, app.dialogs, {}, {}, {}}), "Workout editor");
        Check(CWorkoutSearchDialog(doc, [](const WorkoutFinder&, QWidget*) {}), "Search");
        WorkoutListSort sort;
        WorkoutEditing editing;
        const auto none = [] { return std::vector<CDatabase::ConstWorkoutPos>{}; };
        Check(CWorkoutListDialog(doc, none, sort, editing), "Workout list");
        StatisticsSortStates sorts;
        Check(CSportStatisticsDialog(doc, units, sorts, today), "Sport statistics");
        Check(CSportDetailDialog(doc, units, sorts.detail, today - 84, today, 1), "Sport details");
        Check(CScaleDialog(ScaleValues{}, texts), "Scale");
        Check(CPrintRangeDialog(DiaryPrintRange{today, today + 27}, texts), "Print range");
        Check(CPlanCalendarDialog(QStringLiteral("/tmp/plan.ics"), true, QString(), app.dialogs,
                                  texts, {}),
              "Plan as calendar");
        const CRecordingImportDialog::Services importServices{units, app.context.Texts(),
                                                           [now] { return std::int64_t{now}; },
                                                           *app.settings, app.dialogs};
        Check(CRecordingImportDialog(importServices, ImportRequest{}), "Recording import");
        const QTemporaryDir watch;
        Check(CDeviceImportDialog({doc, app.dialogs, *app.settings, texts, ""}, watch.path()),
              "Device import");
        Check(CDeviceSettingsDialog(DeviceSettings{}, doc.Library(), app.dialogs, texts),
              "Device import settings");
        // The merge window, over the diary renamed on two sides.
        const std::vector<std::uint8_t> image = doc.Image();
        DocumentContents here = ReadDocument(image), there = ReadDocument(image);
        here.log->name = "Here";
        there.log->name = "There";
        const sync::MergeResult merge =
            sync::MergeDocuments(ReadDocument(image), std::move(here), std::move(there));
        ConflictRows rows(merge, units, app.context.Texts());
        Check(CMergeDialog(rows, texts.Text(synctext::kMergeIntroDisk), texts), "Merge");
        if (!problems_.isEmpty()) QFAIL(qPrintable(problems_.join(QLatin1Char('\n'))));
    }

    void noKeyIsHeldTwiceInAnyView_data() { Languages(); }

    void noKeyIsHeldTwiceInAnyView() {
        QFETCH(bool, german);
        auto module = LoadModule(german);
        QVERIFY(module);
        AppFixture app(LoadStarterLibrary(german));
        app.context.strings = module.get();
        CMainFrame frame(*module, *app.document, app.dialogs);
        InstallDiaryView(frame);
        InstallAnalysisView(frame);
        InstallFormView(frame);
        InstallWorkoutEditor(frame, *app.settings, app.dialogs);
        InstallBodyData(frame, app.dialogs);
        InstallEvents(frame);
        InstallLibrary(frame, app.dialogs, "/dev/null");
        InstallWorkoutList(frame);
        InstallDeviceImport(frame, *app.settings, app.dialogs, "/dev/null",
                            [] { return std::vector<std::string>{}; });
        InstallPlanCalendar(frame, *app.settings, app.dialogs);
        frame.show();
        QStringList problems;
        for (int view : {ID_VIEW_DIARY, ID_VIEW_ANALYSIS, ID_VIEW_FORM, ID_VIEW_DIARY}) {
            QVERIFY(frame.Execute(view));
            QApplication::processEvents();
            for (const QString& taken : KeysTakenTwice(frame))
                problems << QStringLiteral("view %1: %2").arg(view).arg(taken);
        }
        if (!problems.isEmpty()) QFAIL(qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(KeysTest)
#include "KeysTest.moc"
