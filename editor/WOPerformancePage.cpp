#include "WOPerformancePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ControlId.h"
#include "EditorQt.h"
#include "EditorServices.h"
#include "EditorTexts.h"
#include "FigureText.h"
#include "KadenzoDoc.h"
#include "LinkEdit.h"
#include "RecordingFile.h"
#include "RecordingPaths.h"
#include "NoteEdit.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kAskTakeEmpty = 33062;

using Set = PerformancePageValues::Set;
constexpr Set kSets[] = {PerformancePageValues::kWhole, PerformancePageValues::kPart};

// Every file the recording import reads, then each format, then any file.
QString RecordingFilter(const TextService& texts) {
    QStringList all;
    QStringList entries;
    for (const RecordingFileFilter& format : RecordingFileFilters()) {
        QStringList patterns;
        for (const std::string& pattern : format.patterns)
            patterns << QString::fromStdString(pattern);
        all << patterns;
        entries << QStringLiteral("%1 (%2)").arg(QString::fromStdString(format.name),
                                                 patterns.join(QLatin1Char(' ')));
    }
    entries.prepend(QStringLiteral("%1 (%2)").arg(
        texts.TextOr(editortext::kRecordingsFilter, QStringLiteral("Heart-rate recordings")),
        all.join(QLatin1Char(' '))));
    entries << texts.TextOr(editortext::kAllFilesFilter, QStringLiteral("All files (*)"));
    return entries.join(QStringLiteral(";;"));
}

QLineEdit* FigureField(int id, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    SetControlId(field, id);
    field->setMaxLength(63);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000:00:00")) +
                           24);
    return field;
}

}  // namespace

CWOPerformancePage::CWOPerformancePage(CWorkOut& workout, const EditorServices& services,
                                       QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QString::number(IDD_WO_PERFORMANCE));
    const CKadenzoDoc& doc = services_.doc;
    const AppContext& context = doc.Context();
    values_ = std::make_unique<PerformancePageValues>(
        workout, PerformancePageValues::Context{
                     doc.Library(), context.units, context.Texts(),
                     [&doc](const CWorkOut& w) { return doc.MaxHeartRate(w); }});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeFiguresBox());
    layout->addWidget(MakeDetailsBox(), 1);
    ShowFields();
}

CWOPerformancePage::~CWOPerformancePage() = default;

