#pragma once

#include "platform/result.h"
#include "print/printdialogs.h"
#include "print/printersettings.h"
#include "print/printsetup.h"
#include "report/report.h"
#include "session/printout.h"
#include "sessionbase/viewmode.h"

#include <functional>
#include <memory>

class CFilingSession;
class CYearSession;
class CIftaDoc;
class QWidget;

// The program's print commands, the application's printer settings and the print state
// of its jobs. The application owns one and hands it to the view that prints.
//
// The application keeps one PrinterSettings: at start the system default printer's in its
// own orientation; every Print Setup starts again from the default printer turned to
// landscape. Each open document keeps its own copy (the caller holds it next to the
// document and starts it from printerSettings() when the document is made): Print starts
// from the document's copy, and Print and Print Preview leave the document with the
// settings they printed with.
//
// `mode` is the view's mode. Each command prepares the printout of the document in that
// mode as its job starts, so a printout always shows the trip lines and rates as they are.
class CPrintCommands
{
public:
    // `dialogs` null uses Qt's dialogs.
    explicit CPrintCommands(std::unique_ptr<PrintDialogs> dialogs = nullptr);
    ~CPrintCommands();

    const PrinterSettings &printerSettings() const { return settings_; }
    // The print state every job of these commands prints with; it outlives the jobs, so a
    // landscape page once set up keeps the Quebec form's landscape number (see
    // PrintSetup::landscape).
    PrintState &printState() { return printState_; }
    const PrintState &printState() const { return printState_; }

    // Lets the application's own printer object hold the application's settings: each
    // command starts from it and leaves what it chose in it (Print Setup of the
    // application and these commands then share one printer).
    void setApplicationPrinter(std::function<QPrinter &()> printer);
    // The filing of the printed record (null: none), so the return form shows the
    // interest and penalty of a return filed late.
    void setFiling(CFilingSession *filing) { filing_ = filing; }
    // The year summary the year listing prints (null: none).
    void setYear(CYearSession *year) { year_ = year; }
    // Where the commands learn how the return form rounds fuel (the user's setting); to
    // hundredths while none is given.
    void setFuelRounding(std::function<FuelRounding()> rounding)
    {
        rounding_ = std::move(rounding);
    }

    // The system default printer, without a dialog, turned to landscape, becomes the
    // application's printer settings.
    void SelectDefaultPrinter();
    // The given settings, copied whole, become the application's.
    void CopyPrinterSettings(const PrinterSettings &settings);
    // The document's copy takes the application's settings.
    void TakePrinterSettings(PrinterSettings &documentSettings) const;

    // File Print: the print dialog over the document's printer settings, then the pages.
    // Returns false when the dialog was cancelled or the printer failed (`error` gets the
    // failure text); the document's copy takes the application's settings either way.
    bool OnFilePrint(QWidget *parent, const CIftaDoc &doc, ViewMode mode,
                     PrinterSettings &documentSettings, Result *error = nullptr);
    // File Print Preview over the application's settings; `pages`, the number of pages
    // shown side by side, starts the preview and gets what the user left it at.
    void OnFilePrintPreview(QWidget *parent, const CIftaDoc &doc, ViewMode mode,
                            PrinterSettings &documentSettings, int &pages);
    // File Print Setup: the default printer in landscape, then the set-up dialog; what the
    // user confirms becomes the application's settings. False on Cancel.
    bool OnFilePrintSetup(QWidget *parent);

    // Prints without a dialog on the document's printer (the shell's print verb).
    Result PrintWithoutDialog(const CIftaDoc &doc, ViewMode mode, PrinterSettings &documentSettings,
                              int *pagesPrinted = nullptr);

private:
    Printout prepare(const CIftaDoc &doc, ViewMode mode) const;
    void pullApplicationPrinter();
    void pushApplicationPrinter();

    std::unique_ptr<PrintDialogs> dialogs_;
    std::function<QPrinter &()> applicationPrinter_;
    std::function<FuelRounding()> rounding_;
    PrinterSettings settings_;
    PrintState printState_;
    CFilingSession *filing_ = nullptr;
    CYearSession *year_ = nullptr;
};
