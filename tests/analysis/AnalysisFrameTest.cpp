// The analysis in the program's frame: switching views as a radio pair, the
// analysis menu's radio groups and paging texts, the sports menu, the status
// line, the tool bar's paging buttons and the statistics command.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "AnalysisChart.h"
#include "AnalysisFixture.h"
#include "AnalysisView.h"
#include "AnalysisViewInstall.h"
#include "AppContext.h"
#include "AtomicFile.h"
#include "DiaryDates.h"
#include "DiaryViewInstall.h"
#include "KadenzoApp.h"
#include "MainFrame.h"
#include "TestSupport.h"

using namespace kadenzo;
using namespace kadenzo::test;

namespace {

// The program started in a folder of its own with the English module, the
// starter library and a diary of this week's runs.
struct Program {
    Program() {
        CopyBuilt(folder.path(), {QStringLiteral("rcus.rcc"), QStringLiteral("library.dat")});
        QDir::setCurrent(folder.path());
        dialogs.yesNo = {true};  // take the diary's own library
        AnalysisWorld world;
        world.library.computerName = "ELSEWHERE";  // so the diary's library is taken
        world.Add(AppContext().Today(), 0.5, kEasyRun, 90).subSportId = kTrail;
        const std::string diary = folder.filePath(QStringLiteral("diary.kdz")).toStdString();
        WriteFileAtomically(
            diary, [&](CArchive& ar) { WriteDocument(ar, 0, 190, 0, world.library, world.log); });
        CKadenzoApp::Options options;
        options.programDirectory = folder.path();
        options.splashMinimumMs = 0;
        options.showMainWindow = false;
        app = std::make_unique<CKadenzoApp>(
            dialogs,
            std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")),
                                        QSettings::IniFormat),
            std::move(options));
        if (!app->InitInstance({QString::fromStdString(diary)}))
            qFatal("the program did not start");
        InstallDiaryView(Frame(), nullptr);
        InstallAnalysisView(Frame(), nullptr);
    }
    ~Program() { app->ExitInstance(); }
    CMainFrame& Frame() { return *app->MainFrame(); }
    CAnalysisView* View() { return qobject_cast<CAnalysisView*>(Frame().ActiveView()); }
    bool Checked(int id) { return Frame().Action(id)->isChecked(); }

    QTemporaryDir folder;
    FakeUserDialogs dialogs;
    std::unique_ptr<CKadenzoApp> app;
};

}  // namespace

class AnalysisFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The views switch as a radio pair; the tool bar's week buttons page the
    // analysis range while it shows, weeks again back in the diary.
    void viewsSwitchAsARadioPairAndTheWeekButtonsFollow() {
        Program program;
        CMainFrame& frame = program.Frame();
        QAction* back = frame.Action(ID_WEEK_BACK);
        QAction* forward = frame.Action(ID_WEEK_FORWARD);
        const QString diaryTip = back->toolTip();
        QVERIFY(!program.View());
        QVERIFY(frame.Execute(ID_VIEW_ANALYSIS));
        // Enabled by the switch itself, before any menu opens.
        QVERIFY(back->isEnabled());
        QVERIFY(forward->isEnabled());
        QCOMPARE(back->toolTip(), QStringLiteral("Previous Week"));
        const int today = program.View()->State().Choice().referenceDay;
        QVERIFY(frame.Execute(ID_WEEK_BACK));
        QCOMPARE(program.View()->State().Choice().referenceDay, today - 7);
        QVERIFY(frame.Execute(ID_RANGE_7_DAYS));
        QCOMPARE(forward->toolTip(), QStringLiteral("Next Day"));
        QVERIFY(frame.Execute(ID_WEEK_FORWARD));
        QCOMPARE(program.View()->State().Choice().referenceDay, today + 1);
        QVERIFY(program.View());
        QVERIFY(program.Checked(ID_VIEW_ANALYSIS));
        QVERIFY(!program.Checked(ID_VIEW_DIARY));
        QVERIFY(frame.Action(ID_VIEW_DIARY)->actionGroup()->isExclusive());
        QCOMPARE(frame.Action(ID_VIEW_DIARY)->actionGroup(),
                 frame.Action(ID_VIEW_ANALYSIS)->actionGroup());
        QVERIFY(frame.Action(ID_SCALE)->isEnabled());
        QVERIFY(frame.Execute(ID_VIEW_DIARY));
        QVERIFY(!program.View());
        QVERIFY(program.Checked(ID_VIEW_DIARY));
        QVERIFY(!frame.Action(ID_SCALE)->isEnabled());  // no analysis view, nothing to scale
        QVERIFY(frame.Action(ID_SPORT_STATISTICS)->isEnabled());
        QVERIFY(back->isEnabled());
        QCOMPARE(back->toolTip(), diaryTip);
    }

    void menuGroupsAndPagingTexts() {
        Program program;
        CMainFrame& frame = program.Frame();
        frame.Execute(ID_VIEW_ANALYSIS);
        QVERIFY(program.Checked(ID_RANGE_4_WEEKS));
        QVERIFY(program.Checked(ID_CHART_BY_CATEGORY));
        QVERIFY(program.Checked(ID_ANALYSIS_DURATION));
        QCOMPARE(frame.Action(ID_PAGE_BACK)->text(), QStringLiteral("&Previous Week"));
        QVERIFY(frame.Execute(ID_RANGE_12_MONTHS));
        QVERIFY(program.Checked(ID_RANGE_12_MONTHS));
        QVERIFY(!program.Checked(ID_RANGE_4_WEEKS));
        QCOMPARE(frame.Action(ID_PAGE_FORWARD)->text(), QStringLiteral("&Next Month"));
        QCOMPARE(program.View()->Chart()->Content().Slots(), 5);

        // The sports menu: running (the first sport with sub-sports) by sub-sport.
        QCOMPARE(frame.SportIdForMenuItem(1), kRunning);
        QVERIFY(frame.Execute(ID_SPORT_MENU_FIRST));
        QVERIFY(program.Checked(ID_SPORT_MENU_FIRST));
        QVERIFY(!program.Checked(ID_CHART_BY_CATEGORY));
        const ChartContent& content = program.View()->Chart()->Content();
        QCOMPARE(content.SlotAt(0).label, std::string("Trail"));
        QCOMPARE(content.CellAt(11, 0, 0).value, 1.5);
    }

    void statusLineNamesTheBarUnderTheMouse() {
        Program program;
        CMainFrame& frame = program.Frame();
        frame.Execute(ID_VIEW_ANALYSIS);
        frame.resize(900, 700);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CAnalysisChart* chart = program.View()->Chart();
        chart->repaint();
        QVERIFY(!chart->HitRects().empty());
        const ChartRect bar = chart->HitRects()[chart->Content().CellIndex(3, 0, 0)];
        QTest::mouseMove(chart, QPoint((bar.left + bar.right) / 2, bar.bottom - 2));
        QVERIFY2(frame.statusBar()->currentMessage().endsWith(QStringLiteral(" : 1:30")),
                 qPrintable(frame.statusBar()->currentMessage()));
    }
};

QTEST_MAIN(AnalysisFrameTest)
#include "AnalysisFrameTest.moc"
