#include "RecordingImportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "CoreText.h"
#include "HeartRateChart.h"
#include "HeartRateChartAccessible.h"
#include "HeartRateZoneRow.h"
#include "RecordingFileChooser.h"
#include "RecordingFileTypes.h"
#include "RecordingTexts.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

const QString kLastPathKey = QStringLiteral("Import/LastPath");

QString Named(QWidget* widget, int id) {
    const QString name = QString::number(id);
    widget->setObjectName(name);
    return name;
}

// The extensions the program reads, as a user writes them: ".hrm, .tur, .tour".
QString ExtensionList() {
    QStringList list;
    for (const std::string& extension : RecordingExtensions())
        list << QLatin1Char('.') + QString::fromStdString(extension);
    return list.join(QStringLiteral(", "));
}

}  // namespace

CRecordingImportDialog::CRecordingImportDialog(const Services& services, const ImportRequest& request,
                                         QWidget* parent)
    : QDialog(parent), services_(services), values_(services.units, services.texts) {
    using namespace recordingtext;
    if (!services_.chooser) {
        ownChooser_ = std::make_unique<QtRecordingFileChooser>();
        services_.chooser = ownChooser_.get();
    }
    setWindowTitle(Label(kImportTitle, "Import a heart-rate recording"));
    setSizeGripEnabled(true);

    auto* fileLabel = new QLabel(Label(kFileLabel, "&Recording:"), this);
    path_ = new QLineEdit(this);
    Named(path_, IDC_IMPORT_PATH);
    fileLabel->setBuddy(path_);
    path_->installEventFilter(this);
    connect(path_, &QLineEdit::editingFinished, this, [this] {
        if (path_->text() != QString::fromStdString(values_.Path())) LoadPath(path_->text());
    });
    auto* browse = new QPushButton(Label(kBrowse, "&Browse..."), this);
    Named(browse, IDC_IMPORT_BROWSE);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CRecordingImportDialog::Browse);

    InstallHeartRateChartAccessible();
    chart_ = new CHeartRateChart(this);
    chart_->setToolTip(Label(kChartHint, ""));
    chart_->setAccessibleName(windowTitle());
    chart_->SetMarkerNames(Label(IDS_A11Y_START_MARKER, "Start marker"),
                           Label(IDS_A11Y_END_MARKER, "End marker"));
    chart_->SetMarkerTimeFormat(Label(IDS_A11Y_MARKER_AT, "%s at %s"));
    connect(chart_, &CHeartRateChart::markersChanged, this, &CRecordingImportDialog::OnMarkersChanged);

    for (int k = 0; k < 2; ++k) {
        markerTexts_[k] = new QLabel(this);
        Named(markerTexts_[k], k == 0 ? IDC_IMPORT_MARKER1 : IDC_IMPORT_MARKER2);
    }

    QGroupBox* axisBox = MakeAxisBox();
    QGroupBox* wholeBox = MakeSummaryBox(kWholeGroup, "Whole recording",
                                         {IDC_IMPORT_WHOLE_DURATION, IDC_IMPORT_WHOLE_DISTANCE,
                                          IDC_IMPORT_WHOLE_AVERAGE, IDC_IMPORT_WHOLE_MAX},
                                         wholeTexts_);
    wholeExcludePauses_ = MakePausesBox(*wholeBox, IDC_IMPORT_WHOLE_EXCLUDE_PAUSES,
                                        kWholeExcludePauses, "Leave out &pauses");
    QGroupBox* partBox = MakeSummaryBox(kPartGroup, "Marked section",
                                        {IDC_IMPORT_PART_DURATION, IDC_IMPORT_PART_DISTANCE,
                                         IDC_IMPORT_PART_AVERAGE, IDC_IMPORT_PART_MAX},
                                        partTexts_);
    partExcludePauses_ = MakePausesBox(*partBox, IDC_IMPORT_PART_EXCLUDE_PAUSES, kPartExcludePauses,
                                       "Leave out p&auses");
    connect(wholeExcludePauses_, &QCheckBox::toggled, this, [this](bool on) {
        values_.SetWholeExcludePauses(on);
        ShowFields();
    });
    connect(partExcludePauses_, &QCheckBox::toggled, this, [this](bool on) {
        values_.SetPartExcludePauses(on);
        ShowFields();
    });

    zones_ = new HeartRateZoneRow(
        {Label(IDS_ZONES_TITLE, "Time in heart-rate zones, marked section"),
         Label(IDS_ZONE_NAME, "%i-%i %%"), Label(IDS_ZONE_MINUTES, "%i min"),
         Label(IDS_ZONES_NO_MAXIMUM, "No maximum heart rate is known for this workout's day.")},
        this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse);
    auto* markerRow = new QHBoxLayout;
    markerRow->addWidget(markerTexts_[0]);
    markerRow->addStretch();
    markerRow->addWidget(markerTexts_[1]);
    auto* figures = new QHBoxLayout;
    figures->addWidget(axisBox);
    figures->addWidget(wholeBox, 1);
    figures->addWidget(partBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(chart_, 1);
    layout->addLayout(markerRow);
    layout->addLayout(figures);
    layout->addWidget(zones_);
    layout->addWidget(buttons);
    resize(760, 640);

    const ImportLoad opened = values_.Open(request, services_.now());
    ShowRecording();
    chart_->SetMarkers(values_.Marker1(), values_.Marker2());
    if (opened != ImportLoad::kLoaded && opened != ImportLoad::kNoFile)
        ReportLoadFailure(opened, QString::fromStdString(request.path));
}

