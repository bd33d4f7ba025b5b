#include "views/ctaxlistctrl.h"

#include "dialogs/dialogtext.h"
#include "records/ciftadoc.h"
#include "records/taxlist.h"
#include "ui/userprompts.h"

#include "views/ciftaview.h"
#include "views/listcolumndata.h"

#include <QSize>

CTaxListCtrl::CTaxListCtrl(CIftaDoc &doc, UserPrompts &prompts, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , prompts_(prompts)
    , columns_(TaxListColumns())
{
}

int CTaxListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownCount_;
}

int CTaxListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CTaxListCtrl::text(int row, int column) const
{
    if (row < 0 || row >= shownCount_ || column < 0 || column >= TaxColumnCount)
        return {};
    return TaxListLine(doc_.taxTable()[row])[static_cast<size_t>(column)];
}

QVariant CTaxListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return ListColumnData::Cell(columns_, index.column(), text(index.row(), index.column()),
                                kBackground, role);
}

QVariant CTaxListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListColumnData::Heading(columns_, section, role, false);
}

Qt::ItemFlags CTaxListCtrl::flags(const QModelIndex &index) const
{
    // Rates are changed through the dialog only.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CTaxListCtrl::Fill()
{
    beginResetModel();
    shownCount_ = ShownTaxSlotCount(doc_.taxTable());
    endResetModel();
}

bool CTaxListCtrl::ModifyRate(int row)
{
    if (row < 0 || row >= shownCount_)
        return false;
    doc_.rates().takeSnapshot();
    TaxRate &slot = doc_.taxTable()[row];
    TaxRate edited = slot;
    if (!prompts_.editTaxRate(edited, false))
        return false;
    slot.dieselRate = edited.dieselRate;
    slot.gasolineRate = edited.gasolineRate;
    slot.surcharge = edited.surcharge;
    slot.name = edited.name;
    slot.abbreviation = edited.abbreviation;
    Fill();
    doc_.rates().setModified();
    emit lineChanged(row);
    return true;
}

int CTaxListCtrl::AddRate()
{
    // The table has no slot after the 72nd: refuse rather than write past it.
    if (shownCount_ >= TaxRateTable::kSlotCount) {
        prompts_.warn(kTaxTableFull);
        return -1;
    }
    doc_.rates().takeSnapshot();
    const int slotNumber = shownCount_;
    TaxRate rate;
    rate.slot = slotNumber;
    if (!prompts_.editTaxRate(rate, true))
        return -1;
    TaxRate &slot = doc_.taxTable()[slotNumber];
    slot.dieselRate = rate.dieselRate;
    slot.gasolineRate = rate.gasolineRate;
    slot.surcharge = rate.surcharge;
    slot.name = rate.name;
    slot.abbreviation = rate.abbreviation;
    slot.slot = slotNumber;
    ++shownCount_;
    Fill();
    doc_.rates().setModified();
    emit lineChanged(slotNumber);
    return slotNumber;
}

bool CTaxListCtrl::Undo()
{
    const bool done = doc_.rates().undoChange();
    Fill();
    return done;
}

bool CTaxListCtrl::Redo()
{
    const bool done = doc_.rates().redoChange();
    Fill();
    return done;
}
