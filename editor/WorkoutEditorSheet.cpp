#include "WorkoutEditorSheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "EditorTexts.h"
#include "FieldRefusal.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "Texts.h"
#include "WOPerformancePage.h"
#include "WOSetupPage.h"

namespace kadenzo {
namespace {

// Notes whether the document was replaced (load, undo, redo) while the sheet
// was open, which would leave its workout position behind.
class ReplacementWatch : public DocumentObserver {
public:
    explicit ReplacementWatch(CKadenzoDoc& doc) : doc_(doc) { doc_.AddObserver(this); }
    ~ReplacementWatch() override { doc_.RemoveObserver(this); }
    void OnDocumentChanged(const DocumentChange&) override {}
    void OnDocumentReplacing() override { replaced = true; }
    bool replaced = false;

private:
    CKadenzoDoc& doc_;
};

}  // namespace

CWorkoutEditorSheet::CWorkoutEditorSheet(const CWorkOut& workout, const EditorServices& services,
                                         QWidget* parent)
    : QDialog(parent), services_(services), workout_(workout) {
    setObjectName(QStringLiteral("WorkoutEditor"));
    if (const std::optional<DateParts> day = PartsFromDateTime(workout_.date))
        setWindowTitle(QString::fromStdString(FormatDate(*day)));

    pages_ = new QTabWidget(this);
    // The pages are the workout of the day the title names.
    pages_->setAccessibleName(windowTitle());
    setup_ = new CWOSetupPage(workout_, services, pages_);
    pages_->addTab(setup_, Texts().TextOr(editortext::kSetupTab, QStringLiteral("Plan")));
    // A workout planned for a later day has nothing performed yet.
    if (DayNumber(workout_.date) <= services.doc.Context().Today()) {
        performance_ = new CWOPerformancePage(workout_, services, pages_);
        pages_->addTab(performance_,
                       Texts().TextOr(editortext::kPerformanceTab, QStringLiteral("Performance")));
        connect(setup_, &CWOSetupPage::SportChanged, performance_, &CWOPerformancePage::Activate);
        connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
            if (pages_->widget(index) == performance_) performance_->Activate();
        });
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CWorkoutEditorSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

CWorkoutEditorSheet::~CWorkoutEditorSheet() = default;

void CWorkoutEditorSheet::accept() {
    // Nothing goes into the copy while a page refuses a figure.
    QWidget* page = setup_;
    std::optional<RefusedField> refused = setup_->Refused();
    if (!refused && performance_) {
        page = performance_;
        refused = performance_->Refused();
    }
    if (refused) {
        pages_->setCurrentWidget(page);
        RefuseField(*refused, services_.doc.Context().Texts(), services_.dialogs);
        return;
    }
    setup_->Apply();
    if (performance_) performance_->Apply();
    QDialog::accept();
}

bool RunWorkoutEditor(const EditorServices& services, CDatabase::ConstWorkoutPos position,
                      QWidget* parent) {
    CKadenzoDoc& doc = services.doc;
    if (position == doc.Log().EndWorkouts()) return false;
    ReplacementWatch watch(doc);
    CWorkoutEditorSheet sheet(**position, services, parent);
    if (sheet.exec() != QDialog::Accepted || watch.replaced) return false;
    return edit::ReplaceWorkout(doc, position, sheet.Workout());
}

TextService CWorkoutEditorSheet::Texts() const { return TextService(services_.doc.Context()); }

}  // namespace kadenzo
