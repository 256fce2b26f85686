// Every dialog of the program in both languages, on the demo diary: within
// one window no two visible controls answer the same Alt key, and the German
// windows show the German heart-rate unit.
#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTabBar>
#include <QTest>
#include <ctime>
#include <functional>

#include "AboutDialog.h"
#include "BodyDataDlg.h"
#include "Cp1252.h"
#include "DateTime.h"
#include "DemoDiary.h"
#include "DiaryPrint.h"
#include "EditorServices.h"
#include "EventsDialog.h"
#include "LibraryEditorDialog.h"
#include "LogNameDialog.h"
#include "PrintRangeDialog.h"
#include "ProfileDialog.h"
#include "RecordingImportDlg.h"
#include "ScaleDialog.h"
#include "SearchDialog.h"
#include "SportDetailDialog.h"
#include "SportStatisticsDialog.h"
#include "StatisticsList.h"
#include "TemplateTreeDlg.h"
#include "TestSupport.h"
#include "UnitsDialog.h"
#include "WorkoutEditing.h"
#include "WorkoutEditorSheet.h"
#include "WorkoutListDialog.h"

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

// "Alt+K: &Kilometer, &Kilogramm" for each key taken twice; empty when none is.
QStringList Duplicates(const QStringList& texts) {
    QMap<QChar, QStringList> byKey;
    for (const QString& text : texts)
        if (const QChar key = Mnemonic(text); !key.isNull()) byKey[key] << text;
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            found << QStringLiteral("Alt+%1: %2").arg(it.key().toUpper(), it.value().join(", "));
    return found;
}

// Every text a window shows, to look for words of the other language.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts = MnemonicTexts(window);
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window)) texts << label->text();
    return texts;
}

}  // namespace

class DialogMnemonicsTest : public QObject {
    Q_OBJECT

private:
    // Shows the window with each of its tabs in turn and collects what is wrong.
    void Check(QWidget& window, const QString& name, bool german, QStringList* problems) {
        window.show();
        QApplication::processEvents();
        QList<QTabBar*> bars = window.findChildren<QTabBar*>();
        const auto checkNow = [&](const QString& where) {
            for (const QString& duplicate : Duplicates(MnemonicTexts(window)))
                *problems << name + where + QStringLiteral(": ") + duplicate;
            if (!german) return;
            for (const QString& text : ShownTexts(window))
                if (text.contains(QStringLiteral("bpm")))
                    *problems << name + where + QStringLiteral(" shows ") + text;
        };
        checkNow(QString());
        for (QTabBar* bar : bars) {
            for (int i = 0; i < bar->count(); ++i) {
                bar->setCurrentIndex(i);
                QApplication::processEvents();
                checkNow(QStringLiteral(" (") + bar->tabText(i) + QLatin1Char(')'));
            }
        }
        window.hide();
    }

private slots:
    void everyDialogHasUniqueMnemonics_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("English") << false;
        QTest::newRow("German") << true;
    }

    void everyDialogHasUniqueMnemonics() {
        QFETCH(bool, german);
        std::unique_ptr<LanguageModule> module =
            LanguageModule::Load(BuiltModuleDir() + (german ? QStringLiteral("/rcge.rcc")
                                                            : QStringLiteral("/rcus.rcc")));
        QVERIFY(module);
        AppFixture app(ReadLibraryFile(
            QFile::encodeName(BuiltModuleDir() + (german ? QStringLiteral("/library-de.dat")
                                                         : QStringLiteral("/library.dat")))
                .toStdString()));
        app.context.strings = module.get();
        const TextService texts = app.Texts();
        const std::time_t now = app.context.Now();
        tool::DemoOptions options;
        options.german = german;
        app.Doc().SetContents(tool::MakeDemo(now, options).contents);
        CKadenzoDoc& doc = app.Doc();
        const int today = app.context.Today();

        QStringList problems;
        const auto check = [&](QWidget& window, const char* name) {
            Check(window, QString::fromLatin1(name), german, &problems);
        };
        CUnitsDialog units(app.context.units, texts);
        check(units, "Units");
        CLogNameDialog name(QStringLiteral("Demo"), texts);
        check(name, "Log name");
        CAboutDialog about(texts);
        check(about, "About");
        CTemplateTreeDlg chooser(doc);
        check(chooser, "Template chooser");
        CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(today)});
        CBodyDataDlg body(info, app.context.units, app.context.Texts(), app.dialogs);
        check(body, "Body data");
        CProfileDialog profile(doc.Profile(), true, app.dialogs, texts);
        check(profile, "Profile");
        CEventsDialog events(doc);
        check(events, "Events");
        CLibraryEditorDialog library(doc, app.dialogs, "/dev/null");
        check(library, "Library editor");
        // The latest performed workout, so that the sheet has both pages.
        const CWorkOut* done = nullptr;
        for (const auto& w : doc.Log().Workouts())
            if (w->duration > 0) done = w.get();
        QVERIFY(done);
        const EditorServices editorServices{doc, app.dialogs, {}, {}, {}};
        CWorkoutEditorSheet sheet(*done, editorServices);
        check(sheet, "Workout editor");
        WorkoutListSort sort;
        WorkoutEditing editing;
        CWorkoutSearchDialog search(doc, [](const WorkoutFinder&, QWidget*) {});
        check(search, "Search");
        CWorkoutListDialog list(
            doc, [&doc] { return std::vector<CDatabase::ConstWorkoutPos>{}; }, sort, editing);
        check(list, "Workout list");
        StatisticsSortStates sorts;
        CSportStatisticsDialog statistics(doc, app.context.units, sorts, today);
        check(statistics, "Sport statistics");
        CSportDetailDialog detail(doc, app.context.units, sorts.detail, today - 84, today, 1);
        check(detail, "Sport details");
        CScaleDialog scale(ScaleValues{}, texts);
        check(scale, "Scale");
        CPrintRangeDialog print(DiaryPrintRange{today, today + 27}, texts);
        check(print, "Print range");
        const CRecordingImportDlg::Services importServices{
            app.context.units, app.context.Texts(), [now] { return std::int64_t{now}; },
            *app.settings, app.dialogs};
        CRecordingImportDlg import(importServices, ImportRequest{});
        check(import, "Recording import");
        if (!problems.isEmpty()) QFAIL(qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(DialogMnemonicsTest)
#include "DialogMnemonicsTest.moc"
