// The diary without mouse or eyes: what a screen reader reads of the days,
// boxes and weeks, and the keys that cut, copy, paste and move workouts.
#include <QAccessible>
#include <QTest>

#include "DayPanel.h"
#include "DiaryAccessible.h"
#include "DiaryFixture.h"
#include "KadenzoView.h"
#include "LanguageModule.h"
#include "TemplateTreeDlg.h"
#include "WeekPanel.h"
#include "WorkoutEditing.h"

using namespace kadenzo;
using namespace kadenzo::test;

class DiaryAccessTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<CKadenzoView> view_;
    WorkoutEditing editing_;
    std::vector<std::string> edited_;

    // Monday: a (planned 1:00, done 0:45) and b; today (Wednesday): x;
    // Thursday is crossed out by a holiday.
    void MakeDiary(const StringTable* texts = nullptr) {
        cleanup();
        world_ = std::make_unique<DiaryWorld>();
        if (texts) world_->context.strings = texts;
        world_->AddNamed(kMonday, "a", 60, 45);
        world_->AddNamed(kMonday, "b", 30);
        world_->AddNamed(kToday, "x", 90);
        world_->AddEvent(kToday + 1, kToday + 1, 9, true);
        CBodyInfo body;
        body.date.value = kMonday + 0.5;
        body.weight = 72.5;
        body.value2 = 15;
        body.value3 = 48;
        edit::SetBodyInfo(*world_->doc, body);
        view_ = std::make_unique<CKadenzoView>(*world_->doc);
        editing_ = {};
        edited_.clear();
        editing_.editWorkout = [this](CDatabase::ConstWorkoutPos position, QWidget*) {
            edited_.push_back((*position)->notes);
            return false;
        };
        view_->SetEditing(&editing_);
        view_->resize(1050, 800);
        view_->show();
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
        view_->setFocus();
    }
    QAccessibleInterface* Day(int day) const {
        return QAccessible::queryAccessibleInterface(view_->PanelOfDay(day));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view_.get(), key, modifiers);
    }
    // Two weeks from kMonday, each workout by its notes ("+" for a copy, which
    // arrives without them), days ended by '.', weeks by '|'.
    std::string Week() const {
        std::string days;
        for (int day = kMonday; day < kMonday + 14; ++day) {
            for (auto pos : world_->Log().WorkoutsBetween(day, day + 1.0))
                days += (*pos)->notes.empty() ? "+" : (*pos)->notes;
            days += (day - kMonday) % 7 == 6 ? "|" : ".";
        }
        return days;
    }
    std::string Selected() const { return world_->Describe(view_->Selection()); }

