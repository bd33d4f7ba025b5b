#include "views/cchecklistctrl.h"

#include "check/quartercheck.h"
#include "records/ciftadoc.h"
#include "views/listcolumndata.h"

CCheckListCtrl::CCheckListCtrl(CIftaDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , columns_(CheckColumns())
{
}

int CCheckListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CCheckListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CCheckListCtrl::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size() || column < 0)
        return {};
    const ListLine &line = lines_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < line.size() ? line[static_cast<size_t>(column)]
                                                     : std::string();
}

int32_t CCheckListCtrl::TripAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= findings_.size())
        return 0;
    return findings_[static_cast<size_t>(row)].trip;
}

QVariant CCheckListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return ListColumnData::Cell(columns_, index.column(), text(index.row(), index.column()),
                                kBackground, role, true);
}

QVariant CCheckListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListColumnData::Heading(columns_, section, role, true);
}

Qt::ItemFlags CCheckListCtrl::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CCheckListCtrl::Fill()
{
    beginResetModel();
    findings_ = CheckQuarter(doc_, doc_.rates());
    lines_.clear();
    lines_.reserve(findings_.size());
    for (const Finding &finding : findings_)
        lines_.push_back(CheckLine(finding));
    endResetModel();
}
