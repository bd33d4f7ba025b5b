#pragma once

#include "report/report.h"
#include "views/creadonlylistmodel.h"

class CIftaDoc;
class CSession;

// The report list: the quarterly report of the open record, one line per jurisdiction,
// then an empty line and the totals line, under the ten columns of the carrier's unit
// system; for a return filed late (File, Filing Date) the Interest and Total columns and
// the penalty and total due lines too. Read-only: no editing, no sorting, no context
// menu. The report is computed again at every Fill().
class CReportListCtrl : public CReadOnlyListModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xC8C8FF; // RGB(200, 200, 255)

    explicit CReportListCtrl(CSession &session, QObject *parent = nullptr);

    // The ten columns for the carrier's country (twelve for a late return).
    void SetColumns();
    // Recomputes the report in `rounding` and rebuilds the lines (ListReport).
    void Fill(FuelRounding rounding = FuelRounding::Hundredths);

private:
    // The columns and lines of the report and, when it is late and its interest could be
    // computed, of the late return.
    void build(bool withLines, FuelRounding rounding);

    CSession &session_;
    CIftaDoc &doc_;
};
