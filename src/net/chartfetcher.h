#pragma once

#include "formats/chartparser.h"
#include "sessionbase/chartsource.h"

#include <QByteArray>

class QNetworkReply;

#include <functional>
#include <string>

class QUrl;

// Fetches the quarter's rate chart from the clearinghouse's chart site over HTTP or HTTPS
// and parses it into the tax-rate table.
//
// The call is synchronous: it waits in a local event loop until the answer is complete,
// so a QCoreApplication (or QApplication) must exist. The request carries the user agent
// "My Session" and follows redirects that do not go from https to http. The system's proxy
// settings apply, except for addresses on this machine.
//
// Failures (no connection, a transfer error, `timeout` without data, an answer over
// `maxBytes`) give -1 and errorMessage() "Connection to server fail (error: %d)" with the
// code: the network error number of Qt's QNetworkReply::NetworkError, the HTTP status for
// an HTTP error of the last address tried, kTimeoutCode for the time-out and kTooLargeCode
// for an oversized answer. The table and period are then unchanged.
class ChartFetcher : public ChartSource
{
public:
    // The clearinghouse's chart folder; a chart is "<base><Q>Q<YYYY>.txt".
    static constexpr const char *kDefaultBase = "http://www.iftach.org/taxmatrix/charts/";
    static constexpr int kDefaultTimeoutMs = 30000;
    static constexpr int kDefaultDeadlineMs = 120000;
    static constexpr qint64 kDefaultMaxBytes = 4 * 1024 * 1024;
    static constexpr int kTimeoutCode = 4;    // QNetworkReply::TimeoutError
    static constexpr int kTooLargeCode = 299; // QNetworkReply::UnknownContentError
    static constexpr int kCutShortCode = 2;   // QNetworkReply::RemoteHostClosedError

    // The reason of a failure with `code` (an HTTP status when `http`, else a transfer
    // error) in plain language: "The server's host name was not found ...", "HTTP 404:
    // ...". It follows "Connection to server fail (error: %d)" on a second line.
    static std::string FailureReason(int code, bool http);

    // "%s%dQ%d.txt" of the base, the quarter and the year: quarter 2 of 2006 gives
    // "<base>2Q2006.txt".
    static std::string ChartAddress(const std::string &base, int quarter, int year);

    // Called with the line counter while the answer is read (0, 1, 2 ... per line), with 50
    // once it is read, then with 50, 51 ... per jurisdiction parsed; meant for a progress
    // bar of range 0..100, which ignores values beyond its range.
    void setProgress(std::function<void(int)> progress) { progress_ = std::move(progress); }
    // Longest wait for data before the transfer counts as failed (30 s unless told).
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    // Longest time one request may take in all, however steadily its data come (2 minutes
    // unless told): a server that trickles bytes without end fails with kTimeoutCode.
    void setDeadline(int milliseconds) { deadlineMs_ = milliseconds; }
    // Largest answer accepted (4 MiB unless told).
    void setMaxBytes(qint64 bytes) { maxBytes_ = bytes; }

    // Reads the chart at `address` into text(). When the server answers a ".txt" address
    // with an HTTP error, the same name ending in ".csv" is fetched instead (the
    // clearinghouse publishes charts under that name since 2017). 0 when a text was read,
    // -1 on failure.
    int FetchChart(const std::string &address) override;

    // The answer of the last FetchChart said its length (Content-Length).
    bool lengthKnown() const override { return lengthKnown_; }
    // An answer without a length that ended before the chart's last jurisdiction: the
    // connection was closed early, kCutShortCode's failure.
    std::string cutShort() override;

    // The text read: every line of the answer followed by a single "\n".
    const std::string &text() const override { return text_; }
    // The address that gave the text (the ".csv" one after a fall-back).
    const std::string &fetchedAddress() const { return fetchedAddress_; }
    // "Connection to server fail (error: %d)" and, on a second line, the reason after a
    // failure, else empty.
    const std::string &errorMessage() const override { return errorMessage_; }
    int errorCode() const { return errorCode_; }

private:
    struct Answer {
        int networkError = 0; // 0 when the transfer itself worked
        int httpStatus = 0;
        bool lengthKnown = false; // the answer said its length (Content-Length)
    };
    Answer get(const QUrl &url, QByteArray &body);
    // The answer of a finished `reply` whose body so far is `body` (the rest is read into
    // it unless the wait was cut short): its status, whether it said its length, and the
    // failure code of a time-out, an answer too large or a network error.
    Answer finishAnswer(QNetworkReply &reply, QByteArray &body, bool timedOut, bool tooLarge) const;
    void fail(int code, bool http);
    void collectLines(const QByteArray &body);
    void notify(int value) const
    {
        if (progress_)
            progress_(value);
    }

    std::function<void(int)> progress_;
    int timeoutMs_ = kDefaultTimeoutMs;
    int deadlineMs_ = kDefaultDeadlineMs;
    qint64 maxBytes_ = kDefaultMaxBytes;
    std::string text_;
    std::string fetchedAddress_;
    bool lengthKnown_ = false; // the text's answer said its length
    std::string errorMessage_;
    int errorCode_ = 0;
};
