// The main frame: menus and tool bar from the language module, the sports
// menu, view switching with its radio marks, the commands it handles itself.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "AddLibraryItem.h"
#include "Cp1252.h"
#include "DocumentController.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

using test::AddItem;

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    return titles;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> app_;
    const LanguageModule* module_ = nullptr;
    CMainFrame* frame_ = nullptr;

    void MakeFrame() { frame_ = &app_->MakeFrame(); }
    CLibrary& Library() { return *app_->context.library; }

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        module_ = app_->module.get();
    }

    void cleanup() {
        frame_ = nullptr;
        app_.reset();
    }

    void menusAndToolBarComeFromTheModule() {
        MakeFrame();
        QCOMPARE(frame_->menuBar()->actions().size(),
                 static_cast<qsizetype>(module_->Menu(128).size()));
        QCOMPARE(frame_->menuBar()->actions().front()->text(), module_->Menu(128).front().text);
        auto* toolBar = frame_->findChild<QToolBar*>(QStringLiteral("ToolBar"));
        QVERIFY(toolBar);
        QVERIFY(!toolBar->actions().isEmpty());
        for (QAction* action : toolBar->actions()) {
            if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
        }
    }

    void commandsWithoutHandlerAreDisabled() {
        MakeFrame();
        QVERIFY(!frame_->Action(ID_SPORT_STATISTICS)->isEnabled());
        QVERIFY(!frame_->Execute(ID_WORKOUT_SEARCH));
        QVERIFY(frame_->Action(ID_ATHLETE_PROFILE)->isEnabled());
        bool ran = false;
        frame_->SetCommand(ID_SPORT_STATISTICS, {[&ran] { ran = true; }, {}, {}});
        QVERIFY(frame_->Action(ID_SPORT_STATISTICS)->isEnabled());
        frame_->Action(ID_SPORT_STATISTICS)->trigger();
        QVERIFY(ran);
    }

    void noSubSportsGiveNoSportsMenu() {
        AddItem(Library().sports, 1, "Running");
        MakeFrame();
        QVERIFY(!frame_->SportsMenu());
        QCOMPARE(frame_->SportIdForMenuItem(1), 0u);
    }

    void sportsMenuListsSportsWithSubSportsInLibraryOrder() {
        AddItem(Library().sports, 5, "Running");
        AddItem(Library().sports, 3, "Swimming");
        AddItem(Library().sports, 9, "Cycling");
        for (const auto& [id, sportId] : {std::pair{1u, 9u}, {2u, 5u}, {3u, 9u}})
            AddItem(Library().subSports, id, "sub").sportId = sportId;
        MakeFrame();
        QMenu* sports = frame_->SportsMenu();
        QVERIFY(sports);
        const QList<QAction*> items = sports->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Running"));
        QCOMPARE(items[0]->data().toInt(), 1025);
        QCOMPARE(frame_->SportIdForMenuItem(1), 5u);
        QCOMPARE(frame_->SportIdForMenuItem(2), 9u);
        QCOMPARE(frame_->SportIdForMenuItem(3), 0u);
        // It hangs under the analysis menu's third popup.
        const auto& analysis = frame_->Menus(CMainFrame::ViewKind::Analysis);
        QVERIFY(analysis.size() >= 3);
        QVERIFY(analysis[2]->actions().contains(sports->menuAction()));

        int chosen = 0;
        QVERIFY(!items[1]->isEnabled());
        frame_->SetSportMenuHandler([&chosen](int index) { chosen = index; });
        items[1]->trigger();
        QCOMPARE(chosen, 2);
    }

    void switchingViewsSwapsMenusAndRadioMarks() {
        MakeFrame();
        QWidget* diary = frame_->ActiveView();
        QVERIFY(frame_->Action(ID_VIEW_DIARY)->isChecked());
        QVERIFY(!frame_->Action(ID_VIEW_ANALYSIS)->isChecked());
        const QStringList diaryTitles = MenuTitles(frame_->menuBar());

        // The diary command on the diary changes nothing.
        QVERIFY(frame_->Execute(ID_VIEW_DIARY));
        QCOMPARE(frame_->ActiveView(), diary);

        QVERIFY(frame_->Execute(ID_VIEW_ANALYSIS));
        QCOMPARE(frame_->ActiveViewKind(), CMainFrame::ViewKind::Analysis);
        QVERIFY(frame_->Action(ID_VIEW_ANALYSIS)->isChecked());
        QVERIFY(!frame_->Action(ID_VIEW_DIARY)->isChecked());
        QStringList analysisTitles;
        for (const MenuItem& popup : module_->Menu(129)) analysisTitles << popup.text;
        QCOMPARE(MenuTitles(frame_->menuBar()), analysisTitles);

        QVERIFY(frame_->Execute(ID_VIEW_DIARY));
        QCOMPARE(MenuTitles(frame_->menuBar()), diaryTitles);
    }

    // The old view's commands are gone before the new view's menus show.
    void switchingViewsDisablesTheOldViewsCommandsAtOnce() {
        MakeFrame();
        auto viewWithCommand = [](int command) {
            return [command](CMainFrame& frame) -> QWidget* {
                auto* view = new QWidget;
                QPointer<QWidget> alive(view);
                frame.SetCommand(command, {[] {}, [alive] { return !alive.isNull(); }, {}});
                return view;
            };
        };
        frame_->SetViewFactory(CMainFrame::ViewKind::Analysis, viewWithCommand(ID_SCALE));
        frame_->SetViewFactory(CMainFrame::ViewKind::Diary, viewWithCommand(ID_WEEK_FORWARD));
        QVERIFY(frame_->Execute(ID_VIEW_ANALYSIS));
        QVERIFY(frame_->Action(ID_SCALE)->isEnabled());
        QVERIFY(frame_->Execute(ID_VIEW_DIARY));
        QVERIFY(!frame_->Action(ID_SCALE)->isEnabled());
        QVERIFY(frame_->Action(ID_WEEK_FORWARD)->isEnabled());
    }

    void statusBarSaysReadyAndShowsTheLockKeys() {
        MakeFrame();
        QCOMPARE(frame_->statusBar()->currentMessage(), module_->QText(IDS_READY));
        frame_->SetStatusText(QStringLiteral("12:30 h"));
        frame_->statusBar()->clearMessage();  // the fly-by help leaves
        QCOMPARE(frame_->statusBar()->currentMessage(), module_->QText(IDS_READY));
        for (int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
            auto* label = frame_->findChild<QLabel*>(QStringLiteral("Indicator%1").arg(id));
            QVERIFY(label);
            QCOMPARE(label->text(), module_->QText(static_cast<std::uint32_t>(id)));
            QVERIFY(!label->isEnabled());  // no lock lights without X11
        }
    }

    void firstWindowIsSizedFromTheScreen() {
        QCOMPARE(CMainFrame::InitialSize(QSize(1920, 1080)), QSize(1728, 972));
        QCOMPARE(CMainFrame::InitialSize(QSize(800, 600)), QSize(800, 600));
        QCOMPARE(CMainFrame::InitialSize(QSize()), QSize(1280, 860));
    }

    void titleShowsNameAndModifiedMark() {
        MakeFrame();
        QVERIFY(frame_->windowTitle().startsWith(module_->QText(33060)));
        QVERIFY(!frame_->isWindowModified());
        app_->document->SetLogName(QStringLiteral("Saison 2026 – Müller"));
        QVERIFY(frame_->windowTitle().startsWith(QStringLiteral("Saison 2026 – Müller")));
        QCOMPARE(app_->Doc().Log().name, Utf8ToCp1252("Saison 2026 – Müller"));
        QVERIFY(frame_->isWindowModified());
        // Clearing the name shows the untitled text again; undo brings the name back.
        app_->document->SetLogName(QString());
        QVERIFY(frame_->windowTitle().startsWith(module_->QText(33060)));
        QVERIFY(frame_->isWindowModified());
        QVERIFY(frame_->Execute(ID_UNDO));
        QVERIFY(frame_->windowTitle().startsWith(QStringLiteral("Saison 2026 – Müller")));
        QVERIFY(frame_->Execute(ID_REDO));
        QVERIFY(frame_->windowTitle().startsWith(module_->QText(33060)));
    }

    void undoAndRedoNameTheirStep_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("texts");  // undo, redo: plain, then named
        QTest::newRow("English") << "rcus.rcc"
                                 << QStringList{"&Undo", "&Redo", "&Undo Rename Training Log",
                                                "&Undo Edit Athlete Profile",
                                                "&Redo Rename Training Log"};
        QTest::newRow("German") << "rcge.rcc"
                                << QStringList{"&Rückgängig", "&Wiederherstellen",
                                               "&Rückgängig: Trainingstagebuch umbenennen",
                                               "&Rückgängig: Sportlerprofil bearbeiten",
                                               "&Wiederherstellen: Trainingstagebuch umbenennen"};
    }

    void undoAndRedoNameTheirStep() {
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        auto module = LanguageModule::Load(BuiltModuleDir() + QLatin1Char('/') + file);
        QVERIFY(module);
        app_->context.strings = module.get();
        CMainFrame frame(*module, *app_->document, app_->dialogs);
        QAction* undo = frame.Action(ID_UNDO);
        QAction* redo = frame.Action(ID_REDO);
        const QString plainUndoTip = undo->toolTip();
        QCOMPARE(undo->text(), texts[0]);
        QCOMPARE(redo->text(), texts[1]);

        edit::SetProfile(app_->Doc(), {181, 0, 0});
        app_->document->SetLogName(QStringLiteral("Spring"));
        QCOMPARE(undo->text(), texts[2]);
        QCOMPARE(undo->toolTip(), QString(texts[2]).remove(QLatin1Char('&')));
        QCOMPARE(redo->text(), texts[1]);

        QVERIFY(frame.Execute(ID_UNDO));
        QCOMPARE(undo->text(), texts[3]);
        QCOMPARE(redo->text(), texts[4]);
        QCOMPARE(redo->toolTip(), QString(texts[4]).remove(QLatin1Char('&')));
        app_->Doc().Undo();
        QCOMPARE(undo->text(), texts[0]);
        QCOMPARE(undo->toolTip(), plainUndoTip);
        app_->Doc().OnNewDocument();
        QCOMPARE(redo->text(), texts[1]);
        app_->context.strings = module_;
    }

    void closingAModifiedDiaryAsks() {
        MakeFrame();
        frame_->show();
        app_->Doc().SetModifiedFlag(true);
        app_->dialogs.yesNoCancel = {UserDialogs::Answer::Cancel, UserDialogs::Answer::No};
        QVERIFY(!frame_->close());
        QVERIFY(frame_->isVisible());
        QVERIFY(frame_->close());
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{2});
    }

    void recentFilesFillTheFileMenu() {
        MakeFrame();
        QVERIFY(!frame_->Action(ID_FILE_MRU_FILE1)->isEnabled());
        const QString path = app_->PathOf(QStringLiteral("season.kdz"));
        QVERIFY(app_->document->SaveTo(path));
        QAction* first = frame_->Action(ID_FILE_MRU_FILE1);
        QVERIFY(first->isEnabled());
        QCOMPARE(first->text(), QStringLiteral("&1 season.kdz"));
        QVERIFY(!frame_->Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
    }

    // A diary opened from the list goes to its top, in the menu and in the
    // settings the next start reads.
    void aDiaryOpenedFromTheListGoesToItsTop() {
        MakeFrame();
        const QStringList names = {"spring.kdz", "summer.kdz", "autumn.kdz"};
        for (const QString& name : names) QVERIFY(app_->document->SaveTo(app_->PathOf(name)));
        QCOMPARE(frame_->Action(ID_FILE_MRU_FILE1 + 2)->text(), QStringLiteral("&3 spring.kdz"));
        QVERIFY(frame_->Execute(ID_FILE_MRU_FILE1 + 2));
        QCOMPARE(app_->document->PathName(), app_->PathOf(names[0]));
        QCOMPARE(frame_->Action(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 spring.kdz"));
        QCOMPARE(frame_->Action(ID_FILE_MRU_FILE1 + 2)->text(), QStringLiteral("&3 summer.kdz"));
        RecentFileList stored;
        stored.Read(*app_->settings);
        QCOMPARE(stored.Files(), (QStringList{app_->PathOf(names[0]), app_->PathOf(names[2]),
                                              app_->PathOf(names[1])}));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
