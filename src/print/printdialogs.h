#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The three printing dialogs, behind one small interface so that the print commands can
// be driven by a test: the real one shows Qt's dialogs, a test's answers from a script.
class PrintDialogs
{
public:
    virtual ~PrintDialogs() = default;

    // The print dialog over the printer; true on Print, with the printer, paper,
    // orientation and page range chosen set in `printer`.
    virtual bool runPrintDialog(QPrinter &printer, QWidget *parent) = 0;
    // Print Preview of `printer`'s pages, drawn by `paint` whenever the preview needs
    // them. `previewPages` is the number of pages shown side by side (1 or 2); the dialog
    // starts with it and gives back what the user left it at.
    virtual void runPreview(QPrinter &printer, QWidget *parent,
                            const std::function<void(QPrinter *)> &paint, int &previewPages) = 0;
    // Print Setup over the printer: paper and orientation. True on OK.
    virtual bool runPrintSetup(QPrinter &printer, QWidget *parent) = 0;
};

// Qt's print dialog, print preview dialog and page set-up dialog.
class QtPrintDialogs : public PrintDialogs
{
public:
    bool runPrintDialog(QPrinter &printer, QWidget *parent) override;
    void runPreview(QPrinter &printer, QWidget *parent,
                    const std::function<void(QPrinter *)> &paint, int &previewPages) override;
    bool runPrintSetup(QPrinter &printer, QWidget *parent) override;
};
