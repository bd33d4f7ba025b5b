// Rate-chart downloads from servers that misbehave: an answer without end, half an answer,
// an error page, a slow trickle, binary bytes. Each download must end, in a failure that
// leaves the tax-rate table exactly as it was or in a text that is parsed, never hang.

#include "formats/taxfile.h"
#include "net/chartfetcher.h"
#include "net/downloadinto.h"
#include "underwine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

namespace {

std::string ReadChart(const std::string &name)
{
    std::ifstream in(TOLLMARK_TEST_DATA "/charts/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A loopback server that hands each request, once its head has arrived, to a script that
// answers it on the socket as the test wants.
class ScriptedServer
{
public:
    using Script = std::function<void(QTcpSocket *socket, const QByteArray &path)>;

    explicit ScriptedServer(Script script) : script_(std::move(script))
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                auto head = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
                    if (head->contains("\r\n\r\n"))
                        return;
                    *head += socket->readAll();
                    if (head->contains("\r\n\r\n")) {
                        const QByteArray path = head->split(' ').value(1);
                        paths.push_back(path.toStdString());
                        script_(socket, path);
                    }
                });
            }
        });
    }

    std::string address() const
    {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) +
               "/taxmatrix/charts/2Q2026.txt";
    }

    std::vector<std::string> paths;

private:
    QTcpServer server_;
    Script script_;
};

QByteArray Head(int status, qint64 length = -1)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    head += "Content-Type: text/plain\r\nConnection: close\r\n";
    if (length >= 0)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    return head + "\r\n";
}

class ChartFaultTest : public ::testing::Test
{
protected:
    // The fetcher needs an application object for its event loop. Another test of this
    // program may already have made one for the whole run; otherwise this suite makes its
    // own and removes it again, so that a later suite can make its own.
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_net";
            static char *argv[] = {name, nullptr};
            ownApp_ = new QCoreApplication(argc, argv);
        }
    }
    static void TearDownTestSuite()
    {
        delete ownApp_;
        ownApp_ = nullptr;
    }

    void SetUp() override
    {
        TaxPeriod ignored;
        ASSERT_TRUE(ReadTaxFile(TOLLMARK_TEST_DATA "/charts/table-2026.itx", table, ignored));
        before = table;
        fetcher.setTimeout(400);
        fetcher.setDeadline(3000);
    }

    int download(const ScriptedServer &server, const std::string &country = "US")
    {
        return DownloadInto(fetcher, server.address(), country, table, period, &message);
    }

    // What every failed download must leave: the table and its period as they were, and
    // the message with the code.
    void expectFailure(int code)
    {
        EXPECT_EQ(fetcher.errorCode(), code);
        const std::string first = "Connection to server fail (error: " + std::to_string(code) + ")";
        EXPECT_EQ(fetcher.errorMessage().substr(0, first.size() + 1), first + "\n");
        EXPECT_GT(fetcher.errorMessage().size(), first.size() + 5); // a reason follows
        EXPECT_TRUE(table == before) << "a failed download changed the table";
        EXPECT_EQ(period, (TaxPeriod{2005, 1, "Canada"}));
    }

    static inline QCoreApplication *ownApp_ = nullptr;
    ChartFetcher fetcher;
    std::string message; // what the last download told the user
    TaxRateTable table;
    TaxRateTable before;
    TaxPeriod period{2005, 1, "Canada"};
};

// Sends `piece` every `intervalMs` after the head, for at most `limitMs` (a guard so that a
// download that failed to stop ends the test instead of hanging it), then closes.
class Trickle
{
public:
    Trickle(QTcpSocket *socket, QByteArray piece, int intervalMs, int limitMs = 20000)
        : socket_(socket)
        , piece_(std::move(piece))
        , left_(limitMs / intervalMs)
    {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (left_-- <= 0 || socket_->state() != QAbstractSocket::ConnectedState) {
                timer_.stop();
                socket_->disconnectFromHost();
                return;
            }
            socket_->write(piece_);
        });
        timer_.start();
    }

private:
    QTcpSocket *socket_;
    QByteArray piece_;
    int left_;
    QTimer timer_;
};

} // namespace

TEST_F(ChartFaultTest, EndlessAnswerStopsAtTheSizeCap)
{
    if (RunningUnderWine())
        GTEST_SKIP() << "under Wine the test's endless server, served by the fetcher's own "
                        "event loop, stalls and the idle time-out fires before the cap; not "
                        "yet explained";
    // No length and no end: the server writes as fast as the fetcher reads.
    const QByteArray block(16 * 1024, 'x');
    ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
        socket->write(Head(200) + block);
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, &block] {
            if (socket->bytesToWrite() < block.size())
                socket->write(block);
        });
    });
    fetcher.setMaxBytes(256 * 1024);
    EXPECT_EQ(download(server), -1);
    expectFailure(ChartFetcher::kTooLargeCode);
}

