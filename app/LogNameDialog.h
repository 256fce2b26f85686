#pragma once

#include <QDialog>

class QLineEdit;

namespace kadenzo {

// Edits the name of the training log, which is also the diary's title.
class CLogNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLogNameDialog(const QString& name, QWidget* parent = nullptr);
    QString Name() const;

private:
    QLineEdit* edit_;
};

}  // namespace kadenzo
