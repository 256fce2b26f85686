// The diary without mouse or eyes: the keys that walk the days and cut, copy,
// paste and move workouts, and what a screen reader reads of days, boxes and
// weeks.
#include <QAccessible>
#include <QTest>

#include "DayPanel.h"
#include "DiaryAccessible.h"
#include "DiaryFixture.h"
#include "KadenzoView.h"
#include "LanguageModule.h"
#include "WeekPanel.h"
#include "WorkoutEditing.h"

using namespace kadenzo;
using namespace kadenzo::test;

using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

class DiaryKeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<CKadenzoView> view_;
    WorkoutEditing editing_;
    std::vector<std::string> edited_;

    // Monday: a (planned 1:00, done 0:45), b and c, and body data; today
    // (Wednesday): x; Thursday is crossed out by a holiday.
    void MakeDiary(const StringTable* texts = nullptr) {
        cleanup();
        world_ = std::make_unique<DiaryWorld>();
        if (texts) world_->context.strings = texts;
        world_->AddNamed(kMonday, "a", 60, 45);
        world_->AddNamed(kMonday, "b", 30);
        world_->AddNamed(kMonday, "c");
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
    void Press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(view_.get(), key);
    }
    // Two weeks from kMonday, each workout by its notes ("+" for a copy, which
    // arrives without them), days ended by '.', weeks by '|'.
    std::string Weeks() const {
        std::string days;
        for (int day = kMonday; day < kMonday + 14; ++day) {
            for (auto pos : world_->Log().WorkoutsBetween(day, day + 1.0))
                days += (*pos)->notes.empty() ? "+" : (*pos)->notes;
            days += (day - kMonday) % 7 == 6 ? "|" : ".";
        }
        return days;
    }
    // The selected day (from kMonday) and workout, e.g. "2x" or "9-".
    std::string Selected() const { return world_->Describe(view_->Selection()); }

