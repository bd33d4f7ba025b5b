// The chart download against HTTP servers on 127.0.0.1 that the test runs itself: the
// fetcher waits in a local event loop, which also serves the test's server.

#include "net/chartfetcher.h"
#include "net/downloadinto.h"
#include "underwine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace {

const std::string kCharts = TOLLMARK_TEST_DATA "/charts/";

std::string ReadFixture(const std::string &name)
{
    std::ifstream in(kCharts + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QCoreApplication &App()
{
    static int argc = 1;
    static char name[] = "test_net";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// A one-request-per-connection HTTP server. Paths not in the page map get a 404 page.
class LoopbackServer
{
public:
    struct Page {
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders; // each ended by "\r\n"
    };

    LoopbackServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    std::string base() const
    {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/taxmatrix/charts/";
    }
    void setPage(const std::string &path, Page page) { pages_[path] = std::move(page); }
    // Accepts connections and reads requests but never answers.
    void setSilent(bool silent) { silent_ = silent; }

    std::vector<std::string> paths;      // request paths in arrival order
    std::vector<std::string> userAgents; // their User-Agent headers

private:
    void accept()
    {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                *request += socket->readAll();
                if (request->contains("\r\n\r\n"))
                    answer(socket, *request);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket *socket, const QByteArray &request)
    {
        const QList<QByteArray> lines = request.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        paths.push_back(first.value(1).toStdString());
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("user-agent:"))
                userAgents.push_back(line.mid(11).trimmed().toStdString());
        }
        if (silent_)
            return;
        Page page{404, "<html><body><h1>Not Found</h1></body></html>\n", {}};
        auto found = pages_.find(paths.back());
        if (found != pages_.end())
            page = found->second;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(page.status) + " Status\r\n";
        head += "Content-Type: text/plain\r\nConnection: close\r\n";
        head += "Content-Length: " + QByteArray::number(page.body.size()) + "\r\n";
        head += page.extraHeaders + "\r\n";
        socket->write(head + page.body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<std::string, Page> pages_;
    bool silent_ = false;
};

// A small table with the names the fixture charts use, rates 1.1111 / 2.2222.
TaxRateTable SmallTable()
{
    TaxRateTable table;
    const char *names[] = {"Alberta", "Quebec", "Indiana", "IN Surcharge", "Wyoming"};
    for (int slot = 0; slot < 5; ++slot) {
        table[slot].name = names[slot];
        table[slot].abbreviation = std::string(names[slot]).substr(0, 2);
        table[slot].dieselRate = TenThousandths{11111};
        table[slot].gasolineRate = TenThousandths{22222};
        table[slot].surcharge = slot == 3 ? 1 : 0;
        table[slot].slot = slot;
    }
    return table;
}

class ChartFetcherTest : public ::testing::Test
{
protected:
    // Downloads quarter 2 of 2026 from `base` into the small table.
    int download(ChartFetcher &fetcher, const std::string &base, const std::string &country = "US",
                 const ChartProgress &progress = {})
    {
        return DownloadInto(fetcher, ChartFetcher::ChartAddress(base, 2, 2026), country, table,
                            period, nullptr, progress);
    }

    // A failure leaves the table and the period exactly as they were.
    void expectUnchanged() const
    {
        EXPECT_EQ(table, SmallTable());
        EXPECT_EQ(period, (TaxPeriod{2005, 1, "Canada"}));
    }

    QCoreApplication &app = App(); // before the server, whose socket needs it
    TaxRateTable table = SmallTable();
    TaxPeriod period{2005, 1, "Canada"};
    LoopbackServer server;
};

} // namespace

TEST(ChartAddressTest, QuarterThenYearAfterTheBase)
{
    EXPECT_EQ(ChartFetcher::ChartAddress(ChartFetcher::kDefaultBase, 1, 2005),
              "http://www.iftach.org/taxmatrix/charts/1Q2005.txt");
    EXPECT_EQ(ChartFetcher::ChartAddress("https://example.org/c/", 2, 2006),
              "https://example.org/c/2Q2006.txt");
}

TEST_F(ChartFetcherTest, TabChartIsReadLineByLineAndParsed)
{
    server.setPage("/taxmatrix/charts/2Q2026.txt",
                   {200, QByteArray::fromStdString(ReadFixture("2Q2026-can.txt")), {}});
    ChartFetcher fetcher;
    std::vector<int> progress;
    const ChartProgress count = [&](int value) { progress.push_back(value); };
    fetcher.setProgress(count);

    ASSERT_EQ(download(fetcher, server.base(), "Canada", count), 0) << fetcher.errorMessage();
    EXPECT_TRUE(fetcher.errorMessage().empty());
    EXPECT_EQ(server.paths, (std::vector<std::string>{"/taxmatrix/charts/2Q2026.txt"}));
    EXPECT_EQ(server.userAgents, (std::vector<std::string>{"My Session"}));
    // CR LF line ends become one "\n" each.
    EXPECT_EQ(fetcher.text().find('\r'), std::string::npos);
    EXPECT_EQ(fetcher.text().substr(0, 10), "2Q2026 IFT");

    EXPECT_EQ(period, (TaxPeriod{2026, 2, "Canada"}));
    EXPECT_EQ(table[0].gasolineRate, TenThousandths{1300}); // Alberta, Canadian units
    EXPECT_EQ(table[1].dieselRate, TenThousandths{2020});   // Quebec
    EXPECT_EQ(table[3].dieselRate, TenThousandths{0});      // IN Surcharge "$-"
    EXPECT_EQ(table[2].dieselRate, TenThousandths{2277});   // Indiana kept its own

    // The line counter 0, 1, 2 ... of the fetch, then 50 for the read text, then 50, 51 ...
    // per jurisdiction.
    const size_t lines =
        static_cast<size_t>(std::count(fetcher.text().begin(), fetcher.text().end(), '\n'));
    ASSERT_EQ(progress.size(), lines + 1 + 5);
    for (size_t i = 0; i < lines; ++i)
        ASSERT_EQ(progress[i], static_cast<int>(i));
    EXPECT_EQ(std::vector<int>(progress.begin() + static_cast<long>(lines), progress.end()),
              (std::vector<int>{50, 50, 51, 52, 53, 54}));
}

TEST_F(ChartFetcherTest, HttpErrorOnTxtFallsBackToCsv)
{
    server.setPage("/taxmatrix/charts/2Q2026.csv",
                   {200, QByteArray::fromStdString(ReadFixture("2Q2026.csv")), {}});
    ChartFetcher fetcher;
    ASSERT_EQ(download(fetcher, server.base()), 0) << fetcher.errorMessage();
    EXPECT_EQ(server.paths, (std::vector<std::string>{"/taxmatrix/charts/2Q2026.txt",
                                                      "/taxmatrix/charts/2Q2026.csv"}));
    EXPECT_EQ(fetcher.fetchedAddress(), server.base() + "2Q2026.csv");
    EXPECT_EQ(period, (TaxPeriod{2026, 2, "US"}));
    EXPECT_EQ(table[0].gasolineRate, TenThousandths{3596});
    EXPECT_EQ(table[4].dieselRate, TenThousandths{2400});
}

TEST_F(ChartFetcherTest, RedirectIsFollowed)
{
    server.setPage(
        "/taxmatrix/charts/2Q2026.txt",
        {301, "moved\n",
         "Location: " + QByteArray::fromStdString(server.base()) + "new/2Q2026.txt\r\n"});
    server.setPage("/taxmatrix/charts/new/2Q2026.txt",
                   {200, QByteArray::fromStdString(ReadFixture("2Q2026-us.txt")), {}});
    ChartFetcher fetcher;
    ASSERT_EQ(download(fetcher, server.base()), 0) << fetcher.errorMessage();
    EXPECT_EQ(server.paths.back(), "/taxmatrix/charts/new/2Q2026.txt");
    EXPECT_EQ(fetcher.text().find("moved"), std::string::npos);
    EXPECT_EQ(table[1].gasolineRate, TenThousandths{5311}); // Quebec, US units
}

TEST_F(ChartFetcherTest, NotFoundUnderBothNamesFails)
{
    ChartFetcher fetcher;
    EXPECT_EQ(download(fetcher, server.base()), -1);
    EXPECT_EQ(fetcher.errorMessage(),
              "Connection to server fail (error: 404)\nHTTP 404: the server has no rate chart at "
              "that address (not found).");
    EXPECT_EQ(server.paths.size(), 2u);
    expectUnchanged();
}

TEST_F(ChartFetcherTest, SilentServerTimesOut)
{
    server.setSilent(true);
    ChartFetcher fetcher;
    fetcher.setTimeout(300);
    EXPECT_EQ(download(fetcher, server.base()), -1);
    EXPECT_EQ(fetcher.errorCode(), ChartFetcher::kTimeoutCode);
    EXPECT_EQ(fetcher.errorMessage(), "Connection to server fail (error: 4)\nThe server did not "
                                      "answer in time (timed out).");
    expectUnchanged();
}

// The time-out counts from the last data, not from the start: an answer that trickles in
// for longer than the time-out in all is still read.
TEST_F(ChartFetcherTest, SlowButSteadyAnswerIsRead)
{
    const QByteArray chart = QByteArray::fromStdString(ReadFixture("2Q2026-us.txt"));
    QTcpServer slow;
    ASSERT_TRUE(slow.listen(QHostAddress::LocalHost, 0));
    QTimer drip;
    drip.setInterval(100);
    QTcpSocket *client = nullptr;
    qsizetype sent = 0;
    QObject::connect(&slow, &QTcpServer::newConnection, [&] {
        client = slow.nextPendingConnection();
        client->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(chart.size()) + "\r\n\r\n");
        drip.start();
    });
    QObject::connect(&drip, &QTimer::timeout, [&] {
        const qsizetype piece = chart.size() / 6 + 1;
        client->write(chart.mid(sent, piece));
        sent += piece;
        if (sent >= chart.size()) {
            drip.stop();
            client->disconnectFromHost();
        }
    });
    ChartFetcher fetcher;
    fetcher.setTimeout(300);
    ASSERT_EQ(download(fetcher, "http://127.0.0.1:" + std::to_string(slow.serverPort()) + "/"), 0)
        << fetcher.errorMessage();
    EXPECT_EQ(table[4].gasolineRate, TenThousandths{2400}); // Wyoming, the chart's last line
}

TEST_F(ChartFetcherTest, RefusedConnectionFails)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const std::string base = "http://127.0.0.1:" + std::to_string(probe.serverPort()) + "/";
    probe.close(); // nobody listens there any more

    ChartFetcher fetcher;
    EXPECT_EQ(download(fetcher, base), -1);
    EXPECT_EQ(fetcher.errorCode(), 1); // QNetworkReply::ConnectionRefusedError
    EXPECT_EQ(fetcher.errorMessage(),
              "Connection to server fail (error: 1)\nThe server refused the connection.");
    expectUnchanged();
}

