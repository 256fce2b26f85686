// The download and the weekly web check against a server on 127.0.0.1 that
// this test runs itself: canned answers, error pages, oversized answers, a
// server that never answers or answers too slowly, and none at all.
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

#include "AppContext.h"
#include "HttpDownload.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "Texts.h"
#include "WebInfoCheck.h"

using namespace kadenzo;

namespace {

constexpr qint64 kNow = 1'700'000'000;
constexpr qint64 kDay = 24 * 3600;
// Generous: the point is that a dead or slow server cannot hold start-up.
constexpr qint64 kMarginMs = 4000;

QByteArray Response(int status, const QByteArray& body, bool withLength = true) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " X\r\nConnection: close\r\n";
    if (withLength) head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return head + "\r\n" + body;
}

// Answers every request on its own thread's event loop, which the download's
// local event loop keeps running.
class LocalHttpServer : public QObject {
public:
    enum class Mode { Answer, Silent, Trickle };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        });
    }
    QString Address() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }
    // An address where nothing listens.
    static QString DeadAddress() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1").arg(port);
    }

    Mode mode = Mode::Answer;
    QByteArray response;
    int requests = 0;
    QByteArray requestLine;

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        ++requests;
        requestLine = request.left(request.indexOf("\r\n"));
        request.clear();
        if (mode == Mode::Silent) return;
        if (mode == Mode::Trickle) {
            // Always some data, never the whole answer.
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
            timer->start(100);
            return;
        }
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> pending_;
};

struct FakeOpener : WebPageOpener {
    void Open(const QString& address) override { opened << address; }
    QStringList opened;
};

class WebInfoCheckTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<LocalHttpServer> server_;
    FakeUserDialogs dialogs_;
    FakeOpener opener_;
    int questionsPrepared_ = 0;

    qint64 Stored(const char* key) const {
        return settings_->value(QStringLiteral("WebCheck/") + QLatin1String(key), 0).toLongLong();
    }
    // Runs the check and says whether it came back within the time-out and a margin.
    bool RunCheck(int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        RunWebInfoCheck({.settings = *settings_,
                         .dialogs = dialogs_,
                         .opener = opener_,
                         .texts = TextService(*module_),
                         .now = kNow,
                         .status = {},
                         .beforeQuestion = [this] { ++questionsPrepared_; },
                         .timeoutMs = timeoutMs});
        return clock.elapsed() < timeoutMs + kMarginMs;
    }

