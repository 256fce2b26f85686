#include "AnalysisView.h"

#include "AnalysisChart.h"
#include "AnalysisChartAccessible.h"
#include "AppContext.h"
#include "ChartContent.h"
#include "ChartValueFormat.h"
#include "CoreText.h"
#include "DateTime.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "Library.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "ScaleDialog.h"
#include "Texts.h"
#include "Units.h"
#include "ViewPaging.h"

namespace kadenzo {
namespace {

constexpr int kChartInset = 20;

// The view's commands and whether each is one of a radio group.
constexpr std::pair<int, bool> kCommands[] = {
    {ID_ANALYSIS_DISTANCE, true},
    {ID_ANALYSIS_DURATION, true},
    {ID_CHART_BY_CATEGORY, true},
    {ID_CHART_TOTALS, true},
    {ID_CHART_BY_SPORT, true},
    {ID_LAYER_NONE, true},
    {ID_LAYER_SPORT, true},
    {ID_LAYER_SUBSPORT, true},
    {ID_LAYER_TEMPLATE, true},
    {ID_LAYER_TRACK, true},
    {ID_LAYER_INTENSITY, true},
    {ID_LAYER_CATEGORY, true},
    {ID_RANGE_7_DAYS, true},
    {ID_RANGE_14_DAYS, true},
    {ID_RANGE_28_DAYS, true},
    {ID_RANGE_1_WEEK, true},
    {ID_RANGE_2_WEEKS, true},
    {ID_RANGE_4_WEEKS, true},
    {ID_RANGE_12_WEEKS, true},
    {ID_RANGE_1_MONTH, true},
    {ID_RANGE_3_MONTHS, true},
    {ID_RANGE_6_MONTHS, true},
    {ID_RANGE_12_MONTHS, true},
    {ID_RANGE_1_YEAR, true},
    {ID_RANGE_2_YEARS, true},
    {ID_RANGE_5_YEARS, true},
    {ID_PAGE_BACK, false},
    {ID_PAGE_FORWARD, false},
    {ID_SCALE, false},
};

}  // namespace

CAnalysisView::CAnalysisView(CKadenzoDoc& document, const UnitSettings& units,
                             std::function<int()> today, QWidget* parent)
    : CChartBaseView(document, parent),
      units_(units),
      today_(std::move(today)),
      state_(today_()),
      chart_(new CAnalysisChart(this)) {
    setObjectName(QStringLiteral("AnalysisView"));
    SetChart(chart_, kChartInset, [chart = chart_](QPainter& painter, const QRect& content) {
        chart->Draw(painter, content, true);
    });
    // The view holds nothing else: the focus it gets (F6) goes to the chart.
    setFocusProxy(chart_);
    InstallAnalysisChartAccessible();
    chart_->SetValueFormatter([this](double value) { return ChartValueText(value); });
    ResetScale();
    Rebuild();
}

QString CAnalysisView::ChartValueText(double value) const {
    // The unit the sums were made in, so that label and figure agree.
    const std::string unit = UnitLabel(kUnitDistance, builtUnits_, Document().Context().Texts());
    return FromBytes(FormatChartValue(value, state_.Choice().showDistance, unit));
}

void CAnalysisView::Rebuild() {
    builtUnits_ = units_;
    const AnalysisResult result = Analyse(Document().Log(), Document().Library(), builtUnits_,
                                          Document().Context().Texts(), state_.Choice());
    ChartContent content;
    FillChartContent(result, content);
    chart_->setAccessibleName(
        TextService(Document().Context())
            .TextOr(IDS_A11Y_ANALYSIS_CHART, QStringLiteral("Analysis chart")));
    chart_->setAccessibleDescription(ChoicesText(result));
    chart_->SetUnnamedBarText(FromBytes(Document().Context().Texts().Text(IDS_A11Y_TOTAL_BAR)));
    chart_->SetContent(std::move(content));
}

QString CAnalysisView::ChoicesText(const AnalysisResult& result) const {
    const StringTable& texts = Document().Context().Texts();
    const auto text = [&texts](int id) {
        return FromBytes(texts.Text(static_cast<std::uint32_t>(id)));
    };
    // A command's prompt ends in its short name after a line break.
    const auto shortName = [&text](int command) {
        return text(command).section(QLatin1Char('\n'), -1);
    };
    const AnalysisChoice& choice = state_.Choice();
    QString bars;
    if (choice.filterKey == kKeySport) {
        const CLibSport* sport =
            Document().Library().FindSport(static_cast<std::uint32_t>(choice.filterValue));
        bars = FormatText(text(IDS_A11Y_SPORT_BY_SUBSPORT),
                          {sport ? FromBytes(sport->name) : QString()});
    } else {
        bars = shortName(state_.ChartCommand());
    }
    const auto date = [](int day) {
        const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
        return parts ? QString::fromStdString(FormatDate(*parts)) : QString();
    };
    const bool periods = !result.periods.empty();
    return FormatText(
        text(IDS_A11Y_CHART_CHOICES),
        {shortName(choice.showDistance ? ID_ANALYSIS_DISTANCE : ID_ANALYSIS_DURATION), bars,
         shortName(choice.layerKey == kKeyNone ? ID_LAYER_NONE : ID_LAYER_NONE + choice.layerKey),
         shortName(choice.rangeCommand),
         periods ? date(result.periods.front().span.startDay) : QString(),
         periods ? date(result.periods.back().span.endDay - 1) : QString()});
}

void CAnalysisView::ResetScale() {
    state_.scale = ValueScale{};
    chart_->SetScale(0, 0);
    chart_->SetAutoScale(true);
}

bool CAnalysisView::OnCommand(int command) {
    if (command == ID_SCALE) {
        OnScale();
        return true;
    }
    const AnalysisViewState::Effect effect = state_.OnCommand(command, today_());
    if (!effect.handled) return false;
    ApplyEffect(effect);
    return true;
}

void CAnalysisView::OnSportMenuItem(int index, std::uint32_t sportId) {
    if (sportId == 0) return;
    ApplyEffect(state_.OnSportMenuItem(index, sportId));
}

void CAnalysisView::ApplyEffect(const AnalysisViewState::Effect& effect) {
    if (effect.resetScale) ResetScale();
    if (effect.rebuild) Rebuild();
    UpdatePagingTexts();
}

ScaleValues CAnalysisView::CurrentScaleValues() const {
    ValueScale scale = state_.scale;
    // An automatic scale shows what the chart works out at the moment.
    if (scale.automatic) {
        const ValueScale shown = chart_->GetScale();
        scale.divisions = shown.divisions;
        scale.step = shown.step;
    }
    return {scale.automatic, scale.divisions, state_.scaleText, scale.step};
}

void CAnalysisView::ApplyScale(const ScaleValues& values) {
    state_.scale = {values.divisions, values.step, values.automatic};
    state_.scaleText = values.text;
    chart_->SetScale(values.divisions, values.step);
    chart_->SetAutoScale(values.automatic);
}

void CAnalysisView::OnScale() {
    CScaleDialog dialog(CurrentScaleValues(), TextService(Document().Context()), this);
    if (dialog.exec() == QDialog::Accepted) ApplyScale(dialog.Values());
}

QString CAnalysisView::PagingText(int command) const {
    return TextService(Document().Context()).Text(state_.PagingTextId(command));
}

void CAnalysisView::UpdatePagingTexts() {
    if (!frame_) return;
    kadenzo::UpdatePagingTexts(*frame_, [this](int command) { return PagingText(command); });
}

void CAnalysisView::OnDocumentChanged(const DocumentChange& change) {
    // The chart sums workouts and names library items; nothing else shows.
    if (change.Has(DocumentChange::kWorkouts | DocumentChange::kLibrary)) Rebuild();
}

void CAnalysisView::OnDocumentReplaced() { Rebuild(); }

void CAnalysisView::OnSettingsChanged(const SettingsChange&) { Rebuild(); }

void CAnalysisView::RegisterCommands(CMainFrame& frame,
                                     const std::vector<std::uint32_t>& sportMenu) {
    frame_ = &frame;
    RegisterPrintCommands(frame);
    QPointer<CAnalysisView> self(this);
    QPointer<CMainFrame> frameRef(&frame);
    const std::function<bool()> alive = WhileActive(frame);
    for (const auto& [command, radio] : kCommands) {
        const int id = command;
        std::function<bool()> checked;
        if (radio) checked = [self, id] { return self && self->State().IsChecked(id); };
        frame.SetCommand(id, {[self, id] {
                                  if (self) self->OnCommand(id);
                              },
                              alive, checked});
    }
    RegisterPagingButtons(
        frame,
        [self](int command) {
            if (self) self->OnCommand(command);
        },
        alive);

    for (std::size_t i = 0; i < sportMenu.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const int id = ID_SPORT_MENU_FIRST + index - 1;
        const std::uint32_t sportId = sportMenu[i];
        frame.SetCommand(id, {[self, index, sportId] {
                                  if (self) self->OnSportMenuItem(index, sportId);
                              },
                              alive, [self, id] { return self && self->State().IsChecked(id); }});
    }

    chart_->SetStatusSink([frameRef](const QString& text) {
        if (frameRef) frameRef->SetStatusText(text);
    });
    UpdatePagingTexts();
}

}  // namespace kadenzo
