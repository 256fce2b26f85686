#include "DeviceSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ControlId.h"
#include "CoreText.h"
#include "DeviceTexts.h"
#include "Library.h"
#include "ResourceIds.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

// A list's name on the accessibility bus: its label without the mnemonic
// and the colon.
QString ListName(const QString& label) {
    QString name = label;
    return name.remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed();
}

QPushButton* Button(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

// A kind as the devices name them: FIT's sport and sub-sport names.
bool IsKind(const QString& kind) {
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9_]+(/[a-z0-9_]+)?$"));
    return pattern.match(kind).hasMatch();
}

}  // namespace

CDeviceSettingsDialog::CDeviceSettingsDialog(const DeviceSettings& settings,
                                             const CLibrary& library, UserDialogs& dialogs,
                                             const TextService& texts, QWidget* parent)
    : QDialog(parent), settings_(settings), library_(library), dialogs_(dialogs), texts_(texts) {
    using namespace devicetext;
    setWindowTitle(texts_.Text(kSettingsTitle));

    auto* sportsLabel = new QLabel(texts_.Text(kSportsLabel), this);
    sports_ = new QListWidget(this);
    SetControlId(sports_, IDC_DEVICE_SPORTS);
    sports_->setAccessibleName(ListName(sportsLabel->text()));
    sportsLabel->setBuddy(sports_);
    connect(sports_, &QListWidget::currentRowChanged, this, &CDeviceSettingsDialog::ShowEntry);

    auto* kindLabel = new QLabel(texts_.Text(kKindLabel), this);
    kind_ = new QLineEdit(this);
    SetControlId(kind_, IDC_DEVICE_KIND);
    kindLabel->setBuddy(kind_);
    auto* sportLabel = new QLabel(texts_.Text(kSportLabel), this);
    sport_ = new QComboBox(this);
    SetControlId(sport_, IDC_DEVICE_SPORT);
    sportLabel->setBuddy(sport_);
    for (const auto& item : library_.sports) sport_->addItem(FromBytes(item->name), item->id);
    auto* set = Button(texts_.Text(kSetSport), IDC_DEVICE_SET_SPORT, this);
    connect(set, &QPushButton::clicked, this, &CDeviceSettingsDialog::SetSport);
    auto* remove = Button(texts_.Text(kRemoveSport), IDC_DEVICE_REMOVE_SPORT, this);
    connect(remove, &QPushButton::clicked, this, &CDeviceSettingsDialog::RemoveSport);

    auto* foldersLabel = new QLabel(texts_.Text(kFoldersLabel), this);
    folders_ = new QListWidget(this);
    SetControlId(folders_, IDC_DEVICE_FOLDERS);
    folders_->setAccessibleName(ListName(foldersLabel->text()));
    foldersLabel->setBuddy(folders_);
    auto* add = Button(texts_.Text(kAddFolder), IDC_DEVICE_ADD_FOLDER, this);
    connect(add, &QPushButton::clicked, this, &CDeviceSettingsDialog::AddFolder);
    auto* removeFolder = Button(texts_.Text(kRemoveFolder), IDC_DEVICE_REMOVE_FOLDER, this);
    connect(removeFolder, &QPushButton::clicked, this, &CDeviceSettingsDialog::RemoveFolder);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* entry = new QGridLayout;
    entry->addWidget(kindLabel, 0, 0);
    entry->addWidget(kind_, 0, 1);
    entry->addWidget(sportLabel, 1, 0);
    entry->addWidget(sport_, 1, 1);
    auto* entryButtons = new QHBoxLayout;
    entryButtons->addStretch();
    entryButtons->addWidget(set);
    entryButtons->addWidget(remove);
    entry->addLayout(entryButtons, 2, 0, 1, 2);
    auto* folderButtons = new QHBoxLayout;
    folderButtons->addStretch();
    folderButtons->addWidget(add);
    folderButtons->addWidget(removeFolder);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sportsLabel);
    layout->addWidget(sports_, 2);
    layout->addLayout(entry);
    layout->addSpacing(8);
    layout->addWidget(foldersLabel);
    layout->addWidget(folders_, 1);
    layout->addLayout(folderButtons);
    layout->addWidget(buttons);
    resize(480, 520);

    ShowSports();
    ShowFolders();
}

void CDeviceSettingsDialog::ShowSports(const QString& current) {
    sports_->clear();
    int currentRow = 0;
    for (const auto& [kind, id] : settings_.sports.Entries()) {
        const QString name = QString::fromStdString(kind);
        if (name == current) currentRow = sports_->count();
        auto* item = new QListWidgetItem(
            name + QStringLiteral(" \u2192 ") + FromBytes(library_.GetSportName(id)), sports_);
        item->setData(Qt::UserRole, name);
    }
    if (sports_->count() > 0) sports_->setCurrentRow(currentRow);
}

void CDeviceSettingsDialog::ShowFolders() {
    folders_->clear();
    for (const QString& folder : settings_.folders)
        folders_->addItem(QDir::toNativeSeparators(folder));
    if (folders_->count() > 0) folders_->setCurrentRow(0);
}

void CDeviceSettingsDialog::ShowEntry() {
    const QListWidgetItem* item = sports_->currentItem();
    if (!item) return;
    const QString kind = item->data(Qt::UserRole).toString();
    kind_->setText(kind);
    const auto entry = settings_.sports.Entries().find(kind.toStdString());
    if (entry == settings_.sports.Entries().end()) return;
    const int index = sport_->findData(entry->second);
    if (index >= 0) sport_->setCurrentIndex(index);
}

void CDeviceSettingsDialog::SetSport() {
    const QString kind = kind_->text().trimmed().toLower();
    if (!IsKind(kind) || sport_->currentIndex() < 0) {
        dialogs_.Message(texts_.Text(devicetext::kKindRefused), UserDialogs::Icon::Warning);
        kind_->setFocus();
        kind_->selectAll();
        return;
    }
    settings_.sports.Set(kind.toStdString(), sport_->currentData().toUInt());
    ShowSports(kind);
}

void CDeviceSettingsDialog::RemoveSport() {
    const QListWidgetItem* item = sports_->currentItem();
    if (!item) return;
    const int row = sports_->currentRow();
    settings_.sports.Remove(item->data(Qt::UserRole).toString().toStdString());
    ShowSports();
    if (sports_->count() > 0) sports_->setCurrentRow(std::min(row, sports_->count() - 1));
}

void CDeviceSettingsDialog::AddFolder() {
    const QString folder =
        dialogs_.FolderName(texts_.Text(devicetext::kChooseFolder), QDir::homePath());
    if (folder.isEmpty() || settings_.folders.contains(folder)) return;
    settings_.folders << folder;
    ShowFolders();
    folders_->setCurrentRow(folders_->count() - 1);
}

void CDeviceSettingsDialog::RemoveFolder() {
    const int row = folders_->currentRow();
    if (row < 0 || row >= settings_.folders.size()) return;
    settings_.folders.removeAt(row);
    ShowFolders();
    if (folders_->count() > 0) folders_->setCurrentRow(std::min(row, folders_->count() - 1));
}

}  // namespace kadenzo