private slots:
    void initTestCase() { module_ = LoadEnglishModule(); }
    void cleanupTestCase() { module_.reset(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ =
            std::make_unique<QSettings>(dir_->filePath("settings.ini"), QSettings::IniFormat);
        server_ = std::make_unique<LocalHttpServer>();
        settings_->setValue("WebCheck/Server", server_->Address() + "/");
        dialogs_ = FakeUserDialogs();
        opener_ = FakeOpener();
        questionsPrepared_ = 0;
    }
    // The settings write themselves back when destroyed, so they go before
    // their folder, or they would bring it back.
    void cleanup() {
        settings_.reset();
        dir_.reset();
    }

    void downloadKeepsOnlyASuccessfulAnswerWithinTheLimit_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("ok");
        const QByteArray limit(1000, 'a');
        QTest::newRow("ok") << Response(200, "3.1.1.0") << true;
        QTest::newRow("error page") << Response(404, "3.1.1.0.1;http://a.de/;") << false;
        QTest::newRow("at the limit") << Response(200, limit, false) << true;
        QTest::newRow("above the limit") << Response(200, limit + "b") << false;
        QTest::newRow("above, no length") << Response(200, QByteArray(300000, 'c'), false) << false;
    }

    void downloadKeepsOnlyASuccessfulAnswerWithinTheLimit() {
        QFETCH(QByteArray, response);
        QFETCH(bool, ok);
        server_->response = response;
        CHttpDownload download;
        download.SetMaxBytes(1000);
        QStringList progress;
        download.SetStatusWindow([&progress](const QString& text) { progress << text; },
                                 TextService());
        QByteArray text = "left over";
        QCOMPARE(download.Download(server_->Address() + "/kadenzo/info.txt", text), ok);
        QCOMPARE(text, ok ? response.mid(response.indexOf("\r\n\r\n") + 4) : QByteArray());
        QCOMPARE(server_->requestLine, QByteArray("GET /kadenzo/info.txt HTTP/1.1"));
        QCOMPARE(download.StatusCode(), response.mid(9, 3).toInt());
        QVERIFY(!progress.isEmpty() && progress.last().isEmpty());
    }

    void downloadEndsWithinTheTimeout_data() {
        QTest::addColumn<bool>("dead");
        QTest::addColumn<int>("mode");
        QTest::newRow("nothing listening") << true << int(LocalHttpServer::Mode::Answer);
        QTest::newRow("never answers") << false << int(LocalHttpServer::Mode::Silent);
        QTest::newRow("answers too slowly") << false << int(LocalHttpServer::Mode::Trickle);
    }

    void downloadEndsWithinTheTimeout() {
        QFETCH(bool, dead);
        QFETCH(int, mode);
        server_->mode = static_cast<LocalHttpServer::Mode>(mode);
        CHttpDownload download;
        download.SetTimeout(500);
        QByteArray text;
        QElapsedTimer clock;
        clock.start();
        const QString server = dead ? LocalHttpServer::DeadAddress() : server_->Address();
        QVERIFY(!download.Download(server + "/kadenzo/info.txt", text));
        QVERIFY2(clock.elapsed() < 500 + kMarginMs, qPrintable(QString::number(clock.elapsed())));
    }

    void serverSettingMustBeAWebAddress() {
        QCOMPARE(WebCheckServer(*settings_), server_->Address());
        settings_->setValue("WebCheck/Server", "file:///tmp");
        QCOMPARE(WebCheckServer(*settings_), QString::fromLatin1(kDefaultWebCheckServer));
    }

    // The rules themselves are tested on their own; here, that their outcome
    // reaches the settings, the question and the browser.
    void checkActsOnTheFile_data() {
        QTest::addColumn<qint64>("lastCheck");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<qint64>("infoAfter");
        QTest::addColumn<uint>("idAfter");
        const qint64 recent = kNow - 2 * kDay;
        const QByteArray news5 = "3.1.1.0\r\n5;http://127.0.0.1/news/5;\r\n";
        QTest::newRow("first start")
            << 0LL << news5 << false << false << "http://127.0.0.1/news/5" << kNow << 5u;
        QTest::newRow("within a week") << recent << news5 << false << false << "" << recent << 0u;
        QTest::newRow("older version, No") << 0LL << QByteArray("3.1.0.9.5;http://127.0.0.1/;")
                                           << false << true << "" << 0LL << 0u;
        QTest::newRow("newer version, Yes")
            << 0LL << QByteArray("3.2.0.0.5;http://127.0.0.1/;") << true << true
            << module_->QText(IDS_DOWNLOAD_URL) << 0LL << 0u;
    }

    void checkActsOnTheFile() {
        QFETCH(qint64, lastCheck);
        QFETCH(QByteArray, file);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(QString, opened);
        QFETCH(qint64, infoAfter);
        QFETCH(uint, idAfter);
        if (lastCheck) {
            settings_->setValue("WebCheck/LastVersionCheck", lastCheck);
            settings_->setValue("WebCheck/LastInfoCheck", lastCheck);
        }
        server_->response = Response(200, file);
        dialogs_.yesNo = {yes};
        QVERIFY(RunCheck(5000));
        QCOMPARE(server_->requests, lastCheck ? 0 : 1);
        QCOMPARE(int(dialogs_.questions.size()), int(asked));
        QCOMPARE(questionsPrepared_, int(asked));
        if (asked) {
            // The server's version and the running one.
            QVERIFY(dialogs_.questions[0].text.contains(QString::fromLatin1(file.left(7))));
            QVERIFY(dialogs_.questions[0].text.contains("3.1.1.0"));
        }
        QCOMPARE(opener_.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(Stored("LastVersionCheck"), lastCheck ? lastCheck : kNow);
        QCOMPARE(Stored("LastInfoCheck"), infoAfter);
        QCOMPARE(uint(Stored("LastInfoID")), idAfter);
    }

    void failedOrForeignAnswerChangesNothing_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<int>("mode");
        const auto answer = int(LocalHttpServer::Mode::Answer);
        QTest::newRow("error page") << Response(404, "3.2.0.0.9;http://127.0.0.1/;") << answer;
        QTest::newRow("not an information file")
            << Response(200, "<html><body>Moved</body></html>") << answer;
        // The check's own time-out, not the download's default, bounds the wait.
        QTest::newRow("never answers") << QByteArray() << int(LocalHttpServer::Mode::Silent);
    }

    void failedOrForeignAnswerChangesNothing() {
        QFETCH(QByteArray, response);
        QFETCH(int, mode);
        server_->response = response;
        server_->mode = static_cast<LocalHttpServer::Mode>(mode);
        QVERIFY(RunCheck(500));
        QVERIFY(dialogs_.questions.empty() && opener_.opened.isEmpty());
        for (const char* key : {"LastVersionCheck", "LastInfoCheck", "LastInfoID"})
            QVERIFY2(!settings_->contains(QStringLiteral("WebCheck/") + key), key);
    }
};

}  // namespace

QTEST_MAIN(WebInfoCheckTest)
#include "WebInfoCheckTest.moc"
