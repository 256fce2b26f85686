// The workout editor sheet on a document of the program: pages by date, OK
// with and without a change, undo and redo, the performance page's controls,
// the recording import on real recordings, and the hooks on the main frame.
// Typing figures into the pages and a refused heart rate are the journeys'.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "EditorFixture.h"
#include "RecordingImportDlg.h"
#include "ResourceIds.h"
#include "TemplateTreeDlg.h"
#include "TestSupport.h"
#include "Texts.h"
#include "WOPerformancePage.h"
#include "WOSetupPage.h"
#include "WidgetTesting.h"
#include "WorkoutEditorInstall.h"
#include "WorkoutEditorSheet.h"

using namespace kadenzo;
using namespace kadenzo::editortest;

namespace {

std::string RealFile(const char* name) { return std::string(KADENZO_REAL_RECORDINGS) + "/" + name; }

}  // namespace

class WorkoutEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init() {
        app_ = std::make_unique<AppFixture>(SmallLibrary());
        app_->context.clock = [] { return std::time_t{1715774400}; };  // 2024-05-15 12:00
        AthleteProfile profile;
        profile.hrFormula = 0;
        profile.birthDate = *TimeStampFromLocal({1984, 1, 10, 12, 0, 0});  // 40 years old
        edit::SetProfile(Doc(), profile);
        imported_.clear();
        services_ = std::make_unique<EditorServices>(
            EditorServices{Doc(),
                           app_->dialogs,
                           [this](std::uint32_t, QWidget*) { return chosenTemplate_; },
                           [this](const ImportRequest& request, QWidget* parent) {
                               return Import(request, parent);
                           },
                           {}});
    }
    void cleanup() {
        services_.reset();
        app_.reset();
    }

    void aWorkoutOfALaterDayIsOnlyPlanned() {
        const auto tomorrow = Add(kEasyRun, *NoonOfDay(2024, 5, 16));
        CWorkoutEditorSheet future(**tomorrow, *services_);
        QCOMPARE(future.Pages()->count(), 1);
        QCOMPARE(future.windowTitle(), QStringLiteral("16.05.2024"));
        // Later in the day still counts as today.
        const auto evening = Add(kEasyRun, *DateTimeFromParts({2024, 5, 15, 19, 30, 0}));
        CWorkoutEditorSheet today(**evening, *services_);
        QCOMPARE(today.Pages()->count(), 2);
    }

    void okChangesTheDocumentOnlyWhenTheWorkoutChanged() {
        const auto position = Add(kEasyRun, *NoonOfDay(2024, 5, 15));
        Doc().SetModifiedFlag(false);
        const std::size_t snapshots = Doc().UndoSnapshots();

        WhenModal([](QDialog& sheet) { sheet.accept(); });
        QVERIFY(!RunWorkoutEditor(*services_, position, nullptr));
        QCOMPARE(Doc().UndoSnapshots(), snapshots);
        QVERIFY(!Doc().IsModified());

        WhenModal([](QDialog& sheet) {
            Retype(Find<QLineEdit>(sheet, IDC_SETUP_PLANNED), QStringLiteral("1:30, 20,5km"));
            sheet.accept();
        });
        QVERIFY(RunWorkoutEditor(*services_, position, nullptr));
        QCOMPARE(Doc().UndoSnapshots(), snapshots + 1);
        QVERIFY(Doc().IsModified());
        QCOMPARE(Stored().plannedDuration, 90.0);
        QCOMPARE(Stored().plannedDistance, 20.5);
        Doc().Undo();
        QCOMPARE(Stored().plannedDistance, 0.0);
        Doc().Redo();
        QCOMPARE(Stored().plannedDistance, 20.5);
    }

    void theSetupPageDrivesThePerformancePage() {
        const auto position = Add(kEasyRun, *NoonOfDay(2024, 5, 14));
        CWorkoutEditorSheet sheet(**position, *services_);
        const QWidget& setup = *sheet.SetupPage();
        const QWidget& performance = *sheet.PerformancePage();
        auto* sport = Find<QComboBox>(setup, IDC_SETUP_SPORT);
        QVERIFY(!sport->isEnabled());
        chosenTemplate_ = kFree;
        Find<QPushButton>(setup, IDC_SETUP_TEMPLATE)->click();
        QCOMPARE(Find<QLabel>(setup, IDC_SETUP_HEART_RATE)->text(), QStringLiteral("> 120 bpm"));
        QVERIFY(sport->isEnabled());

        auto* distance = Find<QLineEdit>(performance, IDC_PERF_WHOLE_DISTANCE);
        sport->setCurrentIndex(sport->findText(QStringLiteral("Strength")));
        QVERIFY(!distance->isVisibleTo(&performance));
        sport->setCurrentIndex(sport->findText(QStringLiteral("Cycling")));
        QVERIFY(distance->isVisibleTo(&performance));
        QCOMPARE(Find<QComboBox>(performance, IDC_PERF_SUBSPORT)->itemText(1),
                 QStringLiteral("Gravel"));
        sheet.accept();
        QCOMPARE(sheet.Workout().templateId, std::uint32_t{kFree});
        QCOMPARE(sheet.Workout().sportId, std::uint32_t{kCycling});
    }

    // The journeys refuse a figure on the whole workout's section in view;
    // here it sits on the hidden marked section, and then on the other page.
    void aRefusedFigureComesToTheFrontWherever() {
        const auto position = Add(kEasyRun, *NoonOfDay(2024, 5, 14));
        CWorkoutEditorSheet sheet(**position, *services_);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        const QWidget& page = *sheet.PerformancePage();
        // Set as assistive tools set it, without typing.
        auto* partMaximum = Find<QLineEdit>(page, IDC_PERF_PART_MAX);
        partMaximum->setText(QStringLiteral("1500"));
        sheet.accept();
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.Pages()->currentWidget(), sheet.PerformancePage());
        QVERIFY(Find<QRadioButton>(page, IDC_PERF_VIEW_PART)->isChecked());
        QVERIFY(!Find<QLineEdit>(page, IDC_PERF_WHOLE_DISTANCE)->isVisible());
        QCOMPARE(sheet.focusWidget(), partMaximum);
        partMaximum->setText(QStringLiteral("181"));
        // Only the fields in view carry their labels' names.
        QCOMPARE(AccessibleName(page, IDC_PERF_PART_AVERAGE),
                 QStringLiteral("Average heart rate:"));
        QVERIFY(AccessibleName(page, IDC_PERF_WHOLE_AVERAGE) !=
                QStringLiteral("Average heart rate:"));

        sheet.Pages()->setCurrentIndex(1);
        auto* planned = Find<QLineEdit>(*sheet.SetupPage(), IDC_SETUP_PLANNED);
        planned->setText(QStringLiteral("-1:30, 10km"));
        sheet.accept();
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.Pages()->currentWidget(), sheet.SetupPage());
        QCOMPARE(sheet.focusWidget(), planned);
        QCOMPARE(planned->selectedText(), planned->text());
        QCOMPARE(sheet.Workout().partMaxPulse, std::uint8_t{0});

        planned->setText(QStringLiteral("1:30, 10km"));
        Retype(Find<QLineEdit>(page, IDC_PERF_PART_DISTANCE), QStringLiteral("12,5"));
        Retype(Find<QLineEdit>(page, IDC_PERF_PART_DURATION), QStringLiteral("1:00:30"));
        QCOMPARE(Find<QLabel>(page, IDC_PERF_PART_SPEED)->text(),
                 QStringLiteral("12.4km/h, 4.8min/km"));
        sheet.accept();
        QCOMPARE(sheet.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{2});
        const CWorkOut& workout = sheet.Workout();
        QCOMPARE(workout.plannedDuration, 90.0);
        QCOMPARE(workout.partMaxPulse, std::uint8_t{181});
        QCOMPARE(workout.partDistance, 12.5);
        QCOMPARE(workout.partDuration, 60.5);
        QCOMPARE(workout.distance, 0.0);
    }

    void importTakesTheRecordingAndStartsFromItAgain() {
        const auto position = Add(kEasyRun, *NoonOfDay(2024, 5, 14));
        presetPath_ = RealFile("s725-cycling-metric.hrm");
        CWorkoutEditorSheet sheet(**position, *services_);
        Find<QPushButton>(*sheet.PerformancePage(), IDC_PERF_IMPORT)->click();
        QVERIFY(app_->dialogs.questions.empty());
        QCOMPARE(imported_.size(), std::size_t{1});
        QCOMPARE(imported_[0].request.maxHeartRate, 180);  // by the age formula, for the zones
        const ImportedFigures figures = imported_[0].figures;
        sheet.accept();
        const CWorkOut& workout = sheet.Workout();
        QCOMPARE(workout.distance, 112.38);
        QCOMPARE(workout.recordingPath, presetPath_);
        QCOMPARE(workout.marker1, figures.marker1);
        QCOMPARE(workout.marker2, figures.marker2);

        CWorkoutEditorSheet again(workout, *services_);
        Find<QPushButton>(*again.PerformancePage(), IDC_PERF_IMPORT)->click();
        QCOMPARE(imported_.size(), std::size_t{2});
        QCOMPARE(imported_[1].request.path, presetPath_);
        QCOMPARE(imported_[1].request.marker1, figures.marker1);
        QCOMPARE(imported_[1].request.marker2, figures.marker2);
    }

    void importAsksBeforeEmptyingFilledFigures() {
        presetPath_ = RealFile("s725-nospeed-metric.hrm");  // heart rates, no distance
        for (const bool takeEmpty : {false, true}) {
            CWorkOut stored(*Doc().Library().FindWorkout(kEasyRun));
            stored.date = *NoonOfDay(2024, 5, 14);
            stored.distance = 10;
            stored.duration = 45;
            CWorkoutEditorSheet sheet(stored, *services_);
            app_->dialogs.questions.clear();
            app_->dialogs.yesNo = {takeEmpty};
            Find<QPushButton>(*sheet.PerformancePage(), IDC_PERF_IMPORT)->click();
            QCOMPARE(app_->dialogs.questions.size(), std::size_t{1});
            sheet.accept();
            QCOMPARE(sheet.Workout().distance, takeEmpty ? 0.0 : 10.0);
            QVERIFY(sheet.Workout().duration != 45);  // durations are always taken
        }
    }

    // The journeys open the editor and the browser by key; the body data, the
    // template chooser and the browser's close box are left to this.
    void frameHooksOpenTheDialogsAndTheBrowser() {
        CMainFrame& frame = app_->MakeFrame();
        InstallWorkoutEditor(frame, *app_->settings, app_->dialogs);
        WorkoutEditing& editing = frame.Editing();
        const int today = DayNumber(*NoonOfDay(2024, 5, 15));
        WhenModal([](QDialog& dialog) {
            Retype(Find<QLineEdit>(dialog, IDC_BODY_WEIGHT), QStringLiteral("68,5"));
            dialog.accept();
        });
        QVERIFY(editing.editBodyData(today, &frame));
        const CalendarDateTime day{CalendarDateTime::kValid, NoonOfDayNumber(today)};
        QCOMPARE(Doc().Log().FindBodyInfo(day)->weight, 68.5);

        WhenModal([](QDialog& chooser) {
            auto* tree = Find<QTreeWidget>(chooser, IDC_TEMPLATE_TREE);
            tree->setCurrentItem(tree->topLevelItem(0)->child(1));
            chooser.accept();
        });
        QCOMPARE(editing.chooseTemplate(&frame), std::optional<std::uint32_t>(kGym));

        QAction* browser = frame.Action(ID_LIBRARY_BROWSER);
        QVERIFY(frame.Execute(ID_LIBRARY_BROWSER));
        auto* window = frame.findChild<CTemplateTreeDlg*>();
        QVERIFY(window && window->isVisible() && !window->ChooserMode());
        QVERIFY(browser->isChecked());
        window->close();
        QTRY_VERIFY(!frame.findChild<CTemplateTreeDlg*>());
        QVERIFY(!browser->isChecked());
    }