QGroupBox* CRecordingImportDialog::MakeAxisBox() {
    using namespace recordingtext;
    auto* box = new QGroupBox(Label(kAxisGroup, "X-axis"), this);
    auto* layout = new QVBoxLayout(box);
    axis_ = new QButtonGroup(this);
    const struct {
        int mode;
        int id;
        std::uint32_t text;
        const char* fallback;
    } kAxes[] = {{kAxisDistance, IDC_IMPORT_AXIS, kDistanceAxis, "&Distance"},
                 {kAxisTimeOfDay, IDC_IMPORT_AXIS_TIME_OF_DAY, kTimeOfDayAxis, "&Time of day"},
                 {kAxisElapsedTime, IDC_IMPORT_AXIS_3, kElapsedTimeAxis, "&Elapsed time"}};
    for (const auto& entry : kAxes) {
        auto* button = new QRadioButton(Label(entry.text, entry.fallback), box);
        Named(button, entry.id);
        axis_->addButton(button, entry.mode);
        axisButtons_[entry.mode] = button;
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(axis_, &QButtonGroup::idClicked, this, &CRecordingImportDialog::ApplyAxisMode);
    return box;
}

QGroupBox* CRecordingImportDialog::MakeSummaryBox(std::uint32_t title, const char* fallback,
                                               const std::array<int, 4>& ids,
                                               std::array<QLabel*, 4>& lines) {
    auto* box = new QGroupBox(Label(title, fallback), this);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < 4; ++i) {
        lines[i] = new QLabel(box);
        Named(lines[i], ids[i]);
        // The figures are what the dialog is read for: Tab stops at each, as
        // a screen reader's user reads them, and they can be copied.
        lines[i]->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        lines[i]->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(lines[i]);
    }
    return box;
}

QCheckBox* CRecordingImportDialog::MakePausesBox(QGroupBox& box, int id, std::uint32_t text,
                                              const char* fallback) {
    auto* pauses = new QCheckBox(Label(text, fallback), &box);
    Named(pauses, id);
    box.layout()->addWidget(pauses);
    return pauses;
}

CRecordingImportDialog::~CRecordingImportDialog() {
    // The children outlive the values: a path field losing the focus as the
    // dialog goes must not load into them.
    path_->disconnect(this);
    chart_->disconnect(this);
}

QString CRecordingImportDialog::Label(std::uint32_t id, const char* fallback) const {
    const std::string text = services_.texts.Text(id);
    return text.empty() ? QString::fromUtf8(fallback) : FromBytes(text);
}

bool CRecordingImportDialog::LoadPath(const QString& path) {
    const ImportLoad status = values_.Load(path.toStdString(), services_.now());
    if (!ImportLoaded(status)) {
        // The field shows the loaded file again before the message comes up:
        // the message takes the focus from the field, and a field still
        // naming the failed file would load it again as it loses the focus.
        path_->setText(QString::fromStdString(values_.Path()));
        if (status != ImportLoad::kNoFile) ReportLoadFailure(status, path);
        return false;
    }
    ShowRecording();
    if (status == ImportLoad::kCutShort) ReportLoadFailure(status, path);
    return true;
}

void CRecordingImportDialog::Browse() {
    const QString folder = services_.settings.value(kLastPathKey, QString()).toString();
    const QString filter = FromBytes(JoinFileFilter(values_.BrowseFilter()));
    const QString chosen = services_.chooser->ChooseFile(this, folder, filter);
    if (!chosen.isEmpty()) {
        path_->setText(chosen);
        LoadPath(chosen);
        services_.settings.setValue(
            kLastPathKey,
            QString::fromStdString(RecordingImportValues::FolderOf(chosen.toStdString())));
    }
    chart_->setFocus(Qt::OtherFocusReason);
}

