#pragma once

#include "views/cchecklistctrl.h"
#include "views/creportlistctrl.h"
#include "views/ctaxlistctrl.h"
#include "views/cvehiclelistctrl.h"
#include "views/cyearlistctrl.h"

#include <QObject>

class CIftaView;
class COdometerChart;
class CReportChart;
class QMenu;
class QPoint;
class QWidget;

// The report, tax-rate, check, vehicle and year modes of the form view and the view's
// tax-rate, download, merge and year-export commands: owns the list models and the report's and the
// check's charts, installs the modes into the view and adds their commands to the view's tables,
// each a call of the view's session.
class CViewModes : public QObject
{
    Q_OBJECT

public:
    explicit CViewModes(CIftaView &view, QObject *parent = nullptr);

    CReportListCtrl &reportList() { return report_; }
    CTaxListCtrl &taxList() { return tax_; }
    CCheckListCtrl &checkList() { return check_; }
    CVehicleListCtrl &vehicleList() { return vehicles_; }
    CYearListCtrl &yearList() { return year_; }
    CReportChart &reportChart() { return *reportChart_; }
    COdometerChart &odometerChart() { return *odometerChart_; }

    // The table was read again from a tax-rate file: a tax-rate list, report or check
    // shown shows it.
    void OnTaxTableReloaded();

    // Context menu 137 of the tax-rate list: "&Modify" (greyed without a selection) and
    // "&Add New"; each item carries its command id in data(). The caller owns the menu.
    QMenu *BuildTaxContextMenu(QWidget *parent, bool selected);

private:
    void installModes();
    void installCommands();
    void modifySelected();
    void addNew();
    // "Tax Rates Info" and "Download": dialogs of the window only.
    void OnTaxRatesInfo();
    void OnDownload();
    // Double-click on a finding: its trip in the trip dialog, then the check again.
    void openFindingTrip(int row);
    // Enabled states may have changed with the table's changed flag or undo.
    void tableStateChanged();

    CIftaView &view_;
    CReportListCtrl report_;
    CTaxListCtrl tax_;
    CCheckListCtrl check_;
    CVehicleListCtrl vehicles_;
    CYearListCtrl year_;
    CReportChart *reportChart_ = nullptr;     // a child of the view
    COdometerChart *odometerChart_ = nullptr; // a child of the view
};
