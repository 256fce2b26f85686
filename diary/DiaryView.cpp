#include "DiaryView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "DayPanel.h"
#include "CalendarDays.h"
#include "CoreText.h"
#include "DiaryAccessible.h"
#include "DiaryLayout.h"
#include "DiaryQt.h"
#include "DocumentEdits.h"
#include "EventAssignment.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MainFrame.h"
#include "PrintRangeDialog.h"
#include "ResourceIds.h"
#include "SpokenText.h"
#include "StatusMessage.h"
#include "Texts.h"
#include "WeekPanel.h"
#include "WorkoutDrop.h"
#include "WorkoutEditing.h"
#include "WorkoutLabels.h"

namespace kadenzo {

CDiaryView::CDiaryView(CKadenzoDoc& document, QWidget* parent)
    : CKadenzoBaseView(document, parent), printJob_(document) {
    firstDay_ = MondayOnOrBefore(document.Context().Today());
    selection_.day = document.Context().Today();
    setFocusPolicy(Qt::StrongFocus);
    rampSeries_.Compute(document.Log(), FormContextOf(document));
    CreateRows();
    OnUpdate();
    printJob_.SetRange({firstDay_, firstDay_ + 27, DiaryPrintRange::kFollowDisplay, 0});
    Document().AddObserver(this);
    Document().Context().settings.AddObserver(this);
}

CDiaryView::~CDiaryView() {
    Document().Context().settings.RemoveObserver(this);
    Document().RemoveObserver(this);
}

CDayPanel* CDiaryView::DayPanel(int row, int day) const {
    if (row < 0 || row >= kRowCount || day < 0 || day > 6) return nullptr;
    return days_[static_cast<std::size_t>(row * 7 + day)];
}

CWeekPanel* CDiaryView::WeekPanel(int row) const {
    if (row < 0 || row >= kRowCount) return nullptr;
    return weeks_[static_cast<std::size_t>(row)];
}

void CDiaryView::CreateRows() {
    for (int i = 0; i < kRowCount; ++i) {
        auto* week = new CWeekPanel(Document(), this);
        weeks_.push_back(week);
        for (int j = 0; j < 7; ++j) {
            auto* day = new CDayPanel(Document(), this);
            day->SetDate(firstDay_ + 7 * i + j);
            day->SetWeekPanel(week);
            connect(day, &CDayPanel::selectRequested, this,
                    [this](int dayNumber, CDatabase::WorkoutHandle workout) {
                        Select({dayNumber, workout});
                        setFocus(Qt::MouseFocusReason);
                    });
            connect(day, &CDayPanel::editRequested, this,
                    [this](CDatabase::WorkoutHandle workout) { EditWorkout(workout); });
            connect(day, &CDayPanel::deleteRequested, this,
                    [this](CDatabase::WorkoutHandle workout) { DeleteWorkout(workout); });
            connect(day, &CDayPanel::bodyDataRequested, this,
                    [this](int dayNumber) { EditBodyData(dayNumber); });
            days_.push_back(day);
        }
        week->SetWeekStart(firstDay_ + 7 * i);
        week->RecomputeTotals();
    }
    LayOutRows();
}

void CDiaryView::LayOutRows() {
    const std::vector<DiaryRowLayout> rows = LayOutDiaryRows(width(), height(), kRowCount);
    for (int i = 0; i < kRowCount; ++i) {
        const DiaryRowLayout& row = rows[static_cast<std::size_t>(i)];
        weeks_[static_cast<std::size_t>(i)]->setGeometry(ToQRect(row.week));
        for (int j = 0; j < 7; ++j)
            days_[static_cast<std::size_t>(i * 7 + j)]->setGeometry(
                ToQRect(row.days[static_cast<std::size_t>(j)]));
    }
}

void CDiaryView::OnUpdate() {
    for (int i = 0; i < kRowCount; ++i) {
        CWeekPanel* week = weeks_[static_cast<std::size_t>(i)];
        week->SetWeekStart(firstDay_ + 7 * i);
        week->RecomputeTotals();
    }
    for (std::size_t k = 0; k < days_.size(); ++k) {
        CDayPanel* day = days_[k];
        day->SetDate(firstDay_ + static_cast<int>(k));
        day->Refresh();
        day->update();
    }
    AssignEvents();
    ShowRamps();
    UpdateSelection();
}

void CDiaryView::RefreshDays(int first, int last) {
    const int lastShown = firstDay_ + static_cast<int>(days_.size()) - 1;
    first = std::max(first, firstDay_);
    last = std::min(last, lastShown);
    for (int day = first; day <= last; ++day)
        days_[static_cast<std::size_t>(day - firstDay_)]->Refresh();
    for (int row = 0; row < kRowCount; ++row) {
        const int monday = firstDay_ + 7 * row;
        if (monday <= last && first <= monday + 6)
            weeks_[static_cast<std::size_t>(row)]->RecomputeTotals();
    }
}

void CDiaryView::AssignEvents() {
    std::vector<const CEvent*> events;
    std::vector<EventSpan> spans;
    for (const auto& event : Document().Log().Events()) {
        events.push_back(event.get());
        spans.push_back({DayNumber(event->start.value), DayNumber(event->end.value)});
    }
    const std::vector<int> assigned =
        AssignEventsToDays(spans, firstDay_, static_cast<int>(days_.size()));
    for (std::size_t k = 0; k < days_.size(); ++k) {
        const int index = assigned[k];
        days_[k]->SetEvent(index < 0 ? nullptr : events[static_cast<std::size_t>(index)]);
    }
}

void CDiaryView::PageBy(int days) {
    const CDatabase& log = Document().Log();
    MoveBy(days);
    const int day = selection_.day + days;
    Select({day, log.HandleOf(FirstWorkoutOfDay(log, day))});
}

void CDiaryView::MoveBy(int days) {
    firstDay_ += days;
    if (printJob_.Range().rangeMode == DiaryPrintRange::kFollowDisplay) {
        DiaryPrintRange range = printJob_.Range();
        range.firstDay = firstDay_;
        range.lastDay = firstDay_ + 27;
        printJob_.SetRange(range);
    }
    OnUpdate();
}

CDayPanel* CDiaryView::PanelOfDay(int day) const {
    const int index = day - firstDay_;
    if (index < 0 || index >= static_cast<int>(days_.size())) return nullptr;
    return days_[static_cast<std::size_t>(index)];
}

void CDiaryView::Select(const DiarySelection& selection) {
    const int lastShown = firstDay_ + static_cast<int>(days_.size()) - 1;
    if (selection.day < firstDay_)
        MoveBy(-7 * ((firstDay_ - selection.day + 6) / 7));
    else if (selection.day > lastShown)
        MoveBy(7 * ((selection.day - lastShown + 6) / 7));
    selection_ = selection;
    if (CDayPanel* panel = PanelOfDay(selection.day)) panel->ShowWorkout(selection.workout);
    UpdateSelection();
}

void CDiaryView::UpdateSelection() {
    if (selection_.workout != 0) {
        const std::optional<CDatabase::ConstWorkoutPos> workout =
            Document().Log().FindWorkout(selection_.workout);
        if (workout)
            selection_.day = DayNumber((**workout)->date);
        else
            selection_.workout = 0;
    }
    for (CDayPanel* day : days_) day->SetSelection(selection_);
    AnnounceLater();
}

void CDiaryView::Step(DiaryStep step) {
    Select(StepSelection(Document().Log(), selection_, step));
}

bool CDiaryView::EditWorkout(CDatabase::WorkoutHandle workout) {
    const std::optional<CDatabase::ConstWorkoutPos> position =
        Document().Log().FindWorkout(workout);
    if (!position || !editing_ || !editing_->editWorkout) return false;
    const bool changed = editing_->editWorkout(*position, this);
    // The boxes may have moved under the mouse while the editor was open.
    for (CDayPanel* day : days_) day->HoverAtCursor();
    return changed;
}

bool CDiaryView::EditBodyData(int day) {
    if (!editing_ || !editing_->editBodyData) return false;
    return editing_->editBodyData(day, this);
}

bool CDiaryView::DeleteWorkout(CDatabase::WorkoutHandle workout) {
    const CDatabase& log = Document().Log();
    const std::optional<CDatabase::ConstWorkoutPos> position = log.FindWorkout(workout);
    if (!position) return false;
    const int day = DayNumber((**position)->date);
    CDayPanel* panel = PanelOfDay(day);
    const int slot = panel ? panel->SlotOf(workout) : -1;
    // Worked out while the workout is still there.
    const CDatabase::WorkoutHandle neighbour = NeighbourOf(log, *position, slot == 1);
    const bool selected = selection_.workout == workout;
    if (!edit::RemoveWorkout(Document(), *position)) return false;
    if (selected) Select({day, neighbour});
    return true;
}

bool CDiaryView::PlanWorkout(int day) {
    if (!editing_ || !editing_->chooseTemplate) return false;
    const std::optional<std::uint32_t> templateId = editing_->chooseTemplate(kNoId, this);
    if (!templateId) return false;
    const CLibWorkout* workoutTemplate = Document().Library().FindWorkout(*templateId);
    if (!workoutTemplate) return false;
    // After the selected workout when it is of that day, else after the day's last.
    edit::WorkoutPlace place = edit::InDateOrder(NoonOfDayNumber(day));
    const std::optional<CDatabase::ConstWorkoutPos> selected =
        Document().Log().FindWorkout(selection_.workout);
    if (selected && DayNumber((**selected)->date) == day) place.neighbour = *selected;
    const std::optional<CDatabase::WorkoutPos> added =
        edit::AddWorkout(Document(), std::make_unique<CWorkOut>(*workoutTemplate), place);
    if (!added) return false;
    Select({day, Document().Log().HandleOf(*added)});
    return true;
}

void CDiaryView::keyPressEvent(QKeyEvent* event) {
    if (ClipboardKey(event)) return;
    // Keys with Ctrl or Alt are the menus' shortcuts (undo, redo, ...).
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        CKadenzoBaseView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowSelectionMenu();
        event->accept();
        return;
    }
    if (qobject_cast<CWeekPanel*>(focusWidget())) {
        if (WeekKey(event))
            event->accept();
        else
            CKadenzoBaseView::keyPressEvent(event);
        return;
    }
    const CDatabase& log = Document().Log();
    switch (event->key()) {
        case Qt::Key_Left:
            Step(DiaryStep::kLeft);
            break;
        case Qt::Key_Right:
            Step(DiaryStep::kRight);
            break;
        case Qt::Key_Up:
            Step(DiaryStep::kUp);
            break;
        case Qt::Key_Down:
            Step(DiaryStep::kDown);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            PageBy(event->key() == Qt::Key_PageUp ? -7 : 7);
            break;
        case Qt::Key_Home: {
            const DiaryHome home = HomeOf(log, Document().Context().Today());
            if (home.firstDay != firstDay_) MoveBy(home.firstDay - firstDay_);
            Select(home.selection);
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The day alone: its body data, as a double click on its date does.
            if (log.FindWorkout(selection_.workout))
                EditWorkout(selection_.workout);
            else
                EditBodyData(selection_.day);
            break;
        case Qt::Key_Delete:
            DeleteWorkout(selection_.workout);
            break;
        case Qt::Key_Insert:
            PlanWorkout(selection_.day);
            break;
        default:
            CKadenzoBaseView::keyPressEvent(event);
            return;
    }
    event->accept();
}

bool CDiaryView::WeekKey(QKeyEvent* event) {
    const CDatabase& log = Document().Log();
    int week = 0;
    switch (event->key()) {
        case Qt::Key_Up:
            week = -7;
            break;
        case Qt::Key_Down:
            week = 7;
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The week panel in the same row shows the week paged to.
            PageBy(event->key() == Qt::Key_PageUp ? -7 : 7);
            return true;
        case Qt::Key_Home: {
            const DiaryHome home = HomeOf(log, Document().Context().Today());
            if (home.firstDay != firstDay_) MoveBy(home.firstDay - firstDay_);
            Select(home.selection);
            if (CWeekPanel* panel = SelectedWeek()) panel->setFocus(Qt::OtherFocusReason);
            return true;
        }
        default:
            return false;
    }
    const int day = selection_.day + week;
    Select({day, log.HandleOf(FirstWorkoutOfDay(log, day))});
    if (CWeekPanel* panel = SelectedWeek()) panel->setFocus(Qt::OtherFocusReason);
    return true;
}

CWeekPanel* CDiaryView::SelectedWeek() const {
    const int index = selection_.day - firstDay_;
    if (index < 0 || index >= static_cast<int>(days_.size())) return nullptr;
    return weeks_[static_cast<std::size_t>(index / 7)];
}

bool CDiaryView::focusNextPrevChild(bool next) {
    // Tab moves between the two panes of the diary, the days and the weeks
    // (the frame holds nothing else that takes the focus); either way round
    // it is the other one.
    const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    if (hasFocus()) {
        if (CWeekPanel* week = SelectedWeek()) {
            week->setFocus(reason);
            return true;
        }
    } else if (qobject_cast<CWeekPanel*>(focusWidget())) {
        setFocus(reason);
        return true;
    }
    return CKadenzoBaseView::focusNextPrevChild(next);
}

void CDiaryView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menus are the day panels'; this one is the keyboard's.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        CKadenzoBaseView::contextMenuEvent(event);
        return;
    }
    ShowSelectionMenu();
    event->accept();
}

