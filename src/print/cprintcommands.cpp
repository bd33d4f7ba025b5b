#include "print/cprintcommands.h"

#include "print/ciftaprint.h"
#include "session/printout.h"

CPrintCommands::CPrintCommands(std::unique_ptr<PrintDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtPrintDialogs>())
    , settings_(DefaultPrinterSettings())
{
}

CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::setApplicationPrinter(std::function<QPrinter &()> printer)
{
    applicationPrinter_ = std::move(printer);
}

void CPrintCommands::pullApplicationPrinter()
{
    if (applicationPrinter_)
        settings_ = PrinterSettings::FromPrinter(applicationPrinter_());
}

void CPrintCommands::pushApplicationPrinter()
{
    if (applicationPrinter_)
        settings_.ApplyTo(applicationPrinter_());
}

void CPrintCommands::SelectDefaultPrinter()
{
    PrinterSettings settings = DefaultPrinterSettings();
    settings.pageLayout.setOrientation(QPageLayout::Landscape);
    settings_ = settings;
}

void CPrintCommands::CopyPrinterSettings(const PrinterSettings &settings)
{
    if (!settings.isNull())
        settings_ = settings;
}

void CPrintCommands::TakePrinterSettings(PrinterSettings &documentSettings) const
{
    documentSettings = settings_;
}

bool CPrintCommands::OnFilePrint(QWidget *parent, const CIftaDoc &doc, ViewMode mode,
                                 PrinterSettings &documentSettings, Result *error)
{
    if (error)
        *error = Result::success();
    pullApplicationPrinter();
    CopyPrinterSettings(documentSettings);
    QPrinter printer(QPrinter::HighResolution);
    settings_.ApplyTo(printer);
    bool printed = false;
    if (dialogs_->runPrintDialog(printer, parent)) {
        // The dialog's choice is the application's from now on; the job then hands it to
        // the document as it begins.
        settings_ = PrinterSettings::FromPrinter(printer);
        TakePrinterSettings(documentSettings);
        const Result result = PrintJob(prepare(doc, mode), printer, printState_);
        if (error)
            *error = result;
        printed = result.ok();
    }
    TakePrinterSettings(documentSettings);
    pushApplicationPrinter();
    return printed;
}

void CPrintCommands::OnFilePrintPreview(QWidget *parent, const CIftaDoc &doc, ViewMode mode,
                                        PrinterSettings &documentSettings, int &pages)
{
    // The preview is modal: the document cannot change while it repaints its pages.
    const Printout printout = prepare(doc, mode);
    pullApplicationPrinter();
    QPrinter printer(QPrinter::HighResolution);
    settings_.ApplyTo(printer);
    dialogs_->runPreview(
        printer, parent,
        [&](QPrinter *target) {
            TakePrinterSettings(documentSettings);
            PrintDocument(printout, *target, printState_);
        },
        pages);
}

bool CPrintCommands::OnFilePrintSetup(QWidget *parent)
{
    SelectDefaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    settings_.ApplyTo(printer);
    if (!dialogs_->runPrintSetup(printer, parent))
        return false;
    settings_ = PrinterSettings::FromPrinter(printer);
    pushApplicationPrinter();
    return true;
}

Result CPrintCommands::PrintWithoutDialog(const CIftaDoc &doc, ViewMode mode,
                                          PrinterSettings &documentSettings, int *pagesPrinted)
{
    pullApplicationPrinter();
    CopyPrinterSettings(documentSettings);
    QPrinter printer(QPrinter::HighResolution);
    settings_.ApplyTo(printer);
    TakePrinterSettings(documentSettings);
    pushApplicationPrinter();
    return PrintJob(prepare(doc, mode), printer, printState_, pagesPrinted);
}

Printout CPrintCommands::prepare(const CIftaDoc &doc, ViewMode mode) const
{
    return PreparePrintout(doc, mode, rounding_ ? rounding_() : FuelRounding::Hundredths, filing_,
                           year_);
}
