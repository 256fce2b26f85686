#pragma once

#include <QDialog>

#include "Database.h"
#include "EditorServices.h"
#include "Texts.h"
#include "WorkOut.h"

class QTabWidget;

namespace kadenzo {

class CWOPerformancePage;
class CWOSetupPage;

// The workout editor: one workout's plan and, for a workout whose day has
// come, its performance, as two pages over a copy of the workout. OK writes
// the pages into the copy; the caller decides what becomes of it. A figure
// the workout cannot hold keeps the sheet open on its field, with a message.
class CWorkoutEditorSheet : public QDialog {
    Q_OBJECT
public:
    CWorkoutEditorSheet(const CWorkOut& workout, const EditorServices& services,
                        QWidget* parent = nullptr);
    ~CWorkoutEditorSheet() override;

    // The copy: as edited once OK succeeded.
    const CWorkOut& Workout() const { return workout_; }
    CWOSetupPage* SetupPage() const { return setup_; }
    // Null for a workout planned for a later day.
    CWOPerformancePage* PerformancePage() const { return performance_; }
    QTabWidget* Pages() const { return pages_; }

    void accept() override;

private:
    // The texts of the document's context.
    TextService Texts() const;

    const EditorServices& services_;
    CWorkOut workout_;
    QTabWidget* pages_;
    CWOSetupPage* setup_;
    CWOPerformancePage* performance_ = nullptr;
};

// Edits the workout at `position` in the sheet. On OK a copy that differs
// from the stored workout replaces it as one change. True when the document
// changed.
bool RunWorkoutEditor(const EditorServices& services, CDatabase::ConstWorkoutPos position,
                      QWidget* parent);

}  // namespace kadenzo
