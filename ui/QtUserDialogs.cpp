#include "QtUserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace kadenzo {
namespace {

QMessageBox::Icon ToQt(UserDialogs::Icon icon) {
    switch (icon) {
        case UserDialogs::Icon::Error:
            return QMessageBox::Critical;
        case UserDialogs::Icon::Warning:
            return QMessageBox::Warning;
        case UserDialogs::Icon::Question:
            return QMessageBox::Question;
        case UserDialogs::Icon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

QWidget* QtUserDialogs::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

void QtUserDialogs::Message(const QString& text, Icon icon) {
    QMessageBox box(ToQt(icon), QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    Owner());
    box.exec();
}

bool QtUserDialogs::AskYesNo(const QString& text, Icon icon, Answer defaultAnswer) {
    QMessageBox box(ToQt(icon), QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

UserDialogs::Answer QtUserDialogs::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QString QtUserDialogs::FolderName(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(parent_, caption, start);
}

QString QtUserDialogs::OpenFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

QString QtUserDialogs::SaveFileName(const QString& suggestedPath, const QString& filter,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(parent_, QString(), suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtUserDialogs::EditProfile(AthleteProfile& profile, bool firstPrompt) {
    if (!profileEditor_) return false;
    return profileEditor_(profile, firstPrompt, *this, parent_);
}

}  // namespace kadenzo
