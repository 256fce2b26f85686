// The workout editor sheet on a document of the program: OK with and without
// a change, a refused figure on a hidden section, and a recording stored
// relative to the diary. Typing figures,
// a refused heart rate in view and the recording import are the journeys'.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "EditorFixture.h"
#include "LinkEdit.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "Texts.h"
#include "WOPerformancePage.h"
#include "WOSetupPage.h"
#include "WidgetTesting.h"
#include "WorkoutEditorSheet.h"

using namespace kadenzo;
using namespace kadenzo::editortest;

class WorkoutEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init() {
        app_ = std::make_unique<AppFixture>(SmallLibrary());
        app_->context.clock = [] { return std::time_t{1715774400}; };  // 2024-05-15 12:00
        services_ = std::make_unique<EditorServices>(
            EditorServices{Doc(),
                           app_->dialogs,
                           [](std::uint32_t, QWidget*) { return std::optional<std::uint32_t>(); },
                           {},
                           {}});
    }
    void cleanup() {
        services_.reset();
        app_.reset();
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
    }

    // The journeys refuse a figure on the whole workout's section in view;
    // here it sits on the hidden marked section of the page not in view.
    void aRefusedFigureComesToTheFrontWherever() {
        const auto position = Add(kEasyRun, *NoonOfDay(2024, 5, 14));
        CWorkoutEditorSheet sheet(**position, *services_);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        const QWidget& page = *sheet.PerformancePage();
        sheet.Pages()->setCurrentWidget(sheet.SetupPage());
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
        sheet.accept();
        QCOMPARE(sheet.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(app_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(sheet.Workout().partMaxPulse, std::uint8_t{181});
    }

    // A device import stores its recordings relative to the diary's folder.
    void aRecordingBesideTheDiaryOpensFromItsLink() {
        QVERIFY(
            Doc().OnSaveDocument(QFile::encodeName(app_->PathOf("Training.kdz")).toStdString()));
        QVERIFY(QDir(app_->PathOf({})).mkpath(QStringLiteral("Training-recordings")));
        QFile recording(app_->PathOf(QStringLiteral("Training-recordings/run.fit")));
        QVERIFY(recording.open(QIODevice::WriteOnly));
        recording.close();
        QString opened;
        services_->openLink = [&opened](const QString& target) {
            opened = target;
            return true;
        };
        auto workout = std::make_unique<CWorkOut>(*Doc().Library().FindWorkout(kEasyRun));
        workout->date = *NoonOfDay(2024, 5, 14);
        workout->recordingPath = "Training-recordings/run.fit";
        CWorkoutEditorSheet sheet(*workout, *services_);
        auto* link = Find<CLinkEdit>(*sheet.PerformancePage(), IDC_LINK);
        QVERIFY(link->OpenAction()->isEnabled());
        QVERIFY(link->OpenTarget());
        QCOMPARE(opened, recording.fileName());
        link->setText(QStringLiteral("Training-recordings/gone.fit"));
        QVERIFY(!link->OpenAction()->isEnabled());
    }

private:
    CKadenzoDoc& Doc() { return app_->Doc(); }
    const CWorkOut& Stored() { return *Doc().Log().Workouts().front(); }

    CDatabase::ConstWorkoutPos Add(std::uint32_t templateId, double date) {
        auto workout = std::make_unique<CWorkOut>(*Doc().Library().FindWorkout(templateId));
        return *edit::AddWorkout(Doc(), std::move(workout), edit::InDateOrder(date));
    }

    std::unique_ptr<AppFixture> app_;
    std::unique_ptr<EditorServices> services_;
};

QTEST_MAIN(WorkoutEditorTest)
#include "WorkoutEditorTest.moc"
