#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QString>

// One printer's settings as a single value: the printer, its output (the printer itself or
// a PDF file), the paper, orientation and margins, copies, colour and duplex. The
// application keeps one (what Print Setup or the last print chose) and each open document
// keeps its own copy, so that a record file prints again with the printer and orientation
// it was last printed with. Copying the value copies all of it at once.
struct PrinterSettings {
    QString printerName;
    QPrinter::OutputFormat outputFormat = QPrinter::NativeFormat;
    QString outputFileName;
    QPageLayout pageLayout;
    int copies = 1;
    bool collate = true;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;

    // True for a value that was never taken from a printer.
    bool isNull() const { return !pageLayout.isValid(); }
    bool isLandscape() const { return pageLayout.orientation() == QPageLayout::Landscape; }

    // The settings the printer holds now.
    static PrinterSettings FromPrinter(const QPrinter &printer);
    // Sets the printer up with these settings; a null value leaves it as it is.
    void ApplyTo(QPrinter &printer) const;

    bool operator==(const PrinterSettings &other) const;
    bool operator!=(const PrinterSettings &other) const { return !(*this == other); }
};

// The system's default printer in its own orientation, without asking. Without any
// printer installed this is PDF output on US Letter.
PrinterSettings DefaultPrinterSettings();
