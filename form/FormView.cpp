#include "FormView.h"

#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "AppContext.h"
#include "CalendarDays.h"
#include "CoreText.h"
#include "DateNames.h"
#include "DateTime.h"
#include "FormChart.h"
#include "FormLegend.h"
#include "FormLegendPanel.h"
#include "FormRaceMenu.h"
#include "FormRaces.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "ViewPaging.h"

namespace kadenzo {
namespace {

constexpr int kChartInset = 12;

constexpr int kCommands[] = {ID_FORM_NEXT_RACE, ID_FORM_6_WEEKS, ID_FORM_3_MONTHS,
                             ID_FORM_6_MONTHS,  ID_FORM_1_YEAR,  ID_FORM_2_YEARS,
                             ID_FORM_TODAY,     ID_PAGE_BACK,    ID_PAGE_FORWARD};

QVariant Figure(long value) { return QVariant(static_cast<qlonglong>(value)); }

int KeyOf(FormLegendText::Kind kind) {
    switch (kind) {
        case FormLegendText::kRamp:
            return FormLegendLine::kRamp;
        case FormLegendText::kWarmingUp:
            return FormLegendLine::kWarmingUp;
        case FormLegendText::kNextRace:
            return FormLegendLine::kRace;
        default:
            return FormLegendLine::kNone;
    }
}

// Date ticks: Mondays as "dd.mm.", months by name with the year in January
// and on the first label.
std::vector<QString> TickLabels(const FormDays& days, CalendarUnit unit, const DateNames& names) {
    std::vector<QString> labels;
    for (int day = days.firstDay; day <= days.lastDay; ++day) {
        const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
        if (!parts) continue;
        if (unit == CalendarUnit::Weeks) {
            if (Weekday(day) == 0)
                labels.push_back(QStringLiteral("%1.%2.")
                                     .arg(parts->day, 2, 10, QLatin1Char('0'))
                                     .arg(parts->month, 2, 10, QLatin1Char('0')));
        } else if (parts->day == 1) {
            QString label =
                FromBytes(names.shortMonths[static_cast<std::size_t>(parts->month - 1)]);
            if (parts->month == 1 || labels.empty())
                label += QLatin1Char(' ') + QString::number(parts->year);
            labels.push_back(label);
        }
    }
    return labels;
}

}  // namespace

CFormView::CFormView(CKadenzoDoc& document, QSettings* settings, QWidget* parent)
    : CChartBaseView(document, parent),
      settings_(settings),
      state_(FormContextOf(document).today),
      chart_(nullptr),
      legend_(nullptr) {
    setObjectName(QStringLiteral("FormView"));
    auto* pane = new QWidget(this);
    chart_ = new CFormChart(pane);
    legend_ = new CFormLegendPanel(pane);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_, 1);
    layout->addWidget(legend_);
    SetChart(pane, kChartInset, [chart = chart_](QPainter& painter, const QRect& content) {
        chart->Draw(painter, content, true);
    });
    // Whoever focuses the view reaches the chart's table: a screen reader
    // then lands on today's figures, never on an unnamed pane.
    setFocusProxy(chart_);
    pane->setFocusProxy(chart_);
    chart_->SetDayText([this](int day) { return DayParts(day); });
    series_.Compute(Document().Log(), FormContextOf(Document()));
    Refill();
}

bool CFormView::OnCommand(int command) {
    if (!state_.OnCommand(command, FormContextOf(Document()).today)) return false;
    Refill();
    UpdatePagingTexts();
    return true;
}

QString CFormView::PagingText(int command) const {
    return TextService(Document().Context()).Text(state_.PagingTextId(command));
}

QString CFormView::DateText(int day) const {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts ? FromBytes(FormatDate(*parts)) : QString();
}

QString CFormView::EventName(int eventIndex) const {
    const auto& events = Document().Log().Events();
    if (eventIndex < 0 || static_cast<std::size_t>(eventIndex) >= events.size()) return {};
    const CEvent& event = **std::next(events.begin(), eventIndex);
    const CLibEvent* kind =
        event.kind >= 0 ? Document().Library().FindEvent(static_cast<std::uint32_t>(event.kind))
                        : nullptr;
    return kind && !kind->name.empty() ? FromBytes(kind->name)
                                       : TextService(Document().Context()).Text(IDS_A11Y_EVENT);
}

std::optional<std::uint32_t> CFormView::RaceCategory() const {
    return RaceCategoryFromSettings(settings_, Document().Library());
}

QString CFormView::DayText(int day) const { return CFormChart::StatusText(DayParts(day)); }

