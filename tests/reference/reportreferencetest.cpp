// The report against a second computation of its rules in exact fractions: every figure
// is derived here from the trip lines by rational arithmetic, rounded once where the rules
// round, and written as text; the report's list lines must equal these texts exactly, on
// hand-checked examples and on random records of every kind, in both rounding modes.

#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

__extension__ typedef __int128 Wide;

Wide Gcd(Wide a, Wide b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        // Most operands fit 64 bits, where the remainder is a single instruction.
        const Wide t =
            (a | b) >> 64 ? a % b : Wide(static_cast<uint64_t>(a) % static_cast<uint64_t>(b));
        a = b;
        b = t;
    }
    return a;
}

// A rational number in lowest terms with a positive denominator.
class Fraction
{
public:
    Fraction(Wide num = 0, Wide den = 1)
    {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const Wide g = Gcd(num, den);
        num_ = g > 1 ? num / g : num;
        den_ = g > 1 ? den / g : den;
    }
    Wide num() const { return num_; }
    Wide den() const { return den_; }

    friend Fraction operator+(const Fraction &a, const Fraction &b)
    {
        const Wide g = Gcd(a.den_, b.den_);
        return Fraction(a.num_ * (b.den_ / g) + b.num_ * (a.den_ / g), a.den_ / g * b.den_);
    }
    friend Fraction operator-(const Fraction &a, const Fraction &b)
    {
        return a + Fraction(-b.num_, b.den_);
    }
    friend Fraction operator*(const Fraction &a, const Fraction &b)
    {
        const Wide g1 = Gcd(a.num_, b.den_), g2 = Gcd(b.num_, a.den_);
        return Fraction((a.num_ / g1) * (b.num_ / g2), (a.den_ / g2) * (b.den_ / g1));
    }
    friend Fraction operator/(const Fraction &a, const Fraction &b)
    {
        return a * Fraction(b.den_, b.num_);
    }
    Fraction &operator+=(const Fraction &o) { return *this = *this + o; }
    friend bool operator==(const Fraction &a, const Fraction &b)
    {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }

    Wide floor() const
    {
        const Wide q = num_ / den_;
        return (num_ % den_ != 0 && num_ < 0) ? q - 1 : q;
    }

private:
    Wide num_, den_;
};

// Roundings to a multiple of `step`: halves toward plus infinity, halves away from zero.
Fraction HalfUp(const Fraction &x, const Fraction &step)
{
    return Fraction((x / step + Fraction(1, 2)).floor()) * step;
}
Fraction HalfAwayFromZero(const Fraction &x, const Fraction &step)
{
    if (x.num() < 0)
        return Fraction(0) - HalfUp(Fraction(0) - x, step);
    return HalfUp(x, step);
}
// "%.2f" or "%.4f" of an amount that has no more decimals, written from its digits.
std::string Decimal(const Fraction &x, int decimals)
{
    const Fraction scaled = x * Fraction(decimals == 4 ? 10000 : 100);
    EXPECT_TRUE(scaled.den() == 1) << "an amount with more than " << decimals << " decimals";
    Wide n = scaled.num() < 0 ? -scaled.num() : scaled.num();
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0 || static_cast<int>(digits.size()) <= decimals);
    digits.insert(digits.size() - static_cast<size_t>(decimals), ".");
    return (scaled.num() < 0 ? "-" : "") + digits;
}

