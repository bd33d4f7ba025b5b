#pragma once

#include "platform/result.h"
#include "print/painterformcanvas.h"
#include "print/printsetup.h"
#include "records/ciftadoc.h"
#include "session/printout.h"

#include <QPageSize>
#include <QRectF>
#include <QString>

class QFont;
class QPaintDevice;
class QPainter;
class QPrinter;

// The return form of a report: the Quebec form for a Canadian carrier in "QC", else the
// English form in kilometres and litres for any Canadian carrier, in miles and US gallons
// for all others (both comparisons exact).
enum class ReportForm { EnglishMiles, EnglishKilometres, Quebec };
ReportForm ChooseReportForm(const CompanyInfo &company);

// The print hooks of one job, driven by PrintDocument (or a test): prepare, begin (page
// count), one call per page, end. What the pages show comes from the printout: its view
// mode picks the record listing, the return form of its report or the tax-rate listing.
// The job keeps its own copy of the printout; the document it points at must outlive it.
class CIftaPrint
{
public:
    CIftaPrint(const Printout &printout, PrintState &state);

    // Nothing to do before the print dialog: the page count needs the chosen printer.
    void OnPreparePrinting(PrintInfo &info);
    // Counts the job's pages on the device into info.maxPage. A listing page holds as many
    // lines as the listing font measures on that device, so the count never leaves a line
    // beyond the last page; a form page holds 32 row slots in portrait, 16 in landscape.
    // `currentFont` is the font the pages will start from.
    void OnBeginPrinting(const QPaintDevice *device, const QFont &currentFont, PrintInfo &info);
    // Prints page info.currentPage; info.drawRect is the printable page and comes back
    // without the margins. On a painter that is not a printer's, `printing` false leaves
    // the form pages blank.
    void OnPrint(QPainter &painter, PrintInfo &info, bool printing = true);
    void OnEndPrinting();

    // Device rectangle that held everything drawn on the last form page.
    QRectF lastFormBounds() const { return lastFormBounds_; }
    // The texts of the last form page that one of its frame lines crosses or that overlap
    // another text: none on a well-laid-out page.
    const std::vector<FormDrawnText> &lastFormCrossedTexts() const { return lastCrossed_; }

private:
    void printForm(QPainter &painter, PrintInfo &info, bool printing);

    Printout printout_;
    PrintState &state_;
    QRectF lastFormBounds_;
    std::vector<FormDrawnText> lastCrossed_;
};

// Prints the printout on the printer: every page of the job (or the page range chosen in
// the print dialog), with `state` as the job's print state. `pagesPrinted` gets the number
// of pages; with nothing to print (no entries, no report rows) no page is started and the
// result is still a success with 0 pages. Fails when the printer cannot be started.
Result PrintDocument(const Printout &printout, QPrinter &printer, PrintState &state,
                     int *pagesPrinted = nullptr);

// PrintDocument for a print job the user asked for: when the printer writes a PDF file,
// the file is written beside its place and renamed over the old one only when it is
// complete; otherwise the old file stays and the result says so.
Result PrintJob(const Printout &printout, QPrinter &printer, PrintState &state,
                int *pagesPrinted = nullptr);

// How a printout is written as a PDF file: the paper and its orientation, and the margin
// that a printer could not print on (kept free so the file prints as it shows).
struct PdfOptions {
    QPageSize::PageSizeId pageSize = QPageSize::Letter;
    bool landscape = false;
    double unprintableMarginInches = 0.25;
    int resolution = 300; // device units per inch
};

// Writes the printout as a PDF file, page for page as Print draws it. Fails with "Nothing
// to print." when the printout has no pages (no entries, no report rows): no file is
// written then.
Result PrintDocumentToPdf(const Printout &printout, const QString &pdfPath, PrintState &state,
                          const PdfOptions &options = {}, int *pagesPrinted = nullptr);

// Sets the printer up for PDF output to `pdfPath` as the options say.
void SetUpPdfPrinter(QPrinter &printer, const QString &pdfPath, const PdfOptions &options);