QWidget* CWOPerformancePage::MakeFiguresBox() {
    using namespace editortext;
    auto* box = new QGroupBox(Texts().TextOr(kFiguresGroup, QStringLiteral("Figures")), this);
    auto* grid = new QGridLayout(box);

    view_ = new QButtonGroup(this);
    auto* views = new QHBoxLayout;
    const std::pair<int, QString> buttons[] = {
        {IDC_PERF_VIEW_WHOLE, Texts().TextOr(kWholeWorkout, QStringLiteral("&Whole workout"))},
        {IDC_PERF_VIEW_PART, Texts().TextOr(kMarkedSection, QStringLiteral("&Marked section"))}};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(buttons[i].second, box);
        SetControlId(button, buttons[i].first);
        view_->addButton(button, i);
        views->addWidget(button);
    }
    views->addStretch(1);
    connect(view_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked) return;
        values_->view = id;
        ShowSet();
    });
    grid->addLayout(views, 0, 0, 1, 3);

    const AppContext& context = services_.doc.Context();
    distanceLabel_ = new QLabel(
        FormatText(Texts().TextOr(kDistance, QStringLiteral("&Distance (%s):")),
                   {FromBytes(UnitLabel(kUnitDistance, context.units, context.Texts()))}),
        box);
    SetControlId(distanceLabel_, IDC_PERF_DISTANCE_LABEL1);
    readoutLabel_ = new QLabel(Texts().TextOr(kSpeedAndPace, QStringLiteral("Speed, pace:")), box);
    SetControlId(readoutLabel_, IDC_PERF_DISTANCE_LABEL2);
    QLabel* labels[] = {
        distanceLabel_, readoutLabel_,
        new QLabel(Texts().TextOr(kDuration, QStringLiteral("D&uration:")), box),
        new QLabel(Texts().TextOr(kAverageHeartRate, QStringLiteral("&Average heart rate:")), box),
        new QLabel(Texts().TextOr(kMaximumHeartRate, QStringLiteral("Ma&ximum heart rate:")), box)};
    for (int row = 0; row < 5; ++row) grid->addWidget(labels[row], row + 1, 0);
    figureLabels_ = {labels[0], labels[2], labels[3], labels[4]};

    MakeSetControls(PerformancePageValues::kWhole,
                    {IDC_PERF_WHOLE_DISTANCE, IDC_PERF_WHOLE_SPEED, IDC_PERF_WHOLE_DURATION,
                     IDC_PERF_WHOLE_AVERAGE, IDC_PERF_WHOLE_MAX});
    MakeSetControls(PerformancePageValues::kPart,
                    {IDC_PERF_PART_DISTANCE, IDC_PERF_PART_SPEED, IDC_PERF_PART_DURATION,
                     IDC_PERF_PART_AVERAGE, IDC_PERF_PART_MAX});
    for (Set set : kSets) {
        // Both sets share the cells; only the chosen one shows.
        const SetControls& controls = sets_[set];
        QWidget* column[] = {controls.distance, controls.readout, controls.duration,
                             controls.average, controls.maximum};
        for (int row = 0; row < 5; ++row) grid->addWidget(column[row], row + 1, 1);
    }

    maxTest_ = new QCheckBox(
        Texts().TextOr(kMaximumTest,
                       QStringLiteral("This workout measured my maximum heart ra&te")),
        box);
    SetControlId(maxTest_, IDC_PERF_MAX_TEST);
    connect(maxTest_, &QCheckBox::toggled, this, [this](bool on) { values_->maxTest = on; });
    grid->addWidget(maxTest_, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

void CWOPerformancePage::MakeSetControls(Set set, const std::array<int, 5>& ids) {
    SetControls& controls = sets_[set];
    controls.distance = FigureField(ids[0], this);
    controls.readout = new QLabel(this);
    SetControlId(controls.readout, ids[1]);
    controls.readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    controls.duration = FigureField(ids[2], this);
    controls.average = FigureField(ids[3], this);
    controls.maximum = FigureField(ids[4], this);
    // Digits only; whether the workout can hold the number is OK's to say.
    for (QLineEdit* rate : {controls.average, controls.maximum}) {
        rate->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), rate));
    }

    connect(controls.distance, &QLineEdit::textEdited, this, [this, set](const QString& text) {
        values_->Of(set).distanceText = ToBytes(text);
        RefreshReadout(set);
    });
    connect(controls.duration, &QLineEdit::textEdited, this, [this, set](const QString& text) {
        values_->SetDurationText(set, ToBytes(text));
        RefreshReadout(set);
    });
    connect(controls.average, &QLineEdit::textEdited, this,
            [this, set](const QString& text) { values_->Of(set).averageText = ToBytes(text); });
    connect(controls.maximum, &QLineEdit::textEdited, this,
            [this, set](const QString& text) { values_->Of(set).maximumText = ToBytes(text); });
}

