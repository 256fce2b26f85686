#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include "DayPanel.h"
#include "DemoDiary.h"
#include "DiaryFixture.h"
#include "DiaryQt.h"
#include "KadenzoView.h"
#include "WeekPanel.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

// The notes of a panel's two boxes, "-" for an empty one.
std::string Shown(const CDayPanel* panel) {
    std::string shown;
    for (int i = 0; i < 2; ++i) shown += panel->Slot(i) ? (*panel->Slot(i).value())->notes : "-";
    return shown;
}

// Counts the paints a widget gets.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

class DiaryViewTest : public QObject {
    Q_OBJECT

private slots:
    void workoutsBelongToTheirDayAndWeekWhateverTheTimeOfDay() {
        DiaryWorld world;
        world.AddNamed(kMonday, "a", 60, 50);           // ten minutes short
        world.AddNamed(kToday, "b", 30, 0, 0.9);        // today, late, not yet done
        world.AddNamed(kMonday + 6, "c", 90, 0, 0.95);  // Sunday 22:48, still to come
        world.AddNamed(kMonday + 7, "d", 45, 0, 0.25);  // next Monday 06:00
        CKadenzoView view(*world.doc);
        QCOMPARE(Shown(view.DayPanel(0, 6)), std::string("c-"));
        QCOMPARE(Shown(view.DayPanel(1, 0)), std::string("d-"));
        const WeekTotals& now = view.WeekPanel(0)->Totals();
        QCOMPARE(now.planned, 180.0);
        QCOMPARE(now.performed, 50.0);
        QVERIFY(now.PerformedBehindPlan());
        QCOMPARE(view.WeekPanel(1)->Totals().planned, 45.0);
    }

    // A day of three workouts scrolls by its arrows; a change on another day
    // refreshes that day and the week's totals and leaves the scrolling.
    void aFullDayScrollsByItsArrowsAndKeepsItThroughChanges() {
        DiaryWorld world;
        for (const char* notes : {"a", "b", "c"}) world.AddNamed(kMonday, notes, 20);
        CKadenzoView view(*world.doc);
        view.resize(1000, 800);
        view.show();
        CDayPanel* monday = view.DayPanel(0, 0);
        QVERIFY(!monday->CanScrollUp() && monday->CanScrollDown());
        QTest::mouseClick(monday, Qt::LeftButton, {},
                          ToQRect(monday->Geometry().downArrow).center());
        QCOMPARE(Shown(monday), std::string("bc"));
        QVERIFY(monday->CanScrollUp() && !monday->CanScrollDown());
        QVERIFY(!monday->ScrollDown());

        world.AddNamed(kToday, "x", 30);
        QCOMPARE(Shown(view.DayPanel(0, 2)), std::string("x-"));
        QCOMPARE(view.WeekPanel(0)->Totals().planned, 90.0);
        QCOMPARE(Shown(monday), std::string("bc"));
        world.doc->Undo();
        QCOMPARE(Shown(view.DayPanel(0, 2)), std::string("--"));
        QCOMPARE(view.WeekPanel(0)->Totals().planned, 60.0);
        QCOMPARE(Shown(monday), std::string("bc"));  // shown anew, from the same workout
        QTest::mouseClick(monday, Qt::LeftButton, {}, ToQRect(monday->Geometry().upArrow).center());
        QCOMPARE(Shown(monday), std::string("ab"));
    }

