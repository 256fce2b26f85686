#include "DeviceImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <stdexcept>

#include "ControlId.h"
#include "CoreText.h"
#include "DeviceImportValues.h"
#include "DeviceScan.h"
#include "DeviceSettingsDialog.h"
#include "DeviceTexts.h"
#include "ImportRowsModel.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "UserDialogs.h"

namespace kadenzo {

CDeviceImportDialog::CDeviceImportDialog(const Services& services, const QString& folder,
                                         QWidget* parent)
    : QDialog(parent), services_(services), settings_(ReadDeviceSettings(services.settings)) {
    using namespace devicetext;
    const TextService& texts = services_.texts;
    setWindowTitle(texts.Text(kTitle));
    setSizeGripEnabled(true);

    auto* folderLabel = new QLabel(texts.Text(kFolderLabel), this);
    folderField_ = new QLineEdit(this);
    folderField_->setReadOnly(true);
    SetControlId(folderField_, IDC_DEVICE_FOLDER);
    folderLabel->setBuddy(folderField_);
    auto* change = new QPushButton(texts.Text(kChangeFolder), this);
    SetControlId(change, IDC_DEVICE_CHANGE_FOLDER);
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &CDeviceImportDialog::ChangeFolder);

    summary_ = new QLabel(this);
    SetControlId(summary_, IDC_DEVICE_SUMMARY);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* rowsLabel = new QLabel(texts.Text(kActivities), this);
    rows_ = new QTableView(this);
    SetControlId(rows_, IDC_DEVICE_ROWS);
    rowsLabel->setBuddy(rows_);
    rows_->setAccessibleName(
        texts.Text(kActivities).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the choice below it.
    rows_->setTabKeyNavigation(false);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->setWordWrap(false);

    auto* outcomeLabel = new QLabel(texts.Text(kOutcomeLabel), this);
    outcome_ = new QComboBox(this);
    SetControlId(outcome_, IDC_DEVICE_OUTCOME);
    outcomeLabel->setBuddy(outcome_);
    outcome_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(outcome_, &QComboBox::activated, this, &CDeviceImportDialog::TakeChoice);

    failedLabel_ = new QLabel(texts.Text(kFailedLabel), this);
    failed_ = new QListWidget(this);
    SetControlId(failed_, IDC_DEVICE_FAILED);
    failedLabel_->setBuddy(failed_);
    failed_->setAccessibleName(
        texts.Text(kFailedLabel).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    failed_->setMaximumHeight(90);

    auto* settingsButton = new QPushButton(texts.Text(kSettings), this);
    SetControlId(settingsButton, IDC_DEVICE_SETTINGS);
    settingsButton->setAutoDefault(false);
    connect(settingsButton, &QPushButton::clicked, this, &CDeviceImportDialog::EditSettings);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(settingsButton, QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(folderField_, 1);
    folderRow->addWidget(change);
    auto* outcomeRow = new QHBoxLayout;
    outcomeRow->addWidget(outcomeLabel);
    outcomeRow->addWidget(outcome_);
    outcomeRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(summary_);
    layout->addWidget(rowsLabel);
    layout->addWidget(rows_, 1);
    layout->addLayout(outcomeRow);
    layout->addWidget(failedLabel_);
    layout->addWidget(failed_);
    layout->addWidget(buttons);
    setTabOrder(change, rows_);
    setTabOrder(rows_, outcome_);
    setTabOrder(outcome_, failed_);
    resize(860, 520);

    Scan(folder);
    rows_->setFocus();
}

CDeviceImportDialog::~CDeviceImportDialog() {
    // The model reads the values: it goes first.
    delete model_;
}

const ImportPlan& CDeviceImportDialog::Plan() const { return values_->Plan(); }

void CDeviceImportDialog::Scan(const QString& folder) {
    using namespace devicetext;
    folder_ = folder;
    folderField_->setText(QDir::toNativeSeparators(folder));
    CKadenzoDoc& doc = services_.doc;
    const AppContext& context = doc.Context();
    ScanSettings scan{context.units, settings_.sports, static_cast<std::int64_t>(context.Now())};
    ImportPlan plan;
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        plan = ScanDevice(QFile::encodeName(folder).toStdString(), doc.Log(), doc.Library(),
                          services_.diaryPath, scan);
    } catch (const std::exception& e) {
        error = QString::fromStdString(e.what());
    }
    QGuiApplication::restoreOverrideCursor();
    if (!error.isEmpty())
        services_.dialogs.Message(
            services_.texts.Format(kCannotRead, {QDir::toNativeSeparators(folder), error}),
            UserDialogs::Icon::Warning);
    auto values = std::make_unique<DeviceImportValues>(std::move(plan), doc.Log(), doc.Library(),
                                                       context.units, context.Texts());
    auto* model = new CImportRowsModel(*values, services_.texts, this);
    rows_->setModel(model);
    delete model_;
    model_ = model;
    values_ = std::move(values);
    connect(rows_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CDeviceImportDialog::ShowChoices);
    rows_->resizeColumnsToContents();

    const ImportPlan& shown = values_->Plan();
    summary_->setText(services_.texts.Format(
        kSummary,
        {static_cast<qint64>(shown.rows.size()), static_cast<qint64>(shown.duplicates.size()),
         static_cast<qint64>(shown.failed.size())}));
    failed_->clear();
    for (const FailedFile& file : shown.failed)
        failed_->addItem(
            services_.texts.Format(FailedText(file.why), {QString::fromStdString(file.file)}));
    failedLabel_->setVisible(!shown.failed.empty());
    failed_->setVisible(!shown.failed.empty());
    if (!shown.rows.empty()) SelectRow(0);
    ShowChoices();
}

int CDeviceImportDialog::CurrentRow() const {
    const QModelIndex current = rows_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CDeviceImportDialog::SelectRow(int row) {
    rows_->setCurrentIndex(model_->index(row, 0));
    rows_->selectRow(row);
}

void CDeviceImportDialog::ShowChoices() {
    const QSignalBlocker blocker(outcome_);
    outcome_->clear();
    const int row = CurrentRow();
    outcome_->setEnabled(row >= 0);
    if (row < 0) return;
    const auto index = static_cast<std::size_t>(row);
    for (const OutcomeChoice& choice : values_->Choices(index))
        outcome_->addItem(FromBytes(choice.label));
    outcome_->setCurrentIndex(static_cast<int>(values_->ChoiceIndex(index)));
}

void CDeviceImportDialog::TakeChoice(int index) {
    const int row = CurrentRow();
    if (row < 0 || index < 0) return;
    if (values_->Choose(static_cast<std::size_t>(row), static_cast<std::size_t>(index)))
        model_->OutcomesChanged();
    // "Choose" leaves the list once a choice is made.
    ShowChoices();
}

void CDeviceImportDialog::ChangeFolder() {
    const QString chosen =
        services_.dialogs.FolderName(services_.texts.Text(devicetext::kChooseFolder), folder_);
    if (!chosen.isEmpty()) Scan(chosen);
}

void CDeviceImportDialog::EditSettings() {
    CDeviceSettingsDialog dialog(settings_, services_.doc.Library(), services_.dialogs,
                                 services_.texts, this);
    if (dialog.exec() != QDialog::Accepted) return;
    settings_ = dialog.Settings();
    WriteDeviceSettings(services_.settings, settings_);
    // The sports may have changed, and with them the proposals.
    Scan(folder_);
}

void CDeviceImportDialog::accept() {
    if (const std::optional<std::size_t> row = values_->FirstUnchosen()) {
        SelectRow(static_cast<int>(*row));
        services_.dialogs.Message(services_.texts.Text(devicetext::kChooseFirst),
                                  UserDialogs::Icon::Information);
        outcome_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace kadenzo
