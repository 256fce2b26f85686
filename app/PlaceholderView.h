#pragma once

#include <QWidget>

namespace kadenzo {

// Stands in for a view whose widgets are not built yet: shows its name and
// the diary's title.
class CPlaceholderView : public QWidget {
    Q_OBJECT
public:
    CPlaceholderView(const QString& caption, QWidget* parent = nullptr);
    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace kadenzo
