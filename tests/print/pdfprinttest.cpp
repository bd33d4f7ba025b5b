// Printouts written as PDF files and read back with pdftotext: the English kilometre and
// mile forms and the Quebec form with its accents, nothing drawn outside the printable
// page in either orientation, and the print commands driven through scripted dialogs,
// each job printing the record as it is when the job starts.

#include "posixonly.h"
#include "print/ciftaprint.h"
#include "print/cprintcommands.h"
#include "printfixtures.h"
#include "shellcommand.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QGuiApplication &App()
{
    static int argc = 1;
    static char name[] = "test_print";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = QGuiApplication::instance()
                                      ? static_cast<QGuiApplication *>(QGuiApplication::instance())
                                      : new QGuiApplication(argc, argv);
    return *app;
}

// The text of a PDF file as pdftotext reads it (UTF-8); with `layout`, line by line as
// the page shows it.
QString PdfText(const QString &path, bool layout = false)
{
    const std::string command = std::string("pdftotext ") + (layout ? "-layout " : "") +
                                "-enc UTF-8 " + ShellQuoted(path.toStdString()) + " -";
    return QString::fromUtf8(RunShell(command).c_str());
}

void ExpectContains(const QString &text, const std::vector<const char *> &parts)
{
    for (const char *part : parts)
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
}

class PdfPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App();
        ASSERT_TRUE(dir.isValid());
    }
    QString Path(const char *name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    PrintState state;
};

TEST_F(PdfPrint, EnglishKilometreForm)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "ON");
    int pages = 0;
    ASSERT_TRUE(
        PrintDocumentToPdf(f.printout(ViewMode::Report), Path("km.pdf"), state, {}, &pages));
    EXPECT_EQ(pages, 1);
    SKIP_WITHOUT_PDF_TEXT();
    const QString text = PdfText(Path("km.pdf"));
    ExpectContains(text, {"IFTA Quarterly Fuel Use Tax Report", "3Q2005-Page 1",
                          "Total IFTA kilometers", "Kilometers per litre", "(C ÷ D)", "(K – L)",
                          "Jurisdiction", "State 2", "Transport Boréal inc.", "2190", "-3.21"});
    EXPECT_FALSE(text.contains("MPG"));
}

TEST_F(PdfPrint, EnglishMileForm)
{
    PrintFixture f = MakeReportDoc(3, "US", "QC");
    ASSERT_TRUE(PrintDocumentToPdf(f.printout(ViewMode::Report), Path("miles.pdf"), state));
    SKIP_WITHOUT_PDF_TEXT();
    ExpectContains(PdfText(Path("miles.pdf")),
                   {"Total IFTA miles", "Miles per gallon (MPG)", "Total fuel consumed (Gallons)",
                    "(I ÷ J)", "State 1"});
}

TEST_F(PdfPrint, QuebecFormKeepsItsAccents)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    PdfOptions options;
    options.landscape = true;
    ASSERT_TRUE(PrintDocumentToPdf(f.printout(ViewMode::Report), Path("qc.pdf"), state, options));
    SKIP_WITHOUT_PDF_TEXT();
    ExpectContains(PdfText(Path("qc.pdf")),
                   {"MR-080-230605", "Québec",
                    "Calcul de la taxe à payer selon le carburant utilisé",
                    "Entente internationale concernant la taxe sur les carburants – IFTA",
                    "Éthanol", "• Gaz naturel liquéfié (GNL)", "Carburant acheté",
                    "kilomètres par litre (C ÷ D)", "Formulaire prescrit – Sous-ministre du Revenu",
                    "Ministère du Revenu", "Définitions", "Intérêts"});
}

// A late return of the fixture's three rows: interest on the two owing rows, none on the
// credit, a penalty of a tenth of the net tax.
LateReturn ThreeRowLateReturn()
{
    LateReturn late;
    late.monthsLate = 4;
    const auto row = [](int32_t slot, int64_t tax, int64_t interest) {
        return LateReturnRow{slot, Hundredths{tax}, Hundredths{interest},
                             Hundredths{tax + interest}};
    };
    late.rows = {row(0, 1234, 56), row(1, -500, 0), row(2, 99999, 3125)};
    late.taxTotal = Hundredths{100733};
    late.interestTotal = Hundredths{3181};
    late.taxAndInterest = Hundredths{100733 + 3181};
    late.penalty = Hundredths{10073};
    late.totalDue = Hundredths{113987};
    return late;
}