QStringList CFormView::DayParts(int day) const {
    const TextService texts(Document().Context());
    const CLibrary& library = Document().Library();
    const FormDay figures = series_.At(day);
    const FormFigures f = RoundedFigures(figures);
    // Past the plan's end nothing is projected: the day has no figures.
    QStringList parts;
    if (figures.afterPlan)
        parts << DateText(day);
    else
        parts << texts.Format(
            figures.projected ? IDS_FORM_PROJECTED_DAY : IDS_FORM_DAY,
            {DateText(day), Figure(f.load), Figure(f.fitness), Figure(f.fatigue), Figure(f.form)});
    const std::string note = FormDayNote(figures, texts.Table());
    if (!note.empty()) parts << FromBytes(note);
    const std::optional<std::uint32_t> category = RaceCategory();
    for (const FormRace& race : RacesBetween(Document().Log(), library, category, day, day))
        parts << texts.Format(IDS_FORM_RACE_DAY, {FromBytes(race.name)});
    const std::vector<FormEventDays> events = EventDays();
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i].firstDay <= day && day <= events[i].lastDay)
            parts << texts.Format(IDS_FORM_EVENT_KEY, {EventName(static_cast<int>(i))});
    // The other workouts by their templates; the races are named above.
    QStringList names;
    for (const auto& position : Document().Log().WorkoutsBetween(day, day + 1.0)) {
        const CLibWorkout* workout = library.FindWorkout((*position)->templateId);
        if (workout && category && workout->categoryId == *category) continue;
        names << (workout ? FromBytes(workout->name) : QStringLiteral("???"));
    }
    if (!names.isEmpty()) parts << names.join(QStringLiteral(", "));
    return parts;
}

std::vector<FormEventDays> CFormView::EventDays() const {
    std::vector<FormEventDays> days;
    for (const auto& event : Document().Log().Events())
        days.push_back({DayNumber(event->start.value), DayNumber(event->end.value)});
    return days;
}