private slots:
    void initTestCase() { InstallDiaryAccessibility(); }
    void cleanup() {
        view_.reset();
        world_.reset();
    }

    void daysAndWeeksReadInTheModulesLanguage_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("week");
        QTest::addColumn<QString>("totals");
        QTest::newRow("en") << "rcus.rcc"
                            << "Monday, 11 March 2024"
                            << "Weight 72.5 kg. Resting heart rate 48. Body fat 15.0%."
                            << "Urlaub, no training possible."
                            << "Week 11, 11 March 2024 to 17 March 2024"
                            << "Planned 03:00, performed 00:45";
        QTest::newRow("de") << "rcge.rcc"
                            << "Montag, 11. März 2024"
                            << "Gewicht 72.5 kg. Ruhepuls 48. Körperfett 15.0 %."
                            << "Urlaub, kein Training möglich."
                            << "Woche 11, 11. März 2024 bis 17. März 2024"
                            << "Geplant 03:00, absolviert 00:45";
    }
    void daysAndWeeksReadInTheModulesLanguage() {
        QFETCH(QString, module);
        const auto texts = LanguageModule::Load(QStringLiteral(KADENZO_MODULE_DIR "/") + module);
        QVERIFY(texts);
        MakeDiary(texts.get());
        QAccessibleInterface* monday = Day(kMonday);
        QCOMPARE(monday->role(), QAccessible::List);
        QTEST(monday->text(QAccessible::Name), "day");
        QTEST(monday->text(QAccessible::Description), "details");
        QTEST(Day(kToday + 1)->text(QAccessible::Description), "blocked");
        QCOMPARE(Day(kToday)->text(QAccessible::Description), QString());
        QAccessibleInterface* week = QAccessible::queryAccessibleInterface(view_->WeekPanel(0));
        QTEST(week->text(QAccessible::Name), "week");
        QTEST(week->text(QAccessible::Value), "totals");
        // The next week's name follows when the diary pages.
        view_->OnWeekForward();
        QVERIFY(week->text(QAccessible::Name).contains(QLatin1String("12")));
        cleanup();
    }

    void boxesReadAsPaintedAndActLikeTheirKeys() {
        MakeDiary();
        CDayPanel* panel = view_->PanelOfDay(kMonday);
        QAccessibleInterface* monday = Day(kMonday);
        QCOMPARE(monday->childCount(), 2);
        QCOMPARE(Day(kMonday + 1)->childCount(), 0);
        QAccessibleInterface* a = monday->child(0);
        QAccessibleInterface* b = monday->child(1);
        QCOMPARE(a->role(), QAccessible::ListItem);
        QCOMPARE(a->text(QAccessible::Name), QString("Dauerlauf, 0:45"));
        const WorkoutBoxLayout painted = *panel->BoxLayout(1);
        QCOMPARE(b->text(QAccessible::Name), painted.title + ", " + painted.detail);
        QCOMPARE(monday->indexOfChild(b), 1);
        QCOMPARE(a->parent(), monday);
        QVERIFY(monday->rect().contains(a->rect()));

        // The selection and the focus follow the diary's.
        QVERIFY(!a->state().selected && !monday->state().selected);
        view_->Select({kMonday, world_->Named("b")});
        QVERIFY(b->state().selected && b->state().focused);
        QVERIFY(!a->state().selected && monday->state().selected && !monday->state().focused);
        view_->Select({kMonday, 0});
        QVERIFY(!b->state().selected && monday->state().focused);

        QAccessibleActionInterface* actions = a->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames().size(), 2);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(edited_, std::vector<std::string>{"a"});
        QCOMPARE(Selected(), std::string("0a"));
        b->actionInterface()->doAction(b->actionInterface()->actionNames().at(1));
        QCOMPARE(world_->NotesOfDay(kMonday), std::string("a"));
        QCOMPARE(monday->childCount(), 1);
    }

    void keysCutCopyPasteAndMoveAsDropsDo() {
        struct Case {
            const char* name;
            std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
            std::string week;      // the two weeks' notes after the keys
            std::string selected;  // and what is selected
            int steps;             // undo steps that take it all back
        };
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers shift = Qt::ControlModifier | Qt::ShiftModifier;
        const std::vector<Case> cases = {
            {"cut, paste on Tuesday: a moves",
             {{Qt::Key_X, ctrl}, {Qt::Key_Right, {}}, {Qt::Key_V, ctrl}},
             "b.a.x....|......|",
             "1a",
             1},
            {"copy, paste twice: two copies of the plan",
             {{Qt::Key_C, ctrl}, {Qt::Key_Right, {}}, {Qt::Key_V, ctrl}, {Qt::Key_V, ctrl}},
             "ab.++.x....|......|",
             "1",
             2},
            {"paste after the selected workout of the day",
             {{Qt::Key_C, ctrl}, {Qt::Key_Down, {}}, {Qt::Key_V, ctrl}},
             "ab+..x....|......|",
             "0",
             1},
            {"a cut workout pasted next to itself stays",
             {{Qt::Key_X, ctrl}, {Qt::Key_V, ctrl}},
             "ab..x....|......|",
             "0a",
             0},
            {"Ctrl+Shift+Right moves a day",
             {{Qt::Key_Right, shift}, {Qt::Key_Right, shift}},
             "b..xa....|......|",
             "2a",
             2},
            {"Ctrl+Shift+Down moves a week", {{Qt::Key_Down, shift}}, "b..x....|a......|", "7a", 1},
            {"a crossed-out day refuses",
             {{Qt::Key_Right, {}},
              {Qt::Key_Right, {}},
              {Qt::Key_C, ctrl},
              {Qt::Key_Right, shift},
              {Qt::Key_Right, {}},
              {Qt::Key_V, ctrl}},
             "ab..x....|......|",
             "3-",
             0},
        };
        for (const Case& c : cases) {
            MakeDiary();
            view_->Select({kMonday, world_->Named("a")});
            const std::string before = Week();
            for (const auto& [key, modifiers] : c.keys) Press(key, modifiers);
            QVERIFY2(Week() == c.week, (std::string(c.name) + ": " + Week()).c_str());
            QVERIFY2(Selected() == c.selected, (std::string(c.name) + ": " + Selected()).c_str());
            // A copy keeps the plan, not what was performed.
            for (auto it = world_->Log().BeginWorkouts(); it != world_->Log().EndWorkouts(); ++it)
                if ((*it)->notes.empty()) QCOMPARE((*it)->duration, 0.0);
            // Each paste or move is one step back.
            for (int i = 0; i < c.steps; ++i) world_->doc->Undo();
            QVERIFY2(Week() == before, c.name);
        }
    }

    void enterInTheLibraryBrowserPlansOnTheSelectedDay() {
        MakeDiary();
        CTemplateTreeDlg browser(*world_->doc);
        browser.CreateBrowser();
        browser.setAttribute(Qt::WA_DeleteOnClose, false);
        connect(&browser, &CTemplateTreeDlg::templatePlanned, view_.get(),
                &CKadenzoView::PlanTemplateOnSelectedDay);
        browser.show();
        QTreeWidgetItem* dauerlauf = browser.Tree()->topLevelItem(0)->child(0);
        for (const int day : {kMonday + 1, kToday + 1}) {
            view_->Select({day, 0});
            browser.Tree()->setCurrentItem(dauerlauf);
            QTest::keyClick(browser.Tree(), Qt::Key_Return);
        }
        // Planned on Tuesday; the crossed-out Thursday takes nothing.
        QCOMPARE(Week(), std::string("ab.+.x....|......|"));
        QCOMPARE(Selected(), std::string("3-"));
    }
};

QTEST_MAIN(DiaryAccessTest)
#include "DiaryAccessTest.moc"
