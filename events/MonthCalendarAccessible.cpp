#include "MonthCalendarAccessible.h"

#include <QAccessibleWidget>
#include <QDate>
#include <QPointer>
#include <map>

#include "CoreText.h"
#include "MonthCalendar.h"
#include "ResourceIds.h"
#include "StringTable.h"
#include "Texts.h"

namespace kadenzo {
namespace {

const QDate kDayNumberZero(1899, 12, 30);

QString TextOf(const CMonthCalendar& calendar, int id, const char* fallback) {
    const std::string text = calendar.Texts().Text(static_cast<std::uint32_t>(id));
    return text.empty() ? QString::fromUtf8(fallback) : FromBytes(text);
}

// The calendar's own actions are named in the module's language: a screen
// reader may list an action by its name as well as by its localized name.
QString ExtendAction(const CMonthCalendar& calendar) {
    return TextOf(calendar, IDS_A11Y_EXTEND_SELECTION, "Extend the selection to this day");
}
QString ClearAction(const CMonthCalendar& calendar) {
    return TextOf(calendar, IDS_A11Y_CLEAR_SELECTION, "Clear the selection");
}

// "Monday, 7 December 2026", with the calendar's day and month names.
QString FullDate(const CMonthCalendar& calendar, int dayNumber) {
    const QDate date = kDayNumberZero.addDays(dayNumber);
    const DateNames& names = calendar.Names();
    return FormatText(TextOf(calendar, IDS_A11Y_CALENDAR_DAY, "%s, %i %s %i"),
                      {FromBytes(names.days[static_cast<std::size_t>(date.dayOfWeek() - 1)]),
                       date.day(), FromBytes(names.months[static_cast<std::size_t>(date.month() - 1)]),
                       date.year()});
}

// One day of the months shown; it selects itself as a click would.
class DayAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DayAccessible(CMonthCalendar* calendar, int dayNumber) : calendar_(calendar), day_(dayNumber) {}

    int Day() const { return day_; }