void CDiaryView::ShowSelectionMenu() {
    CDayPanel* panel = PanelOfDay(selection_.day);
    if (!panel) return;
    const int slot = panel->SlotOf(selection_.workout);
    const QRect box = slot >= 0 ? ToQRect(panel->Geometry().slotBoxes[static_cast<std::size_t>(slot)])
                                : ToQRect(panel->Geometry().header);
    panel->ShowContextMenu(slot >= 0 ? selection_.workout : 0,
                           panel->mapToGlobal(box.center()), false);
}

void CDiaryView::focusInEvent(QFocusEvent* event) {
    CKadenzoBaseView::focusInEvent(event);
    // Qt tells of the view; a reader wants the day or workout within it.
    AnnounceLater(true);
}

void CDiaryView::AnnounceLater(bool forced) {
    if (forced) announcedPanel_ = nullptr;
    if (announcePending_ || !QAccessible::isActive()) return;
    announcePending_ = true;
    QTimer::singleShot(0, this, &CDiaryView::AnnounceSelection);
}

void CDiaryView::AnnounceSelection() {
    announcePending_ = false;
    if (!hasFocus()) return;
    CDayPanel* panel = PanelOfDay(selection_.day);
    if (!panel) return;
    QAccessibleInterface* object = DiaryObject(*panel, selection_.workout);
    if (!object) return;
    const CDatabase::WorkoutHandle workout =
        panel->SlotOf(selection_.workout) >= 0 ? selection_.workout : 0;
    const QString name = object->text(QAccessible::Name) + object->text(QAccessible::Description);
    const bool same = announcedPanel_ == panel && announcedWorkout_ == workout;
    if (same && name == announcedName_) return;
    AnnounceDiaryFocus(object, same);
    announcedPanel_ = panel;
    announcedWorkout_ = workout;
    announcedName_ = name;
}

