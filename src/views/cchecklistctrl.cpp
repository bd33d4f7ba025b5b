#include "views/cchecklistctrl.h"

#include "check/quartercheck.h"
#include "records/ciftadoc.h"

CCheckListCtrl::CCheckListCtrl(CIftaDoc &doc, QObject *parent)
    : CReadOnlyListModel(kBackground, CheckColumns(), parent)
    , doc_(doc)
{
}

int32_t CCheckListCtrl::TripAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= findings_.size())
        return 0;
    return findings_[static_cast<size_t>(row)].trip;
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
