#include "views/cvehiclelistctrl.h"

#include "records/ciftadoc.h"
#include "report/vehiclerecord.h"
#include "views/listcolumndata.h"

CVehicleListCtrl::CVehicleListCtrl(CIftaDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , columns_(VehicleColumns())
{
}

int CVehicleListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CVehicleListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CVehicleListCtrl::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size() || column < 0)
        return {};
    const ListLine &line = lines_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < line.size() ? line[static_cast<size_t>(column)]
                                                     : std::string();
}

QVariant CVehicleListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return ListColumnData::Cell(columns_, index.column(), text(index.row(), index.column()),
                                kBackground, role, true);
}

QVariant CVehicleListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListColumnData::Heading(columns_, section, role, true);
}

Qt::ItemFlags CVehicleListCtrl::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CVehicleListCtrl::Fill()
{
    beginResetModel();
    lines_ =
        doc_.entries().empty() ? std::vector<ListLine>() : VehicleLines(ComputeFleetRecord(doc_));
    endResetModel();
}
