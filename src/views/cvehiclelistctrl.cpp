#include "views/cvehiclelistctrl.h"

#include "records/ciftadoc.h"
#include "report/vehiclerecord.h"

CVehicleListCtrl::CVehicleListCtrl(CIftaDoc &doc, QObject *parent)
    : CReadOnlyListModel(kBackground, VehicleColumns(), parent)
    , doc_(doc)
{
}

void CVehicleListCtrl::Fill()
{
    beginResetModel();
    lines_ =
        doc_.entries().empty() ? std::vector<ListLine>() : VehicleLines(ComputeFleetRecord(doc_));
    endResetModel();
}
