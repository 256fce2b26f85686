#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "UserDialogs.h"

namespace kadenzo {

// QMessageBox and QFileDialog, parented to the main window once it exists; a
// message box shown while a dialog is open belongs to that dialog.
class QtUserDialogs : public UserDialogs {
public:
    void SetParentWindow(QWidget* parent) override { parent_ = parent; }
    void Message(const QString& text, Icon icon) override;
    bool AskYesNo(const QString& text, Icon icon, Answer defaultAnswer) override;
    Answer AskYesNoCancel(const QString& text) override;
    QString OpenFileName(const QString& filter) override;
    QString FolderName(const QString& caption, const QString& start) override;
    QString SaveFileName(const QString& suggestedPath, const QString& filter,
                         const QString& defaultSuffix) override;
    bool EditProfile(AthleteProfile& profile, bool firstPrompt) override;

    // Shows the athlete profile dialog, which belongs to the small dialogs;
    // they install it here (InstallProfileDialog). Without one the profile
    // stays as it is and EditProfile answers false.
    using ProfileEditor = std::function<bool(AthleteProfile& profile, bool firstPrompt,
                                             UserDialogs& dialogs, QWidget* parent)>;
    void SetProfileEditor(ProfileEditor editor) { profileEditor_ = std::move(editor); }

private:
    QWidget* Owner() const;

    QPointer<QWidget> parent_;
    ProfileEditor profileEditor_;
};

}  // namespace kadenzo
