#include "HeartRateChartPainter.h"

#include <qdrawutil.h>

#include <QFontMetrics>
#include <QPolygon>

#include "ChartCurve.h"
#include "ChartXAxis.h"
#include "CoreText.h"

namespace kadenzo {
namespace {

constexpr int kAxisBelowTick = 3;  // the y-axis line reaches this far below tick 0
constexpr int kArrowLength = 8;
constexpr int kArrowHalfWidth = 3;
constexpr int kTickOut = 3;        // x-axis ticks and y tick lines beyond their axis
constexpr int kLabelGap = 3;       // between a y label and its axis
constexpr int kXLabelGap = 5;      // between the x-axis and its labels
constexpr int kSampleTextGap = 2;  // between a sample's line and its text

void PaintYAxes(QPainter& painter, const ChartFrame& frame) {
    const HeartRateLayout& layout = frame.layout;
    const QFontMetrics metrics(painter.font());
    for (const YAxisPlacement& axis : layout.axes) {
        const QColor colour = ChartSlotColour(axis.slot);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        const int top = layout.inner.top;
        painter.drawLine(axis.x, layout.plot.bottom + kAxisBelowTick, axis.x, top);
        painter.drawPolygon(
            QPolygon({QPoint(axis.x - kArrowHalfWidth, top + kArrowLength), QPoint(axis.x, top),
                      QPoint(axis.x + kArrowHalfWidth, top + kArrowLength)}));
        for (int t = 0; t < static_cast<int>(axis.labels.size()); ++t) {
            const int y = layout.TickY(t);
            painter.drawLine(axis.labelLeft, y, axis.x + kTickOut, y);
            // Right-aligned before the axis, standing on the tick line.
            const int right = axis.x - kLabelGap;
            const QRect box(axis.labelLeft, y - metrics.height(), right - axis.labelLeft,
                            metrics.height());
            painter.drawText(box, Qt::AlignRight | Qt::AlignBottom | Qt::TextDontClip,
                             QString::fromStdString(axis.labels[t]));
        }
    }
}

void PaintCurves(QPainter& painter, const CRecording& recording, const ChartFrame& frame) {
    const std::vector<ColumnRun> runs =
        ColumnRuns(recording, frame.scale, frame.firstVisible, frame.lastVisible);
    QVector<QLine> lines;
    for (int c = 0; c < kChartSlotCount; ++c) {
        if (!frame.channelSlots[c].visible || c >= kChannelCount) continue;
        const std::vector<ChartSegment> segments =
            CurveSegments(recording, c, runs, frame.channelSlots[c], frame.layout.plot);
        painter.setPen(QPen(ChartSlotColour(c), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        lines.clear();
        const QColor colour = ChartSlotColour(c);
        for (const ChartSegment& s : segments) {
            if (s.from.x == s.to.x) {
                // A vertical stroke of the 2-pixel pen, filled directly: the
                // bulk of a long recording's curve, and much cheaper this way.
                const int top = std::min(s.from.y, s.to.y);
                const int bottom = std::max(s.from.y, s.to.y);
                painter.fillRect(s.from.x - 1, top - 1, 2, bottom - top + 2, colour);
            } else {
                lines.append(QLine(s.from.x, s.from.y, s.to.x, s.to.y));
            }
        }
        painter.drawLines(lines);
    }
}

void PaintSampleTexts(QPainter& painter, const CRecording& recording, const ChartFrame& frame,
                      const QColor& background) {
    const PlotRect& plot = frame.layout.plot;
    painter.setFont(ChartSampleTextFont());
    const QFontMetrics metrics(painter.font());
    const int end = std::min(frame.lastVisible, recording.count() - 1);
    for (int i = std::max(0, frame.firstVisible); i <= end; ++i) {
        const RecordingSample& sample = recording.samples[i];
        if (!sample.text) continue;
        const int x = frame.scale.SamplePixel(sample);
        painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
        painter.drawLine(x, plot.top, x, plot.bottom);
        if (sample.text->empty()) continue;
        const QString text = FromBytes(*sample.text);
        const int height = metrics.height();
        int left = x + kSampleTextGap;
        if (left + height > plot.right) left = x - kSampleTextGap - height;
        painter.save();
        painter.translate(left, plot.bottom - kSampleTextGap);
        painter.rotate(-90);  // reading upward
        const QRect box(0, 0, metrics.horizontalAdvance(text), height);
        painter.fillRect(box, background);
        painter.setPen(Qt::red);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.restore();
    }
}

void PaintXAxis(QPainter& painter, const CRecording& recording, const ChartFrame& frame,
                const QSize& size, const QString& distanceUnit) {
    const PlotRect& plot = frame.layout.plot;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.setFont(ChartAxisFont());
    const QFontMetrics metrics(painter.font());
    painter.drawLine(plot.left, plot.bottom, plot.right, plot.bottom);
    painter.drawPolygon(
        QPolygon({QPoint(plot.right - kArrowLength, plot.bottom - kArrowHalfWidth),
                  QPoint(plot.right, plot.bottom),
                  QPoint(plot.right - kArrowLength, plot.bottom + kArrowHalfWidth)}));
    const std::vector<XAxisLabel> labels =
        XAxisLabels(recording, frame.scale, plot.right, size.width(), distanceUnit.toStdString());
    for (const XAxisLabel& label : labels) {
        painter.drawLine(label.x, plot.bottom - kTickOut, label.x, plot.bottom + kTickOut);
        const QString text = QString::fromStdString(label.text).trimmed();
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(
            QRect(label.x - width / 2 - 1, plot.bottom + kXLabelGap, width + 2, metrics.height()),
            Qt::AlignCenter | Qt::TextDontClip, text);
    }
}

}  // namespace

QFont ChartAxisFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

QFont ChartSampleTextFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    return font;
}

QColor ChartSlotColour(int c) {
    const std::uint32_t bgr = SlotColour(c);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QRect ToQRect(const PlotRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

bool ChartHasData(const CRecording* recording) { return recording && recording->count() > 1; }

ChartFrame MakeChartFrame(const CRecording* recording,
                          const std::array<bool, kChartSlotCount>& visible, std::uint32_t mode,
                          int first, int last, const QSize& size) {
    ChartFrame frame;
    frame.hasData = ChartHasData(recording);
    for (int c = 0; c < kChartSlotCount; ++c) frame.channelSlots[c].visible = visible[c];
    if (!frame.hasData) return frame;
    frame.firstVisible = std::clamp(first, 0, recording->count() - 1);
    frame.lastVisible = std::clamp(last, frame.firstVisible, recording->count() - 1);
    ComputeValueRanges(frame.channelSlots, *recording, frame.firstVisible, frame.lastVisible);
    const QFontMetrics metrics(ChartAxisFont());
    frame.layout =
        LayoutChart(frame.channelSlots, size.width(), size.height(), [&](std::string_view text) {
            return metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        });
    frame.scale =
        MakeXScale(*recording, mode, frame.firstVisible, frame.lastVisible, frame.layout.plot);
    return frame;
}

void PaintChartPicture(QPainter& painter, const QSize& size, const CRecording* recording,
                       const ChartFrame& frame, const ChartPaintOptions& options) {
    const QRect all(QPoint(0, 0), size);
    const bool hasData = frame.hasData && ChartHasData(recording);
    const QColor background = options.palette.color(QPalette::Base);
    painter.fillRect(all, hasData ? background : options.palette.color(QPalette::Button));
    if (options.border) qDrawWinPanel(&painter, all, options.palette, true);
    if (!hasData) return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(all.adjusted(2, 2, -2, -2));
    painter.setFont(ChartAxisFont());
    PaintYAxes(painter, frame);
    PaintCurves(painter, *recording, frame);
    if (options.sampleTexts) PaintSampleTexts(painter, *recording, frame, background);
    PaintXAxis(painter, *recording, frame, size, options.distanceUnit);
    painter.restore();
}

void PaintMarker(QPainter& painter, const ChartFrame& frame, int x, bool sampleHasText) {
    const PlotRect& plot = frame.layout.plot;
    const QColor colour = sampleHasText ? QColor(255, 0, 0) : QColor(206, 205, 255);
    painter.fillRect(QRect(x - 1, plot.top + 1, 3, std::max(0, plot.height() - 2)), colour);
}

}  // namespace kadenzo
