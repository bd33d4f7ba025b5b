#include "views/cyearlistctrl.h"

#include "report/yearsummary.h"

CYearListCtrl::CYearListCtrl(QObject *parent)
    : CReadOnlyListModel(kBackground, YearColumns("Canada"), parent)
{
}

void CYearListCtrl::Fill(const YearSummary &summary)
{
    beginResetModel();
    columns_ = YearColumns(summary.country);
    lines_ = summary.quarters.empty() ? std::vector<ListLine>() : YearLines(summary);
    endResetModel();
}
