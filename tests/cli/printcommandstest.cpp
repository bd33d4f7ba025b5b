// tollmark-cli print, run as a program on the sample quarters: the three printouts as
// PDF files (and the check's), their paper and orientation. (Its usage errors:
// usageerrorstest.cpp.)

#include "cli/clirun.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "shellcommand.h"

#include <gtest/gtest.h>

#include <iostream>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kSample = TOLLMARK_SAMPLE_DATA;

std::string Capture(const std::string &command, int *exitCode = nullptr)
{
    return RunShell(command, exitCode);
}

class PrintCommandsTest : public ::testing::Test
{
protected:
    std::string Temp(const std::string &name) const
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::path(::testing::TempDir()) /
                (std::string("cli-print-") + info->name() + "-" + name))
            .string();
    }

    // Runs tollmark-cli print with the arguments; standard error goes to `err`.
    int Print(const std::vector<std::string> &args, std::string *err = nullptr) const
    {
        const std::string errPath = Temp("stderr.txt");
        std::string command = ShellProgram(TOLLMARK_CLI) + " print";
        for (const std::string &arg : args)
            command += " " + Quoted(arg);
        int code = -1;
        Capture(command + " 2>" + Quoted(errPath), &code);
        std::ifstream in(errPath, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string said = bytes.str();
        if (err)
            *err = said;
        else if (code != 0)
            std::cerr << "tollmark-cli print exited " << code << ": " << said << "\n";
        return code;
    }

    static std::string PdfText(const std::string &pdf)
    {
        return Capture("pdftotext -enc UTF-8 " + Quoted(pdf) + " -");
    }
    static std::string PdfInfo(const std::string &pdf) { return Capture("pdfinfo " + Quoted(pdf)); }

    // The sample quarters (2Q2026) print on time unless a case files them otherwise.
    ScopedToday today_{"2026-07-02"};
};

TEST_F(PrintCommandsTest, QuebecReportPrintsTheFrenchForm)
{
    SKIP_WITHOUT_PDF_TEXT();
    const std::string pdf = Temp("qc.pdf");
    ASSERT_EQ(Print({kSample + "/sample.irc", "--rates", kSample + "/ifta.itx", "--what", "report",
                     "--pdf", pdf, "--landscape"}),
              0);
    const std::string text = PdfText(pdf);
    for (const char *part : {"MR-080-230605", "Québec", "Réservé à", "Carburant acheté",
                             "Ministère du Revenu", "Transport Boréal inc."})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_NE(PdfInfo(pdf).find("792 x 612"), std::string::npos);
}

TEST_F(PrintCommandsTest, OtherProvinceAndUsCarrierPrintTheEnglishForms)
{
    SKIP_WITHOUT_PDF_TEXT();
    // The sample record with its province changed to Ontario.
    CIftaDoc doc;
    ASSERT_TRUE(ReadRecordFile(doc, kSample + "/sample.irc"));
    CompanyInfo company = doc.company();
    company.provinceState = "ON";
    doc.setCompany(company);
    const std::string ontario = Temp("on.irc");
    ASSERT_TRUE(WriteRecordFile(doc, ontario));

    const std::string km = Temp("km.pdf");
    ASSERT_EQ(Print({ontario, "--rates", kSample + "/ifta.itx", "--what", "report", "--pdf", km,
                     "--page-size", "A4"}),
              0);
    EXPECT_NE(PdfText(km).find("Total IFTA kilometers"), std::string::npos);
    EXPECT_NE(PdfInfo(km).find("(A4)"), std::string::npos) << PdfInfo(km);

    const std::string miles = Temp("miles.pdf");
    ASSERT_EQ(Print({kSample + "/sample-us.irc", "--rates", kSample + "/ifta-us.itx", "--what",
                     "report", "--pdf", miles}),
              0);
    EXPECT_NE(PdfText(miles).find("Miles per gallon (MPG)"), std::string::npos);
    EXPECT_NE(PdfInfo(miles).find("612 x 792"), std::string::npos);
}

