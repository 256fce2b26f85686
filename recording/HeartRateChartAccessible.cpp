#include "HeartRateChartAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <optional>

#include "CoreText.h"
#include "Formats.h"
#include "HeartRateChart.h"
#include "Texts.h"

namespace kadenzo {
namespace {

// Seconds from the recording's start; files may start their clock anywhere.
int SecondsAt(const CRecording& recording, int sample) {
    return recording.samples[sample].time - recording.samples.front().time;
}

// One marker: a slider named with the time of its sample ("Start marker at
// 0:15:35"). It has no numeric value: a screen reader would read that as
// bare seconds.
class MarkerAccessible : public QAccessibleInterface {
public:
    MarkerAccessible(CHeartRateChart* chart, int k) : chart_(chart), k_(k) {}

    bool isValid() const override { return chart_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* chart = parent();
        return chart ? chart->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Slider; }

    QString text(QAccessible::Text t) const override {
        if (!chart_) return {};
        const QString time = Time();
        if (t == QAccessible::Name)
            return time.isEmpty() ? chart_->MarkerName(k_)
                                  : FormatText(chart_->MarkerTimeFormat(), {chart_->MarkerName(k_), time});
        if (t == QAccessible::Value) return time;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!chart_ || !Seconds()) return {};
        const QRect plot = chart_->PlotRect();
        const QRect line(chart_->MarkerPixel(k_) - 1, plot.top(), 3, plot.height());
        return line.translated(chart_->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!chart_ || !Seconds()) {
            state.invisible = true;
            state.disabled = true;
            return state;
        }
        state.focusable = true;
        state.focused = chart_->hasFocus() && chart_->ActiveMarker() == k_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }

    // The time from the recording's start, "h:mm:ss"; empty without one.
    QString Time() const {
        const std::optional<int> seconds = Seconds();
        return seconds ? FromBytes(FormatDuration(*seconds / 60.0, true)) : QString();
    }

private:
    const CRecording* Recording() const { return chart_ ? chart_->Recording() : nullptr; }
    std::optional<int> Seconds() const {
        const CRecording* recording = Recording();
        if (!recording || recording->samples.empty()) return std::nullopt;
        const int sample = chart_->GetMarker(k_);
        if (sample < 0 || sample >= recording->count()) return std::nullopt;
        return SecondsAt(*recording, sample);
    }

    QPointer<CHeartRateChart> chart_;
    int k_;
};

// The chart: its description comes from its owner (the section's summary).
class HeartRateChartAccessible : public QAccessibleWidget {
public:
    explicit HeartRateChartAccessible(CHeartRateChart* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {
        for (int k = 0; k < 2; ++k)
            markers_[k] = QAccessible::registerAccessibleInterface(new MarkerAccessible(chart, k));
        names_ = Names();
        QObject::connect(chart, &CHeartRateChart::markersChanged, chart, [chart] {
            if (auto* self =
                    dynamic_cast<HeartRateChartAccessible*>(QAccessible::queryAccessibleInterface(chart)))
                self->MarkersMoved();
        });
        QObject::connect(chart, &CHeartRateChart::activeMarkerChanged, chart, [chart] {
            if (auto* self =
                    dynamic_cast<HeartRateChartAccessible*>(QAccessible::queryAccessibleInterface(chart)))
                self->FocusActive();
        });
    }
    ~HeartRateChartAccessible() override {
        for (QAccessible::Id id : markers_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 || index == 1 ? QAccessible::accessibleInterface(markers_[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int k = 0; k < 2; ++k)
            if (QAccessible::accessibleInterface(markers_[k]) == child) return k;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int k = 0; k < 2; ++k)
            if (child(k)->rect().contains(x, y)) return child(k);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Chart()->hasFocus() ? child(Chart()->ActiveMarker()) : nullptr;
    }

private:
    CHeartRateChart* Chart() const { return static_cast<CHeartRateChart*>(widget()); }
    std::array<QString, 2> Names() const {
        return {child(0)->text(QAccessible::Name), child(1)->text(QAccessible::Name)};
    }

    // Tells of the markers that moved (their names hold their times), and of
    // the marker the keys now move.
    void MarkersMoved() {
        const std::array<QString, 2> now = Names();
        for (int k = 0; k < 2; ++k) {
            if (now[k] == names_[k]) continue;
            QAccessibleEvent event(child(k), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        names_ = now;
        if (Chart()->ActiveMarker() != active_) FocusActive();
    }

    void FocusActive() {
        active_ = Chart()->ActiveMarker();
        if (!Chart()->hasFocus()) return;
        QAccessibleEvent focus(child(active_), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }

    std::array<QAccessible::Id, 2> markers_{};
    std::array<QString, 2> names_;
    int active_ = 0;
};

QAccessibleInterface* HeartRateChartFactory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<CHeartRateChart*>(object))
        return new HeartRateChartAccessible(chart);
    return nullptr;
}

}  // namespace

void InstallHeartRateChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(HeartRateChartFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kadenzo