void CDiaryView::UpdateRampSeries(int fromDay, bool whole) {
    if (whole)
        rampSeries_.Compute(Document().Log(), FormContextOf(Document()));
    else
        rampSeries_.Update(Document().Log(), FormContextOf(Document()), fromDay);
    ShowRamps();
}

void CDiaryView::ShowRamps() {
    for (CWeekPanel* week : weeks_)
        week->SetRamp(WeekHoldsRampDay(rampSeries_, week->WeekStart()));
}

QString CDiaryView::SpokenTitle(CDatabase::WorkoutHandle workout) const {
    const std::optional<CDatabase::ConstWorkoutPos> position = Document().Log().FindWorkout(workout);
    if (!position) return {};
    const LabelFacts facts = FactsOf(***position, LabelContextOf(Document()));
    return FromBytes(SpokenText(ScreenTitle(facts), Document().Context().Texts()));
}

void CDiaryView::Status(std::uint32_t textId, const char* english, const QVariantList& arguments) {
    const TextService texts(Document().Context());
    ShowStatusMessage(this, FormatText(texts.TextOr(textId, QString::fromUtf8(english)), arguments));
}

void CDiaryView::OnPrintRange() {
    CPrintRangeDialog dialog(printJob_.Range(), TextService(Document().Context()), this);
    if (dialog.exec() == QDialog::Accepted) printJob_.SetRange(dialog.Range());
}

