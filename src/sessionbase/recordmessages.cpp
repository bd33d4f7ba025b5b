#include "sessionbase/recordmessages.h"

#include "numbers/uitext.h"
#include "records/ciftadoc.h"
#include "records/recordheader.h"
#include "records/taxperiod.h"

std::string OlderLayoutNotice(const std::string &path, const CIftaDoc &doc, bool written)
{
    const std::string fuel =
        doc.isDiesel() ? UiText("CRecordSession", "diesel") : UiText("CRecordSession", "gasoline");
    const std::string code = std::to_string(doc.company().fuelCode());
    const std::string layout = std::to_string(kOlderRecordLayout);
    if (written)
        return UiArgs(UiText("CRecordSession",
                             "%1: the older record layout (%2) has no fuel type: the %3 rates "
                             "were used and the file was written in the current layout with "
                             "fuel code %4."),
                      {path, layout, fuel, code});
    return UiArgs(UiText("CRecordSession",
                         "%1 is in the older record layout (%2), which has no fuel type: the "
                         "record is taken as %3 (fuel code %4), and a save writes it in the "
                         "current layout."),
                  {path, layout, fuel, code});
}

std::string DatesQuarterQuestion(const TaxPeriod &dates, const TaxPeriod &record)
{
    const auto text = [](const TaxPeriod &p) {
        return UiArgs(UiText("CRecordSession", "%1Q%2"),
                      {std::to_string(p.quarter), std::to_string(p.year)});
    };
    return UiArgs(
        UiText("CRecordSession", "The dates are in %1; the record is %2. Change the record to %1?"),
        {text(dates), text(record)});
}

std::string TableCountryQuestion(const std::string &mismatch)
{
    return UiArgs(UiText("CRecordSession", "%1. Its rates would tax every trip in the wrong "
                                           "unit.\n\nLoad Tax Rates now?"),
                  {mismatch});
}
