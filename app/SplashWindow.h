#pragma once

#include <QImage>
#include <QWidget>

namespace kadenzo {

// The start-up picture, shown topmost while the program loads, for at least
// minimumMs (one second in the program).
class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit CSplashWindow(const QImage& picture, int minimumMs = 1000);
    bool Elapsed() const { return elapsed_; }
    // Keeps the user interface alive until the minimum time has passed.
    void WaitUntilElapsed();
    // A line of progress along the bottom edge; empty clears it.
    void SetStatusText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool elapsed_ = false;
    QString status_;
};

}  // namespace kadenzo
