#include "FormView.h"


#include "AppContext.h"
#include "CoreText.h"
#include "DateNames.h"
#include "CalendarDays.h"
#include "DateTime.h"
#include "FormChart.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MainFrame.h"
#include "OnePagePrintJob.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "ViewPaging.h"

namespace kadenzo {
namespace {

constexpr int kChartInset = 12;

constexpr int kCommands[] = {ID_FORM_6_WEEKS, ID_FORM_3_MONTHS, ID_FORM_6_MONTHS, ID_FORM_1_YEAR,
                             ID_FORM_2_YEARS, ID_FORM_TODAY,    ID_PAGE_BACK,     ID_PAGE_FORWARD};

QVariant Figure(long value) { return QVariant(static_cast<qlonglong>(value)); }

}  // namespace

CFormView::CFormView(CKadenzoDoc& document, QWidget* parent)
    : CChartBaseView(document, parent),
      state_(FormContextOf(document).today),
      chart_(new CFormChart(this)),
      printJob_(std::make_unique<OnePagePrintJob>(
          [chart = chart_](QPainter& painter, const QRect& content) {
              chart->Draw(painter, content, true);
          })) {
    setObjectName(QStringLiteral("FormView"));
    SetChart(chart_, kChartInset);
    chart_->SetDayText([this](int day) { return DayText(day); });
    series_.Compute(Document().Log(), FormContextOf(Document()));
    Refill();
    Document().AddObserver(this);
    Document().Context().settings.AddObserver(this);
}

CFormView::~CFormView() {
    Document().Context().settings.RemoveObserver(this);
    Document().RemoveObserver(this);
}

PrintJob& CFormView::Job() { return *printJob_; }

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

QString CFormView::DayText(int day) const {
    const TextService texts(Document().Context());
    const FormDay figures = series_.At(day);
    const FormFigures f = RoundedFigures(figures);
    QString text = texts.Format(figures.projected ? IDS_FORM_PROJECTED_DAY : IDS_FORM_DAY,
                                {DateText(day), Figure(f.load), Figure(f.fitness),
                                 Figure(f.fatigue), Figure(f.form)});
    QStringList names;
    for (const auto& position : Document().Log().WorkoutsBetween(day, day + 1.0)) {
        const CLibWorkout* workout = Document().Library().FindWorkout((*position)->templateId);
        names << (workout ? FromBytes(workout->name) : QStringLiteral("???"));
    }
    if (!names.isEmpty()) text += QString::fromUtf8(" \u2013 ") + names.join(QStringLiteral(", "));
    return text;
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
    std::vector<const CEvent*> events;
    for (const auto& event : Document().Log().Events()) events.push_back(event.get());
    const std::vector<FormEventDays> eventDays = EventDays();

    FormChartData data;
    data.days = state_.Days();
    data.today = context.today;
    data.unit = state_.Range().unit;
    data.series = FormDaysOf(series_, data.days);
    data.bands = FormBands(eventDays, data.days);
    for (FormBand& band : data.bands) {
        const CEvent& event = *events.at(static_cast<std::size_t>(band.eventIndex));
        band.blocked = event.blocksDay != 0;
        band.colour = CEvent::kBuiltInColour;
        if (event.kind >= 0)
            if (const CLibEvent* kind = Document().Library().FindEvent(static_cast<std::uint32_t>(event.kind)))
                band.colour = kind->colour;
    }

    FormChartTexts chartTexts;
    chartTexts.today = texts.Text(IDS_FORM_TODAY_MARK);
    for (std::uint32_t id : {IDS_FORM_COL_DATE, IDS_FORM_COL_LOAD, IDS_FORM_COL_FITNESS,
                             IDS_FORM_COL_FATIGUE, IDS_FORM_COL_FORM})
        chartTexts.columns << texts.Text(id);

    // Date ticks: Mondays as "dd.mm.", months by name with the year in January.
    const DateNames names = DateNames::From(Document().Context().Texts());
    for (int day = data.days.firstDay; day <= data.days.lastDay; ++day) {
        const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
        if (!parts) continue;
        if (data.unit == CalendarUnit::Weeks) {
            if (Weekday(day) == 0)
                chartTexts.tickLabels.push_back(QStringLiteral("%1.%2.")
                                                    .arg(parts->day, 2, 10, QLatin1Char('0'))
                                                    .arg(parts->month, 2, 10, QLatin1Char('0')));
        } else if (parts->day == 1) {
            QString label = FromBytes(names.shortMonths[static_cast<std::size_t>(parts->month - 1)]);
            if (parts->month == 1 || chartTexts.tickLabels.empty())
                label += QLatin1Char(' ') + QString::number(parts->year);
            chartTexts.tickLabels.push_back(label);
        }
    }

    chartTexts.meanings = {{texts.Text(IDS_FORM_FITNESS_MEANS), FormLegendLine::kFitness},
                           {texts.Text(IDS_FORM_FATIGUE_MEANS), FormLegendLine::kFatigue},
                           {texts.Text(IDS_FORM_FORM_MEANS), FormLegendLine::kForm},
                           {texts.Text(IDS_FORM_DRAWING_MEANS), FormLegendLine::kLoadAndPlan}};
    const FormLegendFacts facts =
        LegendFacts(series_, eventDays, context.today, Document().Profile().maxHeartRate > 20);
    chartTexts.facts.push_back(
        {texts.Format(IDS_FORM_TODAY, {DateText(context.today), Figure(facts.today.fitness),
                                       Figure(facts.today.fatigue), Figure(facts.today.form)})});
    if (facts.nextEvent) {
        const CEvent& event = *events.at(static_cast<std::size_t>(*facts.nextEvent));
        const CLibEvent* kind =
            event.kind >= 0 ? Document().Library().FindEvent(static_cast<std::uint32_t>(event.kind))
                            : nullptr;
        const QString name = kind && !kind->name.empty() ? FromBytes(kind->name)
                                                         : texts.Text(IDS_A11Y_EVENT);
        chartTexts.facts.push_back({texts.Format(
            IDS_FORM_NEXT_EVENT, {name, DateText(facts.nextEventDay), Figure(facts.nextEventForm)})});
    }
    if (facts.unrated > 0)
        chartTexts.facts.push_back(
            {texts.Count(IDS_FORM_UNRATED_ONE, IDS_FORM_UNRATED, facts.unrated), FormLegendLine::kNone,
             true});
    if (facts.noMaximum)
        chartTexts.facts.push_back({texts.Text(IDS_FORM_NO_MAXIMUM), FormLegendLine::kNone, true});

    chart_->setAccessibleName(texts.Text(IDS_FORM_CHART_NAME));
    chart_->setAccessibleDescription(texts.Format(
        IDS_FORM_CHART_DESCRIPTION,
        {DateText(data.days.firstDay), DateText(data.days.lastDay), Figure(facts.today.fitness),
         Figure(facts.today.fatigue), Figure(facts.today.form)}));
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
        series_.Update(Document().Log(), context, change.HasDays() ? change.firstDay : kFirstFormDay);
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
        if (FindFormRange(command))
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