QWidget* CWOPerformancePage::MakeDetailsBox() {
    using namespace editortext;
    auto* box = new QGroupBox(Texts().TextOr(kDetailsGroup, QStringLiteral("Details")), this);
    auto* form = new QFormLayout(box);

    subSport_ = new QComboBox(box);
    SetControlId(subSport_, IDC_PERF_SUBSPORT);
    connect(subSport_, &QComboBox::currentIndexChanged, this,
            [this](int index) { values_->SelectSubSport(index); });
    track_ = new QComboBox(box);
    SetControlId(track_, IDC_PERF_TRACK);
    connect(track_, &QComboBox::currentIndexChanged, this, [this](int index) {
        values_->ChooseTrack(index);
        ShowFigures();
    });
    intensity_ = new QComboBox(box);
    SetControlId(intensity_, IDC_PERF_INTENSITY);
    connect(intensity_, &QComboBox::currentIndexChanged, this,
            [this](int index) { values_->SelectIntensity(index); });

    comment_ = new NoteEdit(box);
    SetControlId(comment_, IDC_PERF_COMMENT);
    connect(comment_, &QPlainTextEdit::textChanged, this,
            [this] { values_->comment = ToBytes(comment_->toPlainText()); });

    recordingPath_ = new CLinkEdit(Texts(), box, services_.openLink);
    SetControlId(recordingPath_, IDC_LINK);
    // Recordings a device import copied beside the diary are named from its folder.
    recordingPath_->SetResolver([&doc = services_.doc](const QString& text) {
        if (text.contains(QStringLiteral("://"))) return text;
        return QFile::decodeName(ResolveRecordingPath(ToBytes(text), doc.PathName()).c_str());
    });
    connect(recordingPath_, &QLineEdit::textEdited, this,
            [this](const QString& text) { values_->recordingPath = ToBytes(text); });
    auto* browse = new QPushButton(Texts().TextOr(kBrowse, QStringLiteral("&Browse...")), box);
    SetControlId(browse, IDC_PERF_BROWSE);
    connect(browse, &QPushButton::clicked, this, &CWOPerformancePage::Browse);
    auto* import = new QPushButton(Texts().TextOr(kImport, QStringLiteral("&Import...")), box);
    SetControlId(import, IDC_PERF_IMPORT);
    connect(import, &QPushButton::clicked, this, &CWOPerformancePage::Import);
    auto* recordingRow = new QHBoxLayout;
    recordingRow->addWidget(recordingPath_, 1);
    recordingRow->addWidget(browse);
    recordingRow->addWidget(import);

    form->addRow(Texts().TextOr(kSubSport, QStringLiteral("Su&b-sport:")), subSport_);
    form->addRow(Texts().TextOr(kTrack, QStringLiteral("&Track:")), track_);
    form->addRow(Texts().TextOr(kIntensity, QStringLiteral("I&ntensity:")), intensity_);
    form->addRow(Texts().TextOr(kComment, QStringLiteral("&Comment:")), comment_);
    form->addRow(Texts().TextOr(kRecording, QStringLiteral("&Recording:")), recordingRow);
    for (QWidget* field :
         std::initializer_list<QWidget*>{subSport_, track_, intensity_, comment_, recordingPath_}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) label->setBuddy(field);
    }
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(recordingRow)))
        label->setBuddy(recordingPath_);
    setTabOrder(comment_, recordingPath_);
    return box;
}

void CWOPerformancePage::ShowFigures() {
    for (Set set : kSets) {
        const PerformancePageValues::Figures& figures = values_->Of(set);
        SetControls& controls = sets_[set];
        controls.distance->setText(FromBytes(figures.distanceText));
        controls.duration->setText(FromBytes(figures.durationText));
        controls.average->setText(FromBytes(figures.averageText));
        controls.maximum->setText(FromBytes(figures.maximumText));
        RefreshReadout(set);
    }
}

