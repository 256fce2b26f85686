#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "FieldRefusal.h"
#include "SetupPageValues.h"
#include "Texts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kadenzo {

class CLinkEdit;
class CWorkOut;
class NoteEdit;
struct EditorServices;

// The set-up page of the workout editor (template 134): the plan. Its rules
// are SetupPageValues; this widget shows them and routes the user's input.
class CWOSetupPage : public QWidget {
    Q_OBJECT
public:
    CWOSetupPage(CWorkOut& workout, const EditorServices& services, QWidget* parent = nullptr);
    ~CWOSetupPage() override;

    const SetupPageValues& Values() const { return *values_; }
    // The template button: the chooser, then the chosen template's plan.
    void ChooseTemplate();
    // The browse button: a file chosen becomes the link.
    void Browse();
    // OK of the sheet, first: the field whose value the workout cannot hold,
    // read as the field shows it; nothing when the page can be applied.
    std::optional<RefusedField> Refused();
    // Then: the page's fields go into the workout.
    void Apply();

signals:
    // The workout's sport may have changed (by the user or a template).
    void SportChanged();

private:
    void ShowFields();

    // The texts of the document's context.
    TextService Texts() const;

    const EditorServices& services_;
    std::unique_ptr<SetupPageValues> values_;
    QLabel* templateName_;
    QPushButton* chooseTemplate_;
    QLabel* templateComment_;
    QComboBox* sport_;
    QLineEdit* planned_;
    QLabel* heartRate_;
    QCheckBox* flag_;
    NoteEdit* note_;
    CLinkEdit* link_;
};

}  // namespace kadenzo
