#pragma once

#include <QWidget>

namespace kadenzo {

class LanguageModule;

// Stands in for a view whose widgets are not built yet: shows its name and
// the diary's title.
class CPlaceholderView : public QWidget {
    Q_OBJECT
public:
    CPlaceholderView(const QString& caption, const LanguageModule* module,
                     QWidget* parent = nullptr);
    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    const LanguageModule* module_;
};

}  // namespace kadenzo
