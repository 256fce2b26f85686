// The weekly web check against a server on 127.0.0.1 that this test runs
// itself: canned answers, error pages, answers over the download's limit, a
// server that never answers or answers too slowly, and none at all.
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ResourceIds.h"
#include "TestSupport.h"
#include "WebInfoCheck.h"

using namespace kadenzo;

namespace {

constexpr qint64 kNow = 1'700'000'000;
// Generous for a slow build, yet the time-out and the margin stay under the
// download's default time-out, so that a check that ignores its own shows.
constexpr qint64 kMarginMs = 1500;
constexpr int kTimeoutMs = 1000;
static_assert(kTimeoutMs + kMarginMs < CHttpDownload::kDefaultTimeoutMs);
constexpr qsizetype kLimit = CHttpDownload::kDefaultMaxBytes;

QByteArray Response(int status, const QByteArray& body, bool withLength = true) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " X\r\nConnection: close\r\n";
    if (withLength) head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return head + "\r\n" + body;
}

enum class Mode { Answer, Silent, Trickle, Dead };

// Answers every request on the test's event loop, which the download's local
// event loop keeps running.
class LocalHttpServer : public QObject {
public:
    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        });
    }
    // With Mode::Dead, an address where nothing listens.
    QString Address() {
        const QString address = QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
        if (mode == Mode::Dead) server_.close();
        return address;
    }

    Mode mode = Mode::Answer;
    QByteArray response;
    int requests = 0;
    QByteArray requestLine;

private:
    void Serve(QTcpSocket* socket) {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n")) return;
        ++requests;
        requestLine = request.left(request.indexOf("\r\n"));
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
};

struct FakeOpener : WebPageOpener {
    void Open(const QString& address) override { opened << address; }
    QStringList opened;
};

// One run of the check: when it last ran, how the server answers and the
// answer to the download question; what is asked, opened and stored after
// (0: nothing stored).
struct CheckCase {
    qint64 lastCheck = 0;
    QByteArray response;
    Mode mode = Mode::Answer;
    bool yes = false;
    bool asked = false;
    QString opened = {};
    qint64 versionAfter = 0;
    qint64 infoAfter = 0;
    uint idAfter = 0;
};

}  // namespace

Q_DECLARE_METATYPE(CheckCase)

class WebInfoCheckTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LanguageModule> module_;

private slots:
    void initTestCase() { module_ = LoadEnglishModule(); }
    void cleanupTestCase() { module_.reset(); }

    // The rules themselves are tested on their own; here, that their outcome
    // reaches the settings, the question and the browser, and that a failed
    // or foreign answer changes nothing. The check's own time-out, not the
    // download's default, bounds the wait, also while bytes keep coming.
    void checkActsOnTheAnswer_data() {
        QTest::addColumn<CheckCase>("c");
        const qint64 recent = kNow - 2 * 24 * 3600;  // two days ago
        const QByteArray news5 = "3.1.1.0\r\n5;http://127.0.0.1/news/5;\r\n";
        const QString page5 = "http://127.0.0.1/news/5";
        // Blanks do not count in the file, so one filled to the limit still reads.
        const QByteArray atTheLimit = news5 + QByteArray(kLimit - news5.size(), ' ');
        const QByteArray tooLong = "3.2.0.0.9;http://127.0.0.1/;" + QByteArray(kLimit, ' ');
        const QString download = module_->QText(IDS_DOWNLOAD_URL);
        using M = Mode;
        QTest::newRow("first start")
            << CheckCase{0, Response(200, news5), M::Answer, false, false, page5, kNow, kNow, 5};
        QTest::newRow("at the limit") << CheckCase{
            0, Response(200, atTheLimit, false), M::Answer, false, false, page5, kNow, kNow, 5};
        QTest::newRow("within a week") << CheckCase{
            recent, Response(200, news5), M::Answer, false, false, "", recent, recent, 0};
        QTest::newRow("older version, No") << CheckCase{
            0, Response(200, "3.1.0.9.5;http://a.de/;"), M::Answer, false, true, "", kNow, 0, 0};
        QTest::newRow("newer version, Yes") << CheckCase{
            0, Response(200, "3.2.0.0.5;http://a.de/;"), M::Answer, true, true, download, kNow};
        // A failed answer is met with Yes, so that a question asked all the
        // same would open a page.
        QTest::newRow("error page")
            << CheckCase{0, Response(404, "3.2.0.0.9;http://a.de/;"), M::Answer, true};
        QTest::newRow("not an information file")
            << CheckCase{0, Response(200, "<html><body>Moved</body></html>"), M::Answer, true};
        QTest::newRow("over the limit") << CheckCase{0, Response(200, tooLong), M::Answer, true};
        QTest::newRow("over the limit, no length")
            << CheckCase{0, Response(200, tooLong, false), M::Answer, true};
        QTest::newRow("nothing listening") << CheckCase{0, {}, M::Dead, true};
        QTest::newRow("never answers") << CheckCase{0, {}, M::Silent, true};
        QTest::newRow("answers too slowly") << CheckCase{0, {}, M::Trickle, true};
    }

    void checkActsOnTheAnswer() {
        QFETCH(CheckCase, c);
        QTemporaryDir dir;
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        const auto stored = [&settings](const char* key) {
            return settings.value(QStringLiteral("WebCheck/") + QLatin1String(key)).toLongLong();
        };
        if (c.lastCheck) {
            settings.setValue("WebCheck/LastVersionCheck", c.lastCheck);
            settings.setValue("WebCheck/LastInfoCheck", c.lastCheck);
        }
        LocalHttpServer server;
        server.response = c.response;
        server.mode = c.mode;
        settings.setValue("WebCheck/Server", server.Address() + "/");
        FakeUserDialogs dialogs;
        dialogs.yesNo = {c.yes};
        FakeOpener opener;
        int questionsPrepared = 0;
        QElapsedTimer clock;
        clock.start();
        RunWebInfoCheck({.settings = settings,
                         .dialogs = dialogs,
                         .opener = opener,
                         .texts = TextService(*module_),
                         .now = kNow,
                         .status = {},
                         .beforeQuestion = [&questionsPrepared] { ++questionsPrepared; },
                         .timeoutMs = kTimeoutMs});
        QVERIFY(clock.elapsed() < kTimeoutMs + kMarginMs);
        if (c.mode != Mode::Dead) QCOMPARE(server.requests, c.lastCheck ? 0 : 1);
        if (server.requests)
            QCOMPARE(server.requestLine, QByteArray("GET /kadenzo/info.txt HTTP/1.1"));
        QCOMPARE(int(dialogs.questions.size()), int(c.asked));
        QCOMPARE(questionsPrepared, int(c.asked));
        if (c.asked) {
            // The server's version and the running one.
            QVERIFY(dialogs.questions[0].text.contains(
                QString::fromLatin1(c.response.mid(c.response.indexOf("\r\n\r\n") + 4, 7))));
            QVERIFY(dialogs.questions[0].text.contains("3.1.1.0"));
        }
        QCOMPARE(opener.opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened});
        QCOMPARE(stored("LastVersionCheck"), c.versionAfter);
        QCOMPARE(stored("LastInfoCheck"), c.infoAfter);
        QCOMPARE(uint(stored("LastInfoID")), c.idAfter);
    }
};

QTEST_MAIN(WebInfoCheckTest)
#include "WebInfoCheckTest.moc"
