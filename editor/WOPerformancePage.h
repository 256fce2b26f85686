#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "FieldRefusal.h"
#include "PerformancePageValues.h"
#include "Texts.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kadenzo {

class CLinkEdit;
class CWorkOut;
class NoteEdit;
struct EditorServices;

// The performance page of the workout editor (template 133): what was done,
// for the whole workout and for the marked section of its recording. Its
// rules are PerformancePageValues; this widget shows them and routes the
// user's input.
class CWOPerformancePage : public QWidget {
    Q_OBJECT
public:
    CWOPerformancePage(CWorkOut& workout, const EditorServices& services,
                       QWidget* parent = nullptr);
    ~CWOPerformancePage() override;

    const PerformancePageValues& Values() const { return *values_; }
    // The page comes to the front, or the workout's sport changed: the
    // sub-sports, tracks and distance fields follow the sport.
    void Activate();
    // The import button: the recording import, then its figures.
    void Import();
    // The browse button: a file chosen becomes the recording's path.
    void Browse();
    // OK of the sheet, first: the figure whose value the workout cannot hold,
    // read as the fields show them, with its set of figures shown; nothing
    // when the page can be applied.
    std::optional<RefusedField> Refused();
    // Then: the page's fields go into the workout.
    void Apply();

private:
    // The controls of one set of figures.
    struct SetControls {
        QLineEdit* distance = nullptr;
        QLabel* readout = nullptr;
        QLineEdit* duration = nullptr;
        QLineEdit* average = nullptr;
        QLineEdit* maximum = nullptr;
        // The figures' fields in the order of PerformancePageValues::Field.
        std::array<QLineEdit*, 4> Fields() const { return {distance, duration, average, maximum}; }
    };

    QWidget* MakeFiguresBox();
    QWidget* MakeDetailsBox();
    void MakeSetControls(PerformancePageValues::Set set, const std::array<int, 5>& ids);
    void ShowFields();
    // The figures' texts and read-outs.
    void ShowFigures();
    void ShowSet();
    void RefreshReadout(PerformancePageValues::Set set);
    // The fields' texts into the values, where they differ.
    void ReadFigures();

    // The texts of the document's context.
    TextService Texts() const;

    const EditorServices& services_;
    std::unique_ptr<PerformancePageValues> values_;
    std::array<SetControls, 2> sets_;
    QButtonGroup* view_;
    QLabel* distanceLabel_;
    QLabel* readoutLabel_;
    // The labels of distance, duration, average and maximum: buddies, and so
    // accessible names, of the fields of the set shown.
    std::array<QLabel*, 4> figureLabels_;
    QCheckBox* maxTest_;
    QComboBox* subSport_;
    QComboBox* track_;
    QComboBox* intensity_;
    NoteEdit* comment_;
    CLinkEdit* recordingPath_;
};

}  // namespace kadenzo
