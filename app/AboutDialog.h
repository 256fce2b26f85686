#pragma once

#include <QDialog>

namespace kadenzo {

class TextService;

// The About box: product, version (string 33111 with the four version
// numbers) and the program icon.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(const TextService& texts, QWidget* parent = nullptr);
    // The version line as shown.
    static QString VersionText(const TextService& texts);
};

}  // namespace kadenzo
