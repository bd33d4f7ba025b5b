#include "views/ctaxlistctrl.h"

#include "records/ciftadoc.h"
#include "records/taxlist.h"

#include "views/ciftaview.h"
#include "views/listcolumndata.h"

#include <QSize>

CTaxListCtrl::CTaxListCtrl(CIftaDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , columns_(TaxListColumns())
{
    observer_ = doc_.rates().observers().add([this](const DocChange &change) {
        if (change.what != DocChange::What::RatesChanged)
            return;
        Fill();
        if (change.count == 1)
            emit lineChanged(static_cast<int>(change.first));
    });
}

CTaxListCtrl::~CTaxListCtrl()
{
    doc_.rates().observers().remove(observer_);
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