    bool isValid() const override { return calendar_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* calendar = parent();
        return calendar ? calendar->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(calendar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override {
        if (!calendar_) return {};
        if (t == QAccessible::Name) return FullDate(*calendar_, day_);
        if (t == QAccessible::Description) {
            const std::optional<CMonthCalendar::DayMark> mark = calendar_->MarkOf(day_);
            return mark ? mark->description : QString();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!calendar_) return {};
        const QRect cell = calendar_->DayRect(day_);
        return cell.isEmpty() ? QRect() : cell.translated(calendar_->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!calendar_ || calendar_->DayRect(day_).isEmpty()) {
            state.invisible = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        const std::optional<std::pair<int, int>> selection = calendar_->Selection();
        state.selected = selection && day_ >= selection->first && day_ <= selection->second;
        state.focused = calendar_->hasFocus() && calendar_->Cursor() == day_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!calendar_) return {};
        return {pressAction(), ExtendAction(*calendar_)};
    }
    QString localizedActionName(const QString& name) const override {
        if (!calendar_) return name;
        if (name == pressAction()) return TextOf(*calendar_, IDS_A11Y_SELECT_DAY, "Select this day");
        return name;
    }
    QString localizedActionDescription(const QString& name) const override {
        return localizedActionName(name);
    }
    void doAction(const QString& name) override {
        if (!calendar_) return;
        if (name == pressAction()) calendar_->ChooseDay(day_, false);
        if (name == ExtendAction(*calendar_)) calendar_->ChooseDay(day_, true);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<CMonthCalendar> calendar_;
    int day_;
};

// The calendar: a list of the days of the months it shows.
class MonthCalendarAccessible : public QAccessibleWidget {
public:
    explicit MonthCalendarAccessible(CMonthCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::List) {
        QObject::connect(calendar, &CMonthCalendar::selectionChanged, calendar, [calendar] {
            if (MonthCalendarAccessible* self = Of(calendar)) self->SelectionChanged();
        });
        QObject::connect(calendar, &CMonthCalendar::monthsChanged, calendar, [calendar] {
            if (MonthCalendarAccessible* self = Of(calendar)) self->MonthsChanged();
        });
    }
    ~MonthCalendarAccessible() override {
        for (const auto& [day, id] : days_) QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiSelectable = true;
        state.extSelectable = true;
        return state;
    }

    int childCount() const override {
        const auto [first, last] = Calendar()->ShownDays();
        return last - first + 1;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return DayChild(Calendar()->ShownDays().first + index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* day = dynamic_cast<const DayAccessible*>(child);
        if (!day || day->parent() != this) return -1;
        const auto [first, last] = Calendar()->ShownDays();
        return day->Day() >= first && day->Day() <= last ? day->Day() - first : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::optional<int> day = Calendar()->DayAt(Calendar()->mapFromGlobal(QPoint(x, y)));
        return day ? DayChild(*day) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const std::optional<int> cursor = Calendar()->Cursor();
        if (!Calendar()->hasFocus() || !cursor) return nullptr;
        const auto [first, last] = Calendar()->ShownDays();
        return *cursor >= first && *cursor <= last ? DayChild(*cursor) : nullptr;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames()
               << ClearAction(*Calendar()) << previousPageAction() << nextPageAction();
    }
    QString localizedActionName(const QString& name) const override {
        // Qt's translations lack its paging actions: the module names them.
        if (name == previousPageAction())
            return TextOf(*Calendar(), IDS_A11Y_EARLIER_MONTHS, "Show earlier months");
        if (name == nextPageAction())
            return TextOf(*Calendar(), IDS_A11Y_LATER_MONTHS, "Show later months");
        return QAccessibleWidget::localizedActionName(name);
    }
    void doAction(const QString& name) override {
        if (name == ClearAction(*Calendar()))
            Calendar()->ClearSelection();
        else if (name == previousPageAction())
            Calendar()->ScrollMonths(-1);
        else if (name == nextPageAction())
            Calendar()->ScrollMonths(1);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    static MonthCalendarAccessible* Of(CMonthCalendar* calendar) {
        if (!QAccessible::isActive()) return nullptr;
        return dynamic_cast<MonthCalendarAccessible*>(QAccessible::queryAccessibleInterface(calendar));
    }

    CMonthCalendar* Calendar() const { return static_cast<CMonthCalendar*>(widget()); }

    // The days keep their interface while they are shown.
    QAccessibleInterface* DayChild(int day) const {
        auto found = days_.find(day);
        if (found == days_.end())
            found = days_.emplace(day, QAccessible::registerAccessibleInterface(
                                           new DayAccessible(Calendar(), day)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }

    void SelectionChanged() {
        const std::optional<std::pair<int, int>> selection = Calendar()->Selection();
        if (selection && selection->first == selection->second) {
            QAccessibleEvent event(DayChild(selection->first), QAccessible::Selection);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleEvent event(Calendar(), QAccessible::SelectionWithin);
            QAccessible::updateAccessibility(&event);
        }
        if (QAccessibleInterface* focused = focusChild()) {
            QAccessibleEvent event(focused, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }

    void MonthsChanged() {
        const auto [first, last] = Calendar()->ShownDays();
        for (auto it = days_.begin(); it != days_.end();) {
            if (it->first >= first && it->first <= last) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it->second);
            it = days_.erase(it);
        }
        QAccessibleEvent event(Calendar(), QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }

    mutable std::map<int, QAccessible::Id> days_;
};

QAccessibleInterface* MonthCalendarFactory(const QString&, QObject* object) {
    if (auto* calendar = qobject_cast<CMonthCalendar*>(object))
        return new MonthCalendarAccessible(calendar);
    return nullptr;
}

}  // namespace

void InstallMonthCalendarAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(MonthCalendarFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kadenzo