TEST_F(ChartFetcherTest, OversizedAnswerFails)
{
    server.setPage("/taxmatrix/charts/2Q2026.txt", {200, QByteArray(5000, 'x'), {}});
    ChartFetcher fetcher;
    fetcher.setMaxBytes(4096);
    EXPECT_EQ(download(fetcher, server.base()), -1);
    EXPECT_EQ(fetcher.errorCode(), ChartFetcher::kTooLargeCode);
    expectUnchanged();
}

// The HTTPS address goes through TLS: a server that answers in plain text fails the
// handshake as a connection failure, not as an unknown protocol.
TEST_F(ChartFetcherTest, HttpsIsSpokenOverTls)
{
    if (RunningUnderWine())
        GTEST_SKIP() << "Wine's Schannel (over GnuTLS) reports no failed handshake: it waits";
    ASSERT_TRUE(QSslSocket::supportsSsl());
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&plain, &QTcpServer::newConnection, [&plain] {
        while (QTcpSocket *socket = plain.nextPendingConnection()) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 8\r\n\r\n2Q2026\t\n");
            socket->disconnectFromHost();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    const std::string base = "https://127.0.0.1:" + std::to_string(plain.serverPort()) + "/";
    ChartFetcher fetcher;
    fetcher.setTimeout(5000);
    EXPECT_EQ(download(fetcher, base), -1);
    EXPECT_EQ(fetcher.errorCode(), 6) << fetcher.errorMessage(); // SslHandshakeFailedError
    expectUnchanged();
}
