#pragma once

#include <QDialog>

class QLineEdit;

namespace kadenzo {

class TextService;

// Edits the name of the training log, which is also the diary's title.
class CLogNameDialog : public QDialog {
    Q_OBJECT
public:
    CLogNameDialog(const QString& name, const TextService& texts, QWidget* parent = nullptr);
    QString Name() const;

private:
    QLineEdit* edit_;
};

}  // namespace kadenzo
