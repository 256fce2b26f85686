// Planning a week without the mouse: the diary's keys, alone and inside the
// program's window with its menu shortcuts.
#include <QTest>

#include "DayPanel.h"
#include "DiaryDates.h"
#include "DiaryFixture.h"
#include "DiaryViewInstall.h"
#include "KadenzoView.h"
#include "TestSupport.h"
#include "WorkoutEditing.h"

using namespace kadenzo;
using namespace kadenzo::test;

class DiaryKeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<CKadenzoView> view_;
    WorkoutEditing editing_;

    void Press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(view_.get(), key);
    }
    // The selected day (from this week's Monday) and workout, e.g. "2x" or "9-".
    std::string Selected() const { return world_->Describe(view_->Selection()); }
    std::string NotesOfDay(int day) const { return world_->NotesOfDay(day); }

private slots:
    void init() {
        world_ = std::make_unique<DiaryWorld>();
        for (const char* name : {"a", "b", "c"}) world_->AddNamed(kMonday, name);
        world_->AddNamed(kToday, "x");
        view_ = std::make_unique<CKadenzoView>(*world_->doc);
        editing_ = {};
        view_->SetEditing(&editing_);
        view_->resize(1050, 800);
        view_->show();
        view_->setFocus();
    }
    void cleanup() {
        view_.reset();
        world_.reset();
    }

    void arrowsWalkTheWorkoutsAndDaysAndPageAtTheEdges() {
        QCOMPARE(Selected(), std::string("2-"));  // today, nothing picked yet
        Press(Qt::Key_Down);
        QCOMPARE(Selected(), std::string("2x"));
        Press(Qt::Key_Left, 2);
        QCOMPARE(Selected(), std::string("0a"));
        Press(Qt::Key_Down, 2);
        QCOMPARE(Selected(), std::string("0c"));
        // The third workout scrolled into view.
        CDayPanel* monday = view_->PanelOfDay(kMonday);
        QCOMPARE(monday->SlotOf(view_->Selection().workout), 1);
        QVERIFY(monday->CanScrollUp());
        Press(Qt::Key_Up, 3);  // c, b, a, then last week's Monday
        QCOMPARE(Selected(), std::string("-7-"));
        QCOMPARE(view_->FirstDay(), kMonday - 7);
        Press(Qt::Key_Right, 7 * 5);  // past the bottom right corner
        QCOMPARE(Selected(), std::string("28-"));
        QCOMPARE(view_->FirstDay(), kMonday + 7);
        Press(Qt::Key_PageDown);
        QCOMPARE(Selected(), std::string("35-"));
        QCOMPARE(view_->FirstDay(), kMonday + 14);
        Press(Qt::Key_Home);
        QCOMPARE(Selected(), std::string("2x"));
        QCOMPARE(view_->FirstDay(), kMonday);
        // Paged back so far that today shows in the last row: Home still
        // brings its week to the top, not merely into view.
        view_->MoveBy(-21);
        Press(Qt::Key_Home);
        QCOMPARE(Selected(), std::string("2x"));
        QCOMPARE(view_->FirstDay(), kMonday);
    }

    void enterDeleteAndInsertActOnTheSelection() {
        std::vector<std::string> edited;
        editing_.editWorkout = [&](CDatabase::ConstWorkoutPos position, QWidget*) {
            edited.push_back((*position)->notes);
            return false;
        };
        std::vector<std::optional<std::uint32_t>> choices = {7, std::nullopt, 99};
        editing_.chooseTemplate = [&](QWidget*) {
            const auto choice = choices.front();
            choices.erase(choices.begin());
            return choice;
        };
        Press(Qt::Key_Left, 2);
        Press(Qt::Key_Down);  // b
        Press(Qt::Key_Return);
        QCOMPARE(edited, std::vector<std::string>{"b"});

        Press(Qt::Key_Delete);
        QCOMPARE(NotesOfDay(kMonday), std::string("ac"));
        QCOMPARE(Selected(), std::string("0a"));  // the one before, still in view

        // A new workout from template 7, right after the selected one.
        Press(Qt::Key_Insert);
        const auto planned = world_->Log().FindWorkout(view_->Selection().workout);
        QVERIFY(planned.has_value());
        QCOMPARE((**planned)->templateId, 7u);
        QCOMPARE(NotesOfDay(kMonday), std::string("ac"));
        QVERIFY(std::next(world_->Log().BeginWorkouts()) == *planned);
        Press(Qt::Key_Insert, 2);  // cancelled, then a template the library lacks
        QCOMPARE(world_->Log().WorkoutsBetween(kMonday, kMonday + 1.0).size(), std::size_t{3});

        // Undo replaces the log: the selection keeps its day but no workout,
        // so Delete now deletes nothing.
        world_->doc->Undo();
        QCOMPARE(Selected(), std::string("0-"));
        Press(Qt::Key_Delete);
        QCOMPARE(NotesOfDay(kMonday), std::string("ac"));
    }

    // In the program's window the menus' Ctrl+Z and Ctrl+Y reach the document
    // while the diary has the focus, and the diary's keys use the frame's
    // editing hooks.
    void undoAndRedoShortcutsWorkWhileTheDiaryHasTheFocus() {
        view_.reset();
        RegisterLibraryClasses();
        AppFixture app(StarterLibrary());
        app.dialogs.profile = [](AthleteProfile& profile, bool) {
            profile.maxHeartRate = 190;
            return true;
        };
        const std::uint32_t firstTemplate = app.Doc().Library().workoutTemplates[0].id;
        app.MakeFrame().Editing().chooseTemplate = [&](QWidget*) {
            return std::optional<std::uint32_t>(firstTemplate);
        };
        InstallDiaryView(*app.frame);
        app.frame->show();
        app.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.frame.get()));
        auto* diary = qobject_cast<CKadenzoView*>(app.frame->ActiveView());
        QVERIFY(diary);
        diary->setFocus();
        const int today = app.context.Today();
        auto onToday = [&] { return app.Doc().Log().WorkoutsBetween(today, today + 1.0).size(); };

        QTest::keyClick(diary, Qt::Key_Insert);
        QCOMPARE(onToday(), std::size_t{1});
        QTest::keyClick(diary, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(onToday(), std::size_t{0});
        QTest::keyClick(diary, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(onToday(), std::size_t{1});
        QVERIFY(diary->hasFocus());
    }
};

QTEST_MAIN(DiaryKeyboardTest)
#include "DiaryKeyboardTest.moc"
