#pragma once

#include <QLineEdit>
#include <functional>

class QAction;

namespace kadenzo {

class TextService;

// A text field holding a file path or a web address, with a button inside it
// that opens the target with the desktop's handler. The button works only
// for http and https addresses and for files that exist.
class CLinkEdit : public QLineEdit {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QString& target)>;

    // Opens with ShellOpen unless another opener is given.
    explicit CLinkEdit(const TextService& texts, QWidget* parent = nullptr, Opener opener = {});

    // How a text names its target: a path relative to the diary's folder,
    // say, taken from there. Without one the text is the target.
    void SetResolver(std::function<QString(const QString& text)> resolve);

    QAction* OpenAction() const { return open_; }
    // Opens the target when it can be opened; false otherwise.
    bool OpenTarget();

private:
    void UpdateOpenAction();
    QString Target() const;

    Opener opener_;
    std::function<QString(const QString&)> resolve_;
    QAction* open_;
};

}  // namespace kadenzo
