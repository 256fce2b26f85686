#include "DiaryAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "CoreText.h"
#include "DayPanel.h"
#include "DiaryQt.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "SpokenDiary.h"
#include "WeekPanel.h"
#include "WeekTotals.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

// The day panels belong to the diary view, which holds the keyboard focus for them.
bool DiaryHasFocus(const CDayPanel& panel) {
    return panel.parentWidget() && panel.parentWidget()->hasFocus();
}

// A menu text read as an action's name: without its accelerator and dots.
QString ActionName(const CDayPanel& panel, int id, const char* english) {
    QString text =
        TableText(panel.Document().Context().Texts(), static_cast<std::uint32_t>(id), english);
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

// One workout's box in a day panel, for as long as the panel shows it.
class WorkoutBoxAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    WorkoutBoxAccessible(CDayPanel* panel, CDatabase::WorkoutHandle workout)
        : panel_(panel), workout_(workout) {}

    bool isValid() const override { return Slot() >= 0; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return panel_ ? panel_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(panel_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (Slot() < 0) return {};
        if (t == QAccessible::Name) return WorkoutBoxName(*panel_, workout_);
        if (t == QAccessible::Description) return WorkoutBoxDescription(*panel_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const int slot = Slot();
        if (slot < 0) return {};
        const QRect box = ToQRect(panel_->Geometry().slotBoxes[static_cast<std::size_t>(slot)])
                              .adjusted(2, 0, -2, 0);
        return QRect(panel_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (Slot() < 0) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = panel_->Selection().day == panel_->Date() &&
                     panel_->Selection().workout == workout_;
        s.focused = s.selected && DiaryHasFocus(*panel_);
        s.invisible = !panel_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // Delete is named in the module's language, as a screen reader may list
    // an action by its name as well as by its localized name.
    QStringList actionNames() const override {
        if (!panel_) return {};
        return {pressAction(), DeleteAction()};
    }
    QString localizedActionName(const QString& action) const override {
        if (!panel_) return {};
        if (action == pressAction())
            return ActionName(*panel_, IDS_MENU_EDIT_WORKOUT, "Edit Workout");
        return action;
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Return")};
        if (panel_ && action == DeleteAction()) return {QStringLiteral("Delete")};
        return {};
    }
    // What Enter and Delete do once the box is selected.
    void doAction(const QString& action) override {
        if (Slot() < 0) return;
        emit panel_->selectRequested(panel_->Date(), workout_);
        if (action == pressAction())
            emit panel_->editRequested(workout_);
        else if (action == DeleteAction())
            emit panel_->deleteRequested(workout_);
    }

    CDatabase::WorkoutHandle Workout() const { return workout_; }
    QString DeleteAction() const {
        return ActionName(*panel_, IDS_MENU_DELETE_WORKOUT, "Delete Workout");
    }
    // The box showing the workout now, or -1.
    int Slot() const { return panel_ ? panel_->SlotOf(workout_) : -1; }

private:
    QPointer<CDayPanel> panel_;
    CDatabase::WorkoutHandle workout_;
};

// A day: a list of the workout boxes it shows (the filled slots, from the top).
class DayPanelAccessible : public QAccessibleWidget {
public:
    explicit DayPanelAccessible(CDayPanel* panel) : QAccessibleWidget(panel, QAccessible::List) {}
    ~DayPanelAccessible() override {
        for (const auto& [workout, id] : boxes_) QAccessible::deleteAccessibleInterface(id);
    }

    CDayPanel* Panel() const { return static_cast<CDayPanel*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return DayPanelName(*Panel());
        if (t == QAccessible::Description) return DayPanelDescription(*Panel());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const CDayPanel& panel = *Panel();
        // The keys reach a day through the diary view, which holds the focus.
        s.focusable = true;
        s.selectable = true;
        s.selected = panel.Selection().day == panel.Date();
        s.focused =
            s.selected && DiaryHasFocus(panel) && panel.SlotOf(panel.Selection().workout) < 0;
        return s;
    }

    int childCount() const override {
        const DaySlots& shown = Panel()->Slots();
        return shown[0] ? (shown[1] ? 2 : 1) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        const CDatabase::ConstWorkoutPos position = *Panel()->Slot(index);
        return Box(Panel()->Document().Log().HandleOf(position));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* box = dynamic_cast<const WorkoutBoxAccessible*>(child);
        return box ? box->Slot() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* box = child(i); box->rect().contains(x, y)) return box;
        return nullptr;
    }

    // The box of a workout, made when first asked for; the boxes of
    // workouts no longer shown go.
    QAccessibleInterface* Box(CDatabase::WorkoutHandle workout) const {
        for (auto it = boxes_.begin(); it != boxes_.end();) {
            if (it->first != workout && Panel()->SlotOf(it->first) < 0) {
                QAccessible::deleteAccessibleInterface(it->second);
                it = boxes_.erase(it);
            } else {
                ++it;
            }
        }
        if (Panel()->SlotOf(workout) < 0) return nullptr;
        auto found = boxes_.find(workout);
        if (found == boxes_.end())
            found = boxes_
                        .emplace(workout, QAccessible::registerAccessibleInterface(
                                              new WorkoutBoxAccessible(Panel(), workout)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }

private:
    mutable std::map<CDatabase::WorkoutHandle, QAccessible::Id> boxes_;
};

// A week: named by its dates, described by its totals and ramp warning. It
// takes the focus when Tab leaves the days.
class WeekPanelAccessible : public QAccessibleWidget {
public:
    explicit WeekPanelAccessible(CWeekPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        const auto& panel = *static_cast<CWeekPanel*>(widget());
        if (t == QAccessible::Name) return WeekPanelName(panel);
        if (t == QAccessible::Description) return WeekPanelDescription(panel);
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* DiaryInterfaceFor(const QString&, QObject* object) {
    if (auto* day = qobject_cast<CDayPanel*>(object)) return new DayPanelAccessible(day);
    if (auto* week = qobject_cast<CWeekPanel*>(object)) return new WeekPanelAccessible(week);
    return nullptr;
}

void Send(QAccessibleInterface* target, QAccessible::Event type) {
    if (!target) return;
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallDiaryAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&DiaryInterfaceFor);
}

QString DayPanelName(const CDayPanel& panel) {
    return FromBytes(SpokenDay(panel.Date(), panel.Document().Context().Texts()));
}

QString DayPanelDescription(const CDayPanel& panel) {
    const CKadenzoDoc& doc = panel.Document();
    CalendarDateTime day;
    day.value = NoonOfDayNumber(panel.Date());
    const std::optional<CEvent>& event = panel.Event();
    return FromBytes(SpokenDayDetails(event ? &*event : nullptr, doc.Log().FindBodyInfo(day),
                                      doc.Library(), doc.Context().units, doc.Context().Texts()));
}

QString WorkoutBoxName(const CDayPanel& panel, CDatabase::WorkoutHandle workout) {
    const int slot = panel.SlotOf(workout);
    if (slot < 0) return {};
    const CKadenzoDoc& doc = panel.Document();
    const LabelContext labels = LabelContextOf(doc);
    return FromBytes(SpokenWorkout(FactsOf(***panel.Slot(slot), labels), panel.Date(),
                                   labels.today, doc.Context().Texts()));
}

QString WorkoutBoxDescription(const CDayPanel& panel) {
    const StringTable& texts = panel.Document().Context().Texts();
    return FromBytes(SpokenWorkoutDay(panel.Date(), ToBytes(DayPanelDescription(panel)), texts));
}

QString WeekPanelName(const CWeekPanel& panel) {
    return FromBytes(SpokenWeek(panel.WeekStart(), panel.Document().Context().Texts()));
}

QString WeekPanelDescription(const CWeekPanel& panel) {
    return FromBytes(
        SpokenWeekDetails(panel.Totals(), panel.Ramp(), panel.Document().Context().Texts()));
}

QAccessibleInterface* DiaryObject(CDayPanel& panel, CDatabase::WorkoutHandle workout) {
    auto* day = dynamic_cast<DayPanelAccessible*>(QAccessible::queryAccessibleInterface(&panel));
    if (!day) return nullptr;
    if (QAccessibleInterface* box = workout ? day->Box(workout) : nullptr) return box;
    return day;
}

void AnnounceDayShown(CDayPanel& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* day = QAccessible::queryAccessibleInterface(&panel);
    if (!day) return;
    Send(day, QAccessible::NameChanged);
    Send(day, QAccessible::DescriptionChanged);
    // A box keeps its workout; what the workout shows may have changed.
    for (int i = 0; i < day->childCount(); ++i) {
        Send(day->child(i), QAccessible::NameChanged);
        Send(day->child(i), QAccessible::DescriptionChanged);
    }
}

void AnnounceWeekTotals(CWeekPanel& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* week = QAccessible::queryAccessibleInterface(&panel);
    Send(week, QAccessible::NameChanged);
    Send(week, QAccessible::DescriptionChanged);
}

void AnnounceDiaryFocus(QAccessibleInterface* focused, bool renamed) {
    if (!QAccessible::isActive() || !focused) return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent selected(focused, changed);
    QAccessible::updateAccessibility(&selected);
    // A reader that already presents the object says it again only when
    // told that its name changed (a day paged to another week).
    if (renamed) {
        Send(focused, QAccessible::NameChanged);
        Send(focused, QAccessible::DescriptionChanged);
    }
    Send(focused, QAccessible::Focus);
}

}  // namespace kadenzo
