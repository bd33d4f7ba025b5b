#include "check/odometertrace.h"

#include "check/checkcontext.h"
#include "records/ciftadoc.h"

#include <unordered_map>

std::vector<OdometerPoint> OdometerTrace(const CIftaDoc &doc, const Findings &findings,
                                         size_t maxPoints)
{
    std::unordered_map<int32_t, OdometerMark> marks;
    for (const Finding &f : findings) {
        if (f.rule == CheckRule::OdometerGap)
            marks[f.trip] = OdometerMark::Gap;
        else if (f.rule == CheckRule::OdometerOverlap)
            marks[f.trip] = OdometerMark::Overlap;
    }

    const CIftaDoc::Entries &entries = doc.entries();
    std::vector<size_t> lines;
    for (size_t position : OrdinaryLinesInTripOrder(entries)) {
        if (entries[position].odometerIn != 0 && entries[position].odometerOut != 0)
            lines.push_back(position);
    }
    const size_t step =
        maxPoints > 0 && lines.size() > maxPoints ? (lines.size() + maxPoints - 1) / maxPoints : 1;
    std::vector<OdometerPoint> points;
    points.reserve(lines.size() / step + marks.size() + 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        const TripEntry &e = entries[lines[i]];
        const auto marked = marks.find(e.tripNumber);
        const OdometerMark mark = marked == marks.end() ? OdometerMark::None : marked->second;
        // The first and the last line always stay, so the line spans the whole quarter.
        if (mark == OdometerMark::None && i % step != 0 && i + 1 != lines.size())
            continue;
        points.push_back({e.tripNumber, e.odometerIn, e.odometerOut, mark});
    }
    return points;
}
