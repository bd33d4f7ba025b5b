#include "print/ciftaprint.h"

#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "print/englishform.h"
#include "print/listings.h"
#include "print/pagesetup.h"
#include "print/painterformcanvas.h"
#include "print/quebecform.h"
#include "print/yearlisting.h"
#include "records/units.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// Row slots of a form page.
constexpr int kPortraitRowSlots = 32;
constexpr int kLandscapeRowSlots = 16;

// One form unit of room below the lowest line or text, for the lines' own width.
constexpr int kFormBottomSlack = 1;

// A frame line may touch a text's ink by this many form units (half the line's width).
constexpr double kTextInkMargin = 0.5;

} // namespace

ReportForm ChooseReportForm(const CompanyInfo &company)
{
    if (!IsCanada(company.country))
        return ReportForm::EnglishMiles;
    return company.provinceState == "QC" ? ReportForm::Quebec : ReportForm::EnglishKilometres;
}

CIftaPrint::CIftaPrint(const Printout &printout, PrintState &state)
    : printout_(printout)
    , state_(state)
{
}

void CIftaPrint::OnPreparePrinting(PrintInfo &) {}

void CIftaPrint::OnBeginPrinting(const QPaintDevice *device, const QFont &currentFont,
                                 PrintInfo &info)
{
    state_.setup.pageWidth = device->width();
    state_.setup.pageHeight = device->height();
    const bool portrait = state_.setup.pageWidth <= state_.setup.pageHeight;
    info.minPage = 1;
    info.maxPage = 0;
    if (!printout_.doc)
        return;

    if (printout_.mode == ViewMode::Report) {
        state_.linesPerPage = portrait ? kPortraitRowSlots : kLandscapeRowSlots;
        const double rows = static_cast<double>(printout_.report.rows.size());
        info.maxPage = static_cast<int>(std::ceil(rows / state_.linesPerPage));
        return;
    }

    // Measure the listing page as its set-up will, on a copy of the state so the page
    // state of the job is not touched before its first page.
    PrintState measured = state_;
    PrintInfo page = info;
    page.drawRect = QRect(0, 0, device->width(), device->height());
    SetUpPage(device, currentFont, PageKind::Listing, page, measured);
    state_.linesPerPage = ListingLinesPerPage(page.drawRect.height(), measured.setup.lineHeight);
    // The check listing runs over its findings' lines, long messages wrapped as the page
    // is wide.
    int lines = TaxRateListingLineCount(printout_.doc->taxTable());
    if (printout_.mode == ViewMode::EntryList)
        lines = RecordListingLineCount(*printout_.doc);
    else if (printout_.mode == ViewMode::Check)
        lines = static_cast<int>(
            CheckListingLines(printout_.findings, CheckMessageChars(measured.setup, page.drawRect))
                .size());
    else if (printout_.mode == ViewMode::Vehicles)
        lines = static_cast<int>(VehicleListingLines(*printout_.doc, printout_.fleet).size());
    else if (printout_.mode == ViewMode::Year)
        lines = printout_.year.quarters.empty()
                    ? 0
                    : static_cast<int>(YearListingLines(printout_.year).size());
    info.maxPage = ListingPageCount(lines, state_.linesPerPage);
}

void CIftaPrint::OnPrint(QPainter &painter, PrintInfo &info, bool printing)
{
    if (!printout_.doc)
        return;
    const QFont previous = painter.font();
    painter.setPen(Qt::black);
    switch (printout_.mode) {
    case ViewMode::EntryList:
        SetUpListingPage(painter, info, state_);
        PrintRecordListing(painter, info, state_, *printout_.doc);
        break;
    case ViewMode::Report:
        printForm(painter, info, printing);
        break;
    case ViewMode::TaxRates:
        SetUpListingPage(painter, info, state_);
        PrintTaxRateListing(painter, info, state_, printout_.doc->taxTable(),
                            printout_.doc->tablePeriod());
        break;
    case ViewMode::Check:
        SetUpListingPage(painter, info, state_);
        PrintCheckListing(painter, info, state_, *printout_.doc, printout_.findings);
        break;
    case ViewMode::Vehicles:
        SetUpListingPage(painter, info, state_);
        PrintVehicleListing(painter, info, state_, *printout_.doc, printout_.fleet);
        break;
    case ViewMode::Year:
        SetUpListingPage(painter, info, state_);
        PrintYearListing(painter, info, state_, printout_.year);
        break;
    }
    painter.setFont(previous);
}

void CIftaPrint::printForm(QPainter &painter, PrintInfo &info, bool printing)
{
    SetUpFormPage(painter, info, state_);
    const CIftaDoc &doc = *printout_.doc;
    const Report &report = printout_.report;
    const LateReturn *late = printout_.lateReturn();
    const ReportForm form = ChooseReportForm(doc.company());
    const int bottom = form == ReportForm::Quebec
                           ? QuebecFormBottom(state_.linesPerPage)
                           : EnglishFormBottom(state_.linesPerPage, report.rounding);
    FitFormToPage(state_, bottom + kFormBottomSlack);

    PainterFormCanvas canvas(painter, state_, painter.font(), info.drawRect, printing);
    const int page = info.currentPage;
    switch (form) {
    case ReportForm::Quebec:
        PrintQuebecForm(canvas, doc, report, state_, page, late);
        break;
    case ReportForm::EnglishKilometres:
        PrintEnglishForm(canvas, doc, report, state_, page, FormUnits::KilometresLitres, late);
        break;
    case ReportForm::EnglishMiles:
        PrintEnglishForm(canvas, doc, report, state_, page, FormUnits::MilesGallons, late);
        break;
    }
    lastFormBounds_ = canvas.drawnBounds();
    const double margin = kTextInkMargin * state_.setup.scaleY;
    lastCrossed_ = TextsCrossedByFrames(canvas.drawnTexts(), canvas.drawnSegments(), margin);
    for (FormDrawnText &text : TextsOverlappingTexts(canvas.drawnTexts(), margin))
        lastCrossed_.push_back(std::move(text));
}

