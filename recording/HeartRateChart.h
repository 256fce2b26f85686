#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "ChartMarkers.h"
#include "HeartRateChartPainter.h"
#include "Recording.h"

namespace kadenzo {

// The channels of one recording as curves over a common x-axis, each channel
// on its own y-axis, with two markers the user drags with the mouse or moves
// with the arrow keys (Shift: five samples; held down, they repeat). Tab
// goes from the start marker to the end marker, each a stop of its own. The
// picture is kept off-screen, so moving a marker repaints only its strips.
// The arithmetic lives in HeartRateGeometry, ChartCurve, ChartXAxis and
// ChartMarkers; this widget paints and routes input.
class CHeartRateChart : public QWidget {
    Q_OBJECT
public:
    explicit CHeartRateChart(QWidget* parent = nullptr);

    // The recording to show (not owned; null for none). The markers go to
    // the first and last sample; every channel with a value other than 0 is
    // switched on (none is switched off).
    void SetRecording(const CRecording* recording);
    void SetChannelVisible(int c, bool on);
    // All switches at once: one new layout instead of one per channel.
    void SetChannels(const std::array<bool, kChartSlotCount>& visible);
    bool ChannelVisible(int c) const;
    // kChartXTime, kChartXDistance, or kChartXTime | kChartTimeOfDay.
    void SetMode(std::uint32_t mode);
    std::uint32_t Mode() const { return mode_; }
    void SetShowSampleTexts(bool on);
    void SetDistanceUnit(const QString& label);

    // Sample index of marker k (0 or 1); -1 without a recording.
    int GetMarker(int k) const;
    // Each index is taken when it lies within the recording; notifies.
    void SetMarkers(int first, int second);
    int ActiveMarker() const { return markers_.Active(); }
    // Marker k goes to the sample as the arrow keys move it, and becomes the
    // active one; notifies when it moved.
    void MoveMarker(int k, int sample);
    const CRecording* Recording() const { return recording_; }
    // What assistive technology calls the two markers, and how it names one
    // at a time ("%s at %s": the name and the time from the start).
    void SetMarkerNames(const QString& first, const QString& second);
    QString MarkerName(int k) const { return markerNames_[k == 0 ? 0 : 1]; }
    void SetMarkerTimeFormat(const QString& format) { markerTimeFormat_ = format; }
    const QString& MarkerTimeFormat() const { return markerTimeFormat_; }

    // Drops the off-screen picture and repaints everything.
    void Refresh();

    // Where things stand, for the dialog's tests and screenshots.
    QRect PlotRect() const;
    int MarkerPixel(int k) const { return markers_[k].pixel; }

    static constexpr int kKeyDelayMs = 500;  // before a held arrow key repeats
    static constexpr int kKeyRepeatMs = 50;  // between repeats

signals:
    // A marker was moved by mouse or keyboard or set by SetMarkers.
    void markersChanged();
    // The keys move the other marker now, or the chart took the focus.
    void activeMarkerChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Key held down: its repeat timer and direction.
    struct HeldKey {
        QTimer timer;
        bool down = false;
        int direction = 0;
    };

    bool HasData() const { return ChartHasData(recording_); }
    void Relayout();
    void StepActiveMarker(int direction);
    void SetActiveMarker(int k);
    void MarkerMoved(int k, int oldPixel);
    void UpdateMarkerStrip(int pixel);
    void UpdateCursor();
    HeldKey* HeldFor(int key);

    const CRecording* recording_ = nullptr;
    std::array<bool, kChartSlotCount> visible_{};
    std::uint32_t mode_ = kChartXTime;
    bool sampleTexts_ = true;
    QString distanceUnit_;
    std::array<QString, 2> markerNames_;
    QString markerTimeFormat_ = QStringLiteral("%s at %s");
    ChartFrame frame_;
    ChartMarkers markers_;
    QPixmap picture_;  // the chart without its markers; null until painted
    HeldKey left_;
    HeldKey right_;
    bool shift_ = false;
};

}  // namespace kadenzo
