#include "views/cviewmodes.h"

#include "dialogs/cdownloaddlg.h"
#include "dialogs/ctaxinfodlg.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/ciftaview.h"
#include "views/codometerchart.h"
#include "views/creportchart.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include <memory>

CViewModes::CViewModes(CIftaView &view, QObject *parent)
    : QObject(parent)
    , view_(view)
    , report_(view.session())
    , tax_(view.document())
    , check_(view.document())
    , vehicles_(view.document())
{
    installModes();
    installCommands();
    connect(&tax_, &CTaxListCtrl::lineChanged, this, [this](int row) {
        if (view_.mode() == ViewMode::TaxRates)
            view_.selectRow(row);
    });
}

void CViewModes::installModes()
{
    CIftaView::ListMode report;
    report.show = [this] {
        report_.Fill(view_.session().fuelRounding());
        return static_cast<QAbstractItemModel *>(&report_);
    };
    view_.setListMode(ViewMode::Report, report);

    CIftaView::ListMode rates;
    rates.show = [this] {
        tax_.Fill();
        return static_cast<QAbstractItemModel *>(&tax_);
    };
    rates.doubleClick = [this](int row) {
        if (row >= 0 && view_.session().edit().modifyRate(row))
            tableStateChanged();
    };
    rates.contextMenu = [this](const QPoint &globalPos, int row) {
        std::unique_ptr<QMenu> menu(BuildTaxContextMenu(&view_, row >= 0));
        if (QAction *chosen = menu->exec(globalPos))
            view_.OnCmdMsg(chosen->data().toInt());
    };
    view_.setListMode(ViewMode::TaxRates, rates);

    CIftaView::ListMode check;
    check.show = [this] {
        check_.Fill();
        return static_cast<QAbstractItemModel *>(&check_);
    };
    check.doubleClick = [this](int row) { openFindingTrip(row); };
    view_.setListMode(ViewMode::Check, check);

    CIftaView::ListMode vehicles;
    vehicles.show = [this] {
        vehicles_.Fill();
        return static_cast<QAbstractItemModel *>(&vehicles_);
    };
    view_.setListMode(ViewMode::Vehicles, vehicles);

    CIftaView::ListMode year;
    year.show = [this] {
        // Made again from the quarter files and the open record as they are now.
        YearSummary summary;
        CYearSession &session = view_.session().year();
        const Result made = session.summary(summary);
        if (!made && session.hasQuarters())
            view_.prompts().warn(made.message);
        year_.Fill(made ? summary : YearSummary());
        return static_cast<QAbstractItemModel *>(&year_);
    };
    view_.setListMode(ViewMode::Year, year);

    reportChart_ = new CReportChart(report_);
    view_.setChart(ViewMode::Report, reportChart_);
    odometerChart_ = new COdometerChart(view_.document(), check_);
    view_.setChart(ViewMode::Check, odometerChart_);
}

void CViewModes::openFindingTrip(int row)
{
    const int32_t trip = check_.TripAt(row);
    if (trip == 0)
        return;
    if (view_.session().edit().modifyTrip(view_.document().findTripNumber(trip))) {
        // The entry list shows the change when it is shown next; the check runs again now.
        view_.ShowCheck();
        view_.selectRow(row < check_.rowCount() ? row : check_.rowCount() - 1);
    }
}

