#pragma once

#include <QToolBar>
#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QHBoxLayout;

namespace kadenzo {

// A bar across the main window for news that wants an answer some time, not
// at once: a line of text and the buttons that answer it. It stays until the
// news is settled and never takes the focus from what the user is doing.
class CNoticeBar : public QToolBar {
    Q_OBJECT
public:
    struct Button {
        QString text;  // with its mnemonic
        std::function<void()> run;
    };

    explicit CNoticeBar(const QString& name, QWidget* parent = nullptr);

    // Shows the text and the buttons, or hides the bar for an empty text.
    void Show(const QString& text, const std::vector<Button>& buttons);
    QString Text() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A tool bar gives its widgets the height they ask for, whatever the
    // width: the text's lines at this width are asked for here.
    void FitHeight();

    QWidget* panel_;
    QLabel* text_;
    QHBoxLayout* buttons_;
};

}  // namespace kadenzo
