// The mouse and drag and drop in the day panels, driven with the events the
// platform would send. Drags are started through the panel's drag starter,
// since the real drag loop is modal; drops are synthetic QDropEvents.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "DayPanel.h"
#include "DiaryFixture.h"
#include "DiaryQt.h"
#include "KadenzoView.h"
#include "ResourceIds.h"
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

// The answer a panel gives to a drag entering at p and moving there, and the
// gaps it marked meanwhile.
struct DragAnswer {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
    std::array<bool, 3> marks{};
};

// As the platform does it: a drag enters (the widget that accepts it becomes
// the target of what follows), moves, and leaves or drops.
DragAnswer Enter(CDayPanel* panel, QPoint p, const QMimeData* mime, Qt::KeyboardModifiers modifiers,
                 Qt::DropActions actions) {
    QDragEnterEvent enter(p, actions, mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(panel, &enter);
    if (!enter.isAccepted()) return {};
    QDragMoveEvent move(p, actions, mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(panel, &move);
    DragAnswer answer{move.isAccepted(), move.isAccepted() ? move.dropAction() : Qt::IgnoreAction};
    for (int gap = 0; gap < 3; ++gap)
        answer.marks[static_cast<std::size_t>(gap)] = panel->IsGapMarked(gap);
    return answer;
}

DragAnswer DragOver(CDayPanel* panel, QPoint p, const QMimeData* mime, bool control = false,
                    Qt::DropActions actions = kBoth) {
    const DragAnswer answer =
        Enter(panel, p, mime, control ? Qt::ControlModifier : Qt::NoModifier, actions);
    QDragLeaveEvent leave;
    QApplication::sendEvent(panel, &leave);
    return answer;
}

bool Drop(CDayPanel* panel, QPoint p, const QMimeData* mime, bool control = false,
          Qt::DropActions actions = kBoth) {
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    Enter(panel, p, mime, modifiers, actions);
    QDropEvent drop(QPointF(p), actions, mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(panel, &drop);
    return drop.isAccepted();
}

std::unique_ptr<QMimeData> WorkoutData(CDatabase::WorkoutHandle workout) {
    return std::unique_ptr<QMimeData>(MakeDragMimeData({workout, 0}, QStringLiteral("label")));
}

}  // namespace

class DayPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<CKadenzoView> view_;
    WorkoutEditing editing_;

    // Monday: a, b, c; Tuesday: d (performed); today (Wednesday) nothing.
    CDatabase::WorkoutHandle a_ = 0, b_ = 0, c_ = 0, d_ = 0;

    CDatabase::WorkoutHandle Add(int day, const char* notes) {
        return world_->AddNamed(day, notes, 60, 55);
    }
    const CDatabase& Log() const { return world_->Log(); }
    CDayPanel* Day(int day) const { return view_->PanelOfDay(day); }
    std::string NotesOfDay(int day) const { return world_->NotesOfDay(day); }
    std::string Shown(const CDayPanel* panel) const {
        std::string shown;
        for (int i = 0; i < 2; ++i)
            shown += panel->Slot(i) ? (*panel->Slot(i).value())->notes : "-";
        return shown;
    }

private slots:
    void init() {
        world_ = std::make_unique<DiaryWorld>();
        a_ = Add(kMonday, "a");
        b_ = Add(kMonday, "b");
        c_ = Add(kMonday, "c");
        d_ = Add(kMonday + 1, "d");
        view_ = std::make_unique<CKadenzoView>(*world_->doc);
        editing_ = {};
        view_->SetEditing(&editing_);
        view_->resize(1050, 800);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() {
        view_.reset();
        world_.reset();
    }

    void hoverHighlightsTheBoxUnderTheMouseUntilItLeaves() {
        CDayPanel* monday = Day(kMonday);
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 0), Qt::NoButton);
        QVERIFY(monday->IsHot(0));
        QVERIFY(!monday->IsHot(1));
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 1), Qt::NoButton);
        QVERIFY(!monday->IsHot(0));
        QVERIFY(monday->IsHot(1));
        SendMouse(monday, QEvent::MouseMove, GapCentre(monday, 2), Qt::NoButton);
        QVERIFY(!monday->IsHot(1));
        // An empty box never lights up.
        CDayPanel* tuesday = Day(kMonday + 1);
        SendMouse(tuesday, QEvent::MouseMove, SlotCentre(tuesday, 1), Qt::NoButton);
        QVERIFY(!tuesday->IsHot(1));
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 0), Qt::NoButton);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(monday, &leave);
        QVERIFY(!monday->IsHot(0));
    }

    void aDragStartsFourPixelsFromThePressWithTheBoxThatWasPressed() {
        CDayPanel* monday = Day(kMonday);
        std::vector<CDatabase::WorkoutHandle> started;
        monday->SetDragStarter([&](CDayPanel& source, CDatabase::WorkoutHandle workout) {
            if (source.IsDragging()) started.push_back(workout);
            return Qt::IgnoreAction;
        });
        struct Case {
            QPoint press;
            QPoint offset;
            CDatabase::WorkoutHandle expected;  // 0: no drag
        } cases[] = {
            {SlotCentre(monday, 0), {3, 3}, 0},
            {SlotCentre(monday, 0), {-3, -3}, 0},
            {SlotCentre(monday, 0), {4, 0}, a_},
            {SlotCentre(monday, 1), {0, -4}, b_},
            // Pressed low in the first box and pulled down into the second:
            // the first box's workout goes.
            {ToQRect(monday->Geometry().slotBoxes[0]).bottomLeft() + QPoint(10, -1), {0, 20}, a_},
            {GapCentre(monday, 2), {0, -30}, 0},  // pressed between boxes
        };
        for (const Case& k : cases) {
            started.clear();
            SendMouse(monday, QEvent::MouseButtonPress, k.press, Qt::LeftButton, Qt::LeftButton);
            SendMouse(monday, QEvent::MouseMove, k.press + k.offset, Qt::LeftButton);
            SendMouse(monday, QEvent::MouseButtonRelease, k.press + k.offset, Qt::NoButton,
                      Qt::LeftButton);
            const std::vector<CDatabase::WorkoutHandle> expected =
                k.expected ? std::vector{k.expected} : std::vector<CDatabase::WorkoutHandle>{};
            QCOMPARE(started, expected);
        }
        // Moving with the button up drags nothing.
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 0), Qt::NoButton);
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 0) + QPoint(9, 9), Qt::NoButton);
        QVERIFY(started.empty());
    }

    // A move is one change made by the drop: the source takes nothing away
    // afterwards, so undo and redo show the workout once, at one place.
    void aMoveByDragIsOneChangeThatUndoAndRedoTakeWhole() {
        CDayPanel* monday = Day(kMonday);
        CDayPanel* today = Day(kToday);
        monday->SetDragStarter([&](CDayPanel&, CDatabase::WorkoutHandle workout) {
            auto mime = WorkoutData(workout);
            return Drop(today, SlotCentre(today, 0), mime.get()) ? Qt::MoveAction
                                                                 : Qt::IgnoreAction;
        });
        const std::size_t snapshots = world_->doc->UndoSnapshots();
        const QPoint p = SlotCentre(monday, 0);
        SendMouse(monday, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(monday, QEvent::MouseMove, p + QPoint(0, 10), Qt::LeftButton);
        QCOMPARE(NotesOfDay(kMonday), std::string("bc"));
        QCOMPARE(NotesOfDay(kToday), std::string("a"));
        QCOMPARE(world_->doc->UndoSnapshots(), snapshots + 1);
        QCOMPARE(Shown(monday), std::string("bc"));
        QCOMPARE(Shown(today), std::string("a-"));
        // The moved workout is selected at its new place.
        QCOMPARE(view_->Selection().day, kToday);
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*today->Slot(0)));
        QCOMPARE(view_->WeekPanel(0)->Totals().planned, 240.0);

        world_->doc->Undo();
        QCOMPARE(NotesOfDay(kMonday), std::string("abc"));
        QCOMPARE(NotesOfDay(kToday), std::string(""));
        world_->doc->Redo();
        QCOMPARE(NotesOfDay(kMonday), std::string("bc"));
        QCOMPARE(NotesOfDay(kToday), std::string("a"));
    }

    void aMoveWithinTheSamePanelReordersTheDay() {
        CDayPanel* monday = Day(kMonday);
        monday->SetDragStarter([&](CDayPanel& source, CDatabase::WorkoutHandle workout) {
            auto mime = WorkoutData(workout);
            return Drop(&source, GapCentre(&source, 2), mime.get()) ? Qt::MoveAction
                                                                    : Qt::IgnoreAction;
        });
        const QPoint p = SlotCentre(monday, 0);
        SendMouse(monday, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(monday, QEvent::MouseMove, p + QPoint(0, 10), Qt::LeftButton);
        QCOMPARE(NotesOfDay(kMonday), std::string("bac"));
        QCOMPARE(Shown(monday), std::string("ba"));  // dropped below the second box
        world_->doc->Undo();
        QCOMPARE(NotesOfDay(kMonday), std::string("abc"));
    }

    // Which drags a panel takes is the drop rules' business; here: the data
    // as they travel, the answer and the gap marks.
    void dragOverMarksTheGapOrRefuses() {
        CDayPanel* monday = Day(kMonday);
        CDayPanel* today = Day(kToday);
        auto foreign = WorkoutData(a_);
        foreign->setData(kInstanceMimeType, QByteArray("another program"));
        auto shortBlock = WorkoutData(a_);
        shortBlock->setData(kWorkoutMimeType, shortBlock->data(kWorkoutMimeType).left(6));
        auto text = std::make_unique<QMimeData>();
        text->setText(QStringLiteral("plain text"));
        auto workout = WorkoutData(a_);

        struct Case {
            const char* what;
            CDayPanel* panel;
            QPoint at;
            const QMimeData* mime;
            bool control;
            Qt::DropAction expected;
        } cases[] = {
            {"another program's data", today, SlotCentre(today, 0), foreign.get(), true,
             Qt::IgnoreAction},
            {"a block cut short", today, SlotCentre(today, 0), shortBlock.get(), false,
             Qt::IgnoreAction},
            {"plain text", today, SlotCentre(today, 0), text.get(), true, Qt::IgnoreAction},
            {"next to itself", monday, GapCentre(monday, 1), workout.get(), false,
             Qt::IgnoreAction},
            {"next to itself, Ctrl held", monday, GapCentre(monday, 1), workout.get(), true,
             Qt::CopyAction},
            {"to another day", today, SlotCentre(today, 1), workout.get(), false, Qt::MoveAction},
        };
        for (const Case& k : cases) {
            const DragAnswer answer = DragOver(k.panel, k.at, k.mime, k.control);
            QVERIFY2(answer.action == k.expected, k.what);
            QCOMPARE(answer.accepted, k.expected != Qt::IgnoreAction);
            // The gap the drop would go to is marked while the drag is there.
            const DropTarget target = k.panel->DropTargetAt(k.at);
            for (int gap = 0; gap < 3; ++gap)
                QCOMPARE(answer.marks[static_cast<std::size_t>(gap)],
                         k.expected != Qt::IgnoreAction && target.gap == gap);
            QVERIFY(!k.panel->IsGapMarked(0) && !k.panel->IsGapMarked(1) &&
                    !k.panel->IsGapMarked(2));
        }
    }

    void aDayCrossedOutByAnEventTakesNoDrop() {
        world_->AddEvent(kToday, kToday, -5, true);
        CDayPanel* today = Day(kToday);
        QVERIFY(today->IsBlocked());
        auto mime = WorkoutData(a_);
        QVERIFY(!DragOver(today, SlotCentre(today, 0), mime.get(), true).accepted);
        QVERIFY(!Drop(today, SlotCentre(today, 0), mime.get(), true));
        QCOMPARE(NotesOfDay(kToday), std::string(""));
    }

    void dropsLandInTheGapAndShowAndSelectTheNewWorkout() {
        // A template from the library browser onto the empty day.
        CDayPanel* today = Day(kToday);
        std::unique_ptr<QMimeData> tmpl(MakeDragMimeData({0, 7}, QStringLiteral("Dauerlauf")));
        QVERIFY(Drop(today, SlotCentre(today, 1), tmpl.get(), false, Qt::CopyAction));
        QCOMPARE(Log().WorkoutsBetween(kToday, kToday + 1.0).size(), std::size_t{1});
        QCOMPARE((*today->Slot(0).value())->templateId, 7u);
        QCOMPARE((*today->Slot(0).value())->duration, 0.0);
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*today->Slot(0)));

        // Tuesday's workout copied with Ctrl below the second box of Monday:
        // the new one shows second, below b.
        CDayPanel* monday = Day(kMonday);
        auto mime = WorkoutData(d_);
        QVERIFY(Drop(monday, GapCentre(monday, 2), mime.get(), true));
        QCOMPARE(NotesOfDay(kMonday + 1), std::string("d"));
        QCOMPARE(Shown(monday), std::string("b"));  // the copy has no notes
        QCOMPARE((*monday->Slot(1).value())->duration, 0.0);
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*monday->Slot(1)));
        // Undo replaced the log: the old data name nothing any more.
        world_->doc->Undo();
        QVERIFY(!Drop(monday, GapCentre(monday, 2), mime.get(), true));
        QCOMPARE(NotesOfDay(kMonday), std::string("abc"));
    }

    void doubleClickAsksForTheEditorOrTheBodyData() {
        std::vector<std::string> calls;
        editing_.editWorkout = [&](CDatabase::ConstWorkoutPos position, QWidget*) {
            calls.push_back("edit " + (*position)->notes);
            return false;
        };
        editing_.editBodyData = [&](int day, QWidget*) {
            calls.push_back("body " + std::to_string(day - kMonday));
            return false;
        };
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
        QCOMPARE(calls, (std::vector<std::string>{"edit b", "body 0"}));
        QCOMPARE(Shown(monday), std::string("bc"));
    }

    void theContextMenuDeletesAndTheDayShowsTheRest() {
        std::vector<std::string> edited;
        editing_.editWorkout = [&](CDatabase::ConstWorkoutPos position, QWidget*) {
            edited.push_back((*position)->notes);
            return false;
        };
        CDayPanel* monday = Day(kMonday);
        auto chooseFromMenu = [&](int slot, int command) {
            QTimer::singleShot(0, [command] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QCOMPARE(menu->actions().size(), 2);
                for (QAction* action : menu->actions())
                    if (action->data().toInt() == command) menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            const QPoint p = SlotCentre(monday, slot);
            QContextMenuEvent event(QContextMenuEvent::Mouse, p, monday->mapToGlobal(p));
            QApplication::sendEvent(monday, &event);
        };
        chooseFromMenu(1, ID_WORKOUT_EDIT);
        QCOMPARE(edited, std::vector<std::string>{"b"});

        // Deleting the first of three shows the remaining two.
        chooseFromMenu(0, ID_WORKOUT_DELETE);
        QCOMPARE(NotesOfDay(kMonday), std::string("bc"));
        QCOMPARE(Shown(monday), std::string("bc"));
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*monday->Slot(0)));
        QCOMPARE(view_->WeekPanel(0)->Totals().planned, 180.0);
        world_->doc->Undo();
        QCOMPARE(Shown(monday), std::string("ab"));
        world_->doc->Redo();
        QCOMPARE(Shown(monday), std::string("bc"));

        // Deleting the second box of a scrolled day keeps the first one first.
        Add(kMonday, "e");  // b c e
        QVERIFY(monday->ScrollDown());
        QCOMPARE(Shown(monday), std::string("ce"));
        chooseFromMenu(1, ID_WORKOUT_DELETE);
        QCOMPARE(Shown(monday), std::string("c-"));
        QVERIFY(monday->CanScrollUp());
    }

    // A scrolled day keeps its first workout through changes, undo and redo;
    // when that one leaves the day, the one at its place shows first.
    void aScrolledDayKeepsItsFirstWorkout() {
        Add(kMonday, "e");  // a b c e
        CDayPanel* monday = Day(kMonday);
        QVERIFY(monday->ScrollDown());
        QVERIFY(monday->ScrollDown());
        QCOMPARE(Shown(monday), std::string("ce"));
        const auto at = [this](const char* notes) {
            for (auto pos : Log().WorkoutsBetween(kMonday, kMonday + 2.0))
                if ((*pos)->notes == notes) return CDatabase::ConstWorkoutPos(pos);
            return Log().EndWorkouts();
        };
        const auto plan = [this, at](const char* notes, double minutes) {
            CWorkOut changed = **at(notes);
            changed.plannedDuration = minutes;
            QVERIFY(edit::ReplaceWorkout(*world_->doc, at(notes), changed));
        };
        const auto remove = [this, at](const char* notes) {
            QVERIFY(edit::RemoveWorkout(*world_->doc, at(notes)));
        };
        CKadenzoDoc& doc = *world_->doc;
        const struct {
            const char* what;
            std::function<void()> act;
            const char* shown;
        } steps[] = {
            {"another day edited", [&] { plan("d", 20); }, "ce"},
            {"the first shown edited", [&] { plan("c", 25); }, "ce"},
            {"the day's first removed", [&] { remove("a"); }, "ce"},
            {"undo", [&] { doc.Undo(); }, "ce"},
            {"the first shown removed", [&] { remove("c"); }, "e-"},
            {"undo brings it back", [&] { doc.Undo(); }, "ce"},
            {"redo", [&] { doc.Redo(); }, "e-"},
            {"undo again", [&] { doc.Undo(); }, "ce"},
            {"the second box removed", [&] { remove("e"); }, "c-"},
            {"the last one removed", [&] { remove("c"); }, "b-"},
            {"a week away and back",
             [&] {
                 view_->MoveBy(7);
                 view_->MoveBy(-7);
             },
             "ab"},
        };
        for (const auto& step : steps) {
            step.act();
            QVERIFY2(Shown(monday) == step.shown, step.what);
        }
    }
};

QTEST_MAIN(DayPanelTest)
#include "DayPanelTest.moc"
