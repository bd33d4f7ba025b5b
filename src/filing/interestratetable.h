#pragma once

#include "numbers/civildate.h"
#include "numbers/fixeddecimal.h"
#include "platform/result.h"

#include <string>
#include <vector>

// The monthly interest factors on late returns: for US-based carriers one a calendar
// year, for Canada-based carriers one a quarter. The table is a text file the user can
// edit (data/interest-rates.tsv ships with the program): one period a line,
// BASE<TAB>FIRST-DAY<TAB>LAST-DAY<TAB>FACTOR, for example
//     US	2025-01-01	2025-12-31	0.007500
// BASE is "US" or "Canada", the days are YYYY-MM-DD, the factor has at most six decimals
// and is at most 0.100000. Lines starting with # and empty lines are skipped, and so is
// a UTF-8 byte-order mark at the start. Periods of one base must not overlap.
enum class InterestBase { US, Canada };

// "Canada" for the carrier's country text "Canada" exactly, "US" for any other.
InterestBase InterestBaseOf(const std::string &country);
const char *InterestBaseName(InterestBase base);

struct InterestPeriod {
    InterestBase base = InterestBase::US;
    CivilDate first;
    CivilDate last;
    Millionths factor;
};

// The period line as the table holds it: "US<TAB>2027-01-01<TAB>2027-12-31<TAB>0.007500".
std::string FormatInterestPeriod(const InterestPeriod &period);

// A factor typed by the user ("0.0075", "0.007500"): at most six decimals and at most
// 0.100000; false for anything else.
bool ReadInterestFactor(const std::string &text, Millionths &factor);

class InterestRateTable
{
public:
    // Reads the table's text. A bad line refuses the whole text with a message naming its
    // line number and what is wrong; the table is then left as it was.
    Result parse(const std::string &text);
    // Reads the table from a file; a file that cannot be read fails with CannotOpen.
    Result read(const std::string &path);

    const std::vector<InterestPeriod> &periods() const { return periods_; }

    // The factor of the month (`year`, `month`) for `base`: the one of the period holding
    // the month's first day. Without one, false and `missing` says which period to add
    // ("No interest factor for US 2026-01: add it to the interest-rate table").
    bool monthlyFactor(InterestBase base, int32_t year, int32_t month, Millionths &factor,
                       std::string &missing) const;

    // The period a factor for the month (`year`, `month`) of `base` is published for (a
    // calendar year for US, a quarter for Canada), cut short where it would overlap a
    // period of the table. Its factor is left 0. Meant for a month without a factor.
    InterestPeriod periodToAdd(InterestBase base, int32_t year, int32_t month) const;

private:
    std::vector<InterestPeriod> periods_; // in the order of the file
    std::vector<InterestPeriod> sorted_;  // by base and first day, for the look-up
};