bool CRecordingImportDialog::eventFilter(QObject* watched, QEvent* event) {
    // Return in the path field loads the file instead of closing the dialog.
    if (watched == path_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (path_->text() != QString::fromStdString(values_.Path())) LoadPath(path_->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CRecordingImportDialog::ReportLoadFailure(ImportLoad status, const QString& path) {
    using namespace recordingtext;
    const QString file = QDir::toNativeSeparators(path);
    QString text;
    switch (status) {
        case ImportLoad::kNotRecognised:
            text = FormatText(
                Label(kNotRecognised, "%s is not a recording of the kind its name says."), {file});
            break;
        case ImportLoad::kUnknownType:
            text = FormatText(
                Label(kUnknownType,
                      "%s is not a heart-rate recording. Kadenzo reads files ending in %s."),
                {file, ExtensionList()});
            break;
        case ImportLoad::kNoSamples:
            text = FormatText(Label(kNoSamples, "The recording %s holds no samples."), {file});
            break;
        case ImportLoad::kDamaged:
            text = FormatText(Label(kDamaged, "The recording %s is damaged and cannot be read."),
                              {file});
            break;
        case ImportLoad::kCutShort:
            text = FormatText(
                Label(kCutShort, "The recording %s ends early; the part before the cut was read."),
                {file});
            break;
        default:
            text = FormatText(Label(kCannotOpen, "The recording %s cannot be opened."), {file});
            break;
    }
    services_.dialogs.Message(text, UserDialogs::Icon::Warning);
}

void CRecordingImportDialog::ShowRecording() {
    chart_->SetDistanceUnit(FromBytes(UnitLabel(kUnitDistance, services_.units, services_.texts)));
    chart_->SetRecording(&values_.Recording());
    chart_->SetChannels(values_.Channels());
    chart_->SetMode(values_.ChartMode());
    path_->setText(QString::fromStdString(values_.Path()));
    ShowFields();
}

void CRecordingImportDialog::ShowFields() {
    for (int mode = 0; mode < 3; ++mode) {
        axisButtons_[mode]->setEnabled(values_.AxisModeAvailable(mode));
        const QSignalBlocker blocker(axisButtons_[mode]);
        axisButtons_[mode]->setChecked(values_.AxisMode() == mode);
    }
    {
        const QSignalBlocker whole(wholeExcludePauses_);
        const QSignalBlocker part(partExcludePauses_);
        wholeExcludePauses_->setEnabled(values_.WholeExcludePausesEnabled());
        wholeExcludePauses_->setChecked(values_.WholeExcludePauses());
        partExcludePauses_->setEnabled(values_.PartExcludePausesEnabled());
        partExcludePauses_->setChecked(values_.PartExcludePauses());
    }
    ShowSummaries();
    ShowMarkerTexts();
}

void CRecordingImportDialog::ShowSummaries() {
    const SummaryTexts whole = values_.WholeTexts();
    const SummaryTexts part = values_.PartTexts();
    const std::array<const std::string*, 4> wholeLines = {&whole.duration, &whole.distance,
                                                          &whole.average, &whole.maximum};
    const std::array<const std::string*, 4> partLines = {&part.duration, &part.distance,
                                                         &part.average, &part.maximum};
    for (int i = 0; i < 4; ++i) {
        wholeTexts_[i]->setText(FromBytes(*wholeLines[i]));
        partTexts_[i]->setText(FromBytes(*partLines[i]));
    }
    zones_->Show(values_.PartZones(), values_.MaxHeartRate());
    // A screen reader hears what the section holds as the markers move.
    chart_->setAccessibleDescription(
        FormatText(Label(IDS_A11Y_SECTION_SUMMARY, "%s: %s, %s, %s, %s"),
                   {Label(recordingtext::kPartGroup, "Marked section"), FromBytes(part.duration),
                    FromBytes(part.distance), FromBytes(part.average), FromBytes(part.maximum)}));
}

void CRecordingImportDialog::ShowMarkerTexts() {
    const std::array<std::string, 2> texts = values_.MarkerTexts();
    for (int k = 0; k < 2; ++k) markerTexts_[k]->setText(FromBytes(texts[k]));
}

void CRecordingImportDialog::ApplyAxisMode(int axisMode) {
    values_.SetAxisMode(axisMode);
    chart_->SetMode(values_.ChartMode());
    ShowFields();
}

void CRecordingImportDialog::OnMarkersChanged() {
    values_.SetMarkers(chart_->GetMarker(0), chart_->GetMarker(1));
    ShowSummaries();
    ShowMarkerTexts();
}

std::optional<ImportedFigures> ImportRecording(const CRecordingImportDialog::Services& services,
                                               const ImportRequest& request, QWidget* parent) {
    CRecordingImportDialog dialog(services, request, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Figures();
}

}  // namespace kadenzo
