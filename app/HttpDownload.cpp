#include "HttpDownload.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "ProgramVersion.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "WebCheckTexts.h"

namespace kadenzo {
namespace {

// Per download rather than application-wide: the system's proxy, or the one
// set on the object, but never for the local machine, which no proxy reaches.
class ProxyChoice : public QNetworkProxyFactory {
public:
    ProxyChoice(QString host, quint16 port) : host_(std::move(host)), port_(port) {}

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        const QString peer = query.peerHostName();
        if (peer.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
            QHostAddress(peer).isLoopback())
            return {QNetworkProxy(QNetworkProxy::NoProxy)};
        if (!host_.isEmpty()) return {QNetworkProxy(QNetworkProxy::HttpProxy, host_, port_)};
        return systemProxyForQuery(query);
    }

private:
    QString host_;
    quint16 port_;
};

QByteArray UserAgent() {
    return QStringLiteral("Kadenzo/%1.%2.%3.%4")
        .arg(kProgramVersion.major)
        .arg(kProgramVersion.minor)
        .arg(kProgramVersion.release)
        .arg(kProgramVersion.build)
        .toLatin1();
}

bool IsHttp(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

}  // namespace

void CHttpDownload::SetProxy(const QString& host, quint16 port) {
    proxyHost_ = host;
    proxyPort_ = port;
}

void CHttpDownload::Status(const QString& text) const {
    if (status_) status_(text);
}

bool CHttpDownload::Download(const QString& address, QByteArray& text) {
    text.clear();
    statusCode_ = 0;
    rawHeaders_.clear();
    const QUrl url(address, QUrl::StrictMode);
    if (!IsHttp(url)) return false;

    QNetworkAccessManager manager;
    manager.setProxyFactory(new ProxyChoice(proxyHost_, proxyPort_));  // the manager owns it
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    // Always the server's current file, never a cached copy.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setMaximumRedirectsAllowed(5);
    Status(texts_.Format(webtext::kConnecting, {url.authority()}));
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // Qt stops reading from the socket while this much waits unread.
    reply->setReadBufferSize(16 * 1024);

    bool tooLarge = false;
    bool timedOut = false;
    QElapsedTimer clock;
    clock.start();
    const auto takeData = [&] {
        // One byte beyond the limit is enough to know the answer is too large.
        text += reply->read(maxBytes_ + 1 - text.size());
        if (text.size() > maxBytes_) {
            tooLarge = true;
            reply->abort();
            return;
        }
        const qint64 ms = clock.elapsed();
        const int bytes = static_cast<int>(text.size());
        if (ms >= 1000) {
            const double rate = text.size() / 1024.0 / (static_cast<double>(ms) / 1000.0);
            Status(texts_.Count(IDS_BYTES_READ_RATE_ONE, webtext::kBytesReadRate, bytes, {rate}));
        } else {
            Status(texts_.Count(IDS_BYTES_READ_ONE, webtext::kBytesRead, bytes));
        }
    };

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::requestSent, &loop,
                     [this] { Status(texts_.Text(webtext::kRequestSent)); });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        Status(texts_.Text(webtext::kResponseReceived));
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes_) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, takeData);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs_);
    // Signals only arrive while the loop runs, so a finished reply cannot be missed.
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    if (!tooLarge && !timedOut && reply->bytesAvailable() > 0) takeData();

    statusCode_ = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    for (const auto& [name, value] : reply->rawHeaderPairs())
        rawHeaders_ += name + ": " + value + "\r\n";
    const bool ok = !tooLarge && !timedOut && reply->error() == QNetworkReply::NoError &&
                    statusCode_ >= 200 && statusCode_ < 300;
    if (ok) {
        Status(texts_.Text(webtext::kRequestComplete));
    } else {
        text.clear();
    }
    Status(QString());
    return ok;
}

}  // namespace kadenzo
