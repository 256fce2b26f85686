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

    // Monday: a, b, c; Tuesday: d (performed); today (Wednesday) nothing;
    // Thursday crossed out by an event.
    CDatabase::WorkoutHandle a_ = 0, d_ = 0;

    const CDatabase& Log() const { return world_->Log(); }
    CDayPanel* Day(int day) const { return view_->PanelOfDay(day); }
    std::string NotesOfDay(int day) const { return world_->NotesOfDay(day); }
    // The notes of the two boxes, "-" for an empty one.
    std::string Shown(const CDayPanel* panel) const {
        std::string shown;
        for (int i = 0; i < 2; ++i)
            shown += panel->Slot(i) ? (*panel->Slot(i).value())->notes : "-";
        return shown;
    }
    // Presses the left button at p and pulls it by offset: a drag starts
    // through the panel's drag starter once the pull is far enough.
    static void Pull(CDayPanel* panel, QPoint p, QPoint offset) {
        SendMouse(panel, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(panel, QEvent::MouseMove, p + offset, Qt::LeftButton);
        SendMouse(panel, QEvent::MouseButtonRelease, p + offset, Qt::NoButton, Qt::LeftButton);
    }

private slots:
    void init() {
        world_ = std::make_unique<DiaryWorld>();
        a_ = world_->AddNamed(kMonday, "a", 60, 55);
        world_->AddNamed(kMonday, "b", 60, 55);
        world_->AddNamed(kMonday, "c", 60, 55);
        d_ = world_->AddNamed(kMonday + 1, "d", 60, 55);
        world_->AddEvent(kToday + 1, kToday + 1, -5, true);
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

    void hoverHighlightsAFilledBoxUntilTheMouseLeaves() {
        CDayPanel* monday = Day(kMonday);
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 0), Qt::NoButton);
        SendMouse(monday, QEvent::MouseMove, SlotCentre(monday, 1), Qt::NoButton);
        QVERIFY(!monday->IsHot(0) && monday->IsHot(1));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(monday, &leave);
        QVERIFY(!monday->IsHot(1));
        CDayPanel* tuesday = Day(kMonday + 1);
        SendMouse(tuesday, QEvent::MouseMove, SlotCentre(tuesday, 1), Qt::NoButton);
        QVERIFY(!tuesday->IsHot(1));  // an empty box never lights up
    }

    void aDragStartsFourPixelsFromThePressWithTheBoxThatWasPressed() {
        CDayPanel* monday = Day(kMonday);
        std::vector<std::string> started;
        monday->SetDragStarter([&](CDayPanel& source, CDatabase::WorkoutHandle workout) {
            if (source.IsDragging()) started.push_back((**Log().FindWorkout(workout))->notes);
            return Qt::IgnoreAction;
        });
        const QPoint lowInFirst =
            ToQRect(monday->Geometry().slotBoxes[0]).bottomLeft() + QPoint(10, -1);
        const struct {
            QPoint press, offset;
            std::string started;
        } cases[] = {
            {SlotCentre(monday, 0), {3, 3}, ""},
            {SlotCentre(monday, 0), {4, 0}, "a"},
            {SlotCentre(monday, 1), {0, -4}, "b"},
            {lowInFirst, {0, 20}, "a"},            // pulled into the second box: still the first's
            {GapCentre(monday, 2), {0, -30}, ""},  // pressed between boxes
        };
        for (const auto& k : cases) {
            started.clear();
            Pull(monday, k.press, k.offset);
            QCOMPARE(started.empty() ? std::string() : started.front(), k.started);
        }
    }

    // A move is one change made by the drop: the source takes nothing away
    // afterwards, so undo and redo show the workout once, at one place.
    void aMoveByDragIsOneChangeThatUndoAndRedoTakeWhole() {
        CDayPanel* today = Day(kToday);
        Day(kMonday)->SetDragStarter([&](CDayPanel&, CDatabase::WorkoutHandle workout) {
            auto mime = WorkoutData(workout);
            return Drop(today, SlotCentre(today, 0), mime.get()) ? Qt::MoveAction
                                                                 : Qt::IgnoreAction;
        });
        const std::size_t snapshots = world_->doc->UndoSnapshots();
        Pull(Day(kMonday), SlotCentre(Day(kMonday), 0), {0, 10});
        QCOMPARE(NotesOfDay(kMonday) + "|" + NotesOfDay(kToday), std::string("bc|a"));
        QCOMPARE(world_->doc->UndoSnapshots(), snapshots + 1);
        QCOMPARE(Shown(Day(kMonday)) + Shown(today), std::string("bca-"));
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*today->Slot(0)));
        world_->doc->Undo();
        QCOMPARE(NotesOfDay(kMonday) + "|" + NotesOfDay(kToday), std::string("abc|"));
        world_->doc->Redo();
        QCOMPARE(NotesOfDay(kMonday) + "|" + NotesOfDay(kToday), std::string("bc|a"));
    }

    // Which drags a panel takes is the drop rules' business; here: the data
    // as they travel, the answer and the gap marked while the drag is there.
    void dragOverMarksTheGapOrRefuses() {
        CDayPanel* monday = Day(kMonday);
        CDayPanel* today = Day(kToday);
        CDayPanel* thursday = Day(kToday + 1);
        auto foreign = WorkoutData(a_);
        foreign->setData(kInstanceMimeType, QByteArray("another program"));
        auto shortBlock = WorkoutData(a_);
        shortBlock->setData(kWorkoutMimeType, shortBlock->data(kWorkoutMimeType).left(6));
        QMimeData text;
        text.setText(QStringLiteral("plain text"));
        auto workout = WorkoutData(a_);
        const struct {
            const char* what;
            CDayPanel* panel;
            QPoint at;
            const QMimeData* mime;
            bool control;
            Qt::DropAction expected;
        } cases[] = {
            {"another program's", today, SlotCentre(today, 0), foreign.get(), true,
             Qt::IgnoreAction},
            {"cut short", today, SlotCentre(today, 0), shortBlock.get(), false, Qt::IgnoreAction},
            {"plain text", today, SlotCentre(today, 0), &text, true, Qt::IgnoreAction},
            {"crossed out", thursday, SlotCentre(thursday, 0), workout.get(), true,
             Qt::IgnoreAction},
            {"next to itself", monday, GapCentre(monday, 1), workout.get(), false,
             Qt::IgnoreAction},
            {"with Ctrl", monday, GapCentre(monday, 1), workout.get(), true, Qt::CopyAction},
            {"to another day", today, SlotCentre(today, 1), workout.get(), false, Qt::MoveAction},
        };
        for (const auto& k : cases) {
            QVERIFY2(Enter(k.panel, k.at, k.mime, k.control, kBoth) == k.expected, k.what);
            const std::optional<int> gap = k.panel->DropTargetAt(k.at).gap;
            for (int i = 0; i < 3; ++i)
                QVERIFY2(k.panel->IsGapMarked(i) == (k.expected != Qt::IgnoreAction && gap == i),
                         k.what);
            QDragLeaveEvent leave;
            QApplication::sendEvent(k.panel, &leave);
            QVERIFY2(
                !k.panel->IsGapMarked(0) && !k.panel->IsGapMarked(1) && !k.panel->IsGapMarked(2),
                k.what);
        }
    }

    void dropsLandInTheGapAndShowAndSelectTheNewWorkout() {
        // A template from the library browser onto the empty day.
        CDayPanel* today = Day(kToday);
        std::unique_ptr<QMimeData> tmpl(MakeDragMimeData({0, 7}, QStringLiteral("Dauerlauf")));
        QVERIFY(Drop(today, SlotCentre(today, 1), tmpl.get(), false, Qt::CopyAction));
        QCOMPARE((*today->Slot(0).value())->templateId, 7u);
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*today->Slot(0)));

        // Tuesday's workout copied with Ctrl below Monday's second box shows
        // second, without what d performed.
        CDayPanel* monday = Day(kMonday);
        auto mime = WorkoutData(d_);
        QVERIFY(Drop(monday, GapCentre(monday, 2), mime.get(), true));
        QCOMPARE(NotesOfDay(kMonday + 1), std::string("d"));
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

    void theContextMenuEditsOrDeletesTheBoxClicked() {
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
                for (QAction* action : menu->actions())
                    if (action->data().toInt() == command) menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            const QPoint p = SlotCentre(monday, slot);
            QContextMenuEvent event(QContextMenuEvent::Mouse, p, monday->mapToGlobal(p));
            QApplication::sendEvent(monday, &event);
        };
        QVERIFY(monday->ScrollDown());
        chooseFromMenu(0, ID_WORKOUT_EDIT);
        QCOMPARE(edited, std::vector<std::string>{"b"});
        // Deleting the second box of a scrolled day keeps the first one first.
        chooseFromMenu(1, ID_WORKOUT_DELETE);
        QCOMPARE(NotesOfDay(kMonday), std::string("ab"));
        QCOMPARE(Shown(monday), std::string("b-"));
        QCOMPARE(view_->Selection().workout, Log().HandleOf(*monday->Slot(0)));
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
        CKadenzoDoc& doc = *world_->doc;
        const struct {
            const char* what;
            std::function<void()> act;
            const char* shown;
        } steps[] = {
            {"scrolled", [] {}, "ce"},
            {"the day's first removed", [&] { remove("a"); }, "ce"},
            {"the first shown removed", [&] { remove("c"); }, "e-"},
            {"undo brings it back", [&] { doc.Undo(); }, "ce"},
            {"redo", [&] { doc.Redo(); }, "e-"},
            {"a week away and back",
             [&] {
                 view_->MoveBy(7);
                 view_->MoveBy(-7);
             },
             "be"},
            {"the last one removed", [&] { remove("e"); }, "b-"},
        };
        for (const auto& step : steps) {
            step.act();
            QVERIFY2(Shown(monday) == step.shown, step.what);
        }
    }
};

QTEST_MAIN(DayPanelTest)
#include "DayPanelTest.moc"
