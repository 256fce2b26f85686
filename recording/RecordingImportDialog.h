#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "ImportedFigures.h"
#include "RecordingImportValues.h"
#include "StringTable.h"
#include "Units.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSettings;

namespace kadenzo {

class CHeartRateChart;
class HeartRateZoneRow;
class RecordingFileChooser;
class UserDialogs;

// The dialog through which a heart-rate recording enters a workout (template
// 247): the file, the chart with its two markers, the x-axis, and the
// summaries of the whole recording and of the marked section, each with or
// without pauses. Its state and rules are RecordingImportValues; this widget
// shows them and routes the user's input.
class CRecordingImportDialog : public QDialog {
    Q_OBJECT
public:
    // What the dialog works with, owned by the caller and outliving the dialog.
    struct Services {
        const UnitSettings& units;                // the program's live unit setting
        const StringTable& texts;                 // the language module
        std::function<std::int64_t()> now;        // seconds since 1970
        QSettings& settings;                      // "Import"/"LastPath": where the chooser starts
        UserDialogs& dialogs;                     // for the message on a file that cannot be read
        RecordingFileChooser* chooser = nullptr;  // null: Qt's file dialog
    };

    // Loads the request's file and restores its markers, so that reopening
    // shows the section chosen before. A file that cannot be read is reported
    // and the dialog opens without a recording.
    CRecordingImportDialog(const Services& services, const ImportRequest& request,
                        QWidget* parent = nullptr);
    ~CRecordingImportDialog() override;

    // What OK hands back: path, markers and both summaries.
    ImportedFigures Figures() const { return values_.Figures(); }
    const RecordingImportValues& Values() const { return values_; }
    CHeartRateChart* Chart() const { return chart_; }

    // Loads the named file as if it had been typed into the path field.
    // False (reported, nothing changed) when it cannot be read.
    bool LoadPath(const QString& path);
    // The browse button: chooses a file and loads it.
    void Browse();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Label(std::uint32_t id, const char* fallback) const;
    QGroupBox* MakeAxisBox();
    QGroupBox* MakeSummaryBox(std::uint32_t title, const char* fallback,
                              const std::array<int, 4>& ids, std::array<QLabel*, 4>& lines);
    QCheckBox* MakePausesBox(QGroupBox& box, int id, std::uint32_t text, const char* fallback);
    void ReportLoadFailure(ImportLoad status, const QString& path);
    void ShowRecording();
    void ShowFields();
    void ShowSummaries();
    void ShowMarkerTexts();
    void ApplyAxisMode(int axisMode);
    void OnMarkersChanged();

    Services services_;
    std::unique_ptr<RecordingFileChooser> ownChooser_;
    RecordingImportValues values_;
    QLineEdit* path_;
    CHeartRateChart* chart_;
    QButtonGroup* axis_;
    std::array<QRadioButton*, 3> axisButtons_{};
    QCheckBox* wholeExcludePauses_;
    QCheckBox* partExcludePauses_;
    std::array<QLabel*, 4> wholeTexts_{};
    std::array<QLabel*, 4> partTexts_{};
    std::array<QLabel*, 2> markerTexts_{};
    HeartRateZoneRow* zones_;
};

// Runs the dialog modally: the figures when the user confirms, nothing when
// he cancels.
std::optional<ImportedFigures> ImportRecording(const CRecordingImportDialog::Services& services,
                                               const ImportRequest& request,
                                               QWidget* parent = nullptr);

}  // namespace kadenzo