// Half the promised chart, then the connection closed, or reset (SO_LINGER 0 sends RST):
// a failure at once, saying so, never the idle timeout's.
TEST_F(ChartFaultTest, HalfAnswerThenCloseOrResetFails)
{
    const QByteArray chart = QByteArray::fromStdString(ReadChart("2Q2026-us.txt"));
    for (const bool reset : {false, true}) {
        ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
            socket->write(Head(200, chart.size()) + chart.left(chart.size() / 2));
            if (!reset) {
                socket->disconnectFromHost();
                return;
            }
            socket->waitForBytesWritten(2000);
            const struct linger now = {1, 0};
            ::setsockopt(socket->socketDescriptor(), SOL_SOCKET, SO_LINGER,
                         reinterpret_cast<const char *>(&now), sizeof now);
            socket->abort();
        });
        EXPECT_EQ(download(server), -1) << reset;
        // Qt's RemoteHostClosedError: the connection ended before the promised length.
        expectFailure(2);
        EXPECT_NE(fetcher.errorMessage().find("reset or closed before the whole chart"),
                  std::string::npos)
            << fetcher.errorMessage();
    }
}

// Without a length, an answer whose connection closes before the chart's last
// jurisdiction was cut short: a failure that changes nothing. The whole chart without a
// length is read.
TEST_F(ChartFaultTest, ChartWithoutLengthCutShortFails)
{
    const QByteArray chart = QByteArray::fromStdString(ReadChart("2Q2026-us.txt"));
    for (const qsizetype cut : {chart.size() / 2, chart.lastIndexOf("WYOMING")}) {
        ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
            socket->write(Head(200) + chart.left(cut));
            socket->disconnectFromHost();
        });
        EXPECT_EQ(download(server), -1) << cut;
        expectFailure(ChartFetcher::kCutShortCode);
    }
    ScriptedServer whole([&](QTcpSocket *socket, const QByteArray &) {
        socket->write(Head(200) + chart);
        socket->disconnectFromHost();
    });
    ASSERT_EQ(download(whole), 0) << fetcher.errorMessage();
    EXPECT_EQ(period.quarter, 2);
}

TEST_F(ChartFaultTest, ServerErrorPageUnderBothNamesFails)
{
    const QByteArray page = "<html><body><h1>500 Internal Server Error</h1></body></html>\n";
    ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
        socket->write(Head(500, page.size()) + page);
        socket->disconnectFromHost();
    });
    EXPECT_EQ(download(server), -1);
    expectFailure(500);
    EXPECT_EQ(server.paths, (std::vector<std::string>{"/taxmatrix/charts/2Q2026.txt",
                                                      "/taxmatrix/charts/2Q2026.csv"}));
}

TEST_F(ChartFaultTest, TrickleWithinTheTimeoutIsReadAndParsed)
{
    const QByteArray chart = QByteArray::fromStdString(ReadChart("2Q2026-us.txt"));
    qsizetype sent = 0;
    ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
        socket->write(Head(200, chart.size()));
        // Pieces of 256 bytes every 40 ms: well inside the 400 ms wait for data.
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [&, socket, timer] {
            socket->write(chart.mid(sent, 256));
            sent += 256;
            if (sent >= chart.size()) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(40);
    });
    ASSERT_EQ(download(server), 0) << fetcher.errorMessage();
    EXPECT_EQ(period.year, 2026);
    EXPECT_EQ(period.quarter, 2);
    EXPECT_FALSE(table == before);
}

TEST_F(ChartFaultTest, PauseLongerThanTheTimeoutFails)
{
    const QByteArray chart = QByteArray::fromStdString(ReadChart("2Q2026-us.txt"));
    ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
        // The head and a first piece, then nothing for longer than the wait for data.
        socket->write(Head(200, chart.size()) + chart.left(100));
        QTimer::singleShot(2000, socket, [socket, &chart] {
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write(chart.mid(100));
        });
    });
    EXPECT_EQ(download(server), -1);
    expectFailure(ChartFetcher::kTimeoutCode);
}

TEST_F(ChartFaultTest, TrickleWithoutEndMeetsTheDeadline)
{
    // One byte every 50 ms: each well inside the wait for data, the whole never ending.
    std::vector<std::unique_ptr<Trickle>> trickles;
    ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
        socket->write(Head(200) + "2nd Quarter 2026\n");
        trickles.push_back(std::make_unique<Trickle>(socket, QByteArray("\t"), 50));
    });
    fetcher.setDeadline(1500);
    EXPECT_EQ(download(server), -1);
    expectFailure(ChartFetcher::kTimeoutCode);
}

TEST_F(ChartFaultTest, AnswerThatIsNotAChartFailsAndChangesNothing)
{
    // A 200 answer that is an HTML page, random bytes (every value, NULs and line ends
    // among them, a chart line after a NUL) or an empty chart: a failure, with the table
    // and its period as they were.
    std::mt19937 random(20260401);
    QByteArray noise(64 * 1024, '\0');
    for (char &c : noise)
        c = static_cast<char>(random() & 0xff);
    noise += QByteArray("\0\n", 2) + "ALBERTA\t$0.1300\t$0.1300\t\n";
    const QByteArray answers[] = {
        "<html><head><title>Sign in</title></head><body>Sign in</body></html>\n",
        noise,
        "",
        "2nd Quarter 2026\t\t\n\tGas\tDiesel\n",
    };
    for (const QByteArray &body : answers) {
        ScriptedServer server([&](QTcpSocket *socket, const QByteArray &) {
            socket->write(Head(200, body.size()) + body);
            socket->disconnectFromHost();
        });
        EXPECT_EQ(download(server), -1) << body.left(40).toStdString();
        EXPECT_EQ(message, kNotARateChart);
        EXPECT_TRUE(table == before) << "an answer that is not a chart changed the table";
        EXPECT_EQ(period, (TaxPeriod{2005, 1, "Canada"}));
    }
}
