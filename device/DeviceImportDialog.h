#pragma once

#include <QDialog>
#include <QSettings>
#include <memory>
#include <string>

#include "DeviceSettings.h"
#include "ImportPlan.h"
#include "Texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableView;

namespace kadenzo {

class CImportRowsModel;
class CKadenzoDoc;
class DeviceImportValues;
class UserDialogs;

// The device import window: every new activity of a folder with what it
// would become, each row's outcome changeable (the choice below the list),
// the files already in the diary counted and those that cannot be read
// listed with their reasons; the folder can be changed, and the sport table
// and the watched import folders edited (kept in the settings). It changes
// nothing in the diary: OK hands the plan back for the caller to apply. The
// document must not change while it is open.
class CDeviceImportDialog : public QDialog {
    Q_OBJECT
public:
    struct Services {
        CKadenzoDoc& doc;
        UserDialogs& dialogs;
        QSettings& settings;
        TextService texts;
        std::string diaryPath;  // UTF-8; "" for a diary never saved
    };

    CDeviceImportDialog(const Services& services, const QString& folder, QWidget* parent = nullptr);
    ~CDeviceImportDialog() override;

    // The plan as the user chose it.
    const ImportPlan& Plan() const;
    QString Folder() const { return folder_; }

    // Refuses while a row waits for a choice, showing it.
    void accept() override;

private:
    void Scan(const QString& folder);
    void ChangeFolder();
    void EditSettings();
    // The choice follows the current row.
    void ShowChoices();
    void TakeChoice(int index);
    int CurrentRow() const;
    void SelectRow(int row);

    Services services_;
    DeviceSettings settings_;
    QString folder_;
    std::unique_ptr<DeviceImportValues> values_;
    CImportRowsModel* model_ = nullptr;
    QLineEdit* folderField_;
    QLabel* summary_;
    QTableView* rows_;
    QComboBox* outcome_;
    QLabel* failedLabel_;
    QListWidget* failed_;
};

}  // namespace kadenzo
