#pragma once

#include "views/creadonlylistmodel.h"

class CIftaDoc;

// The vehicles list: one line per unit of the open record ("Unit", "Trips", "Distance",
// "Fuel", "Average"), the lines without a unit as "(none)", then the fleet's line.
// Read-only; computed again at every Fill().
class CVehicleListCtrl : public CReadOnlyListModel
{
    Q_OBJECT

public:
    static constexpr int kBackground = 0xE2EFDA; // RGB(226, 239, 218)

    explicit CVehicleListCtrl(CIftaDoc &doc, QObject *parent = nullptr);

    // Computes the vehicle records again and rebuilds the lines.
    void Fill();

private:
    CIftaDoc &doc_;
};