void CWOPerformancePage::ShowFields() {
    const PerformancePageValues& values = *values_;
    {
        const QSignalBlocker blocker(view_);
        view_->button(values.view == PerformancePageValues::kPart ? 1 : 0)->setChecked(true);
    }
    {
        const QSignalBlocker blocker(maxTest_);
        maxTest_->setChecked(values.maxTest);
    }
    {
        const QSignalBlocker blocker(comment_);
        if (comment_->toPlainText() != FromBytes(values.comment))
            comment_->setPlainText(FromBytes(values.comment));
    }
    recordingPath_->setText(FromBytes(values.recordingPath));
    recordingPath_->setCursorPosition(0);
    const StringTable& texts = Texts().Table();
    ShowChoices(*track_, values.Tracks(), values.TrackIndex(), texts);
    ShowChoices(*intensity_, values.Intensities(), values.IntensityIndex(), texts);
    ShowChoices(*subSport_, values.SubSports(), values.SubSportIndex(), texts);
    subSport_->setEnabled(values.SubSportEnabled());
    ShowSet();
    ShowFigures();
}

void CWOPerformancePage::ShowSet() {
    const bool distance = values_->HasDistance();
    distanceLabel_->setVisible(distance);
    readoutLabel_->setVisible(distance);
    for (Set set : kSets) {
        const SetControls& controls = sets_[set];
        const bool shown = values_->FiguresShown(set);
        const bool distanceShown = values_->DistanceShown(set);
        controls.distance->setVisible(distanceShown);
        controls.readout->setVisible(distanceShown);
        controls.duration->setVisible(shown);
        controls.average->setVisible(shown);
        controls.maximum->setVisible(shown);
        if (shown) {
            for (std::size_t i = 0; i < figureLabels_.size(); ++i)
                figureLabels_[i]->setBuddy(controls.Fields()[i]);
        }
    }
}

void CWOPerformancePage::RefreshReadout(Set set) {
    if (const std::optional<std::string> text = values_->Readout(set))
        sets_[set].readout->setText(FromBytes(*text));
}

void CWOPerformancePage::Activate() {
    values_->RefreshLists();
    ShowFields();
}

void CWOPerformancePage::Import() {
    if (!services_.importRecording) return;
    const std::optional<ImportedFigures> imported =
        services_.importRecording(values_->ImportRequestFor(), this);
    if (!imported) return;
    const PerformanceFigures page = values_->PageFigures();
    bool takeEmpty = true;
    if (ImportBlanksFigures(page, *imported))
        takeEmpty =
            services_.dialogs.AskYesNo(Texts().Text(kAskTakeEmpty), UserDialogs::Icon::Question);
    values_->TakeFigures(TakeImportedFigures(page, *imported, takeEmpty));
    ShowFields();
}

void CWOPerformancePage::Browse() {
    const QString path = services_.dialogs.OpenFileName(RecordingFilter(Texts()));
    if (path.isEmpty()) return;
    values_->recordingPath = ToBytes(path);
    recordingPath_->setText(path);
}

void CWOPerformancePage::ReadFigures() {
    // Text set without typing (by assistive tools) reaches the values here.
    for (Set set : kSets) {
        PerformancePageValues::Figures& figures = values_->Of(set);
        const SetControls& controls = sets_[set];
        figures.distanceText = ToBytes(controls.distance->text());
        const std::string duration = ToBytes(controls.duration->text());
        // An untouched duration keeps its stored minutes, seconds' fractions included.
        if (duration != figures.durationText) values_->SetDurationText(set, duration);
        figures.averageText = ToBytes(controls.average->text());
        figures.maximumText = ToBytes(controls.maximum->text());
    }
}

std::optional<RefusedField> CWOPerformancePage::Refused() {
    ReadFigures();
    const std::optional<PerformancePageValues::Refusal> refusal = values_->Check();
    if (!refusal) return std::nullopt;
    if (values_->view != refusal->set) {
        values_->view = refusal->set;
        const QSignalBlocker blocker(view_);
        view_->button(refusal->set)->setChecked(true);
        ShowSet();
    }
    return RefusedField{sets_[refusal->set].Fields()[refusal->field],
                        PerformancePageValues::Range(refusal->set, refusal->field)};
}

void CWOPerformancePage::Apply() { values_->Apply(); }

TextService CWOPerformancePage::Texts() const { return TextService(services_.doc.Context()); }

}  // namespace kadenzo
