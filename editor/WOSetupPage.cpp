#include "WOSetupPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ControlId.h"
#include "EditorQt.h"
#include "EditorServices.h"
#include "EditorTexts.h"
#include "KadenzoDoc.h"
#include "LinkEdit.h"
#include "NoteEdit.h"
#include "ResourceIds.h"
#include "SpokenText.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {

CWOSetupPage::CWOSetupPage(CWorkOut& workout, const EditorServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QString::number(IDD_WO_SETUP));
    CKadenzoDoc& doc = services_.doc;
    const AppContext& context = doc.Context();
    values_ = std::make_unique<SetupPageValues>(
        workout,
        SetupPageValues::Context{doc.Library(), context.units, context.Texts(),
                                 [&doc](const CWorkOut& w) { return doc.MaxHeartRate(w); }});
    using namespace editortext;

    templateName_ = new QLabel(this);
    SetControlId(templateName_, IDC_SETUP_TEMPLATE_NAME);
    QFont bold = templateName_->font();
    bold.setBold(true);
    templateName_->setFont(bold);
    chooseTemplate_ =
        new QPushButton(Texts().TextOr(kChooseTemplate, QStringLiteral("C&hoose...")), this);
    auto* chooseTemplate = chooseTemplate_;
    SetControlId(chooseTemplate, IDC_SETUP_TEMPLATE);
    connect(chooseTemplate, &QPushButton::clicked, this, &CWOSetupPage::ChooseTemplate);
    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(templateName_, 1);
    templateRow->addWidget(chooseTemplate);

    templateComment_ = new QLabel(this);
    SetControlId(templateComment_, IDC_SETUP_TEMPLATE_COMMENT);
    templateComment_->setWordWrap(true);
    templateComment_->setForegroundRole(QPalette::PlaceholderText);

    sport_ = new QComboBox(this);
    SetControlId(sport_, IDC_SETUP_SPORT);
    connect(sport_, &QComboBox::currentIndexChanged, this, [this](int index) {
        values_->SelectSport(index);
        emit SportChanged();
    });

    planned_ = new QLineEdit(this);
    SetControlId(planned_, IDC_SETUP_PLANNED);
    planned_->setMaxLength(200);
    planned_->setPlaceholderText(
        FormatText(Texts().TextOr(kPlannedExample, QStringLiteral("e.g. 1:30, 20.0%s")),
                   {FromBytes(UnitLabel(kUnitDistance, context.units, context.Texts()))}));
    connect(planned_, &QLineEdit::textEdited, this,
            [this](const QString& text) { values_->plannedText = ToBytes(text); });

    heartRate_ = new QLabel(this);
    SetControlId(heartRate_, IDC_SETUP_HEART_RATE);

    flag_ = new QCheckBox(Texts().TextOr(kKeyWorkout, QStringLiteral("&Key workout")), this);
    SetControlId(flag_, IDC_SETUP_FLAG);
    connect(flag_, &QCheckBox::toggled, this, [this](bool on) { values_->flag = on; });

    note_ = new NoteEdit(this);
    SetControlId(note_, IDC_SETUP_NOTE);
    connect(note_, &QPlainTextEdit::textChanged, this,
            [this] { values_->note = ToBytes(note_->toPlainText()); });

    link_ = new CLinkEdit(Texts(), this, services_.openLink);
    SetControlId(link_, IDC_LINK);
    connect(link_, &QLineEdit::textEdited, this,
            [this](const QString& text) { values_->link = ToBytes(text); });
    auto* browse = new QPushButton(Texts().TextOr(kBrowse, QStringLiteral("&Browse...")), this);
    SetControlId(browse, IDC_SETUP_BROWSE);
    connect(browse, &QPushButton::clicked, this, &CWOSetupPage::Browse);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(link_, 1);
    linkRow->addWidget(browse);

    auto* form = new QFormLayout(this);
    form->addRow(Texts().TextOr(kTemplate, QStringLiteral("Template:")), templateRow);
    form->addRow(QString(), templateComment_);
    form->addRow(Texts().TextOr(kTargetHeartRate, QStringLiteral("Target heart rate:")),
                 heartRate_);
    form->addRow(Texts().TextOr(kSport, QStringLiteral("&Sport:")), sport_);
    form->addRow(Texts().TextOr(kPlanned, QStringLiteral("&Planned:")), planned_);
    form->addRow(QString(), flag_);
    form->addRow(Texts().TextOr(kNote, QStringLiteral("&Note:")), note_);
    form->addRow(Texts().TextOr(kLink, QStringLiteral("&Link:")), linkRow);
    for (QWidget* field : std::initializer_list<QWidget*>{sport_, planned_, note_}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) label->setBuddy(field);
    }
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(linkRow))) label->setBuddy(link_);
    // "Template:" names the button that changes it; the button tells which one it is.
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(templateRow)))
        label->setBuddy(chooseTemplate);
    setTabOrder(note_, link_);
    setTabOrder(link_, browse);
    ShowFields();
}

CWOSetupPage::~CWOSetupPage() = default;

void CWOSetupPage::ShowFields() {
    const SetupPageValues& values = *values_;
    templateName_->setText(FromBytes(values.templateName));
    const QString spokenName = FromBytes(SpokenText(values.templateName, Texts().Table()));
    templateName_->setAccessibleName(spokenName);
    chooseTemplate_->setAccessibleDescription(spokenName);
    templateComment_->setText(FromBytes(values.templateComment));
    templateComment_->setVisible(!values.templateComment.empty());
    heartRate_->setText(FromBytes(values.heartRateText));
    ShowChoices(*sport_, values.Sports(), values.SportIndex(), Texts().Table());
    sport_->setEnabled(values.SportEnabled());
    const QSignalBlocker plannedBlocker(planned_);
    planned_->setText(FromBytes(values.plannedText));
    const QSignalBlocker flagBlocker(flag_);
    flag_->setChecked(values.flag);
    const QSignalBlocker noteBlocker(note_);
    note_->setPlainText(FromBytes(values.note));
    link_->setText(FromBytes(values.link));
    link_->setCursorPosition(0);
}

void CWOSetupPage::ChooseTemplate() {
    if (!services_.chooseTemplate) return;
    const std::optional<std::uint32_t> chosen =
        services_.chooseTemplate(values_->TemplateId(), this);
    if (!chosen || !values_->ChooseTemplate(*chosen)) return;
    ShowFields();
    emit SportChanged();
}

void CWOSetupPage::Browse() {
    const QString path = services_.dialogs.OpenFileName(
        Texts().TextOr(editortext::kAllFilesFilter, QStringLiteral("All files (*)")));
    if (path.isEmpty()) return;
    values_->link = ToBytes(path);
    link_->setText(path);
}

std::optional<RefusedField> CWOSetupPage::Refused() {
    // Text set without typing (by assistive tools) reaches the values here.
    values_->plannedText = ToBytes(planned_->text());
    if (const std::optional<FieldRange> range = values_->Check())
        return RefusedField{planned_, *range};
    return std::nullopt;
}

void CWOSetupPage::Apply() { values_->Apply(); }

TextService CWOSetupPage::Texts() const { return TextService(services_.doc.Context()); }

}  // namespace kadenzo
