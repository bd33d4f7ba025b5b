#include "records/ciftadoc.h"

#include "records/entryresolver.h"
#include "records/ratedifferences.h"
#include "records/recordheader.h"

namespace {

// In the notes every lone carriage return of the dialog becomes CR LF, as the record
// file keeps them.
std::string NotesForRecord(const std::string &notes)
{
    std::string out;
    out.reserve(notes.size() + 8);
    for (size_t i = 0; i < notes.size(); ++i) {
        out += notes[i];
        if (notes[i] == '\r' && (i + 1 >= notes.size() || notes[i + 1] != '\n'))
            out += '\n';
    }
    return out;
}

} // namespace

CIftaDoc::CIftaDoc(LoadedTaxTable *rates)
    : ownRates_(rates ? nullptr : std::make_unique<LoadedTaxTable>())
    , rates_(rates ? rates : ownRates_.get())
{
}

CIftaDoc::~CIftaDoc() = default;

void CIftaDoc::setModified(bool modified)
{
    modified_ = modified;
    changed();
}

void CIftaDoc::clearForMerge()
{
    entries_.clear();
    sourcePath_.clear();
    mergeCounter_ = 0;
    lastDate_.clear();
    modified_ = false;
    undo_.clear();
    changed();
}

void CIftaDoc::startNew(const CompanyInfo &values)
{
    entries_.clear();
    lastDate_.clear();
    undo_.clear();
    applyCompanyInfo(values, true);
}

bool CIftaDoc::isDieselAfter(const RecordHeader &header) const
{
    CompanyInfo fuel = company_;
    // The older layout has no fuel type: the document keeps the one it had.
    if (header.layout == kCurrentRecordLayout)
        fuel.setFuelCode(header.fuelCode);
    return fuel.diesel != 0;
}

void CIftaDoc::applyHeader(const RecordHeader &header)
{
    const int32_t useOdometer = company_.useOdometer;
    const int32_t diesel = company_.diesel;
    const int32_t gasoline = company_.gasoline;
    company_ = header.company;
    company_.useOdometer = useOdometer;
    company_.diesel = diesel;
    company_.gasoline = gasoline;
    if (header.layout == kCurrentRecordLayout)
        company_.setFuelCode(header.fuelCode);
    recordPeriod_.year = header.year;
    recordPeriod_.quarter = header.quarter;
    currentOdometer_ = header.company.startOdometer;
}

void CIftaDoc::load(const RecordHeader &header, Entries lines, const std::string &path)
{
    applyHeader(header);
    sourcePath_ = path;
    entries_ = std::move(lines);
    // New lines continue from the last odometer reading; a file without lines continues
    // from the start odometer its header has just set.
    if (!entries_.empty())
        currentOdometer_ = entries_.back().odometerOut;
    company_.useOdometer = currentOdometer_ != 0 ? 1 : 0;
    lastDate_ = entries_.empty() ? std::string() : entries_.back().date;
    modified_ = false;
    undo_.clear();
    changed();
}

void CIftaDoc::loadRefused()
{
    entries_.clear();
    sourcePath_.clear();
    clearCompany();
    modified_ = false;
    undo_.clear();
    changed();
}

void CIftaDoc::mergeFrom(const RecordHeader &header, Entries lines, const std::string &path)
{
    applyHeader(header);
    sourcePath_ = path;
    entries_.reserve(entries_.size() + lines.size());
    for (TripEntry &line : lines) {
        line.tripNumber = ++mergeCounter_;
        entries_.push_back(std::move(line));
    }
    lastDate_ = entries_.empty() ? std::string() : entries_.back().date;
    modified_ = true;
    undo_.clear();
    changed();
}

void CIftaDoc::mergeRefused()
{
    sourcePath_.clear();
    clearCompany();
    modified_ = false;
    changed();
}

void CIftaDoc::replaceEntries(Entries lines)
{
    entries_ = std::move(lines);
    lastDate_ = entries_.empty() ? std::string() : entries_.back().date;
    undo_.clear();
    changed();
}

void CIftaDoc::markSaved()
{
    modified_ = false;
    changed();
}

void CIftaDoc::applyCompanyInfo(const CompanyInfo &values, bool withDates)
{
    const PeriodDate from = company_.periodFrom;
    const PeriodDate to = company_.periodTo;
    company_ = values;
    company_.notes = NotesForRecord(values.notes);
    if (!withDates) {
        company_.periodFrom = from;
        company_.periodTo = to;
    }
    company_.useOdometer = (values.useOdometer != 0 || values.startOdometer != 0) ? 1 : 0;
    modified_ = true;
    changed();
}

