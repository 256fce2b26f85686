// The heart-rate chart widget: what it draws where, and its markers under the
// mouse and the arrow keys.
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "HeartRateChart.h"

using namespace kadenzo;

namespace {

// 601 samples a second apart: heart rate 120 for the first half, 180 after.
CRecording Steps() {
    CRecording r;
    for (int i = 0; i <= 600; ++i) {
        RecordingSample s;
        s.time = i;
        s.distance = 5 * i;
        s.heartRate = i < 300 ? 120.0f : 180.0f;
        r.samples.push_back(s);
    }
    return r;
}

// The rows of column x that carry the colour.
QList<int> RowsOf(const QImage& image, int x, const QColor& colour) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) rows << y;
    return rows;
}

}  // namespace

class HeartRateChartTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        recording_ = Steps();
        chart_ = std::make_unique<CHeartRateChart>();
        chart_->resize(600, 300);
        chart_->SetRecording(&recording_);
        chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart_.get()));
        chart_->setFocus();
    }
    void cleanup() { chart_.reset(); }

    void curveAndMarkersStandWhereTheDataPutThem() {
        const QImage picture = chart_->grab().toImage();
        const std::array<bool, kChartSlotCount> visible = {false, false, false, false,
                                                           false, false, true};
        QVERIFY(chart_->ChannelVisible(kChannelHeartRate));
        QVERIFY(!chart_->ChannelVisible(kChannelAltitude));  // all 0: not switched on
        const ChartFrame frame =
            MakeChartFrame(&recording_, visible, kChartXTime, 0, 600, chart_->size());
        const QColor cyan = ChartSlotColour(kChannelHeartRate);
        for (int sample : {100, 450}) {
            const int x = frame.scale.SamplePixel(recording_.samples[sample]);
            const int y = YPixel(recording_.samples[sample].heartRate,
                                 frame.channelSlots[kChannelHeartRate], frame.layout.plot);
            const QList<int> rows = RowsOf(picture, x, cyan);
            QVERIFY2(rows.contains(y) || rows.contains(y - 1) || rows.contains(y + 1),
                     qPrintable(QStringLiteral("sample %1 at %2,%3").arg(sample).arg(x).arg(y)));
            QVERIFY(rows.size() <= 3);  // a 2-pixel line, nothing else in the column
        }
        const QColor markerColour(206, 205, 255);
        for (int k = 0; k < 2; ++k) {
            const int x = chart_->MarkerPixel(k);
            QCOMPARE(x, k == 0 ? frame.layout.plot.left : frame.layout.plot.right);
            QCOMPARE(picture.pixelColor(x, chart_->PlotRect().center().y()), markerColour);
        }
    }

    void emptyOrSingleColumnRecordings() {
        CRecording one;
        one.samples.resize(1);
        one.samples[0].heartRate = 150;
        chart_->SetRecording(&one);
        const QImage empty = chart_->grab().toImage();
        const QColor face = chart_->palette().color(QPalette::Button);
        QCOMPARE(empty.pixelColor(300, 150), face);
        QCOMPARE(empty.pixelColor(20, 280), face);

        // Every sample at time 0: one column at the plot's left edge, where
        // both markers stand over it.
        CRecording still = Steps();
        for (RecordingSample& s : still.samples) s.time = 0;
        chart_->SetRecording(&still);
        const QRect plot = chart_->PlotRect();
        QCOMPARE(chart_->MarkerPixel(1), plot.left());
        QCOMPARE(chart_->grab().toImage().pixelColor(plot.left(), plot.center().y()),
                 QColor(206, 205, 255));
    }

    void arrowKeysMoveTheActiveMarker() {
        QSignalSpy changed(chart_.get(), &CHeartRateChart::markersChanged);
        QTest::keyClick(chart_.get(), Qt::Key_Right);
        QCOMPARE(chart_->GetMarker(0), 1);
        QTest::keyClick(chart_.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(chart_->GetMarker(0), 6);
        QCOMPARE(changed.count(), 2);
        for (int i = 0; i < 3; ++i) QTest::keyClick(chart_.get(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(chart_->GetMarker(0), 0);
        QCOMPARE(changed.count(), 4);  // the last tap found the marker at the first sample

        chart_->SetMarkers(-5, 597);  // only the index within the recording is taken
        QCOMPARE(chart_->GetMarker(0), 0);
        QCOMPARE(chart_->GetMarker(1), 597);
        DragMarker(1, chart_->PlotRect().right() - 1);
        QCOMPARE(chart_->ActiveMarker(), 1);
        QTest::keyClick(chart_.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(chart_->GetMarker(1), 600);  // never past the last sample
    }

    void aHeldArrowKeyRepeats() {
        QTest::keyPress(chart_.get(), Qt::Key_Right);
        QCOMPARE(chart_->GetMarker(0), 0);  // nothing moves until the delay has passed
        QTest::qWait(CHeartRateChart::kKeyDelayMs + 10 * CHeartRateChart::kKeyRepeatMs);
        const int held = chart_->GetMarker(0);
        QVERIFY2(held >= 2, qPrintable(QString::number(held)));
        QTest::keyRelease(chart_.get(), Qt::Key_Right);
        QCOMPARE(chart_->GetMarker(0), held + 1);
        QTest::qWait(3 * CHeartRateChart::kKeyRepeatMs);
        QCOMPARE(chart_->GetMarker(0), held + 1);  // the repeat stopped with the key
    }

    // Which pixels take a marker is ChartMarkers' rule; here the widget's
    // cursor, drag and repaint follow it.
    void theMouseDragsAMarkerToTheNearestSample() {
        QSignalSpy changed(chart_.get(), &CHeartRateChart::markersChanged);
        const QRect plot = chart_->PlotRect();
        Hover(chart_->MarkerPixel(0) + 3);
        QCOMPARE(chart_->cursor().shape(), Qt::ArrowCursor);
        DragMarker(0, plot.center().x());
        const ChartFrame frame =
            MakeChartFrame(&recording_, {false, false, false, false, false, false, true},
                           kChartXTime, 0, 600, chart_->size());
        const int expected = SampleNearestPixel(recording_, frame.scale, 0, 600, plot.center().x());
        QCOMPARE(chart_->GetMarker(0), expected);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(chart_->MarkerPixel(0), frame.scale.SamplePixel(recording_.samples[expected]));
    }

private:
    void Hover(int x) {
        // A move without a button: Qt Test would only move the cursor.
        QMouseEvent move(QEvent::MouseMove, QPointF(x, chart_->PlotRect().center().y()),
                         chart_->mapToGlobal(QPointF(x, 0)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(chart_.get(), &move);
    }
    void DragMarker(int k, int toX) {
        const int y = chart_->PlotRect().center().y();
        const int from = chart_->MarkerPixel(k) + 2;
        Hover(from);
        QCOMPARE(chart_->cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(chart_.get(), Qt::LeftButton, {}, QPoint(from, y));
        QTest::mouseMove(chart_.get(), QPoint((from + toX) / 2, y));
        QTest::mouseMove(chart_.get(), QPoint(toX, y));
        QTest::mouseRelease(chart_.get(), Qt::LeftButton, {}, QPoint(toX, y));
    }

    CRecording recording_;
    std::unique_ptr<CHeartRateChart> chart_;
};

QTEST_MAIN(HeartRateChartTest)
#include "HeartRateChartTest.moc"
