#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

#include "HeartRateGeometry.h"
#include "Recording.h"

namespace kadenzo {

// Everything the heart-rate chart draws from, worked out once per size,
// recording, mode and channel choice: the scales, the axes and the plot.
struct ChartFrame {
    bool hasData = false;
    ChartSlots channelSlots;
    HeartRateLayout layout;
    XScale scale;
    int firstVisible = 0;
    int lastVisible = -1;
};

// The fonts of the chart: narrow 8-point axis labels, 13-pixel sample texts.
QFont ChartAxisFont();
QFont ChartSampleTextFont();

QColor ChartSlotColour(int c);
QRect ToQRect(const PlotRect& rect);

// True when the recording exists and has more than one sample: one sample
// makes no line, so the chart shows its empty face.
bool ChartHasData(const CRecording* recording);

// The frame of a chart of the given size. visible[c] switches channel c;
// samples first ... last are shown.
ChartFrame MakeChartFrame(const CRecording* recording,
                          const std::array<bool, kChartSlotCount>& visible, std::uint32_t mode,
                          int first, int last, const QSize& size);

// What the chart shows beside the frame.
struct ChartPaintOptions {
    bool border = true;
    bool sampleTexts = true;
    QString distanceUnit;  // label of the distance axis' unit
    QPalette palette;      // base colour behind data, button face without
};

// Paints the chart without its markers: background, y-axes, curves, sample
// texts and x-axis, onto a surface of the given size.
void PaintChartPicture(QPainter& painter, const QSize& size, const CRecording* recording,
                       const ChartFrame& frame, const ChartPaintOptions& options);

// The vertical line of a marker at pixel column x; red when its sample has
// a text.
void PaintMarker(QPainter& painter, const ChartFrame& frame, int x, bool sampleHasText);

}  // namespace kadenzo