void CFormView::Refill() {
    const FormContext context = FormContextOf(Document());
    // A new day (the clock passed midnight) moves what counts as planned.
    if (!(context == series_.Context())) series_.Update(Document().Log(), context, context.today);

    const TextService texts(Document().Context());
    const CLibrary& library = Document().Library();
    const CDatabase& log = Document().Log();
    const std::vector<FormEventDays> eventDays = EventDays();
    const std::optional<std::uint32_t> category = RaceCategory();
    const std::optional<FormRace> nextRace = NextRace(log, library, category, context.today);
    state_.SetAhead(
        {nextRace ? std::optional<int>(nextRace->day) : std::nullopt, series_.PlanEnd()});

    FormChartData data;
    data.days = state_.Days();
    data.today = context.today;
    data.unit = state_.Range().unit;
    data.series = FormDaysOf(series_, data.days);
    data.bands = FormBands(eventDays, data.days);
    data.races = RacesBetween(log, library, category, data.days.firstDay, data.days.lastDay);

    FormChartTexts chartTexts;
    chartTexts.today = texts.Text(IDS_FORM_TODAY_MARK);
    for (std::uint32_t id : {IDS_FORM_COL_DATE, IDS_FORM_COL_LOAD, IDS_FORM_COL_FITNESS,
                             IDS_FORM_COL_FATIGUE, IDS_FORM_COL_FORM})
        chartTexts.columns << texts.Text(id);
    chartTexts.tickLabels =
        TickLabels(data.days, data.unit, DateNames::From(Document().Context().Texts()));

    // The facts: the next race first, today, the next event, then what the
    // core's legend says of the warming up, the plan, ramps and warnings.
    const FormLegendFacts facts = LegendFacts(series_, eventDays, context.today,
                                              Document().Profile().maxHeartRate > 20, nextRace);
    QString raceLine;
    for (const FormLegendText& line : FormLegendTexts(facts, data.days, library, texts.Table())) {
        FormLegendLine fact{FromBytes(line.text), KeyOf(line.kind), line.warning,
                            line.kind == FormLegendText::kNextRace};
        if (line.kind == FormLegendText::kNextRace) raceLine = fact.text;
        chartTexts.facts.push_back(fact);
        if (line.kind != FormLegendText::kToday) continue;
        if (facts.nextEvent)
            chartTexts.facts.push_back({texts.Format(
                IDS_FORM_NEXT_EVENT, {EventName(*facts.nextEvent), DateText(facts.nextEventDay),
                                      Figure(facts.nextEventForm)})});
        if (!category && !library.categories.empty())
            chartTexts.facts.push_back({texts.Text(IDS_FORM_NO_RACE_CATEGORY)});
    }

    // The keys: the lines and bars, the race flags, the events shown.
    chartTexts.keys = {{texts.Text(IDS_FORM_FITNESS_MEANS), FormLegendLine::kFitness},
                       {texts.Text(IDS_FORM_FATIGUE_MEANS), FormLegendLine::kFatigue},
                       {texts.Text(IDS_FORM_FORM_MEANS), FormLegendLine::kForm},
                       {texts.Text(IDS_FORM_DRAWING_MEANS), FormLegendLine::kLoadAndPlan}};
    if (category)
        if (const CLibCategory* races = library.FindCategory(*category))
            chartTexts.keys.push_back(
                {texts.Format(IDS_FORM_RACE_KEY, {FromBytes(races->name)}), FormLegendLine::kRace});
    std::vector<const CEvent*> events;
    for (const auto& event : log.Events()) events.push_back(event.get());
    for (FormBand& band : data.bands) {
        const CEvent& event = *events.at(static_cast<std::size_t>(band.eventIndex));
        band.blocked = event.blocksDay != 0;
        band.colour = CEvent::kBuiltInColour;
        if (event.kind >= 0)
            if (const CLibEvent* kind = library.FindEvent(static_cast<std::uint32_t>(event.kind)))
                band.colour = kind->colour;
        FormLegendLine key{texts.Format(IDS_FORM_EVENT_KEY, {EventName(band.eventIndex)}),
                           FormLegendLine::kBand};
        key.colour = band.colour;
        key.blocked = band.blocked;
        const bool known = std::any_of(
            chartTexts.keys.begin(), chartTexts.keys.end(), [&key](const FormLegendLine& shown) {
                return shown.text == key.text && shown.colour == key.colour &&
                       shown.blocked == key.blocked;
            });
        if (!known) chartTexts.keys.push_back(key);
    }

    chart_->setAccessibleName(texts.Text(IDS_FORM_CHART_NAME));
    QString description = texts.Format(
        IDS_FORM_CHART_DESCRIPTION,
        {DateText(data.days.firstDay), DateText(data.days.lastDay), Figure(facts.today.fitness),
         Figure(facts.today.fatigue), Figure(facts.today.form)});
    if (!raceLine.isEmpty()) description += QLatin1Char(' ') + raceLine;
    chart_->setAccessibleDescription(description);
    legend_->setAccessibleName(texts.Text(IDS_FORM_LEGEND));
    legend_->SetLines(chartTexts.facts, chartTexts.keys);
    chart_->SetContent(std::move(data), std::move(chartTexts));
}

void CFormView::UpdatePagingTexts() {
    if (!frame_) return;
    kadenzo::UpdatePagingTexts(*frame_, [this](int command) { return PagingText(command); });
}

void CFormView::OnDocumentChanged(const DocumentChange& change) {
    const FormContext context = FormContextOf(Document());
    if (change.Has(DocumentChange::kLibrary | DocumentChange::kProfile))
        series_.Compute(Document().Log(), context);
    else if (change.Has(DocumentChange::kWorkouts | DocumentChange::kBodyData))
        series_.Update(Document().Log(), context,
                       change.HasDays() ? change.firstDay : kFirstFormDay);
    else if (!change.Has(DocumentChange::kEvents))
        return;  // the title or the modified mark
    Refill();
}

void CFormView::OnDocumentReplaced() {
    series_.Compute(Document().Log(), FormContextOf(Document()));
    Refill();
}

void CFormView::OnSettingsChanged(const SettingsChange&) { Refill(); }

void CFormView::RegisterCommands(CMainFrame& frame) {
    frame_ = &frame;
    RegisterPrintCommands(frame);
    QPointer<CFormView> self(this);
    QPointer<CMainFrame> frameRef(&frame);
    const std::function<bool()> alive = WhileActive(frame);
    for (int command : kCommands) {
        std::function<bool()> checked;
        if (FindFormRange(command) || command == ID_FORM_NEXT_RACE)
            checked = [self, command] { return self && self->State().IsChecked(command); };
        frame.SetCommand(command, {[self, command] {
                                       if (self) self->OnCommand(command);
                                   },
                                   alive, checked});
    }
    RegisterPagingButtons(
        frame,
        [self](int command) {
            if (self) self->OnCommand(command);
        },
        alive);
    chart_->SetStatusSink([frameRef](const QString& text) {
        if (frameRef) frameRef->SetStatusText(text);
    });
    UpdatePagingTexts();
}

}  // namespace kadenzo
