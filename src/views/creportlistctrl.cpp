#include "views/creportlistctrl.h"

#include "dialogs/dialogtext.h"
#include "filing/latereportlines.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/csession.h"

#include "views/ciftaview.h"
#include "views/listcolumndata.h"

CReportListCtrl::CReportListCtrl(CSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , session_(session)
    , doc_(session.document())
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
    build(false, session_.fuelRounding());
    endResetModel();
}

void CReportListCtrl::Fill(FuelRounding rounding)
{
    beginResetModel();
    build(true, rounding);
    endResetModel();
}

void CReportListCtrl::build(bool withLines, FuelRounding rounding)
{
    columns_ = ReportColumns(doc_.company().country);
    const Report report = ComputeReport(doc_, rounding);
    if (withLines)
        lines_ = ReportLines(report, doc_);
    // A missing interest factor was said when the filing date was chosen; the report
    // then shows without interest rather than with a wrong one.
    LateReturn late;
    if (!session_.filing().hasFilingDate() || !session_.filing().lateReturn(report, late) ||
        !late.late())
        return;
    columns_ = LateReportColumns(columns_);
    if (withLines)
        lines_ = LateReportLines(lines_, late);
}
