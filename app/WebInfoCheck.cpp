#include "WebInfoCheck.h"

#include <QUrl>
#include <ctime>
#include <limits>

#include "InfoFile.h"
#include "ProgramVersion.h"
#include "ResourceIds.h"
#include "ShellOpen.h"
#include "SplashWindow.h"
#include "Texts.h"
#include "UserDialogs.h"
#include "WebCheckRules.h"

namespace kadenzo {
namespace {

const char kSection[] = "WebCheck";
const char kInfoPath[] = "/kadenzo/info.txt";

std::int64_t ReadTime(QSettings& settings, const char* key) {
    bool ok = false;
    const qint64 value = settings.value(QLatin1String(key), 0).toLongLong(&ok);
    return ok ? value : 0;
}

// The older program kept the number as a registry DWORD: -1 and 4294967295 are one value.
std::uint32_t ReadInfoId(QSettings& settings) {
    bool ok = false;
    const qint64 value = settings.value(QStringLiteral("LastInfoID"), 0).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max())
        return 0;
    return static_cast<std::uint32_t>(value);
}

WebCheckState ReadState(QSettings& settings) {
    settings.beginGroup(QLatin1String(kSection));
    WebCheckState state;
    state.lastVersionCheck = ReadTime(settings, "LastVersionCheck");
    state.lastInfoCheck = ReadTime(settings, "LastInfoCheck");
    state.lastInfoId = ReadInfoId(settings);
    settings.endGroup();
    return state;
}

void WriteChanges(QSettings& settings, const WebCheckState& before, const WebCheckState& after) {
    settings.beginGroup(QLatin1String(kSection));
    if (after.lastVersionCheck != before.lastVersionCheck)
        settings.setValue(QStringLiteral("LastVersionCheck"),
                          static_cast<qint64>(after.lastVersionCheck));
    if (after.lastInfoCheck != before.lastInfoCheck)
        settings.setValue(QStringLiteral("LastInfoCheck"),
                          static_cast<qint64>(after.lastInfoCheck));
    if (after.lastInfoId != before.lastInfoId)
        settings.setValue(QStringLiteral("LastInfoID"), after.lastInfoId);
    settings.endGroup();
    settings.sync();
}

bool IsServerAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void OfferDownload(const WebCheckContext& context, const WebCheckOutcome& outcome) {
    const auto& server = outcome.serverVersion;
    const QString question = context.texts.Format(
        IDS_NEW_VERSION, {server[0], server[1], server[2], server[3], kProgramVersion.major,
                          kProgramVersion.minor, kProgramVersion.release, kProgramVersion.build});
    if (context.beforeQuestion) context.beforeQuestion();
    if (context.dialogs.AskYesNo(question, UserDialogs::Icon::Question))
        context.opener.Open(context.texts.Text(IDS_DOWNLOAD_URL));
}

}  // namespace

void DesktopPageOpener::Open(const QString& address) {
    if (IsWebAddress(address.toStdString())) ShellOpen(address);
}

QString WebCheckServer(QSettings& settings) {
    QString server =
        settings.value(QStringLiteral("%1/Server").arg(QLatin1String(kSection))).toString();
    while (server.endsWith(QLatin1Char('/'))) server.chop(1);
    if (!IsServerAddress(QUrl(server, QUrl::StrictMode)))
        server = QString::fromLatin1(kDefaultWebCheckServer);
    return server;
}

void RunWebInfoCheck(const WebCheckContext& context) {
    const WebCheckState state = ReadState(context.settings);
    if (!IsDownloadDue(state, context.now)) return;

    CHttpDownload download;
    download.SetTimeout(context.timeoutMs);
    download.SetStatusWindow(context.status, context.texts);
    QByteArray text;
    if (!download.Download(WebCheckServer(context.settings) + QLatin1String(kInfoPath), text))
        return;
    const std::optional<InfoFile> info =
        ParseInfoFile(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!info) return;

    const WebCheckOutcome outcome = DecideWebCheck(state, context.now, *info, kProgramVersion);
    WriteChanges(context.settings, state, outcome.state);
    switch (outcome.action) {
        case WebCheckOutcome::Action::OfferDownload:
            OfferDownload(context, outcome);
            break;
        case WebCheckOutcome::Action::OpenPage:
            context.opener.Open(QString::fromLatin1(outcome.pageAddress));
            break;
        case WebCheckOutcome::Action::None:
            break;
    }
}

void RunWebInfoCheckAtStartup(QSettings& settings, UserDialogs& dialogs, CSplashWindow& splash,
                              const TextService& texts) {
    DesktopPageOpener browser;
    RunWebInfoCheck({
        .settings = settings,
        .dialogs = dialogs,
        .opener = browser,
        .texts = texts,
        .now = static_cast<std::int64_t>(std::time(nullptr)),
        .status = [&splash](const QString& text) { splash.SetStatusText(text); },
        // The question must not sit hidden under the topmost splash.
        .beforeQuestion = [&splash] { splash.hide(); },
    });
}

}  // namespace kadenzo