TEST_F(PdfPrint, LateReturnFillsInterestAndTotalOnBothForms)
{
    const LateReturn late = ThreeRowLateReturn();
    const struct {
        const char *province, *file, *penalty, *total;
    } forms[] = {{"ON", "en.pdf", "Penalty", "Total due"},
                 {"QC", "qc.pdf", "Pénalité", "Total dû"}};
    for (const auto &form : forms) {
        PrintFixture f = MakeReportDoc(3, "Canada", form.province);
        ASSERT_TRUE(
            PrintDocumentToPdf(f.printout(ViewMode::Report, &late), Path(form.file), state));
        // (P) and (Q) of each row, their totals, the penalty and the total due.
        SKIP_WITHOUT_PDF_TEXT();
        ExpectContains(PdfText(Path(form.file)),
                       {"0.56", "12.90", "-5.00", "31.25", "1031.24", "31.81", "1039.14",
                        form.penalty, "100.73", form.total, "1139.87"});
    }
    // On time the columns keep the plain form's zero interest and no penalty line.
    PrintFixture f = MakeReportDoc(3, "Canada", "ON");
    ASSERT_TRUE(PrintDocumentToPdf(f.printout(ViewMode::Report), Path("ontime.pdf"), state));
    EXPECT_FALSE(PdfText(Path("ontime.pdf")).contains("Penalty"));
}

// Every text of the three return forms stays inside its box: no frame line strikes
// through a text or is crossed by one running past it, and no text prints over another
// (a box's letter over its title), as the texts and lines go into the PDF. And nothing
// leaves the printable page: on A4 across the Quebec footnotes would run off it unless the
// form is made smaller. On Letter and A4, portrait and landscape.
TEST_F(PdfPrint, FormTextsStayInsideTheirFramesAndThePage)
{
    const std::pair<const char *, const char *> carriers[] = {
        {"Canada", "QC"}, {"Canada", "ON"}, {"US", "IA"}};
    for (const auto &[country, province] : carriers) {
        PrintFixture f = MakeReportDoc(20, country, province);
        for (const QPageSize::PageSizeId size : {QPageSize::Letter, QPageSize::A4}) {
            for (const bool landscape : {false, true}) {
                SCOPED_TRACE(std::string(province) + (size == QPageSize::A4 ? " A4" : " Letter") +
                             (landscape ? " landscape" : " portrait"));
                QPrinter printer(QPrinter::HighResolution);
                PdfOptions options;
                options.pageSize = size;
                options.landscape = landscape;
                SetUpPdfPrinter(printer, Path("frames.pdf"), options);
                PrintState pageState;
                CIftaPrint job(f.printout(ViewMode::Report), pageState);
                PrintInfo info;
                job.OnBeginPrinting(&printer, QGuiApplication::font(), info);
                QPainter painter(&printer);
                const QRectF printable(0, 0, printer.width(), printer.height());
                for (int page = 1; page <= info.maxPage; ++page) {
                    if (page > 1)
                        printer.newPage();
                    info.currentPage = page;
                    info.drawRect = QRect(0, 0, printer.width(), printer.height());
                    job.OnPrint(painter, info);
                    EXPECT_TRUE(printable.contains(job.lastFormBounds())) << "page " << page;
                    for (const FormDrawnText &t : job.lastFormCrossedTexts())
                        ADD_FAILURE() << "page " << page << ": " << t.text.toStdString();
                }
            }
        }
    }
}

TEST_F(PdfPrint, NothingToPrintWritesNoFile)
{
    PrintFixture f = MakeReportDoc(0, "US", "IA");
    const Result result = PrintDocumentToPdf(f.printout(ViewMode::Report), Path("none.pdf"), state);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Nothing to print.");
    EXPECT_FALSE(QFile::exists(Path("none.pdf")));
    // The tax-rate listing always has its pages.
    EXPECT_TRUE(PrintDocumentToPdf(f.printout(ViewMode::TaxRates), Path("rates.pdf"), state));
    SKIP_WITHOUT_PDF_TEXT();
    ExpectContains(PdfText(Path("rates.pdf")),
                   {"IFTA Tax Rates.", "Page 1", "Dtax", "KY Surcharge"});
}

#ifndef _WIN32
// A PDF that cannot be written whole (here: past the process's file size limit, as a
// full disk would stop it) is no success, and the old file stays; so also for a printer
// set to PDF output, as the print dialog's "Print to File" sets it.
TEST_F(PdfPrint, AWriteThatFailsKeepsTheOldFile)
{
    PrintFixture f = MakeReportDoc(3, "Canada", "ON");
    const QString path = Path("q2.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old PDF");
    }
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = 4000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
    int pages = -1;
    const Result direct = PrintDocumentToPdf(f.printout(ViewMode::Report), path, state, {}, &pages);
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, path, PdfOptions{});
    const Result dialog = PrintJob(f.printout(ViewMode::Report), printer, state);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    for (const Result &result : {direct, dialog}) {
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.message, "The PDF file " + path.toStdString() +
                                      " could not be written. The old file is kept.");
    }
    EXPECT_EQ(pages, 0);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the old PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "a temporary file was left";

    // With room again the file is replaced.
    ASSERT_TRUE(PrintDocumentToPdf(f.printout(ViewMode::Report), path, state));
    ExpectContains(PdfText(path), {"IFTA Quarterly Fuel Use Tax Report"});
}
#else
POSIX_ONLY_SKIP_F(PdfPrint, AWriteThatFailsKeepsTheOldFile,
                  "the full disk is a file size limit (setrlimit)")