void CIftaDoc::setCompany(const CompanyInfo &company)
{
    company_ = company;
    changed();
}

void CIftaDoc::clearCompany()
{
    const int32_t diesel = company_.diesel;
    const int32_t gasoline = company_.gasoline;
    const int32_t useOdometer = company_.useOdometer;
    company_ = CompanyInfo{};
    company_.useOdometer = useOdometer;
    company_.provinceState.clear();
    company_.country.clear();
    company_.diesel = diesel;
    company_.gasoline = gasoline;
    currentOdometer_ = 0;
    changed();
}

void CIftaDoc::setUseOdometer(bool on)
{
    company_.useOdometer = on ? 1 : 0;
    changed();
}

void CIftaDoc::takeTablePeriod()
{
    recordPeriod_.year = tablePeriod().year;
    recordPeriod_.quarter = tablePeriod().quarter;
    changed();
}

void CIftaDoc::setRecordPeriod(const TaxPeriod &period)
{
    recordPeriod_ = period;
    changed();
}

void CIftaDoc::updateRatesFromTable()
{
    const TaxRateTable &table = taxTable();
    for (TripEntry &entry : entries_) {
        if (!TaxRateTable::isValidSlot(entry.slot))
            continue;
        const TaxRate &rate = table[entry.slot];
        entry.rate = SlotRate(rate, isDiesel());
        entry.surcharge = rate.surcharge;
    }
    takeTablePeriod();
    modified_ = true;
}

int CIftaDoc::jurisdictionsWithOtherRates() const
{
    RateDifferences differences(taxTable(), isDiesel());
    for (const TripEntry &entry : entries_)
        differences.add(entry);
    return differences.count();
}

TripEntry CIftaDoc::prepareNewEntry(const EntryUnits &units) const
{
    TripEntry entry;
    entry.tripNumber = static_cast<int32_t>(entries_.size()) + 1;
    // A record without lines starts from no date: the caller knows whether the record's
    // quarter can give one.
    entry.date = entries_.empty() ? std::string() : lastDate_;
    const int32_t odometer = entries_.empty() ? company_.startOdometer : currentOdometer_;
    entry.odometerIn = odometer;
    entry.odometerOut = odometer;
    entry.distanceInMiles = units.distanceInMiles;
    entry.fuelInGallons = units.fuelInGallons;
    return entry;
}

void CIftaDoc::addEntry(const TripEntry &entry)
{
    entries_.push_back(entry);
    currentOdometer_ = entry.odometerOut;
    lastDate_ = entry.date;
    modified_ = true;
    changed();
}

std::optional<TripEntry> CIftaDoc::surchargeFollowUp(const TripEntry &added) const
{
    const int slot = FindSurchargeSlot(added, taxTable());
    if (slot < 0)
        return std::nullopt;
    TripEntry entry = added;
    entry.slot = slot;
    entry.tripNumber = static_cast<int32_t>(entries_.size()) + 1;
    entry.date = lastDate_;
    entry.fuel = Hundredths{};
    entry.rate = TenThousandths{};
    return entry;
}

void CIftaDoc::addSurchargeEntry(const TripEntry &entry)
{
    entries_.push_back(entry);
    modified_ = true;
    changed();
}

void CIftaDoc::modifyEntry(size_t index, const TripEntry &entry)
{
    if (index >= entries_.size())
        return;
    entries_[index] = entry;
    currentOdometer_ = entry.odometerOut;
    lastDate_ = entry.date;
    modified_ = true;
    changed();
}

void CIftaDoc::deleteEntry(size_t index)
{
    if (index >= entries_.size())
        return;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    int32_t trip = 1;
    for (TripEntry &e : entries_)
        e.tripNumber = trip++;
    modified_ = true;
    changed();
}

int CIftaDoc::findTripNumber(int32_t tripNumber) const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].tripNumber == tripNumber)
            return static_cast<int>(i);
    }
    return -1;
}

bool CIftaDoc::undoEntries()
{
    const bool done = undo_.undo(entries_);
    changed();
    return done;
}

bool CIftaDoc::redoEntries()
{
    const bool done = undo_.redo(entries_);
    changed();
    return done;
}
