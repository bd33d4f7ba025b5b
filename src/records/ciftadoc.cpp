#include "records/ciftadoc.h"

#include "numbers/uitext.h"
#include "records/entryresolver.h"
#include "records/ratedifferences.h"
#include "records/recordheader.h"

#include <algorithm>

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
    changed(DocChange::What::SavedChanged);
}

void CIftaDoc::clearForMerge()
{
    entries_.clear();
    sourcePath_.clear();
    mergeCounter_ = 0;
    lastDate_.clear();
    modified_ = false;
    undo_.clear();
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::startNew(const CompanyInfo &values)
{
    entries_.clear();
    lastDate_.clear();
    undo_.clear();
    applyCompanyInfo(values, true);
    changed(DocChange::What::RecordReplaced);
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
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::loadRefused()
{
    entries_.clear();
    sourcePath_.clear();
    clearCompany();
    modified_ = false;
    undo_.clear();
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::mergeFrom(const RecordHeader &header, Entries lines, const std::string &path)
{
    applyHeader(header);
    sourcePath_ = path;
    // Room grows by doubling: reserving just enough for each file would move every line
    // merged so far at every file, and thousands of files would take minutes.
    const size_t needed = entries_.size() + lines.size();
    if (needed > entries_.capacity())
        entries_.reserve(std::max(needed, 2 * entries_.capacity()));
    for (TripEntry &line : lines) {
        line.tripNumber = ++mergeCounter_;
        entries_.push_back(std::move(line));
    }
    lastDate_ = entries_.empty() ? std::string() : entries_.back().date;
    modified_ = true;
    undo_.clear();
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::mergeRefused()
{
    sourcePath_.clear();
    clearCompany();
    modified_ = false;
    changed(DocChange::What::CompanyChanged);
}

void CIftaDoc::takeMergedRecord(CIftaDoc &merged)
{
    entries_ = std::move(merged.entries_);
    company_ = merged.company_;
    recordPeriod_ = merged.recordPeriod_;
    sourcePath_ = merged.sourcePath_;
    lastDate_ = merged.lastDate_;
    currentOdometer_ = merged.currentOdometer_;
    mergeCounter_ = merged.mergeCounter_;
    modified_ = merged.modified_;
    undo_.clear();
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::replaceEntries(Entries lines)
{
    entries_ = std::move(lines);
    lastDate_ = entries_.empty() ? std::string() : entries_.back().date;
    undo_.clear();
    changed(DocChange::What::RecordReplaced);
}

void CIftaDoc::markSaved()
{
    modified_ = false;
    changed(DocChange::What::SavedChanged);
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
    changed(DocChange::What::CompanyChanged);
}

void CIftaDoc::setCompany(const CompanyInfo &company)
{
    company_ = company;
    changed(DocChange::What::CompanyChanged);
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
    changed(DocChange::What::CompanyChanged);
}

void CIftaDoc::setUseOdometer(bool on)
{
    company_.useOdometer = on ? 1 : 0;
    changed(DocChange::What::CompanyChanged);
}

void CIftaDoc::takeTablePeriod()
{
    recordPeriod_.year = tablePeriod().year;
    recordPeriod_.quarter = tablePeriod().quarter;
    changed(DocChange::What::PeriodChanged);
}

void CIftaDoc::setRecordPeriod(const TaxPeriod &period)
{
    recordPeriod_ = period;
    changed(DocChange::What::PeriodChanged);
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
    recordPeriod_.year = tablePeriod().year;
    recordPeriod_.quarter = tablePeriod().quarter;
    modified_ = true;
    changed(DocChange::What::LinesChanged);
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

EntryUnits CIftaDoc::newEntryUnits() const
{
    if (entries_.empty())
        return EntryUnitsForCountry(company_.country);
    return EntryUnits{entries_.back().distanceInMiles, entries_.back().fuelInGallons};
}

void CIftaDoc::addEntry(const TripEntry &entry)
{
    recordStep(UI_TEXT_NOOP("UndoSteps", "Add Trip %1"), entry.tripNumber);
    entries_.push_back(entry);
    if (entry.odometerIn != 0 || entry.odometerOut != 0)
        currentOdometer_ = entry.odometerOut;
    lastDate_ = entry.date;
    modified_ = true;
    changed(DocChange::What::LinesAdded, entries_.size() - 1, 1);
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
    recordStep(UI_TEXT_NOOP("UndoSteps", "Add Trip %1"), entry.tripNumber);
    entries_.push_back(entry);
    modified_ = true;
    changed(DocChange::What::LinesAdded, entries_.size() - 1, 1);
}

void CIftaDoc::appendEntries(Entries lines)
{
    if (lines.empty())
        return;
    const size_t first = entries_.size();
    const std::string name =
        "Paste Trips " + std::to_string(first + 1) + "-" + std::to_string(first + lines.size());
    undo_.record(name, entries_);
    entries_.reserve(first + lines.size());
    for (TripEntry &line : lines) {
        line.tripNumber = static_cast<int32_t>(entries_.size() + 1);
        entries_.push_back(std::move(line));
    }
    const TripEntry &last = entries_.back();
    if (last.odometerIn != 0 || last.odometerOut != 0)
        currentOdometer_ = last.odometerOut;
    lastDate_ = last.date;
    modified_ = true;
    changed(DocChange::What::LinesAdded, first, lines.size());
}

void CIftaDoc::modifyEntry(size_t index, const TripEntry &entry)
{
    if (index >= entries_.size())
        return;
    recordStep(UI_TEXT_NOOP("UndoSteps", "Modify Trip %1"), entries_[index].tripNumber);
    entries_[index] = entry;
    if (entry.odometerIn != 0 || entry.odometerOut != 0)
        currentOdometer_ = entry.odometerOut;
    lastDate_ = entry.date;
    modified_ = true;
    changed(DocChange::What::LinesChanged, index, 1);
}

void CIftaDoc::deleteEntry(size_t index)
{
    if (index >= entries_.size())
        return;
    recordStep(UI_TEXT_NOOP("UndoSteps", "Delete Trip %1"), entries_[index].tripNumber);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    int32_t trip = 1;
    for (TripEntry &e : entries_)
        e.tripNumber = trip++;
    modified_ = true;
    changed(DocChange::What::LinesRemoved, index, 1);
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
    if (!undo_.undo(entries_))
        return false;
    changed(DocChange::What::LinesChanged);
    return true;
}

bool CIftaDoc::redoEntries()
{
    if (!undo_.redo(entries_))
        return false;
    changed(DocChange::What::LinesChanged);
    return true;
}

void CIftaDoc::recordStep(const char *name, int32_t tripNumber)
{
    undo_.record(UiArgs(UiText("UndoSteps", name), {std::to_string(tripNumber)}), entries_);
}

void CIftaDoc::changed(DocChange::What what, size_t first, size_t count)
{
    ++revision_;
    observers_.notify(DocChange{what, first, count, revision_});
}
