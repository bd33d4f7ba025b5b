#include "print/printersettings.h"

#include <QPrinterInfo>

PrinterSettings PrinterSettings::FromPrinter(const QPrinter &printer)
{
    PrinterSettings settings;
    settings.printerName = printer.printerName();
    settings.outputFormat = printer.outputFormat();
    settings.outputFileName = printer.outputFileName();
    settings.pageLayout = printer.pageLayout();
    settings.copies = printer.copyCount();
    settings.collate = printer.collateCopies();
    settings.colorMode = printer.colorMode();
    settings.duplex = printer.duplex();
    return settings;
}

void PrinterSettings::ApplyTo(QPrinter &printer) const
{
    if (isNull())
        return;
    // The output first: choosing a printer resets its paper to the printer's default.
    if (outputFormat == QPrinter::NativeFormat && !printerName.isEmpty())
        printer.setPrinterName(printerName);
    printer.setOutputFormat(outputFormat);
    printer.setOutputFileName(outputFileName);
    printer.setPageLayout(pageLayout);
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);
    printer.setColorMode(colorMode);
    printer.setDuplex(duplex);
}

bool PrinterSettings::operator==(const PrinterSettings &other) const
{
    return printerName == other.printerName && outputFormat == other.outputFormat &&
           outputFileName == other.outputFileName && pageLayout == other.pageLayout &&
           copies == other.copies && collate == other.collate && colorMode == other.colorMode &&
           duplex == other.duplex;
}

PrinterSettings DefaultPrinterSettings()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return PrinterSettings::FromPrinter(printer);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return PrinterSettings::FromPrinter(printer);
}