void CViewModes::installCommands()
{
    auto selected = [this] { return view_.selectedRow() >= 0; };
    CCommandTable &rates = view_.commands(ViewMode::TaxRates);
    rates.add(
        ID_EDIT_MODIFY, [this] { modifySelected(); }, selected);
    rates.add(
        ID_TAX_CTX_MODIFY, [this] { modifySelected(); }, selected);
    rates.add(ID_EDIT_ADD_NEW, [this] { addNew(); });
    rates.add(ID_TAX_CTX_ADD_NEW, [this] { addNew(); });
    rates.add(
        ID_EDIT_UNDO,
        [this] {
            view_.session().edit().undoRates();
            view_.ShowTaxRates();
        },
        [this] { return view_.document().rates().undo().canUndo(); });
    rates.setLabel(ID_EDIT_UNDO, [this] { return view_.document().rates().undo().undoName(); });
    rates.add(
        ID_EDIT_REDO,
        [this] {
            view_.session().edit().redoRates();
            view_.ShowTaxRates();
        },
        [this] { return view_.document().rates().undo().canRedo(); });
    rates.setLabel(ID_EDIT_REDO, [this] { return view_.document().rates().undo().redoName(); });
    // Undo and Redo are greyed in the report and the check.
    for (ViewMode mode : {ViewMode::Report, ViewMode::Check, ViewMode::Vehicles, ViewMode::Year}) {
        CCommandTable &derived = view_.commands(mode);
        derived.add(
            ID_EDIT_UNDO, [] {}, [] { return false; });
        derived.add(
            ID_EDIT_REDO, [] {}, [] { return false; });
    }

    CSession &session = view_.session();
    CCommandTable &shared = view_.sharedCommands();
    shared.add(ID_LOAD_TAX_RATES, [this, &session] {
        session.tax().loadTaxRates();
        tableStateChanged();
    });
    shared.add(ID_SAVE_TAX_RATES, [this, &session] {
        session.tax().saveTaxRates();
        tableStateChanged();
    });
    shared.add(ID_SAVE_WITH_CURRENT_RATES, [&session] { session.record().saveWithCurrentRates(); });
    shared.add(ID_TAX_RATES_INFO, [this] { OnTaxRatesInfo(); });
    shared.add(ID_DOWNLOAD, [this] {
        OnDownload();
        tableStateChanged();
    });
    shared.add(ID_MERGE_FILES, [&session] { session.record().mergeFiles(); });
    shared.add(ID_RESTORE_VERSION, [&session] { session.record().restoreVersion(); });
    shared.add(
        ID_EXPORT_YEAR, [&session] { session.year().exportCsv(); },
        [&session] { return session.year().hasQuarters(); });
}

QMenu *CViewModes::BuildTaxContextMenu(QWidget *parent, bool selected)
{
    auto *menu = new QMenu(parent);
    QAction *modify = menu->addAction(tr("&Modify"));
    modify->setData(static_cast<int>(ID_TAX_CTX_MODIFY));
    modify->setEnabled(selected);
    QAction *add = menu->addAction(tr("&Add New"));
    add->setData(static_cast<int>(ID_TAX_CTX_ADD_NEW));
    return menu;
}

void CViewModes::modifySelected()
{
    if (view_.session().edit().modifyRate(view_.selectedRow()))
        tableStateChanged();
}

void CViewModes::addNew()
{
    if (view_.session().edit().addRate() >= 0)
        tableStateChanged();
}

void CViewModes::OnTaxRatesInfo()
{
    const CIftaDoc &doc = view_.document();
    view_.prompts().showTaxInfo(
        TaxInfoData::From(doc.tablePeriod(), doc.recordPeriod(), doc.company().country));
}

void CViewModes::OnDownload()
{
    // The chart of the record's quarter (today's for a record without one) is the one
    // most often wanted.
    const TaxPeriod quarter = view_.session().record().quarterForTable();
    DownloadDialogData data;
    data.year = quarter.year;
    data.quarter = quarter.quarter;
    if (!view_.prompts().runDownload(view_.document(), data))
        return;
    view_.ShowTaxRates();
    view_.UpdateInfoBar();
}

void CViewModes::OnTaxTableReloaded()
{
    tableStateChanged();
    // The report and the check are derived from the table as much as the rate list is.
    if (view_.mode() != ViewMode::EntryList)
        view_.refreshMode();
}

void CViewModes::tableStateChanged()
{
    emit view_.commandStateChanged();
}
