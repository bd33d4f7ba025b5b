#include "views/cviewmodes.h"

#include "ui/commandids.h"
#include "records/ciftadoc.h"
#include "views/ciftaview.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include <memory>

namespace {

// The view's own parts of the hooks, around what the window gave.
FlowHooks WithViewHooks(CIftaView &view, FlowHooks hooks)
{
    hooks.showEntryList = [&view] { view.ShowList(); };
    hooks.showTaxRates = [&view] { view.ShowTaxRates(); };
    hooks.updateInfoBar = [&view] { view.UpdateInfoBar(); };
    auto store = hooks.setDefaultTaxFile;
    hooks.setDefaultTaxFile = [&view, store](const std::string &path) {
        if (store)
            store(path);
        view.SetStatusText(1, QString::fromStdString(path));
    };
    return hooks;
}

} // namespace

CViewModes::CViewModes(CIftaView &view, FlowHooks hooks, QObject *parent)
    : QObject(parent)
    , view_(view)
    , report_(view.document())
    , tax_(view.document(), view.prompts())
    , taxFlows_(view.document(), tax_, view.prompts(), WithViewHooks(view, hooks))
    , mergeFlow_(view.document(), view.prompts(), WithViewHooks(view, hooks))
{
    installModes();
    installCommands();
    connect(&tax_, &CTaxListCtrl::lineChanged, this, [this](int row) {
        if (view_.mode() == CIftaView::ModeTaxRates)
            view_.selectRow(row);
    });
}

void CViewModes::installModes()
{
    CIftaView::ListMode report;
    report.show = [this] {
        report_.Fill();
        return static_cast<QAbstractItemModel *>(&report_);
    };
    view_.setListMode(CIftaView::ModeReport, report);

    CIftaView::ListMode rates;
    rates.show = [this] {
        tax_.Fill();
        return static_cast<QAbstractItemModel *>(&tax_);
    };
    rates.doubleClick = [this](int row) {
        if (row >= 0 && tax_.ModifyRate(row))
            syncModified();
    };
    rates.contextMenu = [this](const QPoint &globalPos, int row) {
        std::unique_ptr<QMenu> menu(BuildTaxContextMenu(&view_, row >= 0));
        if (QAction *chosen = menu->exec(globalPos))
            view_.OnCmdMsg(chosen->data().toInt());
    };
    view_.setListMode(CIftaView::ModeTaxRates, rates);
}

void CViewModes::installCommands()
{
    auto selected = [this] { return view_.selectedRow() >= 0; };
    CCommandTable &rates = view_.commands(CIftaView::ModeTaxRates);
    rates.add(ID_EDIT_MODIFY, [this] { modifySelected(); }, selected);
    rates.add(ID_TAX_CTX_MODIFY, [this] { modifySelected(); }, selected);
    rates.add(ID_EDIT_ADD_NEW, [this] { addNew(); });
    rates.add(ID_TAX_CTX_ADD_NEW, [this] { addNew(); });
    rates.add(ID_EDIT_UNDO, [this] { tax_.Undo(); view_.ShowTaxRates(); },
              [this] { return tax_.undoFlags().undoAvailable == 1; });
    rates.add(ID_EDIT_REDO, [this] { tax_.Redo(); view_.ShowTaxRates(); },
              [this] { return tax_.undoFlags().redoAvailable == 1; });
    // Undo and Redo are greyed in the report.
    CCommandTable &report = view_.commands(CIftaView::ModeReport);
    report.add(ID_EDIT_UNDO, [] {}, [] { return false; });
    report.add(ID_EDIT_REDO, [] {}, [] { return false; });

    CCommandTable &shared = view_.commands(CIftaView::kAllModes);
    shared.add(ID_LOAD_TAX_RATES, [this] { taxFlows_.OnLoadTaxRates(); syncModified(); });
    shared.add(ID_SAVE_TAX_RATES, [this] { taxFlows_.OnSaveTaxRates(); syncModified(); });
    shared.add(ID_SAVE_WITH_CURRENT_RATES, [this] { taxFlows_.OnSaveWithCurrentRates(); });
    shared.add(ID_TAX_RATES_INFO, [this] { taxFlows_.OnTaxRatesInfo(); });
    shared.add(ID_DOWNLOAD, [this] { taxFlows_.OnDownload(); syncModified(); });
    shared.add(ID_MERGE_FILES, [this] { mergeFlow_.OnMergeFiles(); });
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
    if (tax_.ModifyRate(view_.selectedRow()))
        syncModified();
}

void CViewModes::addNew()
{
    if (tax_.AddRate() >= 0)
        syncModified();
}

void CViewModes::OnTaxTableReloaded()
{
    tax_.ClearUndo();
    tax_.setTaxRatesModified(false);
    syncModified();
    if (view_.mode() == CIftaView::ModeTaxRates)
        view_.ShowTaxRates();
}

void CViewModes::syncModified()
{
    // The document asks the view about unsaved rates when the record is closed.
    view_.taxRatesModified = tax_.taxRatesModified();
    emit view_.commandStateChanged();
}
