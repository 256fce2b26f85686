#pragma once

#include <QDialog>
#include <functional>

#include "Texts.h"

class QCheckBox;
class QLineEdit;

namespace kadenzo {

class UserDialogs;

// File › Export › Plan as Calendar: the calendar file (typed, or chosen with
// the file chooser) and whether the program writes it again after every save
// of this diary. Export checks the path (never the diary's own file) and
// writes the plan through `write`; a path refused or a file not written keeps
// the dialog open.
class CPlanCalendarDialog : public QDialog {
    Q_OBJECT
public:
    // Writes the calendar to a path; false when it could not (and has said so).
    using Write = std::function<bool(const QString& path)>;

    CPlanCalendarDialog(const QString& path, bool afterSave, const QString& diaryPath,
                        UserDialogs& dialogs, const TextService& texts, Write write,
                        QWidget* parent = nullptr);

    // The path as typed; a relative one beside the diary (home for a diary
    // without a file).
    QString Path() const;
    bool AfterSave() const;

    void accept() override;

private:
    void Choose();

    QString diaryPath_;
    UserDialogs& dialogs_;
    TextService texts_;
    Write write_;
    QLineEdit* path_;
    QCheckBox* afterSave_;
};

}  // namespace kadenzo