void CIftaPrint::OnEndPrinting() {}

Result PrintDocument(const Printout &printout, QPrinter &printer, PrintState &state,
                     int *pagesPrinted)
{
    if (pagesPrinted)
        *pagesPrinted = 0;
    CIftaPrint job(printout, state);
    PrintInfo info;
    job.OnPreparePrinting(info);
    job.OnBeginPrinting(&printer, QGuiApplication::font(), info);

    // The page range chosen in the print dialog, within the job's pages.
    int first = std::max(info.minPage, printer.fromPage());
    int last = printer.toPage() > 0 ? std::min(info.maxPage, printer.toPage()) : info.maxPage;
    if (last < first) {
        job.OnEndPrinting();
        return Result::success();
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        job.OnEndPrinting();
        return Result::failure(UiText("PrintJob", "The printer could not be started."));
    }
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        info.currentPage = page;
        info.drawRect = QRect(0, 0, printer.width(), printer.height());
        job.OnPrint(painter, info);
    }
    painter.end();
    job.OnEndPrinting();
    if (pagesPrinted)
        *pagesPrinted = last - first + 1;
    return Result::success();
}

namespace {

// Whether the PDF file at `path` was written to its end: the PDF writer ends every file
// with "%%EOF", and a write that failed (a full disk) leaves the file short of it.
bool PdfFileComplete(const std::string &path)
{
    PlatformFile file;
    PlatformFile::Info info;
    if (file.open(path, PlatformFile::Open::Read) != 0 || file.info(info) != 0 || info.size < 5)
        return false;
    const uint64_t tailSize = std::min<uint64_t>(info.size, 32);
    std::string tail(static_cast<size_t>(tailSize), '\0');
    size_t got = 0;
    if (file.seek(info.size - tailSize) != 0 || file.read(&tail[0], tail.size(), got) != 0)
        return false;
    tail.resize(got);
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r'))
        tail.pop_back();
    return tail.size() >= 5 && tail.compare(tail.size() - 5, 5, "%%EOF") == 0;
}

} // namespace

Result PrintJob(const Printout &printout, QPrinter &printer, PrintState &state, int *pagesPrinted)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return PrintDocument(printout, printer, state, pagesPrinted);

    // A PDF file is written beside its place and renamed over the old file only once it
    // is complete: a full disk or a kill while printing leaves the old file as it was.
    const QString pdfPath = printer.outputFileName();
    const std::string path = pdfPath.toStdString();
    const std::string failed =
        UiArgs(UiText("PrintJob", "The PDF file %1 could not be written."), {Utf8ToCp1252(path)});
    SafeFile::Staged staged;
    if (const Result begun = SafeFile::beginSave(path, staged); !begun)
        return Result::failure(failed + "\n" + begun.message);
    printer.setOutputFileName(QString::fromStdString(staged.temp));
    int pages = 0;
    const Result printed = PrintDocument(printout, printer, state, &pages);
    printer.setOutputFileName(pdfPath);
    if (pagesPrinted)
        *pagesPrinted = 0;
    if (printed && pages == 0) {
        SafeFile::abandonSave(staged);
        return printed;
    }
    if (!printed || printer.printerState() == QPrinter::Error || !PdfFileComplete(staged.temp)) {
        SafeFile::abandonSave(staged);
        return Result::failure(UiArgs(UiText("PrintJob", "%1 The old file is kept."), {failed}));
    }
    if (const Result committed = SafeFile::commitSave(staged); !committed)
        return Result::failure(failed + "\n" + committed.message);
    if (pagesPrinted)
        *pagesPrinted = pages;
    return Result::success();
}

void SetUpPdfPrinter(QPrinter &printer, const QString &pdfPath, const PdfOptions &options)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setResolution(options.resolution);
    printer.setFullPage(false);
    const double margin = options.unprintableMarginInches;
    printer.setPageLayout(
        QPageLayout(QPageSize(options.pageSize),
                    options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(margin, margin, margin, margin), QPageLayout::Inch));
}

Result PrintDocumentToPdf(const Printout &printout, const QString &pdfPath, PrintState &state,
                          const PdfOptions &options, int *pagesPrinted)
{
    if (pagesPrinted)
        *pagesPrinted = 0;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, pdfPath, options);
    int pages = 0;
    const Result printed = PrintJob(printout, printer, state, &pages);
    if (!printed)
        return printed;
    if (pages == 0)
        return Result::failure(UiText("PrintJob", "Nothing to print."));
    if (pagesPrinted)
        *pagesPrinted = pages;
    return Result::success();
}