    void theWheelAndTheWeekCommandsPageByWholeWeeks() {
        DiaryWorld world;
        CKadenzoView view(*world.doc);
        view.resize(700, 500);
        view.show();
        view.OnWeekForward();
        QCOMPARE(view.FirstDay(), kMonday + 7);
        QCOMPARE(view.PrintRange().firstDay, kMonday + 7);  // the range follows the display
        // Toward the user moves forward, away moves back; one week per
        // message however far the wheel turned.
        for (const auto& [delta, firstDay] : {std::pair{-360, 14}, {120, 7}}) {
            QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, delta), Qt::NoButton,
                              {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&view, &wheel);
            QCOMPARE(view.FirstDay(), kMonday + firstDay);
        }
        // A fixed print range stays where the user put it.
        view.SetPrintRange({kMonday - 70, kMonday - 60, DiaryPrintRange::kFixed, 1});
        view.OnWeekBack();
        QCOMPARE(view.FirstDay(), kMonday);
        QCOMPARE(view.PrintRange().firstDay, kMonday - 70);
        QCOMPARE(view.PrintRange().lastDay, kMonday - 60);
    }

    // The diary of the demo in the views a 1024x768, 1100 px, 1280x800 and
    // 1920x1080 screen give (a 4K screen at 200 % gives the last): every
    // label's figures are whole and fit their line, every title and header
    // fits its box, and the body-data mark shows.
    void labelsFitTheirBoxesAtRealWindowSizes() {
        const QSize sizes[] = {{921, 611}, {1100, 700}, {1280, 720}, {1920, 1000}};
        for (const bool german : {false, true}) {
            DiaryWorld world;
            world.doc->SetContents(
                tool::MakeDemo(FixedNow(), tool::DemoOptions{german, ""}).contents);
            CKadenzoView view(*world.doc);
            const QFontMetricsF metrics(view.font());
            auto fits = [&metrics](const QString& text, const QRect& box) {
                return metrics.horizontalAdvance(text) <= box.width();
            };
            for (const QSize& size : sizes) {
                view.resize(size);
                int labels = 0;
                int marks = 0;
                view.MoveBy(-7 * 14);
                for (int page = 0; page < 5; ++page, view.MoveBy(28)) {
                    for (int row = 0; row < CKadenzoView::kRowCount; ++row)
                        for (int day = 0; day < 7; ++day) {
                            const CDayPanel* panel = view.DayPanel(row, day);
                            const QString header = panel->HeaderText();
                            QVERIFY2(fits(header, panel->HeaderTextBox()), qPrintable(header));
                            QCOMPARE(header.startsWith(QStringLiteral(">> ")),
                                     panel->HasBodyData());
                            marks += panel->HasBodyData() ? 1 : 0;
                            for (int slot = 0; slot < 2; ++slot) {
                                const auto box = panel->BoxLayout(slot);
                                if (!box) continue;
                                ++labels;
                                const QString where = QStringLiteral("%1x%2 %3: ")
                                                          .arg(size.width())
                                                          .arg(size.height())
                                                          .arg(header) +
                                                      box->title + " / " + box->detail;
                                QVERIFY2(!box->titleOnly, qPrintable(where));
                                QVERIFY2(fits(box->title, box->titleBox), qPrintable(where));
                                QVERIFY2(fits(box->detail, box->detailBox), qPrintable(where));
                                QVERIFY2(!box->detail.contains(QChar(0x2026)), qPrintable(where));
                                QVERIFY2(!box->detail.isEmpty(), qPrintable(where));
                            }
                        }
                }
                view.MoveBy(-7 * 6);
                QVERIFY(labels > 100);
                QVERIFY(marks > 10);
            }
        }
    }

    // Periods are found by date, whatever their stored order; a blocking one
    // is crossed out in red.
    void eventsColourTheirDaysAndABlockingOneCrossesThemOut() {
        DiaryWorld world;
        world.AddEvent(kMonday + 15, kMonday + 16, 9, false);  // library kind: blue
        world.AddEvent(kToday, kToday, -5, true);              // built-in, blocks the day
        CKadenzoView view(*world.doc);
        view.resize(1050, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.DayPanel(2, 1)->BackgroundColour(), 0x00FF0000u);
        QVERIFY(!view.DayPanel(2, 1)->IsBlocked());
        CDayPanel* blocked = view.PanelOfDay(kToday);
        QCOMPARE(blocked->BackgroundColour(), 0x00D2FAFAu);
        QVERIFY(blocked->IsBlocked());
        const QImage image = blocked->grab().toImage();
        const QRect b = ToQRect(blocked->Geometry().body);
        // On the diagonal the cross is red; beside it the event's colour.
        const int x = b.left() + b.width() / 4;
        const int y = b.top() + (b.height() - 1) / 4;
        const QColor onCross = image.pixelColor(x, y);
        QVERIFY2(onCross.red() > 200 && onCross.green() < 80, qPrintable(onCross.name()));
        QCOMPARE(image.pixelColor(x + 15, y - 15), QColor(250, 250, 210));
        QVERIFY(!view.PanelOfDay(kToday + 1)->Event().has_value());
        world.AddEvent(kToday + 1, kToday + 1, 9, false);  // the view hears of it
        QVERIFY(view.PanelOfDay(kToday + 1)->Event().has_value());
    }

    // A unit change reaches the diary through the settings' notice.
    void aUnitChangeRepaintsTheLabelsInTheNewUnit() {
        DiaryWorld world;
        CWorkOut run;
        run.plannedDistance = 10;
        run.plannedDuration = 60;
        world.Add(kToday + 1, run);
        CKadenzoView view(*world.doc);
        view.resize(1280, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CDayPanel* tomorrow = view.PanelOfDay(kToday + 1);
        QVERIFY2(tomorrow->BoxLayout(0)->detail.contains(QStringLiteral("km")),
                 qPrintable(tomorrow->BoxLayout(0)->detail));
        QApplication::processEvents();
        PaintCount count(tomorrow);
        world.context.units.distance = 1;
        world.context.settings.Notify({SettingsChange::kUnits});
        QTRY_VERIFY(count.paints > 0);
        QVERIFY2(tomorrow->BoxLayout(0)->detail.contains(QStringLiteral("mi")),
                 qPrintable(tomorrow->BoxLayout(0)->detail));
    }
};

QTEST_MAIN(DiaryViewTest)
#include "DiaryViewTest.moc"
