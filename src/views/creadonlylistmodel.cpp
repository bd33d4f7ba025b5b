#include "views/creadonlylistmodel.h"

#include "views/listcolumndata.h"

CReadOnlyListModel::CReadOnlyListModel(int background, std::vector<ListColumn> columns,
                                       QObject *parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns))
    , background_(background)
{
}

int CReadOnlyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CReadOnlyListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CReadOnlyListModel::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size() || column < 0)
        return {};
    const ListLine &line = lines_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < line.size() ? line[static_cast<size_t>(column)]
                                                     : std::string();
}

QVariant CReadOnlyListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return ListColumnData::Cell(columns_, index.column(), text(index.row(), index.column()),
                                background_, role, true);
}

QVariant CReadOnlyListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListColumnData::Heading(columns_, section, role, true);
}

Qt::ItemFlags CReadOnlyListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
