// The diary in the program around it: the main frame with the diary view and
// the document it shows, opened and replaced as the user does it.
#include <QTest>

#include "DayPanel.h"
#include "DiaryDates.h"
#include "DiaryViewInstall.h"
#include "DocumentEdits.h"
#include "KadenzoView.h"
#include "TestSupport.h"

using namespace kadenzo;

class DiaryDocumentTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> app_;

    CKadenzoView* Diary() const { return qobject_cast<CKadenzoView*>(app_->frame->ActiveView()); }

    void AddWorkout(int day, std::uint32_t templateId) {
        auto workout = std::make_unique<CWorkOut>();
        workout->templateId = templateId;
        workout->sportId = 1;
        workout->plannedDuration = 45;
        QVERIFY(edit::AddWorkout(app_->Doc(), std::move(workout), edit::InDateOrder(day + 0.75)));
    }

private slots:
    void init() {
        RegisterLibraryClasses();
        app_ = std::make_unique<AppFixture>(StarterLibrary());
        app_->dialogs.profile = [](AthleteProfile& profile, bool) {
            profile.maxHeartRate = 190;
            return true;
        };
        InstallDiaryView(app_->MakeFrame());
        app_->frame->resize(1000, 700);
        app_->frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(app_->frame.get()));
    }

    void cleanup() { app_.reset(); }

    // Opening a diary whose records the program's library lacks warns about
    // them; while that message is up the window may be resized and repaint.
    // By then the panels must show the new log, never the freed old one.
    void theWindowRepaintsSafelyWhileTheDroppedRecordsMessageIsUp() {
        const int today = app_->context.Today();
        // A diary from another computer whose library has one more template.
        auto library = app_->Doc().Library().Clone();
        library->computerName = "LAPTOP";
        CLibWorkout& extra = library->workoutTemplates.AddNew();
        extra.name = "Gone here";
        extra.sportId = 1;
        const std::uint32_t gone = extra.id;
        const QString path = app_->PathOf(QStringLiteral("dropped.kdz"));
        {
            AppContext other;
            other.library = std::move(library);
            CKadenzoDoc doc(other);
            DocumentContents contents;
            contents.birthDate = 315532800;
            contents.log = std::make_unique<CDatabase>();
            for (std::uint32_t templateId : {1u, gone, gone}) {
                auto w = std::make_unique<CWorkOut>();
                w->templateId = templateId;
                w->sportId = 1;
                w->date = today + 0.5;
                contents.log->AddWorkout(std::move(w));
            }
            doc.SetContents(std::move(contents));
            QVERIFY(doc.OnSaveDocument(path.toStdString()));
        }
        // The diary on screen shows workouts of its own on the same days.
        for (int i = 0; i < 3; ++i) AddWorkout(today, 1);
        app_->Doc().SetModifiedFlag(false);

        int repaints = 0;
        app_->dialogs.whileShown = [&] {
            app_->frame->resize(app_->frame->width() + 120, app_->frame->height() + 80);
            app_->frame->repaint();
            app_->frame->grab();
            QCoreApplication::processEvents();
            const CDayPanel* panel = Diary()->DayPanel(0, Weekday(today));
            QVERIFY(panel->Slot(0).has_value());
            QCOMPARE(panel->Slot(0).value()->get(), app_->Doc().Log().Workouts().front().get());
            ++repaints;
        };
        app_->dialogs.yesNo = {false};  // keep this computer's library: two records go
        QVERIFY(app_->document->OpenDocumentFile(path));
        QCOMPARE(repaints, 1);
        QCOMPARE(app_->Doc().Log().WorkoutCount(), std::size_t{1});
    }
};

QTEST_MAIN(DiaryDocumentTest)
#include "DiaryDocumentTest.moc"
