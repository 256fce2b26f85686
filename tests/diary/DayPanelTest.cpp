// The day panels driven as the platform drives them (the mouse, drag and
// drop, the keys), painted at real sizes, and shown safely while a diary is
// opened in the program's window. Drags are started through the panel's drag
// starter, since the real drag loop is modal; drops are synthetic QDropEvents.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "DayPanel.h"
#include "DemoDiary.h"
#include "CalendarDays.h"
#include "DiaryFixture.h"
#include "DiaryQt.h"
#include "DiaryViewInstall.h"
#include "DiaryView.h"
#include "FormSeries.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "WeekPanel.h"
#include "WorkoutDrag.h"
#include "WorkoutEditing.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

constexpr Qt::DropActions kBoth = Qt::CopyAction | Qt::MoveAction;

QPoint SlotCentre(const CDayPanel* panel, int slot) {
    return ToQRect(panel->Geometry().slotBoxes[static_cast<std::size_t>(slot)]).center();
}

QPoint GapCentre(const CDayPanel* panel, int gap) {
    return ToQRect(panel->Geometry().gapBoxes[static_cast<std::size_t>(gap)]).center();
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint p, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, QPointF(p), QPointF(widget->mapToGlobal(p)), button, buttons, {});
    QApplication::sendEvent(widget, &event);
}

