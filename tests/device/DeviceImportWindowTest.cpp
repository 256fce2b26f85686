// The device import as the program runs it: the notice of new files in an
// import folder, File › Import from Device..., the window's OK with a row to
// choose, a diary never saved, one undo step, and the library written when
// an activity brought a sport without a template.
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <memory>

#include "DeviceInstall.h"
#include "DeviceSamples.h"
#include "DeviceSettings.h"
#include "DocumentController.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "WidgetTesting.h"

using namespace kadenzo;

namespace {

constexpr std::uint8_t kFitRunning = 1, kFitWalking = 11;
constexpr std::uint32_t kWalking = 9;  // the starter library's, which has no walking template

void Write(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
}

}  // namespace

class DeviceImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init() {
        app_ = std::make_unique<AppFixture>(StarterLibrary());
        app_->context.clock = [] { return std::time_t{test::kMondayUtc - 86400}; };
        watch_ = app_->PathOf(QStringLiteral("watch/GARMIN/Activity"));
        test::FitActivity run;  // Monday 07:00, an hour
        Write(watch_ + "/run.fit", test::FitFile(run));
        test::FitActivity walk;
        walk.start += 8 * 3600;
        walk.sport = kFitWalking;
        walk.serial = 99;
        Write(watch_ + "/walk.fit", test::FitFile(walk));
        app_->dialogs.folderName = watch_;
    }
    void cleanup() { app_.reset(); }

    void theNoticeTellsOfFilesAppearingInAnImportFolder() {
        const QString imports = app_->PathOf(QStringLiteral("imports"));
        QDir().mkpath(imports);
        WriteDeviceSettings(*app_->settings, {SportTable::Starter(), {imports}});
        CMainFrame& frame = Install();
        auto* bar = frame.findChild<QToolBar*>(QStringLiteral("DeviceNoticeBar"));
        QVERIFY(bar);
        // An empty folder is seen, and nothing is told.
        QTest::qWait(2500);
        QVERIFY(bar->isHidden());

        Write(imports + "/run.fit", test::FitFile({}));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isHidden(), 3000);
        QCOMPARE(Find<QLabel>(*bar, IDC_DEVICE_NOTICE_TEXT)->text(),
                 QStringLiteral("1 new activity in ") + QDir::toNativeSeparators(imports));
        Find<QPushButton>(*bar, IDC_DEVICE_NOTICE_DISMISS)->click();
        QVERIFY(bar->isHidden());
        // Unchanged, the folder is not told of again.
        QTest::qWait(2500);
        QVERIFY(bar->isHidden());
    }

    void aDiaryNeverSavedIsSavedFirstOrNothingIsImported() {
        Plan(kEasyRunId, 60);
        CMainFrame& frame = Install();
        WhenModal([](QDialog& window) { window.accept(); });
        QVERIFY(frame.Execute(ID_IMPORT_FROM_DEVICE));
        QCOMPARE(app_->dialogs.questions.size(), std::size_t{1});
        QCOMPARE(Doc().Log().WorkoutCount(), std::size_t{1});
        QCOMPARE(Doc().Log().Workouts().front()->duration, 0.0);
        QVERIFY(!QDir(app_->PathOf(QStringLiteral("Untitled-recordings"))).exists());
    }

    void okPutsTheActivitiesOnThePlanAsOneStep() {
        Plan(kEasyRunId, 60);
        QVERIFY(app_->document->SaveTo(app_->PathOf(QStringLiteral("Training.kdz"))));
        CMainFrame& frame = Install();
        int shown = 0;
        frame.Editing().showDay = [&shown](int day) { shown = day; };
        WhenModal([](QDialog& window) { window.accept(); });
        QVERIFY(frame.Execute(ID_IMPORT_FROM_DEVICE));

        const CDatabase& log = Doc().Log();
        QCOMPARE(log.WorkoutCount(), std::size_t{2});
        const CWorkOut& run = *log.Workouts().front();
        QCOMPARE(run.templateId, kEasyRunId);
        QCOMPARE(run.duration, 60.0);
        QCOMPARE(run.recordingPath, std::string("Training-recordings/run.fit"));
        const CWorkOut& walk = *log.Workouts().back();
        QCOMPARE(walk.sportId, kWalking);
        QCOMPARE(shown, test::kMonday);
        QCOMPARE(Doc().UndoName(), std::uint32_t{34974});
        QVERIFY(app_->dialogs.messages.empty());
        // The walking template the import added is in the program's library file.
        const std::unique_ptr<CLibrary> written =
            LoadLibraryFile(QFile::encodeName(LibraryPath()).toStdString());
        QVERIFY(written);
        QVERIFY(written->FindWorkout(walk.templateId));
        QCOMPARE(written->FindWorkout(walk.templateId)->sportId, kWalking);

        Doc().Undo();
        QCOMPARE(Doc().Log().WorkoutCount(), std::size_t{1});
        QCOMPARE(Doc().Log().Workouts().front()->duration, 0.0);
    }

    void aFileGoneBeforeOkIsReportedAndTheOthersImported() {
        Plan(kEasyRunId, 60);
        QVERIFY(app_->document->SaveTo(app_->PathOf(QStringLiteral("Training.kdz"))));
        CMainFrame& frame = Install();
        WhenModal([this](QDialog& window) {
            QVERIFY(QFile::remove(watch_ + "/walk.fit"));  // the watch unplugged meanwhile
            window.accept();
        });
        QVERIFY(frame.Execute(ID_IMPORT_FROM_DEVICE));
        QCOMPARE(Doc().Log().WorkoutCount(), std::size_t{1});
        QCOMPARE(Doc().Log().Workouts().front()->duration, 60.0);
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        const QString told = app_->dialogs.messages.front().text;
        QVERIFY2(told.startsWith(QStringLiteral("1 activity was imported")) &&
                     told.contains(QStringLiteral("walk.fit cannot be opened")),
                 qPrintable(told));
    }

    void okWaitsWhileARowIsToBeChosen() {
        Plan(kEasyRunId, 60);
        Plan(kTempoRunId, 61);  // fits as well: the user chooses
        QVERIFY(app_->document->SaveTo(app_->PathOf(QStringLiteral("Training.kdz"))));
        CMainFrame& frame = Install();
        bool refused = false;
        WhenModal([this, &refused](QDialog& window) {
            window.accept();
            refused = window.isVisible() && app_->dialogs.messages.size() == 1;
            auto* rows = Find<QTableView>(window, IDC_DEVICE_ROWS);
            QCOMPARE(rows->currentIndex().row(), 0);
            auto* outcome = Find<QComboBox>(window, IDC_DEVICE_OUTCOME);
            // Choose, the easy run, the tempo run, a new workout, skip.
            QCOMPARE(outcome->count(), 5);
            outcome->setFocus();
            QTest::keyClick(outcome, Qt::Key_Down);
            QTest::keyClick(outcome, Qt::Key_Down);
            QCOMPARE(outcome->count(), 4);
            QCOMPARE(outcome->currentIndex(), 1);
            window.accept();
        });
        QVERIFY(frame.Execute(ID_IMPORT_FROM_DEVICE));
        QVERIFY(refused);
        std::vector<const CWorkOut*> workouts;
        for (const auto& workout : Doc().Log().Workouts()) workouts.push_back(&*workout);
        QCOMPARE(workouts.size(), std::size_t{3});
        QCOMPARE(workouts[0]->duration, 0.0);
        QCOMPARE(workouts[1]->templateId, kTempoRunId);
        QCOMPARE(workouts[1]->duration, 60.0);
    }

    void theSettingsKeepAnEmptiedSportTable() {
        QSettings& settings = *app_->settings;
        QCOMPARE(ReadDeviceSettings(settings).sports.Entries(), SportTable::Starter().Entries());
        WriteDeviceSettings(settings, {SportTable(), {QStringLiteral("/media/exports")}});
        const DeviceSettings read = ReadDeviceSettings(settings);
        QVERIFY(read.sports.Entries().empty());
        QCOMPARE(read.folders, QStringList{QStringLiteral("/media/exports")});
    }

private:
    static constexpr std::uint32_t kEasyRunId = 1, kTempoRunId = 3;

    CKadenzoDoc& Doc() { return app_->Doc(); }
    QString LibraryPath() const { return app_->PathOf(QStringLiteral("library.dat")); }

    CMainFrame& Install() {
        CMainFrame& frame = app_->MakeFrame();
        // The machine's own volumes stay out: a watch mounted meanwhile (by
        // the device journey, say) is not this test's.
        InstallDeviceImport(frame, *app_->settings, app_->dialogs,
                            QFile::encodeName(LibraryPath()).toStdString(),
                            [] { return std::vector<std::string>{}; });
        return frame;
    }
    // A run planned on Monday at 6:00.
    void Plan(std::uint32_t templateId, double minutes) {
        auto workout = std::make_unique<CWorkOut>(*Doc().Library().FindWorkout(templateId));
        workout->plannedDuration = minutes;
        const double date = test::kMonday + 0.25;
        edit::AddWorkout(Doc(), std::move(workout), edit::InDateOrder(date));
    }

    std::unique_ptr<AppFixture> app_;
    QString watch_;
};

QTEST_MAIN(DeviceImportWindowTest)
#include "DeviceImportWindowTest.moc"
