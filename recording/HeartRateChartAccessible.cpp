#include "HeartRateChartAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <cmath>
#include <cstdlib>

#include "CoreText.h"
#include "Formats.h"
#include "HeartRateChart.h"

namespace kadenzo {
namespace {

// Seconds from the recording's start; files may start their clock anywhere.
int SecondsAt(const CRecording& recording, int sample) {
    return recording.samples[sample].time - recording.samples.front().time;
}

// One marker: a slider whose value is the time of its sample.
class MarkerAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
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
        if (t == QAccessible::Name) return chart_->MarkerName(k_);
        if (t == QAccessible::Value) {
            const std::optional<int> seconds = Seconds();
            return seconds ? FromBytes(FormatDuration(*seconds / 60.0, true)) : QString();
        }
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

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
    }

    QVariant currentValue() const override {
        const std::optional<int> seconds = Seconds();
        return seconds ? QVariant(*seconds) : QVariant();
    }
    QVariant minimumValue() const override { return HasSamples() ? QVariant(0) : QVariant(); }
    QVariant maximumValue() const override {
        return HasSamples() ? QVariant(SecondsAt(*Recording(), Recording()->count() - 1))
                            : QVariant();
    }
    // The recording's interval: one step moves one sample.
    QVariant minimumStepSize() const override {
        if (!HasSamples() || Recording()->count() < 2) return 1;
        return std::max(1, SecondsAt(*Recording(), 1));
    }

    // The sample nearest the time; a value off the marker's own time that is
    // still nearest to it moves one sample that way, so a step of the
    // interval always moves in a recording with uneven intervals.
    void setCurrentValue(const QVariant& value) override {
        const std::optional<int> current = Seconds();
        if (!current) return;
        const CRecording& recording = *Recording();
        const double wanted = value.toDouble();
        int nearest = 0;
        for (int i = 1; i < recording.count(); ++i)
            if (std::abs(SecondsAt(recording, i) - wanted) <
                std::abs(SecondsAt(recording, nearest) - wanted))
                nearest = i;
        const int sample = chart_->GetMarker(k_);
        if (nearest == sample && wanted != *current) nearest += wanted > *current ? 1 : -1;
        chart_->MoveMarker(k_, nearest);
    }

private:
    const CRecording* Recording() const { return chart_ ? chart_->Recording() : nullptr; }
    bool HasSamples() const { return Recording() && !Recording()->samples.empty(); }
    std::optional<int> Seconds() const {
        if (!HasSamples()) return std::nullopt;
        const int sample = chart_->GetMarker(k_);
        if (sample < 0 || sample >= Recording()->count()) return std::nullopt;
        return SecondsAt(*Recording(), sample);
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
        values_ = Values();
        QObject::connect(chart, &CHeartRateChart::markersChanged, chart, [chart] {
            if (auto* self =
                    dynamic_cast<HeartRateChartAccessible*>(QAccessible::queryAccessibleInterface(chart)))
                self->MarkersMoved();
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
    std::array<QVariant, 2> Values() const {
        return {child(0)->valueInterface()->currentValue(),
                child(1)->valueInterface()->currentValue()};
    }

    // Tells of the markers that moved, and of the marker the keys now move.
    void MarkersMoved() {
        const std::array<QVariant, 2> now = Values();
        for (int k = 0; k < 2; ++k) {
            if (now[k] == values_[k]) continue;
            QAccessibleValueChangeEvent event(child(k), now[k]);
            QAccessible::updateAccessibility(&event);
        }
        values_ = now;
        const int active = Chart()->ActiveMarker();
        if (active != active_ && Chart()->hasFocus()) {
            QAccessibleEvent focus(child(active), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        active_ = active;
    }

    std::array<QAccessible::Id, 2> markers_{};
    std::array<QVariant, 2> values_;
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
