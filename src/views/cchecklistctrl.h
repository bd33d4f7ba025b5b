#pragma once

#include "check/finding.h"
#include "views/creadonlylistmodel.h"

class CIftaDoc;

// The check list: the findings of the quarter check of the open record against the loaded
// table, one line each under "Rule", "Trip", "Jurisdiction" and "Message", in the check's
// order. Read-only; the check runs again at every Fill().
class CCheckListCtrl : public CReadOnlyListModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xFFF2CC; // RGB(255, 242, 204)

    explicit CCheckListCtrl(CIftaDoc &doc, QObject *parent = nullptr);

    // Runs the check again and rebuilds the lines.
    void Fill();

    const Findings &findings() const { return findings_; }
    // The trip number of the finding at `row`, 0 when it names none or the row is outside
    // the list.
    int32_t TripAt(int row) const;

private:
    CIftaDoc &doc_;
    Findings findings_;
};
