#include "views/creportlistctrl.h"

#include "dialogs/dialogtext.h"
#include "records/ciftadoc.h"
#include "report/report.h"

#include "views/ciftaview.h"
#include "views/listcolumndata.h"

CReportListCtrl::CReportListCtrl(CIftaDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
{
    columns_ = ReportColumns(doc_.company().country);
}

int CReportListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CReportListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CReportListCtrl::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size() || column < 0)
        return {};
    const ListLine &line = lines_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < line.size() ? line[static_cast<size_t>(column)]
                                                     : std::string();
}

QVariant CReportListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return ListColumnData::Cell(columns_, index.column(), text(index.row(), index.column()),
                                kBackground, role, true);
}

QVariant CReportListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return ListColumnData::Heading(columns_, section, role, true);
}

Qt::ItemFlags CReportListCtrl::flags(const QModelIndex &index) const
{
    // Lines can be selected but never edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CReportListCtrl::SetColumns()
{
    beginResetModel();
    columns_ = ReportColumns(doc_.company().country);
    endResetModel();
}

void CReportListCtrl::Fill(FuelRounding rounding)
{
    beginResetModel();
    columns_ = ReportColumns(doc_.company().country);
    lines_ = ListReport(doc_, rounding);
    endResetModel();
}