TEST_F(PrintCommandsTest, LateReturnFillsTheInterestAndTotalColumns)
{
    SKIP_WITHOUT_PDF_TEXT();
    // The fixture of tollmark-cli late: 3Q2024 filed 2025-02-10.
    const std::string data = TOLLMARK_TEST_DATA "/filing/";
    const std::string pdf = Temp("late.pdf");
    ASSERT_EQ(Print({data + "late-us.irc", "--rates", data + "rates-us.itx", "--what", "report",
                     "--pdf", pdf, "--filed", "2025-02-10"}),
              0);
    const std::string text = PdfText(pdf);
    // Arkansas's interest and total, the interest total and tax plus interest, the
    // penalty and the total due.
    for (const char *part :
         {"0.72", "23.49", "4.08", "9.59", "Penalty", "50.00", "Total due", "59.59"})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    // A month without a factor prints nothing.
    std::string err;
    EXPECT_EQ(Print({data + "late-us.irc", "--rates", data + "rates-us.itx", "--what", "report",
                     "--pdf", Temp("none.pdf"), "--filed", "2027-03-01"},
                    &err),
              1);
    EXPECT_NE(err.find("No interest factor for US 2027-01"), std::string::npos) << err;
}

// Without --filed the report is filed today: a late return prints its interest, penalty
// and total due, standard error says the day; a month without a factor prints nothing.
TEST_F(PrintCommandsTest, WithoutFiledTheReportIsFiledToday)
{
    SKIP_WITHOUT_PDF_TEXT();
    const std::string data = TOLLMARK_TEST_DATA "/filing/";
    const std::string pdf = Temp("today.pdf");
    ScopedToday filed("2025-02-10");
    std::string err;
    ASSERT_EQ(Print({data + "late-us.irc", "--rates", data + "rates-us.itx", "--what", "report",
                     "--pdf", pdf},
                    &err),
              0);
    // (Qt may add a line of its own about the environment.)
    EXPECT_EQ(err.substr(0, err.find('\n') + 1), "Filed 2025-02-10: 4 months late\n") << err;
    const std::string text = PdfText(pdf);
    for (const char *part : {"0.72", "Penalty", "50.00", "Total due", "59.59"})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    ScopedToday later("2027-03-01");
    EXPECT_EQ(Print({data + "late-us.irc", "--rates", data + "rates-us.itx", "--what", "report",
                     "--pdf", Temp("none.pdf")},
                    &err),
              1);
    EXPECT_NE(err.find("No interest factor for US 2027-01"), std::string::npos) << err;
}

TEST_F(PrintCommandsTest, Listings)
{
    SKIP_WITHOUT_PDF_TEXT();
    const std::string entries = Temp("entries.pdf");
    ASSERT_EQ(Print({kSample + "/sample-us.irc", "--rates", kSample + "/ifta-us.itx", "--what",
                     "entries", "--pdf", entries}),
              0);
    const std::string text = PdfText(entries);
    EXPECT_NE(text.find("IFTA Record"), std::string::npos);
    EXPECT_NE(text.find("Distance (Mil)"), std::string::npos);

    const std::string rates = Temp("rates.pdf");
    ASSERT_EQ(Print({kSample + "/sample.irc", "--rates", kSample + "/ifta.itx", "--what", "rates",
                     "--pdf", rates}),
              0);
    EXPECT_NE(PdfText(rates).find("IFTA Tax Rates."), std::string::npos);

    const std::string check = Temp("check.pdf");
    ASSERT_EQ(Print({kSample + "/sample-us.irc", "--rates", kSample + "/ifta-us.itx", "--what",
                     "check", "--pdf", check}),
              0);
    const std::string checked = PdfText(check);
    for (const char *expected :
         {"IFTA Quarter Check", "Rule", "Jurisdiction", "Message", "exposure",
          "An audit at 4.00 MPG would add 125.08 to the tax due"})
        EXPECT_NE(checked.find(expected), std::string::npos) << expected;
}

} // namespace