// As the platform does it: a drag enters (the widget that accepts it becomes
// the target of what follows) and moves; returns the action the panel offers.
Qt::DropAction Enter(CDayPanel* panel, QPoint p, const QMimeData* mime, bool control,
                     Qt::DropActions actions) {
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    QDragEnterEvent enter(p, actions, mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(panel, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDragMoveEvent move(p, actions, mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(panel, &move);
    return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
}

bool Drop(CDayPanel* panel, QPoint p, const QMimeData* mime, bool control = false,
          Qt::DropActions actions = kBoth) {
    Enter(panel, p, mime, control, actions);
    QDropEvent drop(QPointF(p), actions, mime, Qt::LeftButton,
                    control ? Qt::ControlModifier : Qt::NoModifier);
    QApplication::sendEvent(panel, &drop);
    return drop.isAccepted();
}

std::unique_ptr<QMimeData> DragData(CDatabase::WorkoutHandle workout,
                                    std::uint32_t templateId = 0) {
    return std::unique_ptr<QMimeData>(
        MakeDragMimeData({workout, templateId}, QStringLiteral("label")));
}

}  // namespace

class DayPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<CDiaryView> view_;
    WorkoutEditing editing_;
    std::vector<std::string> calls_;  // what the editing hooks were asked for
    CDatabase::WorkoutHandle a_ = 0, d_ = 0;

    // Monday: a (planned 1:00, done 0:45), b (planned 0:30), c; Tuesday: d
    // (done); today (Wednesday) nothing; Thursday crossed out by a holiday.
    void MakeDiary() {
        cleanup();
        world_ = std::make_unique<DiaryWorld>();
        a_ = world_->AddNamed(kMonday, "a", 60, 45);
        world_->AddNamed(kMonday, "b", 30);
        world_->AddNamed(kMonday, "c");
        d_ = world_->AddNamed(kMonday + 1, "d", 60, 55);
        world_->AddEvent(kToday + 1, kToday + 1, 9, true);
        view_ = std::make_unique<CDiaryView>(*world_->doc);
        calls_.clear();
        editing_.editWorkout = [this](CDatabase::ConstWorkoutPos position, QWidget*) {
            calls_.push_back("edit " + (*position)->notes);
            return false;
        };
        editing_.editBodyData = [this](int day, QWidget*) {
            calls_.push_back("body " + std::to_string(day - kMonday));
            return false;
        };
        view_->SetEditing(&editing_);
        view_->resize(1050, 800);
        view_->show();
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
        view_->setFocus();
    }

    const CDatabase& Log() const { return world_->Log(); }
    CDayPanel* Day(int day) const { return view_->PanelOfDay(day); }
    // Monday to Thursday, each workout by its notes ("+" for one without,
    // as a copy arrives), days ended by '|'.
    std::string Days() const {
        std::string days;
        for (int day = kMonday; day < kMonday + 4; ++day) {
            for (auto pos : Log().WorkoutsBetween(day, day + 1.0))
                days += (*pos)->notes.empty() ? "+" : (*pos)->notes;
            days += "|";
        }
        return days;
    }
    // The notes of the two boxes, "-" for an empty one.
    std::string Shown(const CDayPanel* panel) const {
        std::string shown;
        for (int i = 0; i < 2; ++i)
            shown += panel->Slot(i) ? (*panel->Slot(i).value())->notes : "-";
        return shown;
    }
    bool SelectedIn(const CDayPanel* panel, int slot) const {
        return view_->Selection().workout == Log().HandleOf(*panel->Slot(slot));
    }
    // Presses the left button at p and pulls it by offset: a drag starts
    // through the panel's drag starter once the pull is far enough.
    static void Pull(CDayPanel* panel, QPoint p, QPoint offset) {
        SendMouse(panel, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(panel, QEvent::MouseMove, p + offset, Qt::LeftButton);
        SendMouse(panel, QEvent::MouseButtonRelease, p + offset, Qt::NoButton, Qt::LeftButton);
    }
    // Chooses a command from the next menu that pops up, noting its entries.
    static void PickFromNextMenu(int command, QStringList* entries = nullptr) {
        QTimer::singleShot(0, [command, entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) {
                if (entries && !action->isSeparator()) *entries << action->text();
                if (action->data().toInt() == command) menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }
    // Chooses a command from the context menu of a Monday box.
    void ChooseFromMenu(int slot, int command) {
        PickFromNextMenu(command);
        const QPoint p = SlotCentre(Day(kMonday), slot);
        QContextMenuEvent event(QContextMenuEvent::Mouse, p, Day(kMonday)->mapToGlobal(p));
        QApplication::sendEvent(Day(kMonday), &event);
    }
    // Keys by one letter each: Right and Down as > and _, Delete and Insert
    // as D and I, Ctrl+X, C and V as x c v.
    void Type(const std::string& keys) {
        const std::map<char, std::pair<Qt::Key, Qt::KeyboardModifiers>> map = {
            {'>', {Qt::Key_Right, {}}},
            {'_', {Qt::Key_Down, {}}},
            {'D', {Qt::Key_Delete, {}}},
            {'I', {Qt::Key_Insert, {}}},
            {'x', {Qt::Key_X, Qt::ControlModifier}},
            {'c', {Qt::Key_C, Qt::ControlModifier}},
            {'v', {Qt::Key_V, Qt::ControlModifier}}};
        for (char key : keys) QTest::keyClick(view_.get(), map.at(key).first, map.at(key).second);
    }

private slots:
    void init() { MakeDiary(); }
    void cleanup() {
        view_.reset();
        world_.reset();
    }

    // A drag starts four pixels from the press, with the box that was
    // pressed; its move is one change made by the drop (the source takes
    // nothing away afterwards), so undo shows the workout once, at one place.
    void aDragMovesThePressedWorkoutInOneChange() {
        CDayPanel* monday = Day(kMonday);
        CDayPanel* today = Day(kToday);
        std::string started;
        monday->SetDragStarter([&](CDayPanel& source, CDatabase::WorkoutHandle workout) {
            if (!source.IsDragging()) return Qt::IgnoreAction;
            started += (**Log().FindWorkout(workout))->notes;
            auto mime = DragData(workout);
            return Drop(today, SlotCentre(today, 0), mime.get()) ? Qt::MoveAction
                                                                 : Qt::IgnoreAction;
        });
        Pull(monday, SlotCentre(monday, 0), {3, 3});
        Pull(monday, GapCentre(monday, 2), {0, -30});  // pressed between boxes
        const std::size_t snapshots = world_->doc->UndoSnapshots();
        // Pressed low in the first box and pulled out of it: still the first's;
        // the pulls before were too short or between boxes.
        const QPoint p = ToQRect(monday->Geometry().slotBoxes[0]).bottomLeft() + QPoint(10, -1);
        SendMouse(monday, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(monday, QEvent::MouseMove, p + QPoint(0, 4), Qt::LeftButton);
        QCOMPARE(started, std::string("a"));
        QCOMPARE(Days(), std::string("bc|d|a||"));
        QCOMPARE(world_->doc->UndoSnapshots(), snapshots + 1);
        QCOMPARE(Shown(monday) + Shown(today), std::string("bca-"));
        QVERIFY(SelectedIn(today, 0));
        world_->doc->Undo();
        QCOMPARE(Days(), std::string("abc|d|||"));
    }

    // Which drags a panel takes is the drop rules' business; here: the data
    // as they travel, a crossed-out day, and the gap marked for a drop.
    void dragOverMarksTheGapOrRefuses() {
        CDayPanel* today = Day(kToday);
        CDayPanel* thursday = Day(kToday + 1);
        auto foreign = DragData(a_);
        foreign->setData(kInstanceMimeType, QByteArray("another program"));
        auto shortBlock = DragData(a_);
        shortBlock->setData(kWorkoutMimeType, shortBlock->data(kWorkoutMimeType).left(6));
        auto workout = DragData(a_);
        const QPoint at = SlotCentre(today, 1);
        QCOMPARE(Enter(today, at, foreign.get(), true, kBoth), Qt::IgnoreAction);
        QCOMPARE(Enter(today, at, shortBlock.get(), false, kBoth), Qt::IgnoreAction);
        QCOMPARE(Enter(thursday, at, workout.get(), true, kBoth), Qt::IgnoreAction);
        QCOMPARE(Enter(today, at, workout.get(), false, kBoth), Qt::MoveAction);
        QCOMPARE(Enter(today, at, workout.get(), true, kBoth), Qt::CopyAction);
        QVERIFY(today->IsGapMarked(0) && !today->IsGapMarked(1));
    }

    void dropsLandInTheGapAndShowAndSelectTheNewWorkout() {
        // A template from the library browser onto the empty day.
        CDayPanel* today = Day(kToday);
        QVERIFY(Drop(today, SlotCentre(today, 1), DragData(0, 7).get(), false, Qt::CopyAction));
        QCOMPARE((*today->Slot(0).value())->templateId, 7u);
        QVERIFY(SelectedIn(today, 0));
        // Tuesday's workout copied with Ctrl below Monday's second box shows
        // second, without what d performed.
        CDayPanel* monday = Day(kMonday);
        auto mime = DragData(d_);
        QVERIFY(Drop(monday, GapCentre(monday, 2), mime.get(), true));
        QVERIFY(SelectedIn(monday, 1));
        // Undo replaced the log: the old data name nothing any more.
        world_->doc->Undo();
        QVERIFY(!Drop(monday, GapCentre(monday, 2), mime.get(), true));
        QCOMPARE(Days(), std::string("abc|d|+||"));
    }

    void doubleClickAndTheContextMenuAskForTheEditorOrTheBodyData() {
        CDayPanel* monday = Day(kMonday);
        QTest::mouseDClick(monday, Qt::LeftButton, {}, SlotCentre(monday, 1));
        const QRect header = ToQRect(monday->Geometry().header);
        QTest::mouseDClick(monday, Qt::LeftButton, {},
                           QPoint(header.right() - 10, header.center().y()));
        // A double click on the down arrow: the first click scrolls to the
        // end, which greys the arrow out; the second must not open the body data.
        const QPoint arrow = ToQRect(monday->Geometry().downArrow).center();
        SendMouse(monday, QEvent::MouseButtonPress, arrow, Qt::LeftButton, Qt::LeftButton);
        SendMouse(monday, QEvent::MouseButtonRelease, arrow, Qt::NoButton, Qt::LeftButton);
        SendMouse(monday, QEvent::MouseButtonDblClick, arrow, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(Shown(monday), std::string("bc"));
        ChooseFromMenu(1, ID_WORKOUT_EDIT);
        QCOMPARE(calls_, (std::vector<std::string>{"edit b", "body 0", "edit c"}));
    }

    // A scrolled day keeps its first workout through changes, undo and redo;
    // when that one leaves the day, the one at its place shows first.
    void aScrolledDayKeepsItsFirstWorkout() {
        world_->AddNamed(kMonday, "e");  // a b c e
        CDayPanel* monday = Day(kMonday);
        QVERIFY(monday->ScrollDown());
        QVERIFY(monday->ScrollDown());
        const auto remove = [this](const char* notes) {
            QVERIFY(edit::RemoveWorkout(*world_->doc, *Log().FindWorkout(world_->Named(notes))));
        };
        QCOMPARE(Shown(monday), std::string("ce"));
        remove("a");  // the day's first, not shown
        QCOMPARE(Shown(monday), std::string("ce"));
        remove("c");  // the first shown: the next takes its place
        QCOMPARE(Shown(monday), std::string("e-"));
        world_->doc->Undo();
        QCOMPARE(Shown(monday), std::string("ce"));
        world_->doc->Redo();
        view_->MoveBy(7);
        view_->MoveBy(-7);
        QCOMPARE(Shown(monday), std::string("be"));  // a week away and back: from the top
        ChooseFromMenu(1, ID_WORKOUT_DELETE);
        QCOMPARE(Shown(monday), std::string("b-"));
        QCOMPARE(view_->WeekPanel(0)->Totals().planned, 90.0);
    }

    void keysDeleteInsertCutCopyAndPasteAsDropsDo() {
        std::vector<std::optional<std::uint32_t>> choices;
        editing_.chooseTemplate = [&](std::uint32_t, QWidget*) {
            const auto choice = choices.front();
            choices.erase(choices.begin());
            return choice;
        };
        const struct {
            const char* name;
            const char* keys;
            std::vector<std::optional<std::uint32_t>> templates;  // chosen for Insert
            std::string days;                                     // after the keys
            std::string selected;  // and the selection: its day from Monday and notes
            int steps;             // undo steps that take it all back
        } cases[] = {
            {"cut, paste on Tuesday: a moves", "x>v", {}, "bc|da|||", "1a", 1},
            {"paste after the selected workout", "c_v", {}, "ab+c|d|||", "0", 1},
            {"a crossed-out day refuses a paste", "c>>>v", {}, "abc|d|||", "3-", 0},
            // Delete selects the one before; Insert plans after the selected
            // one, unless the choice is cancelled or the library lacks it.
            {"delete, insert", "_DIII", {7, std::nullopt, 99}, "a+c|d|||", "0", 2},
        };
        for (const auto& c : cases) {
            MakeDiary();
            view_->Select({kMonday, a_});
            choices = c.templates;
            const std::string before = Days();
            Type(c.keys);
            QVERIFY2(Days() == c.days, (std::string(c.name) + ": " + Days()).c_str());
            QVERIFY2(world_->Describe(view_->Selection()) == c.selected,
                     (std::string(c.name) + ": " + world_->Describe(view_->Selection())).c_str());
            // A copy keeps the plan, not what was performed.
            for (const auto& w : Log().Workouts())
                if (w->notes.empty()) QCOMPARE(w->duration, 0.0);
            for (int i = 0; i < c.steps; ++i) world_->doc->Undo();
            QVERIFY2(Days() == before, c.name);
        }
    }

    // Without a mouse: Enter on a day alone and the keyboard's context menu
    // (Shift+F10, the Menu key) reach its body data; the menu of a workout
    // edits it too. Tab goes over to the weeks and back, and the arrows move
    // from week to week with the selection.
    void theKeysReachTheBodyDataAndTheWeeks() {
        view_->Select({kToday, 0});
        QTest::keyClick(view_.get(), Qt::Key_Return);
        QStringList entries;
        PickFromNextMenu(ID_DAY_BODY_DATA, &entries);
        QTest::keyClick(view_.get(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(entries.size(), 1);  // the day alone: its body data only
        view_->Select({kMonday, a_});
        entries.clear();
        PickFromNextMenu(ID_WORKOUT_EDIT, &entries);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(view_.get(), &menuKey);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(calls_, (std::vector<std::string>{"body 2", "body 2", "edit a"}));

        // Monday's week is the first row. (The menus took the focus away.)
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
        view_->setFocus();
        QTest::keyClick(view_.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view_->WeekPanel(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), view_->WeekPanel(1));
        QCOMPARE(world_->Describe(view_->Selection()), std::string("7-"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // pages a week back
        QCOMPARE(QApplication::focusWidget(), view_->WeekPanel(0));
        QCOMPARE(view_->WeekPanel(0)->WeekStart(), kMonday - 7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), view_.get());
        QCOMPARE(world_->Describe(view_->Selection()), std::string("-7-"));
    }

    // A planned week that ramps up faster than the body adapts carries the
    // mark; it follows the plan as it changes, and only planned weeks have it.
    void aWeekThatRampsUpIsMarked() {
        AthleteProfile profile = world_->doc->Profile();
        profile.maxHeartRate = 190;
        QVERIFY(edit::SetProfile(*world_->doc, profile));
        // Ten weeks of easy half hours, then a planned week of two hours a day.
        for (int day = kToday - 70; day < kToday; ++day) {
            CWorkOut easy;
            easy.duration = 30;
            easy.averagePulse = 160;
            world_->Add(day, easy);
        }
        std::vector<CDatabase::WorkoutHandle> heavy;
        for (int day = kToday; day < kToday + 7; ++day) {
            CWorkOut hard;
            hard.plannedDuration = 120;
            hard.targetPulseLow = hard.targetPulseHigh = 160;
            hard.targetFixed = 1;
            heavy.push_back(world_->Add(day, hard));
        }
        FormSeries series;
        series.Compute(Log(), FormContextOf(*world_->doc));
        QVERIFY(WeekHoldsRampDay(series, kMonday));
        for (int row = 0; row < CDiaryView::kRowCount; ++row)
            QCOMPARE(view_->WeekPanel(row)->Ramp(), WeekHoldsRampDay(series, kMonday + 7 * row));
        view_->MoveBy(-7);
        QVERIFY(!view_->WeekPanel(0)->Ramp());  // the week before today's
        QVERIFY(view_->WeekPanel(1)->Ramp());
        view_->MoveBy(7);
        // A plan of easy hours again: no mark.
        for (CDatabase::WorkoutHandle w : heavy)
            QVERIFY(edit::RemoveWorkout(*world_->doc, *Log().FindWorkout(w)));
        for (int row = 0; row < CDiaryView::kRowCount; ++row)
            QVERIFY(!view_->WeekPanel(row)->Ramp());
    }

    // The diary of the demo in the views a 1024x768, 1100 px, 1280x800 and
    // 1920x1080 screen give (a 4K screen at 200 % gives the last): every
    // label's figures are whole and fit their line, every title and header
    // fits its box, and the body-data mark shows.
    void labelsFitTheirBoxesAtRealWindowSizes() {
        const QSize sizes[] = {{921, 611}, {1100, 700}, {1280, 720}, {1920, 1000}};
        for (const bool german : {false, true}) {
            DiaryWorld world;
            world.doc->SetContents(
                tool::MakeDemo(FixedNow(), tool::DemoOptions{german, ""}).contents);
            CDiaryView view(*world.doc);
            const QFontMetricsF metrics(view.font());
            auto fits = [&metrics](const QString& text, const QRect& box) {
                return metrics.horizontalAdvance(text) <= box.width();
            };
            for (const QSize& size : sizes) {
                view.resize(size);
                int labels = 0;
                int marks = 0;
                view.MoveBy(-7 * 14);
                for (int page = 0; page < 5; ++page, view.MoveBy(28)) {
                    for (int i = 0; i < 7 * CDiaryView::kRowCount; ++i) {
                        const CDayPanel* panel = view.DayPanel(i / 7, i % 7);
                        const QString header = panel->HeaderText();
                        QVERIFY2(fits(header, panel->HeaderTextBox()), qPrintable(header));
                        QCOMPARE(header.startsWith(QStringLiteral(">> ")), panel->HasBodyData());
                        marks += panel->HasBodyData() ? 1 : 0;
                        for (int slot = 0; slot < 2; ++slot) {
                            const auto box = panel->BoxLayout(slot);
                            if (!box) continue;
                            ++labels;
                            const QString where = box->title + " / " + box->detail;
                            QVERIFY2(fits(box->title, box->titleBox), qPrintable(where));
                            QVERIFY2(fits(box->detail, box->detailBox), qPrintable(where));
                            QVERIFY2(!box->detail.isEmpty() && !box->detail.contains(QChar(0x2026)),
                                     qPrintable(where));
                        }
                    }
                }
                view.MoveBy(-7 * 6);
                QVERIFY(labels > 100);
                QVERIFY(marks > 10);
            }
        }
    }

    // Opening a diary whose records the program's library lacks warns about
    // them; while that message is up the window may be resized and repaint.
    // By then the panels must show the new log, never the freed old one.
    void theWindowRepaintsSafelyWhileTheDroppedRecordsMessageIsUp() {
        AppFixture app(StarterLibrary());
        app.dialogs.profile = [](AthleteProfile& profile, bool) {
            profile.maxHeartRate = 190;
            return true;
        };
        InstallDiaryView(app.MakeFrame());
        app.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.frame.get()));
        const int today = app.context.Today();
        // A diary from another computer whose library has one more template.
        auto library = app.Doc().Library().Clone();
        library->computerName = "LAPTOP";
        CLibWorkout& extra = library->workoutTemplates.AddNew();
        extra.name = "Gone here";
        extra.sportId = 1;
        const std::uint32_t gone = extra.id;
        const QString path = app.PathOf(QStringLiteral("dropped.kdz"));
        {
            AppContext other;
            other.library = std::move(library);
            CKadenzoDoc doc(other);
            DocumentContents contents;
            contents.birthDate = 315532800;
            contents.log = std::make_unique<CDatabase>();
            for (std::uint32_t templateId : {1u, gone, gone}) {
                auto w = std::make_unique<CWorkOut>();
                w->templateId = templateId;
                w->sportId = 1;
                w->date = today + 0.5;
                contents.log->AddWorkout(std::move(w));
            }
            doc.SetContents(std::move(contents));
            QVERIFY(doc.OnSaveDocument(path.toStdString()));
        }
        // The diary on screen shows workouts of its own on the same days.
        for (int i = 0; i < 3; ++i) {
            auto workout = std::make_unique<CWorkOut>();
            workout->templateId = 1;
            workout->sportId = 1;
            QVERIFY(edit::AddWorkout(app.Doc(), std::move(workout), edit::InDateOrder(today)));
        }
        app.Doc().SetModifiedFlag(false);

        int repaints = 0;
        app.dialogs.whileShown = [&] {
            app.frame->resize(app.frame->width() + 120, app.frame->height() + 80);
            app.frame->grab();
            QCoreApplication::processEvents();
            const CDayPanel* panel =
                qobject_cast<CDiaryView*>(app.frame->ActiveView())->DayPanel(0, Weekday(today));
            QVERIFY(panel->Slot(0).has_value());
            QCOMPARE(panel->Slot(0).value()->get(), app.Doc().Log().Workouts().front().get());
            ++repaints;
        };
        app.dialogs.yesNo = {false};  // keep this computer's library: two records go
        QVERIFY(app.document->OpenDocumentFile(path));
        QCOMPARE(repaints, 1);
        QCOMPARE(app.Doc().Log().WorkoutCount(), std::size_t{1});
    }
};

QTEST_MAIN(DayPanelTest)
#include "DayPanelTest.moc"
