#include "print/printdialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

bool QtPrintDialogs::runPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    // The page count is only known once the printer is chosen, so any range can be asked
    // for; pages past the last one are simply not printed.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::runPreview(QPrinter &printer, QWidget *parent,
                                const std::function<void(QPrinter *)> &paint, int &previewPages)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(target); });
    QPrintPreviewWidget *preview = dialog.findChild<QPrintPreviewWidget *>();
    if (preview) {
        if (previewPages == 2)
            preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
        else
            preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    }
    dialog.exec();
    if (preview)
        previewPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

bool QtPrintDialogs::runPrintSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    return dialog.exec() == QDialog::Accepted;
}