#endif

// The words of a text, split at white space, so that a figure is found only whole.
QStringList Words(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

int PdfPages(const QString &path)
{
    const QString info = PdfText(path);
    return static_cast<int>(info.count(QLatin1Char('\f')));
}

// The record listing read back: trip numbers and dates are separate words, every page
// says whose listing it is, and the totals close it (a surcharge line's distance
// counted once). The tax-rate listing prints only
// pages that hold lines.
TEST_F(PdfPrint, ListingsSeparateTheirColumnsNameTheCarrierAndEndWithTotals)
{
    PrintFixture f = MakeReportDoc(12, "Canada", "ON");
    for (bool landscape : {false, true}) {
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        PdfOptions options;
        options.landscape = landscape;
        ASSERT_TRUE(
            PrintDocumentToPdf(f.printout(ViewMode::EntryList), Path("trips.pdf"), state, options));
        SKIP_WITHOUT_PDF_TEXT();
        const QString text = PdfText(Path("trips.pdf"), true);
        const QStringList words = Words(text);
        for (const char *word : {"1", "9", "10", "12", "2005/07/01"})
            EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word;
        EXPECT_FALSE(words.contains("12005/07/01"));
        ExpectContains(text, {"Transport Boréal inc.", "IFTA 1234567890QC", "Quarter 3Q2005"});
        // 100 + 101 + ... + 111 km less the 105 of slot 5's surcharge line (a distance
        // driven on another line), and 10 + 11 + ... + 21 litres.
        const int total = words.indexOf("Total");
        ASSERT_GE(total, 0) << text.toStdString();
        ASSERT_LT(total + 2, words.size());
        EXPECT_EQ(words[total + 1], "1161");
        EXPECT_EQ(words[total + 2], "186.00");
    }

    // Twelve named slots fit one page: no pages of headings for the empty slots after.
    PrintFixture rates;
    rates.fillTable(12);
    ASSERT_TRUE(PrintDocumentToPdf(rates.printout(ViewMode::TaxRates), Path("twelve.pdf"), state));
    EXPECT_EQ(PdfPages(Path("twelve.pdf")), 1);
}

// Dialogs that answer from a script and remember what they were shown.
class ScriptedDialogs : public PrintDialogs
{
public:
    explicit ScriptedDialogs(const QString &pdf) : pdf_(pdf) {}

    bool runPrintDialog(QPrinter &printer, QWidget *) override
    {
        shownLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        if (!acceptPrint)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        printer.setPageOrientation(chooseLandscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
        return true;
    }
    void runPreview(QPrinter &printer, QWidget *, const std::function<void(QPrinter *)> &paint,
                    int &previewPages) override
    {
        startedWithPages = previewPages;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_ + ".preview.pdf");
        paint(&printer);
        previewPages = 2;
    }
    bool runPrintSetup(QPrinter &printer, QWidget *) override
    {
        shownLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        printer.setPageOrientation(chooseLandscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
        return true;
    }

    bool acceptPrint = true;
    bool chooseLandscape = false;
    bool shownLandscape = false;
    int startedWithPages = -1;

private:
    QString pdf_;
};

TEST_F(PdfPrint, PrintSetupStartsFromTheDefaultPrinterInLandscape)
{
    auto dialogs = std::make_unique<ScriptedDialogs>(Path("out.pdf"));
    ScriptedDialogs &script = *dialogs;
    CPrintCommands commands(std::move(dialogs));
    script.chooseLandscape = false;
    ASSERT_TRUE(commands.OnFilePrintSetup(nullptr));
    EXPECT_TRUE(script.shownLandscape);
    EXPECT_FALSE(commands.printerSettings().isLandscape());
    // The portrait choice is not where the next set-up starts.
    commands.OnFilePrintSetup(nullptr);
    EXPECT_TRUE(script.shownLandscape);
}

TEST_F(PdfPrint, PrintUsesTheDocumentsSettingsAndKeepsTheChoice)
{
    auto dialogs = std::make_unique<ScriptedDialogs>(Path("out.pdf"));
    ScriptedDialogs &script = *dialogs;
    CPrintCommands commands(std::move(dialogs));
    PrintFixture f = MakeReportDoc(20, "US", "IA");

    PrinterSettings documentSettings = commands.printerSettings();
    documentSettings.pageLayout.setOrientation(QPageLayout::Portrait);
    // A Print Setup in landscape since the document took its settings is overridden.
    script.chooseLandscape = true;
    commands.OnFilePrintSetup(nullptr);
    ASSERT_TRUE(commands.printerSettings().isLandscape());

    script.chooseLandscape = true;
    ASSERT_TRUE(commands.OnFilePrint(nullptr, *f.doc, ViewMode::Report, documentSettings));
    EXPECT_FALSE(script.shownLandscape);
    EXPECT_TRUE(documentSettings.isLandscape());
    EXPECT_EQ(documentSettings, commands.printerSettings());
    SKIP_WITHOUT_PDF_TEXT();
    ExpectContains(PdfText(Path("out.pdf")), {"3Q2005-Page 1", "3Q2005-Page 2"});

    // Cancelled: nothing printed, the document keeps the settings it had.
    script.acceptPrint = false;
    const PrinterSettings before = documentSettings;
    EXPECT_FALSE(commands.OnFilePrint(nullptr, *f.doc, ViewMode::Report, documentSettings));
    EXPECT_EQ(documentSettings, before);
}

TEST_F(PdfPrint, PreviewRemembersItsPagesAndHandsItsSettingsToTheDocument)
{
    auto dialogs = std::make_unique<ScriptedDialogs>(Path("out.pdf"));
    ScriptedDialogs &script = *dialogs;
    CPrintCommands commands(std::move(dialogs));
    PrintFixture f = MakeReportDoc(3, "Canada", "QC");
    int pages = 0;
    PrinterSettings documentSettings;

    commands.OnFilePrintPreview(nullptr, *f.doc, ViewMode::Report, documentSettings, pages);
    EXPECT_EQ(script.startedWithPages, 0);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(documentSettings, commands.printerSettings());
    SKIP_WITHOUT_PDF_TEXT();
    ExpectContains(PdfText(Path("out.pdf.preview.pdf")), {"Québec"});

    commands.OnFilePrintPreview(nullptr, *f.doc, ViewMode::Report, documentSettings, pages);
    EXPECT_EQ(script.startedWithPages, 2);
}

TEST_F(PdfPrint, EachPrintShowsTheTripLinesAsTheyAreNow)
{
    auto dialogs = std::make_unique<ScriptedDialogs>(Path("fresh.pdf"));
    CPrintCommands commands(std::move(dialogs));
    // Trip lines of 100, 101 and 102 miles; the form's total is theirs.
    PrintFixture f = MakeReportDoc(3, "US", "IA");
    PrinterSettings documentSettings = commands.printerSettings();
    ASSERT_TRUE(commands.OnFilePrint(nullptr, *f.doc, ViewMode::Report, documentSettings));
    SKIP_WITHOUT_PDF_TEXT();
    QStringList words = Words(PdfText(Path("fresh.pdf")));
    EXPECT_TRUE(words.contains("101"));
    EXPECT_TRUE(words.contains("303"));

    // The second line is corrected after that printout: the next one shows the corrected
    // line and total, and nothing of the figures printed before.
    TripEntry corrected = f.doc->entries()[1];
    corrected.distance = 4321;
    f.doc->modifyEntry(1, corrected);
    ASSERT_TRUE(commands.OnFilePrint(nullptr, *f.doc, ViewMode::Report, documentSettings));
    words = Words(PdfText(Path("fresh.pdf")));
    EXPECT_TRUE(words.contains("4321"));
    EXPECT_TRUE(words.contains("4523"));
    EXPECT_FALSE(words.contains("101"));
    EXPECT_FALSE(words.contains("303"));
}

} // namespace

namespace {

TEST_F(PdfPrint, CommandsShareTheApplicationsPrinterObject)
{
    auto dialogs = std::make_unique<ScriptedDialogs>(Path("shared.pdf"));
    ScriptedDialogs &script = *dialogs;
    CPrintCommands commands(std::move(dialogs));
    QPrinter appPrinter(QPrinter::HighResolution);
    appPrinter.setPageOrientation(QPageLayout::Portrait);
    commands.setApplicationPrinter([&appPrinter]() -> QPrinter & { return appPrinter; });

    // Print Setup leaves its choice in the application's printer ...
    script.chooseLandscape = true;
    ASSERT_TRUE(commands.OnFilePrintSetup(nullptr));
    EXPECT_EQ(appPrinter.pageLayout().orientation(), QPageLayout::Landscape);
    // ... and a preview starts from whatever that printer holds now.
    appPrinter.setPageOrientation(QPageLayout::Portrait);
    PrintFixture f = MakeReportDoc(3, "US", "IA");
    int pages = 0;
    PrinterSettings documentSettings;
    commands.OnFilePrintPreview(nullptr, *f.doc, ViewMode::Report, documentSettings, pages);
    EXPECT_FALSE(documentSettings.isLandscape());
}

} // namespace
