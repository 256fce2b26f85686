#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <functional>

#include "HttpDownload.h"
#include "Texts.h"

namespace kadenzo {

class CSplashWindow;
class UserDialogs;

// Opens a web page in the browser; tests replace it.
class WebPageOpener {
public:
    virtual ~WebPageOpener() = default;
    virtual void Open(const QString& address) = 0;
};

// The desktop's browser. Opens http and https addresses only.
class DesktopPageOpener : public WebPageOpener {
public:
    void Open(const QString& address) override;
};

// What the check needs from the program.
struct WebCheckContext {
    QSettings& settings;  // section "WebCheck"
    UserDialogs& dialogs;
    WebPageOpener& opener;
    TextService texts;
    std::int64_t now = 0;  // seconds since 1970
    // Progress texts for a status window; may be empty.
    CHttpDownload::StatusSink status;
    // Runs before the download question, e.g. to take the splash out of its
    // way; may be empty.
    std::function<void()> beforeQuestion;
    int timeoutMs = CHttpDownload::kDefaultTimeoutMs;
};

// The maker's server, without a path: "WebCheck"/"Server" when that is an
// http or https address, else the product's own site.
QString WebCheckServer(QSettings& settings);
inline constexpr char kDefaultWebCheckServer[] = "https://www.kadenzo.de";

// The weekly look at the maker's information file: offers the download of a
// different version (at most every 30 days) or opens a new information page
// once. Silent: a failed download changes nothing and shows nothing.
void RunWebInfoCheck(const WebCheckContext& context);

// The check as start-up runs it, while the splash shows its progress.
void RunWebInfoCheckAtStartup(QSettings& settings, UserDialogs& dialogs, CSplashWindow& splash,
                              const TextService& texts);

}  // namespace kadenzo
