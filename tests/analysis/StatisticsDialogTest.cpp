// The statistics dialogs: rows for the chosen days, sorting by the headers
// (kept between dialogs), the column spread, headings in full in both
// languages, the sizes, the breakdowns and the Close button.
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "AnalysisFixture.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "SportDetailDialog.h"
#include "SportStatisticsDialog.h"
#include "StatisticsDates.h"
#include "StatisticsList.h"
#include "Units.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

const int kToday = Day(2024, 3, 13);

std::vector<std::string> Texts(const CStatisticsList& list) {
    std::vector<std::string> texts;
    for (const StatisticsRow& row : list.Rows()) texts.push_back(row.Text());
    return texts;
}

void ClickHeader(CStatisticsList& list, int column) {
    QHeaderView* header = list.header();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

struct DialogWorld {
    DialogWorld() {
        world.Add(kToday, 7, kEasyRun, 60, 10).subSportId = kTrail;
        world.Add(kToday, 18, kLongRide, 120, 50);
        world.Add(kToday - 3, 9, kIntervals, 45, 9);
        document = std::make_unique<CKadenzoDoc>(context);
        document->SetContents(world.Contents());
    }
    AnalysisWorld world;
    AppContext context;
    UnitSettings units;
    StatisticsSortStates sorts;
    std::unique_ptr<CKadenzoDoc> document;
};

}  // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowTheDates() {
        DialogWorld w;
        CSportStatisticsDialog dialog(*w.document, w.units, w.sorts, kToday);
        QCOMPARE(Texts(*dialog.List()), (std::vector<std::string>{"Running", "Cycling"}));
        QCOMPARE(dialog.List()->Rows()[0].duration, 60.0);  // today only
        auto* from = dialog.findChild<QDateEdit*>(QStringLiteral("1038"));
        QVERIFY(from);
        from->setDate(DateOfDay(kToday - 7));
        QCOMPARE(dialog.List()->Rows()[0].duration, 105.0);
        QCOMPARE(dialog.List()->topLevelItem(1)->text(2), QStringLiteral("2.0"));
        QCOMPARE(dialog.minimumSize(), QSize(557, 150));
    }

    void headersSortAndTheOrderIsKept() {
        DialogWorld w;
        {
            CSportStatisticsDialog dialog(*w.document, w.units, w.sorts, kToday);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            CStatisticsList& list = *dialog.List();
            ClickHeader(list, 1);  // distance, ascending
            QCOMPARE(Texts(list), (std::vector<std::string>{"Running", "Cycling"}));
            ClickHeader(list, 1);  // descending
            QCOMPARE(Texts(list), (std::vector<std::string>{"Cycling", "Running"}));
            QVERIFY(list.header()->isSortIndicatorShown());
            QCOMPARE(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);
            // The figure columns share the width evenly, the name takes the rest.
            const int width = list.viewport()->width();
            QCOMPARE(list.columnWidth(1), width / 6);
            QCOMPARE(list.columnWidth(0) + 4 * list.columnWidth(4), width);
        }
        QCOMPARE(w.sorts.statistics.Value(), -2);
        CSportStatisticsDialog again(*w.document, w.units, w.sorts, kToday);
        QCOMPARE(Texts(*again.List()), (std::vector<std::string>{"Cycling", "Running"}));
    }

    void headingsFitTheirColumnsAndCloseCloses() {
        for (const char* name : {"rcus.rcc", "rcge.rcc"}) {
            auto module =
                LanguageModule::Load(QStringLiteral(KADENZO_MODULE_DIR "/") + QLatin1String(name));
            QVERIFY(module);
            DialogWorld w;
            w.context.strings = module.get();
            CSportStatisticsDialog statistics(*w.document, w.units, w.sorts, kToday);
            CSportDetailDialog detail(*w.document, w.units, w.sorts.detail, kToday - 7, kToday,
                                      kRunning, nullptr);
            for (QDialog* dialog : std::initializer_list<QDialog*>{&statistics, &detail}) {
                // As narrow as the dialog goes: the list scrolls sideways
                // rather than cut a heading.
                dialog->resize(dialog->minimumSize());
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog));
                const CStatisticsList& list = *dialog->findChild<CStatisticsList*>();
                const QFontMetrics metrics(list.header()->font());
                for (int c = 0; c < list.columnCount(); ++c) {
                    const QString heading = list.headerItem()->text(c);
                    QVERIFY2(heading.endsWith(QLatin1Char(']')) || c == 0, qPrintable(heading));
                    QVERIFY2(metrics.horizontalAdvance(heading) < list.columnWidth(c),
                             qPrintable(heading));
                }
                auto* buttons = dialog->findChild<QDialogButtonBox*>();
                QVERIFY(buttons);
                QPushButton* close = buttons->button(QDialogButtonBox::Close);
                QVERIFY(close);
                QTest::mouseClick(close, Qt::LeftButton);
                QVERIFY(!dialog->isVisible());
                QCOMPARE(dialog->result(), int(QDialog::Rejected));
            }
        }
    }

    void detailBreaksASportDown() {
        DialogWorld w;
        CSportDetailDialog detail(*w.document, w.units, w.sorts.detail, kToday - 7, kToday,
                                  kRunning, nullptr);
        QCOMPARE(detail.minimumSize(), QSize(524, 200));
        QCOMPARE(Texts(*detail.List()), (std::vector<std::string>{"Speed", "Endurance"}));
        detail.findChild<QRadioButton*>(QStringLiteral("1046"))->click();
        QCOMPARE(Texts(*detail.List()), (std::vector<std::string>{"< ------ >", "Trail"}));
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
