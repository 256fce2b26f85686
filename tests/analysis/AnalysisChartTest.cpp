// The chart as drawn: bars where their figures put them, in their shades,
// the printed variant and an empty chart.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "AnalysisChart.h"
#include "CoreText.h"
#include "Formats.h"

using namespace kadenzo;

namespace {

constexpr std::uint32_t kRed = 0x2020C0;
constexpr std::uint32_t kBlue = 0xC04020;

// Two periods of three slots with two layers: 4 + 2 in period 0, slot 0;
// 3 in period 1, slot 2; nothing elsewhere.
ChartContent SampleContent() {
    ChartContent content;
    content.SetDimensions(2, 3, 2);
    content.SetPeriodLabel(0, "P1");
    content.SetPeriodLabel(1, "P2");
    content.SetSlotColour(0, kRed);
    content.SetSlotColour(2, kBlue);
    content.SetSlotLabel(0, "A");
    content.SetValue(0, 0, 0, 4);
    content.SetValue(0, 0, 1, 2);
    content.SetValue(1, 2, 0, 3);
    return content;
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

int Count(const QImage& image, std::uint32_t colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ColourFromRef(colour)) ++n;
    return n;
}

}  // namespace

class AnalysisChartTest : public QObject {
    Q_OBJECT

private slots:
    void barsStandWhereTheirFiguresPutThem() {
        CAnalysisChart chart;
        chart.SetContent(SampleContent());
        chart.resize(600, 400);
        const QImage image = chart.grab().toImage();
        const auto& faces = chart.HitRects();
        const ChartContent& content = chart.Content();
        const ChartRect lower = faces[content.CellIndex(0, 0, 0)];
        const ChartRect upper = faces[content.CellIndex(0, 0, 1)];
        const ChartRect other = faces[content.CellIndex(1, 2, 0)];
        // Heights follow the values: 4 and 2 stacked, 3 beside.
        QVERIFY(qAbs(lower.Height() - 2 * upper.Height()) <= 1);
        QVERIFY(qAbs(2 * other.Height() - (lower.Height() + upper.Height())) <= 2);
        QCOMPARE(upper.bottom, lower.top);
        QCOMPARE(lower.bottom, other.bottom);
        QVERIFY(other.left > upper.right);
        // The top layer in the slot's colour, the one below a shade darker.
        auto centre = [](const ChartRect& r) {
            return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        };
        QCOMPARE(At(image, centre(upper).x(), centre(upper).y()), ColourFromRef(kRed));
        QCOMPARE(At(image, centre(lower).x(), centre(lower).y()),
                 ColourFromRef(ShadeColour(kRed, 2)));
        QCOMPARE(At(image, centre(other).x(), centre(other).y()),
                 ColourFromRef(ShadeColour(kBlue, 2)));
        // Nothing of the slot's colour above the bar.
        QVERIFY(At(image, upper.left + 1, upper.top - 20) != ColourFromRef(kRed));
        // An empty slot stays flat.
        QCOMPARE(faces[content.CellIndex(0, 1, 0)].Height(), 0);
    }

    void printingLeavesTheBackWallWhite() {
        CAnalysisChart chart;
        ChartContent content = SampleContent();
        content.SetSlotLabel(0, "");  // no legend over the wall
        chart.SetContent(content);
        auto render = [&](bool printing) {
            QImage image(600, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            chart.Draw(painter, image.rect(), printing);
            return image;
        };
        const QImage screen = render(false);
        const QImage paper = render(true);
        const QPoint wall(590, 10);  // the top right corner of the back wall
        QCOMPARE(At(screen, wall.x(), wall.y()), ColourFromRef(0xEEEEEE));
        QCOMPARE(At(paper, wall.x(), wall.y()), QColor(Qt::white));
        QVERIFY(Count(paper, kRed) > 100);  // the bars are printed alike
    }

    void emptyChartHasNoBarsAndNoScale() {
        CAnalysisChart chart;
        ChartContent content;
        content.SetDimensions(4, 15, 0);
        content.SetPeriodLabel(0, "W1/24");
        chart.SetContent(content);
        chart.resize(600, 400);
        QCOMPARE(chart.GetScale().divisions, 0);
        const QImage image = chart.grab().toImage();
        QCOMPARE(Count(image, ChartContent::kDefaultColours[0]), 0);
        QVERIFY(Count(image, 0xD0D0D0) > 1000);  // the floor is there
        QString status = QStringLiteral("kept");
        chart.SetStatusSink([&](const QString& text) { status = text; });
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QTest::mouseMove(&chart, QPoint(300, 300));
        QCOMPARE(status, QStringLiteral("kept"));  // without layers the line is left alone
    }
};

QTEST_MAIN(AnalysisChartTest)
#include "AnalysisChartTest.moc"
