#pragma once

#include "views/creadonlylistmodel.h"

struct YearSummary;

// The year list: for each jurisdiction its line in each quarter and the year's, then the
// totals of each quarter with its filing and the year's (YearLines). Read-only; filled
// from a summary made afresh each time the mode is shown.
class CYearListCtrl : public CReadOnlyListModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xDDEBF7; // RGB(221, 235, 247)

    explicit CYearListCtrl(QObject *parent = nullptr);

    // The summary's columns (in its carrier's units) and lines; none for an empty one.
    void Fill(const YearSummary &summary);
};