void CDiaryView::OnDocumentChanged(const DocumentChange& change) {
    // Names, colours and heart-rate targets may change on every day.
    if (change.Has(DocumentChange::kLibrary | DocumentChange::kProfile)) {
        rampSeries_.Compute(Document().Log(), FormContextOf(Document()));
        OnUpdate();
        return;
    }
    if (change.Has(DocumentChange::kWorkouts | DocumentChange::kBodyData) && change.HasDays())
        UpdateRampSeries(change.firstDay, false);
    if (change.Has(DocumentChange::kWorkouts | DocumentChange::kBodyData) && change.HasDays())
        RefreshDays(change.firstDay, change.lastDay);
    if (change.Has(DocumentChange::kEvents)) AssignEvents();
    const int selectedDay = selection_.day;
    UpdateSelection();
    // A selected workout an edit took to another day is shown there.
    if (selection_.day != selectedDay)
        if (CDayPanel* panel = PanelOfDay(selection_.day)) panel->ShowWorkout(selection_.workout);
}

void CDiaryView::OnDocumentReplacing() {
    // Handles of the old log find nothing in the new one.
    selection_.workout = 0;
    clipped_ = 0;
    for (CDayPanel* day : days_) {
        day->SetSelection(selection_);
        day->Forget();
        day->SetEvent(nullptr);
    }
}