// The report's lines, computed from the document's trip lines and table by the rules.
std::vector<ListLine> ReferenceLines(const CIftaDoc &doc, FuelRounding rounding)
{
    const bool km = doc.company().country == "Canada";
    const bool whole = rounding == FuelRounding::WholeUnits;
    const Fraction kmPerMile(1609344, 1000000), litresPerGallon(3785412, 1000000);
    const Fraction cent(1, 100), fuelStep = whole ? Fraction(1) : cent;

    struct Slot {
        uint32_t distance = 0;
        Fraction litres, gallons;
        const TripEntry *last = nullptr;
    };
    std::vector<Slot> slots(TaxRateTable::kSlotCount);
    for (const TripEntry &e : doc.entries()) {
        if (e.slot < 0 || e.slot >= TaxRateTable::kSlotCount || (km && e.rate.units == 0))
            continue;
        Slot &s = slots[static_cast<size_t>(e.slot)];
        const Fraction d(e.distance);
        if (km)
            s.distance += e.distanceInMiles ? static_cast<uint32_t>(HalfUp(d * kmPerMile, 1).num())
                                            : e.distance;
        else
            s.distance +=
                e.distanceInMiles ? e.distance : static_cast<uint32_t>((d / kmPerMile).floor());
        (e.fuelInGallons ? s.gallons : s.litres) += Fraction(e.fuel.units, 100);
        s.last = &e;
    }

    struct Row {
        int slot;
        uint32_t distance;
        Fraction paid, rate;
        bool surcharge;
    };
    std::vector<Row> rows;
    int64_t totalDistance = 0, taxableDistance = 0;
    Fraction totalPaid;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const Slot &s = slots[static_cast<size_t>(slot)];
        if (!s.last)
            continue;
        const Fraction fuel =
            km ? s.litres + s.gallons * litresPerGallon : s.gallons + s.litres / litresPerGallon;
        const Row row{slot, s.distance, HalfUp(fuel, fuelStep), Fraction(s.last->rate.units, 10000),
                      s.last->surcharge != 0};
        if (row.distance == 0 && row.paid == Fraction(0))
            continue;
        totalDistance += row.surcharge ? 0 : row.distance;
        taxableDistance += row.distance;
        totalPaid += row.paid;
        rows.push_back(row);
    }
    std::vector<ListLine> lines;
    if (rows.empty())
        return lines;

    const Fraction invalid(100000);
    const Fraction average =
        totalPaid == Fraction(0) ? invalid : HalfUp(Fraction(totalDistance) / totalPaid, cent);
    const std::string averageText = average == invalid ? "Invalid" : Decimal(average, 2);
    Fraction totalTaxable, totalDifference, totalTax;
    for (const Row &row : rows) {
        const Fraction taxable = average == Fraction(0)
                                     ? Fraction(0)
                                     : HalfUp(Fraction(row.distance) / average, fuelStep);
        const Fraction difference = taxable - row.paid;
        const Fraction tax = whole ? HalfAwayFromZero(difference * row.rate, cent)
                                   : HalfUp(difference * row.rate, cent);
        totalTaxable += taxable;
        totalDifference += difference;
        totalTax += tax;
        const TaxRate &jurisdiction = doc.taxTable()[row.slot];
        const std::string distance = std::to_string(row.distance);
        lines.push_back({jurisdiction.name, jurisdiction.abbreviation,
                         row.surcharge ? "0" : distance, distance, averageText, Decimal(taxable, 2),
                         Decimal(row.paid, 2), Decimal(difference, 2), Decimal(row.rate, 4),
                         Decimal(tax, 2)});
    }
    lines.push_back(ListLine(10));
    lines.push_back({"Total", "", std::to_string(totalDistance), std::to_string(taxableDistance),
                     averageText, Decimal(totalTaxable, 2), Decimal(totalPaid, 2),
                     Decimal(totalDifference, 2), "", Decimal(totalTax, 2)});
    return lines;
}

const char *ModeName(FuelRounding rounding)
{
    return rounding == FuelRounding::WholeUnits ? "whole units" : "cents";
}

// Compares the report with the reference and reports the first differing text, with
// enough context (`what`: the seed or case, and the mode) to reproduce it.
void ExpectSameLines(const std::vector<ListLine> &got, const std::vector<ListLine> &expected,
                     const std::string &what)
{
    if (got.size() != expected.size()) {
        ADD_FAILURE() << what << ": " << got.size() << " lines, expected " << expected.size();
        return;
    }
    for (size_t line = 0; line < got.size(); ++line) {
        EXPECT_EQ(got[line].size(), expected[line].size()) << what << ", line " << line;
        for (size_t column = 0; column < std::min(got[line].size(), expected[line].size());
             ++column)
            if (got[line][column] != expected[line][column]) {
                ADD_FAILURE() << what << ", line " << line << ", column " << column << ": \""
                              << got[line][column] << "\", expected \"" << expected[line][column]
                              << "\"";
                return;
            }
    }
}

// Both modes of the document's report against the reference.
void CompareWithReference(const CIftaDoc &doc, const std::string &what)
{
    for (FuelRounding rounding : {FuelRounding::Hundredths, FuelRounding::WholeUnits})
        ExpectSameLines(ReportLines(ComputeReport(doc, rounding), doc),
                        ReferenceLines(doc, rounding), what + ", " + ModeName(rounding));
}