private slots:
    void initTestCase() { InstallDiaryAccessibility(); }
    void init() { MakeDiary(); }
    void cleanup() {
        view_.reset();
        world_.reset();
    }

    void arrowsWalkTheWorkoutsAndDaysAndPageAtTheEdges() {
        const struct {
            Qt::Key key;
            int times;
            const char* selected;
            int firstDay;  // from kMonday
        } steps[] = {
            {Qt::Key_Down, 1, "2x", 0},     // from today alone to its workout
            {Qt::Key_Left, 2, "0a", 0},     // a day's first
            {Qt::Key_Down, 2, "0c", 0},     // scrolled into view, below
            {Qt::Key_Up, 3, "-7-", -7},     // c, b, a, then last week's Monday
            {Qt::Key_Right, 35, "28-", 7},  // past the bottom right corner
            {Qt::Key_PageDown, 1, "35-", 14}, {Qt::Key_Home, 1, "2x", 0},
        };
        QCOMPARE(Selected(), std::string("2-"));
        for (const auto& step : steps) {
            Press(step.key, step.times);
            QCOMPARE(Selected(), std::string(step.selected));
            QCOMPARE(view_->FirstDay(), kMonday + step.firstDay);
            if (step.selected == std::string("0c"))
                QCOMPARE(view_->PanelOfDay(kMonday)->SlotOf(view_->Selection().workout), 1);
        }
        // Paged back so far that today shows in the last row: Home still
        // brings its week to the top, not merely into view.
        view_->MoveBy(-21);
        Press(Qt::Key_Home);
        QCOMPARE(view_->FirstDay(), kMonday);
    }

    void enterDeleteAndInsertActOnTheSelection() {
        std::vector<std::optional<std::uint32_t>> choices = {7, std::nullopt, 99};
        editing_.chooseTemplate = [&](QWidget*) {
            const auto choice = choices.front();
            choices.erase(choices.begin());
            return choice;
        };
        Press(Qt::Key_Left, 2);
        Press(Qt::Key_Down);  // b
        Press(Qt::Key_Return);
        QCOMPARE(edited_, std::vector<std::string>{"b"});

        Press(Qt::Key_Delete);
        QCOMPARE(Weeks(), std::string("ac..x....|......|"));
        QCOMPARE(Selected(), std::string("0a"));  // the one before, still in view

        // A new workout from template 7, right after the selected one; a
        // cancelled choice and a template the library lacks plan nothing.
        Press(Qt::Key_Insert, 3);
        QCOMPARE(Weeks(), std::string("a+c..x....|......|"));
        QCOMPARE(Selected(), std::string("0"));

        // Undo replaces the log: the selection keeps its day but no workout,
        // so Delete now deletes nothing.
        world_->doc->Undo();
        QCOMPARE(Selected(), std::string("0-"));
        Press(Qt::Key_Delete);
        QCOMPARE(Weeks(), std::string("ac..x....|......|"));
    }

    void keysCutCopyPasteAndMoveAsDropsDo() {
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers shift = Qt::ControlModifier | Qt::ShiftModifier;
        const struct {
            const char* name;
            Keys keys;
            std::string weeks;     // after the keys
            std::string selected;  // and what is selected
            int steps;             // undo steps that take it all back
        } cases[] = {
            {"cut, paste on Tuesday: a moves",
             {{Qt::Key_X, ctrl}, {Qt::Key_Right, {}}, {Qt::Key_V, ctrl}},
             "bc.a.x....|......|",
             "1a",
             1},
            {"copy, paste twice: two copies of the plan",
             {{Qt::Key_C, ctrl}, {Qt::Key_Right, {}}, {Qt::Key_V, ctrl}, {Qt::Key_V, ctrl}},
             "abc.++.x....|......|",
             "1",
             2},
            {"paste after the selected workout of the day",
             {{Qt::Key_C, ctrl}, {Qt::Key_Down, {}}, {Qt::Key_V, ctrl}},
             "ab+c..x....|......|",
             "0",
             1},
            {"a cut workout pasted next to itself stays",
             {{Qt::Key_X, ctrl}, {Qt::Key_V, ctrl}},
             "abc..x....|......|",
             "0a",
             0},
            {"Ctrl+Shift+Down moves a week",
             {{Qt::Key_Down, shift}},
             "bc..x....|a......|",
             "7a",
             1},
            {"a crossed-out day refuses a move and a paste",
             {{Qt::Key_Right, {}},
              {Qt::Key_Right, {}},
              {Qt::Key_C, ctrl},
              {Qt::Key_Right, shift},
              {Qt::Key_Right, {}},
              {Qt::Key_V, ctrl}},
             "abc..x....|......|",
             "3-",
             0},
        };
        for (const auto& c : cases) {
            MakeDiary();
            view_->Select({kMonday, world_->Named("a")});
            const std::string before = Weeks();
            for (const auto& [key, modifiers] : c.keys)
                QTest::keyClick(view_.get(), key, modifiers);
            QVERIFY2(Weeks() == c.weeks, (std::string(c.name) + ": " + Weeks()).c_str());
            QVERIFY2(Selected() == c.selected, (std::string(c.name) + ": " + Selected()).c_str());
            // A copy keeps the plan, not what was performed.
            for (const auto& w : world_->Log().Workouts())
                if (w->notes.empty()) QCOMPARE(w->duration, 0.0);
            for (int i = 0; i < c.steps; ++i) world_->doc->Undo();
            QVERIFY2(Weeks() == before, c.name);
        }
    }

    void daysAndWeeksReadAsShown() {
        const auto texts = LanguageModule::Load(QStringLiteral(KADENZO_MODULE_DIR "/rcus.rcc"));
        QVERIFY(texts);
        MakeDiary(texts.get());
        QAccessibleInterface* monday = Day(kMonday);
        QCOMPARE(monday->role(), QAccessible::List);
        QCOMPARE(monday->text(QAccessible::Name), QString("Monday, 11 March 2024"));
        QCOMPARE(monday->text(QAccessible::Description),
                 QString("Weight 72.5 kg. Resting heart rate 48. Body fat 15.0%."));
        QCOMPARE(Day(kToday + 1)->text(QAccessible::Description),
                 QString("Urlaub, no training possible."));
        QCOMPARE(Day(kToday)->text(QAccessible::Description), QString());
        QAccessibleInterface* week = QAccessible::queryAccessibleInterface(view_->WeekPanel(0));
        QCOMPARE(week->text(QAccessible::Name), QString("Week 11, 11 March 2024 to 17 March 2024"));
        QCOMPARE(week->text(QAccessible::Value), QString("Planned 03:00, performed 00:45"));
        view_->OnWeekForward();
        QVERIFY(week->text(QAccessible::Name).startsWith(QLatin1String("Week 12")));
    }

    void boxesReadAsPaintedAndActLikeTheirKeys() {
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
        QVERIFY(monday->rect().contains(a->rect()));

        // The selection and the focus follow the diary's.
        view_->Select({kMonday, world_->Named("b")});
        QVERIFY(b->state().selected && b->state().focused);
        QVERIFY(!a->state().selected && monday->state().selected && !monday->state().focused);
        view_->Select({kMonday, 0});
        QVERIFY(!b->state().selected && monday->state().focused);

        QAccessibleActionInterface* actions = a->actionInterface();
        QCOMPARE(actions->actionNames().size(), 2);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(edited_, std::vector<std::string>{"a"});
        QCOMPARE(Selected(), std::string("0a"));
        b->actionInterface()->doAction(b->actionInterface()->actionNames().at(1));
        QCOMPARE(world_->NotesOfDay(kMonday), std::string("ac"));
    }
};

QTEST_MAIN(DiaryKeyboardTest)
#include "DiaryKeyboardTest.moc"