private:
    struct Imported {
        ImportRequest request;
        ImportedFigures figures;
    };

    CKadenzoDoc& Doc() { return app_->Doc(); }
    const CWorkOut& Stored() { return *Doc().Log().Workouts().front(); }

    static QString AccessibleName(const QWidget& page, int id) {
        return QAccessible::queryAccessibleInterface(Find<QWidget>(page, id))
            ->text(QAccessible::Name);
    }

    CDatabase::ConstWorkoutPos Add(std::uint32_t templateId, double date) {
        auto workout = std::make_unique<CWorkOut>(*Doc().Library().FindWorkout(templateId));
        return *edit::AddWorkout(Doc(), std::move(workout), edit::InDateOrder(date));
    }

    // The import dialog as the user leaves it: the stored file with its
    // section, or the preset file chosen when the workout has none.
    std::optional<ImportedFigures> Import(const ImportRequest& request, QWidget* parent) {
        const CRecordingImportDlg::Services services{app_->context.units, app_->context.Texts(),
                                                     [] { return std::int64_t{1715774400}; },
                                                     *app_->settings, app_->dialogs};
        CRecordingImportDlg dialog(services, request, parent);
        if (request.path.empty() && !dialog.LoadPath(QString::fromStdString(presetPath_)))
            return std::nullopt;
        imported_.push_back({request, dialog.Figures()});
        return dialog.Figures();
    }

    std::unique_ptr<AppFixture> app_;
    std::unique_ptr<EditorServices> services_;
    std::optional<std::uint32_t> chosenTemplate_;
    std::string presetPath_;
    std::vector<Imported> imported_;
};

QTEST_MAIN(WorkoutEditorTest)
#include "WorkoutEditorTest.moc"