void SetCountry(CIftaDoc &doc, const char *country)
{
    CompanyInfo company = doc.company();
    company.country = country;
    doc.setCompany(company);
}

// --- Hand-checked examples.

TripEntry Line(int slot, uint32_t distance, int64_t fuelHundredths, int64_t rateUnits, int miles,
               int gallons, int surcharge = 0)
{
    TripEntry entry;
    entry.slot = slot;
    entry.distance = distance;
    entry.fuel = Hundredths{fuelHundredths};
    entry.rate = TenThousandths{rateUnits};
    entry.distanceInMiles = miles;
    entry.fuelInGallons = gallons;
    entry.surcharge = surcharge;
    return entry;
}

enum Slot { QC = 0, ON = 1, KY = 2, KX = 3 };

// Lines of the report in each mode, columns joined with '|'; no lines: that mode is not
// checked.
struct Example {
    const char *name;
    const char *country;
    std::vector<TripEntry> lines;
    std::vector<std::string> cents, wholeUnits;
};

const char *const kGap = "|||||||||";

const Example kExamples[] = {
    {"a tax of exactly 6.825 rounds up",
     "USA",
     {Line(KY, 210, 0, 3250, 1, 1), Line(ON, 0, 2100, 1430, 1, 1)},
     {"Ontario|ON|0|0|10.00|0.00|21.00|-21.00|0.1430|-3.00",
      "Kentucky|KY|210|210|10.00|21.00|0.00|21.00|0.3250|6.83", kGap,
      "Total||210|210|10.00|21.00|21.00|0.00||3.83"},
     {}},
    {"the total fuel is the sum of the rows as shown, the average follows from it",
     "Canada",
     {Line(QC, 100, 35, 1520, 0, 1), Line(ON, 50, 7, 1430, 0, 1)},
     {"Quebec|QC|100|100|94.94|1.05|1.32|-0.27|0.1520|-0.04",
      "Ontario|ON|50|50|94.94|0.53|0.26|0.27|0.1430|0.04", kGap,
      "Total||150|150|94.94|1.58|1.58|0.00||0.00"},
     {}},
    {"a credit's half: toward plus infinity in cents, away from zero in whole units",
     "USA",
     {Line(ON, 0, 13000, 2975, 1, 1), Line(KY, 1000, 0, 2975, 1, 1)},
     {"Ontario|ON|0|0|7.69|0.00|130.00|-130.00|0.2975|-38.67",
      "Kentucky|KY|1000|1000|7.69|130.04|0.00|130.04|0.2975|38.69", kGap,
      "Total||1000|1000|7.69|130.04|130.00|0.04||0.02"},
     {"Ontario|ON|0|0|7.69|0.00|130.00|-130.00|0.2975|-38.68",
      "Kentucky|KY|1000|1000|7.69|130.00|0.00|130.00|0.2975|38.68", kGap,
      "Total||1000|1000|7.69|130.00|130.00|0.00||0.00"}},
    {"negative halves of the average and the taxable fuel go toward plus infinity",
     "Canada",
     {Line(QC, 41, -320, 1000, 0, 0), Line(ON, 1, 0, 1000, 0, 0)},
     {"Quebec|QC|41|41|-13.12|-3.12|-3.20|0.08|0.1000|0.01",
      "Ontario|ON|1|1|-13.12|-0.08|0.00|-0.08|0.1000|-0.01", kGap,
      "Total||42|42|-13.12|-3.20|-3.20|0.00||0.00"},
     {}},
    {"a negative half of the converted fuel goes toward plus infinity",
     "Canada",
     {Line(KY, 0, -125000, 1000, 0, 1)},
     {"Kentucky|KY|0|0|0.00|0.00|-4731.76|4731.76|0.1000|473.18", kGap,
      "Total||0|0|0.00|0.00|-4731.76|4731.76||473.18"},
     {"Kentucky|KY|0|0|0.00|0.00|-4732.00|4732.00|0.1000|473.20", kGap,
      "Total||0|0|0.00|0.00|-4732.00|4732.00||473.20"}},
    {"no fuel gives the invalid average, which divides like any other",
     "USA",
     {Line(KY, 500, 0, 3250, 1, 1)},
     {"Kentucky|KY|500|500|Invalid|0.01|0.00|0.01|0.3250|0.00", kGap,
      "Total||500|500|Invalid|0.01|0.00|0.01||0.00"},
     {}},
    {"surcharge distance stays out of the average; an average of zero taxes nothing",
     "Canada",
     {Line(KX, 300, 4000, 470, 0, 0, 1)},
     {"KY Surcharge|KX|0|300|0.00|0.00|40.00|-40.00|0.0470|-1.88", kGap,
      "Total||0|300|0.00|0.00|40.00|-40.00||-1.88"},
     {}},
};

