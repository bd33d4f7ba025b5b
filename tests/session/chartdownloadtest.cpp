// The download of the rate chart as the session runs it for both front ends, over a fake
// source: the table and its period filled, one undo step, what did not match reported,
// and nothing changed when the fetch fails or the answer is no chart.

#include "sessiontest.h"

#include "sessionbase/chartdownload.h"
#include "sessionbase/chartsource.h"

#include <fstream>

using namespace sessiontest;

namespace {

class FakeSource : public ChartSource
{
public:
    int FetchChart(const std::string &address) override
    {
        addresses.push_back(address);
        return fail.empty() ? 0 : -1;
    }
    const std::string &text() const override { return answer; }
    const std::string &errorMessage() const override { return fail; }

    std::string answer, fail;
    std::vector<std::string> addresses;
};

std::string ReadText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ChartDownload, FillsTheTableOnceAndSaysWhatDidNotMatch)
{
    LoadedTaxTable rates;
    ASSERT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), rates).ok());
    const TaxRateTable before = rates.table();
    FakeSource source;
    source.answer = ReadText(fixture("charts/2Q2026-can.txt"));

    const ChartDownload done = DownloadChartInto(source, "http://x/2Q2026.txt", "Canada", rates);
    ASSERT_TRUE(done.result.ok()) << done.result.message;
    EXPECT_EQ(source.addresses, std::vector<std::string>{"http://x/2Q2026.txt"});
    EXPECT_NE(rates.table(), before);
    EXPECT_EQ(rates.period(), (TaxPeriod{2026, 2, "Canada"}));
    EXPECT_TRUE(rates.isModified());
    EXPECT_EQ(rates.undo().undoName(), "Download Rates");
    // The chart has every jurisdiction; the little table has only five of them.
    EXPECT_FALSE(done.unmatchedNames.empty());
    const std::string message = ChartMismatchMessage(done);
    EXPECT_EQ(message.rfind("Not in the tax-rate table, passed over: ", 0), 0u) << message;

    // A failed fetch and an answer that is no chart leave the table and its steps alone.
    for (const char *fail : {"Connection to server fail (error: 3)", ""}) {
        source.fail = fail;
        source.answer = ReadText(fixture("charts/error-page.html"));
        const TaxRateTable downloaded = rates.table();
        const ChartDownload refused = DownloadChartInto(source, "http://x/", "Canada", rates);
        EXPECT_FALSE(refused.result.ok());
        EXPECT_EQ(refused.result.message, *fail ? std::string(fail) : kNotARateChart);
        EXPECT_EQ(rates.table(), downloaded);
        EXPECT_EQ(rates.undo().undoCount(), 1u);
    }
}

} // namespace
