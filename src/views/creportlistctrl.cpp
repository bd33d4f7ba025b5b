#include "views/creportlistctrl.h"

#include "dialogs/dialogtext.h"
#include "filing/latereportlines.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/csession.h"

#include "views/ciftaview.h"

CReportListCtrl::CReportListCtrl(CSession &session, QObject *parent)
    : CReadOnlyListModel(kBackground, ReportColumns(session.document().company().country), parent)
    , session_(session)
    , doc_(session.document())
{
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
    // A return that cannot be computed (a missing interest factor) shows without
    // interest rather than with a wrong one; the notice above the report says why.
    LateReturn late;
    if (!session_.filing().lateReturn(report, late) || !late.late())
        return;
    columns_ = LateReportColumns(columns_);
    if (withLines)
        lines_ = LateReportLines(lines_, late);
}