// --- Random records.

// A random quarter: a table of 1 to 72 jurisdictions (some surcharge slots) and `count`
// lines in either entry unit, with zero and odd rates, lines in unnamed or invalid slots,
// negative fuel and fuel from cents to the reader's limit. The knobs are drawn per record,
// so some records have no fuel at all, only surcharge lines or only one unit.
void FillRandomRecord(CIftaDoc &doc, LoadedTaxTable &rates, uint64_t seed, size_t count)
{
    std::mt19937_64 random(seed);
    // The engine's own numbers, not a library's distributions: the same on every platform.
    auto below = [&random](int64_t n) { return static_cast<int64_t>(random() % uint64_t(n)); };
    auto chance = [&below](double p) { return below(1000) < p * 1000; };
    auto pick = [&below](std::initializer_list<double> choices) {
        return choices.begin()[below(static_cast<int64_t>(choices.size()))];
    };
    auto randomRate = [&] { return TenThousandths{chance(0.4) ? 25 * below(81) : below(20001)}; };

    SetCountry(doc, chance(0.5) ? "Canada" : "USA");
    const int used = static_cast<int>(1 + below(TaxRateTable::kSlotCount));
    rates.table().clear();
    for (int slot = 0; slot < used; ++slot) {
        TaxRate &rate = rates.table()[slot];
        rate.name = "Jurisdiction " + std::to_string(slot);
        rate.abbreviation = "J" + std::to_string(slot);
        rate.dieselRate = randomRate();
        rate.surcharge = chance(0.15) ? 1 : 0;
        rate.slot = slot;
    }

    const double miles = pick({0, 0.5, 1}), gallons = pick({0, 0.5, 1});
    const double zeroRate = pick({0, 0.1, 0.5}), otherRate = pick({0, 0.3});
    const double flipSurcharge = pick({0, 0.1, 0.2, 1}), invalidSlot = pick({0, 0, 0.05});
    const double negative = pick({0, 0.05, 0.5}), zeroFuel = pick({0.1, 0.5, 1});
    const int64_t maxFuel = static_cast<int64_t>(pick({100, 10000, 1e6, 1e8, 1e12}));
    // Every total distance stays within the 32 bits the report adds it up in.
    const int64_t maxDistance = std::min<int64_t>(20000, 1300000000 / static_cast<int64_t>(count));
    const int32_t outside[] = {-1, 72, 73, 1000, INT32_MIN, INT32_MAX};

    std::vector<TripEntry> lines(count);
    for (size_t i = 0; i < count; ++i) {
        TripEntry &e = lines[i];
        e.tripNumber = static_cast<int32_t>(i + 1);
        e.slot = chance(invalidSlot) ? outside[below(6)]
                                     : static_cast<int32_t>(std::min<int64_t>(
                                           below(used + 2), TaxRateTable::kSlotCount - 1));
        const TaxRate &slot = rates.table()[TaxRateTable::isValidSlot(e.slot) ? e.slot : 0];
        e.rate = chance(zeroRate)    ? TenThousandths{}
                 : chance(otherRate) ? randomRate()
                                     : slot.dieselRate;
        e.surcharge = chance(flipSurcharge) ? 1 - slot.surcharge : slot.surcharge;
        e.distance = chance(0.15) ? 0 : static_cast<uint32_t>(1 + below(maxDistance));
        e.fuel = Hundredths{chance(zeroFuel) ? 0 : below(maxFuel + 1)};
        if (chance(negative))
            e.fuel = -e.fuel;
        e.distanceInMiles = chance(miles) ? 1 : 0;
        e.fuelInGallons = chance(gallons) ? 1 : 0;
    }
    doc.replaceEntries(std::move(lines));
}

} // namespace

