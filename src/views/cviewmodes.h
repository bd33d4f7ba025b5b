#pragma once

#include "views/cmergeflow.h"
#include "views/creportlistctrl.h"
#include "views/ctaxflows.h"
#include "views/ctaxlistctrl.h"

#include <QObject>

class CIftaView;
class QMenu;
class QPoint;
class QWidget;

// The report and tax-rate modes of the form view and the view's tax-rate, download and
// merge commands: owns the two list models and the flows over the view's session,
// installs the modes into the view and adds their commands to the view's tables.
class CViewModes : public QObject
{
    Q_OBJECT

public:
    explicit CViewModes(CIftaView &view, QObject *parent = nullptr);

    CReportListCtrl &reportList() { return report_; }
    CTaxListCtrl &taxList() { return tax_; }
    CTaxFlows &taxFlows() { return taxFlows_; }
    CMergeFlow &mergeFlow() { return mergeFlow_; }

    // The table was read again from a tax-rate file: a tax-rate list shown shows it.
    void OnTaxTableReloaded();

    // Context menu 137 of the tax-rate list: "&Modify" (greyed without a selection) and
    // "&Add New"; each item carries its command id in data(). The caller owns the menu.
    QMenu *BuildTaxContextMenu(QWidget *parent, bool selected);

private:
    void installModes();
    void installCommands();
    void modifySelected();
    void addNew();
    // Enabled states may have changed with the table's changed flag or undo.
    void tableStateChanged();

    CIftaView &view_;
    CReportListCtrl report_;
    CTaxListCtrl tax_;
    CTaxFlows taxFlows_;
    CMergeFlow mergeFlow_;
};