void CDiaryView::OnDocumentReplaced() {
    rampSeries_.Compute(Document().Log(), FormContextOf(Document()));
    OnUpdate();
}

void CDiaryView::OnSettingsChanged(const SettingsChange&) { OnUpdate(); }

void CDiaryView::resizeEvent(QResizeEvent* event) {
    CKadenzoBaseView::resizeEvent(event);
    LayOutRows();
}

void CDiaryView::wheelEvent(QWheelEvent* event) {
    // Each wheel message moves one week, however far the wheel turned; the
    // selection stays on its day (the keys' paging takes it along).
    const int delta = event->angleDelta().y();
    if (delta > 0)
        MoveBy(-7);
    else if (delta < 0)
        MoveBy(7);
    event->accept();
}

void CDiaryView::RegisterCommands(CMainFrame& frame) {
    RegisterPrintCommands(frame);
    QPointer<CDiaryView> self(this);
    auto alive = [self] { return !self.isNull(); };
    auto command = [&](int id, void (CDiaryView::*handler)()) {
        frame.SetCommand(id, {[self, handler] {
                                  if (self) (self.data()->*handler)();
                              },
                              alive,
                              {}});
    };
    command(ID_WEEK_FORWARD, &CDiaryView::OnWeekForward);
    command(ID_WEEK_BACK, &CDiaryView::OnWeekBack);
    command(ID_PRINT_RANGE, &CDiaryView::OnPrintRange);
    RegisterClipboardCommands(frame);
    // As Home shows today: the day's week in the first row.
    frame.Editing().showDay = [self](int day) {
        if (!self) return;
        const DiaryHome shown = HomeOf(self->Document().Log(), day);
        if (shown.firstDay != self->firstDay_) self->MoveBy(shown.firstDay - self->firstDay_);
        self->Select(shown.selection);
    };
}

}  // namespace kadenzo
