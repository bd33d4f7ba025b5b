#include "net/chartfetcher.h"

#include "numbers/uitext.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

bool IsThisMachine(const QUrl &url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}

bool EndsWithTxt(const std::string &address)
{
    return address.size() >= 4 && address.compare(address.size() - 4, 4, ".txt") == 0;
}

// Whether the chart reached its last line: a chart lists the jurisdictions in
// alphabetical order, so the table's jurisdiction whose name sorts last (WYOMING) comes
// last. A chart cut short before it never filled that slot.
} // namespace

std::string ChartFetcher::ChartAddress(const std::string &base, int quarter, int year)
{
    char name[32];
    std::snprintf(name, sizeof name, "%dQ%d.txt", quarter, year);
    return base + name;
}

std::string ChartFetcher::FailureReason(int code, bool http)
{
    if (http) {
        switch (code) {
        case 404:
            return UiText("ChartFetcher",
                          "HTTP 404: the server has no rate chart at that address (not found).");
        case 403:
            return UiText("ChartFetcher",
                          "HTTP 403: the server refused to give the rate chart (forbidden).");
        default:
            return UiArgs(code >= 500
                              ? UiText("ChartFetcher", "HTTP %1: the server failed to answer.")
                              : UiText("ChartFetcher", "HTTP %1: the server refused."),
                          {std::to_string(code)});
        }
    }
    switch (code) {
    case QNetworkReply::ConnectionRefusedError:
        return UiText("ChartFetcher", "The server refused the connection.");
    case QNetworkReply::RemoteHostClosedError:
        // Qt tells a reset (RST) and an early close apart by neither error nor timing:
        // both end the answer here, at once.
        return UiText("ChartFetcher",
                      "The connection was reset or closed before the whole chart arrived.");
    case QNetworkReply::HostNotFoundError:
        return UiText("ChartFetcher", "The server's host name was not found: check the address "
                                      "and the connection to the Internet.");
    case kTimeoutCode:
        return UiText("ChartFetcher", "The server did not answer in time (timed out).");
    case QNetworkReply::OperationCanceledError:
        return UiText("ChartFetcher", "The download was cancelled.");
    case QNetworkReply::SslHandshakeFailedError:
        return UiText("ChartFetcher", "The secure connection to the server failed.");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return UiText("ChartFetcher", "The network is not available.");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return UiText("ChartFetcher", "The proxy server could not be reached.");
    case kTooLargeCode:
        return UiText("ChartFetcher", "The server's answer was too large for a rate chart.");
    default:
        return UiText("ChartFetcher", "The transfer failed.");
    }
}

void ChartFetcher::fail(int code, bool http)
{
    // The program's words first, then the reason in plain language.
    errorMessage_ = UiArgs(UiText("ChartFetcher", "Connection to server fail (error: %1)\n%2"),
                           {std::to_string(code), FailureReason(code, http)});
    errorCode_ = code;
}

ChartFetcher::Answer ChartFetcher::get(const QUrl &url, QByteArray &body)
{
    QNetworkAccessManager manager;
    if (IsThisMachine(url))
        manager.setProxy(QNetworkProxy::NoProxy);

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("My Session"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.get(request);

    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(timeoutMs_);
    bool timedOut = false;
    bool tooLarge = false;

    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    // The idle wait starts again with every piece of data; the deadline does not, so an
    // answer that never ends cannot hold the dialog for ever.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setInterval(deadlineMs_);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    // Only the final answer's body counts, not that of a redirect.
    QObject::connect(reply, &QNetworkReply::redirected, &loop, [&] { body.clear(); });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > maxBytes_) {
            tooLarge = true;
            reply->abort();
            return;
        }
        idle.start();
    });
    // The answer's headers count as data too: the wait starts again when they arrive.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] { idle.start(); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start();
    deadline.start();
    if (!reply->isFinished())
        loop.exec();
    idle.stop();
    deadline.stop();
    const Answer answer = finishAnswer(*reply, body, timedOut, tooLarge);
    delete reply;
    return answer;
}

ChartFetcher::Answer ChartFetcher::finishAnswer(QNetworkReply &reply, QByteArray &body,
                                                bool timedOut, bool tooLarge) const
{
    Answer answer;
    if (!timedOut && !tooLarge)
        body += reply.readAll();
    answer.httpStatus = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.lengthKnown = reply.header(QNetworkRequest::ContentLengthHeader).isValid();
    if (timedOut)
        answer.networkError = kTimeoutCode;
    else if (tooLarge || body.size() > maxBytes_)
        answer.networkError = kTooLargeCode;
    else if (reply.error() != QNetworkReply::NoError && answer.httpStatus < 400)
        answer.networkError = reply.error();
    return answer;
}

void ChartFetcher::collectLines(const QByteArray &body)
{
    // The answer as lines, each without its line end and followed by one "\n".
    text_.clear();
    text_.reserve(static_cast<size_t>(body.size()) + 1);
    int counter = 0;
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0)
            end = body.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && body[lineEnd - 1] == '\r')
            --lineEnd;
        notify(counter++);
        text_.append(body.constData() + start, static_cast<size_t>(lineEnd - start));
        text_ += '\n';
        start = end + 1;
    }
}

int ChartFetcher::FetchChart(const std::string &address)
{
    text_.clear();
    fetchedAddress_.clear();
    errorMessage_.clear();
    errorCode_ = 0;

    std::string current = address;
    for (;;) {
        QByteArray body;
        const Answer answer = get(QUrl(QString::fromStdString(current)), body);
        if (answer.networkError != 0) {
            fail(answer.networkError, false);
            return -1;
        }
        if (answer.httpStatus >= 400) {
            // The older ".txt" name is gone for recent quarters; the same chart is
            // published under ".csv".
            if (EndsWithTxt(current)) {
                current.replace(current.size() - 4, 4, ".csv");
                continue;
            }
            fail(answer.httpStatus, true);
            return -1;
        }
        collectLines(body);
        fetchedAddress_ = current;
        lengthKnown_ = answer.lengthKnown;
        return 0;
    }
}

std::string ChartFetcher::cutShort()
{
    fail(kCutShortCode, false);
    return errorMessage_;
}
