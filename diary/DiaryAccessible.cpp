#include "DiaryAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "CoreText.h"
#include "DayPanel.h"
#include "DiaryQt.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "SpokenDiary.h"
#include "WeekPanel.h"
#include "WeekTotals.h"

namespace kadenzo {
namespace {

const QString kDeleteAction = QStringLiteral("delete");

// The day panels belong to the diary view, which holds the keyboard focus for them.
bool DiaryHasFocus(const CDayPanel& panel) {
    return panel.parentWidget() && panel.parentWidget()->hasFocus();
}

CDatabase::WorkoutHandle WorkoutInSlot(const CDayPanel& panel, int slot) {
    const std::optional<CDatabase::ConstWorkoutPos> position = panel.Slot(slot);
    return position ? panel.Document().Log().HandleOf(*position) : 0;
}

bool SlotSelected(const CDayPanel& panel, int slot) {
    const CDatabase::WorkoutHandle selected = panel.Selection().workout;
    return selected != 0 && panel.Selection().day == panel.Date() && panel.SlotOf(selected) == slot;
}

// A menu text read as an action's name: without its accelerator and dots.
QString ActionName(const CDayPanel& panel, int id, const char* english) {
    QString text =
        TableText(panel.Document().Context().Texts(), static_cast<std::uint32_t>(id), english);
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

// One workout box: a slot of its panel, whatever workout the slot shows now.
class WorkoutBoxAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    WorkoutBoxAccessible(CDayPanel* panel, int slot) : panel_(panel), slot_(slot) {}

    bool isValid() const override { return !panel_.isNull(); }
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
        if (!panel_) return {};
        if (t == QAccessible::Name) return WorkoutBoxName(*panel_, slot_);
        // The whole label, for a box too narrow to paint all of it.
        if (t == QAccessible::Description) {
            const auto position = panel_->Slot(slot_);
            return position ? panel_->LabelText(*position) : QString();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!panel_) return {};
        const QRect box = ToQRect(panel_->Geometry().slotBoxes[static_cast<std::size_t>(slot_)])
                              .adjusted(2, 0, -2, 0);
        return QRect(panel_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!panel_) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = SlotSelected(*panel_, slot_);
        s.focused = s.selected && DiaryHasFocus(*panel_);
        s.invisible = !panel_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), kDeleteAction}; }
    QString localizedActionName(const QString& action) const override {
        if (!panel_) return {};
        if (action == pressAction())
            return ActionName(*panel_, IDS_MENU_EDIT_WORKOUT, "Edit Workout");
        if (action == kDeleteAction)
            return ActionName(*panel_, IDS_MENU_DELETE_WORKOUT, "Delete Workout");
        return {};
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Return")};
        if (action == kDeleteAction) return {QStringLiteral("Delete")};
        return {};
    }
    // What Enter and Delete do once the box is selected.
    void doAction(const QString& action) override {
        if (!panel_) return;
        const CDatabase::WorkoutHandle workout = WorkoutInSlot(*panel_, slot_);
        if (workout == 0) return;
        emit panel_->selectRequested(panel_->Date(), workout);
        if (action == pressAction())
            emit panel_->editRequested(workout);
        else if (action == kDeleteAction)
            emit panel_->deleteRequested(workout);
    }

private:
    QPointer<CDayPanel> panel_;
    int slot_;
};

// A day: a list of the workout boxes it shows (the filled slots, from the top).
class DayPanelAccessible : public QAccessibleWidget {
public:
    explicit DayPanelAccessible(CDayPanel* panel) : QAccessibleWidget(panel, QAccessible::List) {}
    ~DayPanelAccessible() override {
        for (QAccessible::Id id : boxes_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
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
        QAccessible::Id& id = boxes_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new WorkoutBoxAccessible(Panel(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (boxes_[static_cast<std::size_t>(i)] != 0 &&
                QAccessible::accessibleInterface(boxes_[static_cast<std::size_t>(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* box = child(i); box->rect().contains(x, y)) return box;
        return nullptr;
    }

private:
    mutable std::array<QAccessible::Id, 2> boxes_{};
};

// A week: named by its dates, its totals as value and description.
class WeekPanelAccessible : public QAccessibleWidget {
public:
    explicit WeekPanelAccessible(CWeekPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        const auto& panel = *static_cast<CWeekPanel*>(widget());
        if (t == QAccessible::Name) return WeekPanelName(panel);
        if (t == QAccessible::Description || t == QAccessible::Value) return WeekPanelValue(panel);
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

QString WorkoutBoxName(const CDayPanel& panel, int slot) {
    const std::optional<WorkoutBoxLayout> layout = panel.BoxLayout(slot);
    if (!layout) return {};
    if (layout->titleOnly || layout->detail.isEmpty()) return layout->title;
    return layout->title + QStringLiteral(", ") + layout->detail;
}

QString WeekPanelName(const CWeekPanel& panel) {
    return FromBytes(SpokenWeek(panel.WeekStart(), panel.Document().Context().Texts()));
}

QString WeekPanelValue(const CWeekPanel& panel) {
    return FromBytes(SpokenWeekTotals(panel.Totals(), panel.Document().Context().Texts()));
}

void AnnounceDayShown(CDayPanel& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* day = QAccessible::queryAccessibleInterface(&panel);
    if (!day) return;
    Send(day, QAccessible::NameChanged);
    Send(day, QAccessible::DescriptionChanged);
    for (int i = 0; i < day->childCount(); ++i) Send(day->child(i), QAccessible::NameChanged);
}

void AnnounceDaySelection(CDayPanel& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* day = QAccessible::queryAccessibleInterface(&panel);
    if (!day) return;
    QAccessible::State changed;
    changed.selected = true;
    changed.focused = true;
    QAccessibleStateChangeEvent dayState(day, changed);
    QAccessible::updateAccessibility(&dayState);
    for (int i = 0; i < day->childCount(); ++i) {
        QAccessibleStateChangeEvent boxState(day->child(i), changed);
        QAccessible::updateAccessibility(&boxState);
    }
    if (panel.Selection().day != panel.Date()) return;
    const int slot = panel.SlotOf(panel.Selection().workout);
    QAccessibleInterface* selected = slot >= 0 ? day->child(slot) : day;
    if (DiaryHasFocus(panel)) Send(selected, QAccessible::Focus);
    Send(selected, QAccessible::Selection);
}

void AnnounceWeekTotals(CWeekPanel& panel) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* week = QAccessible::queryAccessibleInterface(&panel);
    Send(week, QAccessible::NameChanged);
    Send(week, QAccessible::DescriptionChanged);
    QAccessibleValueChangeEvent value(week, WeekPanelValue(panel));
    QAccessible::updateAccessibility(&value);
}

}  // namespace kadenzo
