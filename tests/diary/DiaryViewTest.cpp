#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include "DayPanel.h"
#include "DemoDiary.h"
#include "DiaryDates.h"
#include "DiaryFixture.h"
#include "DiaryQt.h"
#include "KadenzoView.h"
#include "WeekPanel.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

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
    void startsOnTheMondayOfTheCurrentWeek() {
        DiaryWorld world;
        // A Sunday: the diary starts six days earlier.
        world.context.clock = [] { return FixedNow() + 4 * 86400; };
        CKadenzoView view(*world.doc);
        QCOMPARE(view.FirstDay(), kMonday);
        QCOMPARE(view.DayPanel(0, 0)->Date(), kMonday);
        QCOMPARE(view.DayPanel(3, 6)->Date(), kMonday + 27);
        QCOMPARE(view.WeekPanel(2)->WeekStart(), kMonday + 14);
        QCOMPARE(view.PrintRange().firstDay, kMonday);
        QCOMPARE(view.PrintRange().lastDay, kMonday + 27);
    }

    void weekTotalsCountPlannedAndPassedDays() {
        DiaryWorld world;
        world.Add(kMonday, 60, 50);     // ten minutes short
        world.Add(kToday, 30, 0, 0.9);  // today, late, not yet done
        world.Add(kToday + 2, 90, 0);   // still to come
        world.Add(kMonday + 7, 45, 0);  // next week: all in the future
        CKadenzoView view(*world.doc);
        const WeekTotals& now = view.WeekPanel(0)->Totals();
        QCOMPARE(now.planned, 180.0);
        QCOMPARE(now.performed, 50.0);
        QVERIFY(now.PerformedBehindPlan());
        QCOMPARE(view.WeekPanel(1)->Totals().planned, 45.0);
        QCOMPARE(view.WeekPanel(1)->Totals().performed, 0.0);
    }

    void dayWithThreeWorkoutsScrollsByTheArrows() {
        DiaryWorld world;
        const CWorkOut& first = world.Add(kToday, 10, 0);
        const CWorkOut& second = world.Add(kToday, 20, 0);
        const CWorkOut& third = world.Add(kToday, 30, 0);
        world.Add(kToday + 1, 40, 0);
        CKadenzoView view(*world.doc);
        view.resize(1000, 800);
        view.show();
        CDayPanel* day = view.DayPanel(0, 2);
        QCOMPARE(day->Date(), kToday);
        QCOMPARE(day->Slot(0).value()->get(), &first);
        QCOMPARE(day->Slot(1).value()->get(), &second);
        QVERIFY(!day->CanScrollUp());
        QVERIFY(day->CanScrollDown());

        const QRect down = ToQRect(day->Geometry().downArrow);
        QTest::mouseClick(day, Qt::LeftButton, {}, down.center());
        QCOMPARE(day->Slot(0).value()->get(), &second);
        QCOMPARE(day->Slot(1).value()->get(), &third);
        QVERIFY(day->CanScrollUp());
        QVERIFY(!day->CanScrollDown());
        QVERIFY(!day->ScrollDown());

        const QRect up = ToQRect(day->Geometry().upArrow);
        QTest::mouseClick(day, Qt::LeftButton, {}, up.center());
        QCOMPARE(day->Slot(0).value()->get(), &first);
        // The next day's workout never shows in this day.
        QVERIFY(!view.DayPanel(0, 4)->Slot(0).has_value());
        QVERIFY(!view.DayPanel(0, 3)->CanScrollDown());
    }

    void workoutsWithATimeOfDayBelongToTheirDay() {
        DiaryWorld world;
        const CWorkOut& early = world.Add(kMonday + 7, 30, 0, 0.25);  // Monday 06:00
        const CWorkOut& late = world.Add(kMonday + 13, 40, 0, 0.95);  // Sunday 22:48
        CKadenzoView view(*world.doc);
        QCOMPARE(view.DayPanel(1, 0)->Slot(0).value()->get(), &early);
        QCOMPARE(view.DayPanel(1, 6)->Slot(0).value()->get(), &late);
        QCOMPARE(view.WeekPanel(1)->Totals().planned, 70.0);
        QCOMPARE(view.WeekPanel(0)->Totals().planned + view.WeekPanel(2)->Totals().planned, 0.0);
    }

    void navigationMovesByWholeWeeks() {
        DiaryWorld world;
        const CWorkOut& later = world.Add(kMonday + 35, 30, 0);
        CKadenzoView view(*world.doc);
        view.resize(700, 500);
        view.show();
        view.OnWeekForward();
        view.OnWeekForward();
        QCOMPARE(view.FirstDay(), kMonday + 14);
        QCOMPARE(view.DayPanel(3, 0)->Slot(0).value()->get(), &later);
        QCOMPARE(view.PrintRange().firstDay, kMonday + 14);

        // A wheel turned toward the user moves forward, away moves back; one
        // week per message however far it turned.
        QWheelEvent towards(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -360), Qt::NoButton, {},
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &towards);
        QCOMPARE(view.FirstDay(), kMonday + 21);
        QWheelEvent away(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, 120), Qt::NoButton, {},
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &away);
        QCOMPARE(view.FirstDay(), kMonday + 14);

        // A fixed print range stays where the user put it.
        DiaryPrintRange fixed{kMonday - 70, kMonday - 60, DiaryPrintRange::kFixed, 1};
        view.SetPrintRange(fixed);
        view.OnWeekBack();
        QCOMPARE(view.FirstDay(), kMonday + 7);
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

    void eventColourAndCrossAreRendered() {
        DiaryWorld world;
        world.AddEvent(kMonday, kMonday + 1, 9, false);  // library kind: blue
        world.AddEvent(kToday, kToday, -5, true);        // built-in, blocks the day
        CKadenzoView view(*world.doc);
        view.resize(1050, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        CDayPanel* holiday = view.DayPanel(0, 1);
        QCOMPARE(holiday->BackgroundColour(), 0x00FF0000u);
        QVERIFY(!holiday->IsBlocked());
        QImage image = holiday->grab().toImage();
        const QRect body = ToQRect(holiday->Geometry().body);
        QCOMPARE(image.pixelColor(body.center() + QPoint(0, 20)), QColor(0, 0, 255));

        CDayPanel* blocked = view.DayPanel(0, 2);
        QCOMPARE(blocked->BackgroundColour(), 0x00D2FAFAu);
        QVERIFY(blocked->IsBlocked());
        image = blocked->grab().toImage();
        const QRect b = ToQRect(blocked->Geometry().body);
        // On the diagonal the cross is red; beside it the default event colour.
        const int x = b.left() + b.width() / 4;
        const int y = b.top() + (b.height() - 1) / 4;
        QColor onCross = image.pixelColor(x, y);
        QVERIFY2(onCross.red() > 200 && onCross.green() < 80, qPrintable(onCross.name()));
        QCOMPARE(image.pixelColor(x + 15, y - 15), QColor(250, 250, 210));
        QVERIFY(!view.DayPanel(0, 3)->IsBlocked());
        QVERIFY(!view.DayPanel(0, 3)->Event().has_value());
    }

    void changesRefreshTheirDaysAndUndoRefreshesAll() {
        DiaryWorld world;
        world.Add(kMonday, 10, 0);
        world.Add(kMonday, 20, 0);
        world.Add(kMonday, 30, 0);
        CKadenzoView view(*world.doc);
        CDayPanel* monday = view.DayPanel(0, 0);
        QVERIFY(monday->ScrollDown());
        QVERIFY(!view.DayPanel(0, 2)->Slot(0).has_value());

        // A workout today refreshes today and its week, not Monday's scrolling.
        world.Add(kToday, 30, 0);
        QVERIFY(view.DayPanel(0, 2)->Slot(0).has_value());
        QCOMPARE(view.WeekPanel(0)->Totals().planned, 90.0);
        QVERIFY(monday->CanScrollUp());

        world.doc->Undo();
        QVERIFY(!view.DayPanel(0, 2)->Slot(0).has_value());
        QVERIFY(monday->CanScrollUp());  // shown anew, from the same workout
        QCOMPARE(view.WeekPanel(0)->Totals().planned, 60.0);
        world.doc->Redo();
        QVERIFY(view.DayPanel(0, 2)->Slot(0).has_value());
    }

    // A unit change reaches the diary through the settings' notice.
    void aUnitChangeRepaintsTheLabelsInTheNewUnit() {
        DiaryWorld world;
        auto run = std::make_unique<CWorkOut>();
        run->templateId = 7;
        run->sportId = 5;
        run->plannedDistance = 10;
        run->plannedDuration = 60;
        edit::AddWorkout(*world.doc, std::move(run), edit::InDateOrder(kToday + 1.5));
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

    // Periods are found by date: a file may list them in any order.
    void eventsShowWhateverTheirStoredOrder() {
        DiaryWorld world;
        world.AddEvent(kMonday + 15, kMonday + 16, 9, false);
        world.AddEvent(kMonday + 2, kMonday + 3, -5, true);
        CKadenzoView view(*world.doc);
        QVERIFY(view.DayPanel(0, 2)->IsBlocked());
        QCOMPARE(view.DayPanel(2, 1)->BackgroundColour(), 0x00FF0000u);
        QVERIFY(!view.DayPanel(0, 4)->Event().has_value());
        world.AddEvent(kMonday + 4, kMonday + 4, 9, false);  // the view hears of it
        QVERIFY(view.DayPanel(0, 4)->Event().has_value());
    }
};

QTEST_MAIN(DiaryViewTest)
#include "DiaryViewTest.moc"