class ReportReferenceTest : public ::testing::Test
{
protected:
    ReportReferenceTest() : doc(&rates)
    {
        const char *const names[][2] = {
            {"Quebec", "QC"}, {"Ontario", "ON"}, {"Kentucky", "KY"}, {"KY Surcharge", "KX"}};
        for (int slot = 0; slot < 4; ++slot)
            rates.table()[slot] =
                TaxRate{names[slot][0], names[slot][1], {}, {}, slot == KX ? 1 : 0, slot};
    }

    LoadedTaxTable rates;
    CIftaDoc doc;
};

TEST_F(ReportReferenceTest, HandCheckedExamples)
{
    for (const Example &example : kExamples) {
        SetCountry(doc, example.country);
        doc.replaceEntries(example.lines);
        for (FuelRounding rounding : {FuelRounding::Hundredths, FuelRounding::WholeUnits}) {
            const auto &expected =
                rounding == FuelRounding::Hundredths ? example.cents : example.wholeUnits;
            if (expected.empty())
                continue;
            const std::string what = std::string(example.name) + ", " + ModeName(rounding);
            const std::vector<ListLine> lines = ReportLines(ComputeReport(doc, rounding), doc);
            std::vector<std::string> joined;
            for (const ListLine &line : lines) {
                std::string text;
                for (size_t i = 0; i < line.size(); ++i)
                    text += (i ? "|" : "") + line[i];
                joined.push_back(text);
            }
            EXPECT_EQ(joined, expected) << what;
            // The reference agrees with the figures worked out by hand.
            ExpectSameLines(ReferenceLines(doc, rounding), lines, "reference, " + what);
        }
    }
}

TEST_F(ReportReferenceTest, RandomRecordsEqualTheReferenceInBothModes)
{
    // Thousands of small records, then a few of fleet size; the sweep stops at the first
    // record that differs.
    std::vector<size_t> counts;
    for (size_t i = 0; i < 3000; ++i)
        counts.push_back(1 + (i * 7919) % (i % 3 == 0 ? 200 : 20));
    counts.insert(counts.end(), {10000, 30000, 100000});
    for (size_t i = 0; i < counts.size() && !HasFailure(); ++i) {
        const uint64_t seed = 20260415 + i;
        FillRandomRecord(doc, rates, seed, counts[i]);
        CompareWithReference(doc, "seed " + std::to_string(seed) + " (" +
                                      std::to_string(counts[i]) + " lines)");
    }
}

// A million lines in one quarter: each jurisdiction's fuel paid and the total are the
// exact sums of the stored hundredths (the fuel is entered in the report's unit, litres),
// and every text equals the reference's in both modes.
TEST_F(ReportReferenceTest, MillionLineRecordSumsFuelExactly)
{
    SetCountry(doc, "Canada");
    std::mt19937_64 random(1000000);
    std::vector<TripEntry> lines(1000000);
    std::vector<int64_t> slotSums(TaxRateTable::kSlotCount, 0);
    int64_t total = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        TripEntry &e = lines[i];
        e.slot = static_cast<int32_t>(random() % 80); // slots 72 to 79 are outside the table
        e.rate = TenThousandths{static_cast<int64_t>(random() % 10 == 0 ? 0 : random() % 5000)};
        e.surcharge = random() % 7 == 0 ? 1 : 0;
        e.distance = static_cast<uint32_t>(random() % 1300);
        e.distanceInMiles = static_cast<int32_t>(random() % 2);
        e.fuel = Hundredths{static_cast<int64_t>(random() % 100000) - 5000}; // -50.00 to 949.99 L
        if (TaxRateTable::isValidSlot(e.slot) && !e.rate.isZero()) {
            slotSums[static_cast<size_t>(e.slot)] += e.fuel.units;
            total += e.fuel.units;
        }
    }
    doc.replaceEntries(std::move(lines));

    const Report report = ComputeReport(doc);
    ASSERT_EQ(report.rows.size(), 72u);
    for (const ReportRow &row : report.rows)
        EXPECT_EQ(row.fuelPaid.units, slotSums[static_cast<size_t>(row.slot)]) << row.slot;
    EXPECT_EQ(report.totals.totalFuelPaid.units, total);
    CompareWithReference(doc, "million-line record");
}
