#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "Texts.h"

namespace kadenzo {

// Fetches one small file over HTTP or HTTPS, synchronously: a local event
// loop runs until the answer is complete or the time-out has passed, so a
// dead or slow server holds the caller no longer than the time-out. The
// system's proxy settings are used, except for the local machine.
class CHttpDownload {
public:
    using StatusSink = std::function<void(const QString&)>;

    static constexpr int kDefaultTimeoutMs = 3000;
    // Far above any file this program fetches; a larger answer is not ours.
    static constexpr qint64 kDefaultMaxBytes = 64 * 1024;

    // The whole download must finish within ms milliseconds.
    void SetTimeout(int ms) { timeoutMs_ = ms; }
    void SetMaxBytes(qint64 bytes) { maxBytes_ = bytes; }
    // Sends every request through this proxy instead of the system's.
    void SetProxy(const QString& host, quint16 port);
    // Receives progress texts, worded from texts; an empty text at the end
    // clears them.
    void SetStatusWindow(StatusSink sink, const TextService& texts) {
        status_ = std::move(sink);
        texts_ = texts;
    }

    // Fetches url into text. False, with text empty, for an address that is
    // not http or https, a network error, an HTTP status other than 2xx (an
    // error page is not the file), an answer above the size limit, or when
    // the time-out passes.
    bool Download(const QString& url, QByteArray& text);

    // Of the last download: the HTTP status (0 when none came) and the
    // response headers as "Name: value" lines.
    int StatusCode() const { return statusCode_; }
    const QByteArray& RawHeaders() const { return rawHeaders_; }

private:
    void Status(const QString& text) const;

    int timeoutMs_ = kDefaultTimeoutMs;
    qint64 maxBytes_ = kDefaultMaxBytes;
    QString proxyHost_;
    quint16 proxyPort_ = 0;
    StatusSink status_;
    TextService texts_;
    int statusCode_ = 0;
    QByteArray rawHeaders_;
};

}  // namespace kadenzo
