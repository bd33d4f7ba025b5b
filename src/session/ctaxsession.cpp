#include "session/ctaxsession.h"

#include "formats/taxfile.h"
#include "numbers/uitext.h"
#include "platform/pathnames.h"
#include "records/loadedtaxtable.h"
#include "sessionbase/backupversions.h"
#include "sessionbase/sessionevents.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"

DefaultTaxFileLoad LoadDefaultTaxFile(const std::string &defaultTaxFile,
                                      const std::string &currentDirectory, LoadedTaxTable &rates)
{
    DefaultTaxFileLoad load;
    if (defaultTaxFile.empty()) {
        if (currentDirectory.empty())
            return load;
        load.path = JoinPath(currentDirectory, "ifta.itx");
        load.rememberPath = true;
    } else {
        load.path = defaultTaxFile;
    }
    load.read = CTaxSession::ReadTaxFileInto(load.path, rates);
    if (load.read.status == Result::Status::CannotOpen) {
        load.rememberPath = false;
        load.read = Result::success();
        return load;
    }
    load.ok = true;
    return load;
}

CTaxSession::CTaxSession(LoadedTaxTable &rates, SessionPrompts &prompts, SessionSettings &settings,
                         SessionEvents *events)
    : rates_(rates)
    , prompts_(prompts)
    , settings_(settings)
    , events_(events)
{
}

Result CTaxSession::ReadTaxFileInto(const std::string &path, LoadedTaxTable &rates)
{
    TaxPeriod period = rates.period();
    TaxRateTable rateSlots = rates.table();
    const Result read = ReadTaxFile(path, rateSlots, period);
    if (read.status == Result::Status::CannotOpen)
        return read;
    // A refused file leaves the slots as they were, but they count as loaded all the same:
    // the table's undo belonged to what was there before the load.
    rates.replaceFromFile(rateSlots);
    rates.setPeriod(period);
    return read;
}

void CTaxSession::remember(const std::string &path)
{
    settings_.setDefaultTaxFile(path);
    rates_.markLoaded();
}

bool CTaxSession::loadTaxRates()
{
    const std::string path = prompts_.openFileName(kTaxFileFilter);
    if (path.empty())
        return false;
    const Result read = ReadTaxFileInto(path, rates_);
    if (read.status == Result::Status::CannotOpen) {
        // Nothing was read: the table, the flags and the remembered file stay.
        prompts_.warn(UiArgs(UiText("CTaxSession", "The file %1 cannot be opened."), {path}));
        return false;
    }
    // A refusal, or the note of a file read with lines passed over.
    if (!read.message.empty())
        prompts_.warn(read.message);
    if (read.status != Result::Status::BadFormat)
        loadedPath_ = path;
    remember(path);
    events().taxRatesLoaded(path);
    return read.ok();
}

bool CTaxSession::saveTaxRates()
{
    const std::string path = prompts_.saveFileName(kTaxFileFilter, settings_.defaultTaxFile());
    if (path.empty())
        return false;
    TaxPeriod period = rates_.period();
    if (period.year <= 2000)
        period.year = 2000;
    if (!prompts_.editTaxPeriod(period))
        return false;
    rates_.setPeriod(period);
    SessionEvents &events = this->events();
    if (!KeepVersionBeforeSave(settings_, prompts_, path))
        return false;
    const Result written = WriteTaxFile(path, rates_.table(), rates_.period());
    if (!written) {
        // The table stays marked as changed: it is not in any file yet.
        prompts_.warn(written.message.empty()
                          ? UiArgs(UiText("CTaxSession", "The file %1 cannot be written."), {path})
                          : written.message);
        events.periodsChanged();
        return false;
    }
    remember(path);
    loadedPath_ = path;
    events.taxRatesSaved(path);
    return true;
}

std::string CTaxSession::defaultTaxFilePath()
{
    const std::string remembered = settings_.defaultTaxFile();
    if (!remembered.empty())
        return remembered;
    const std::string current = CurrentDirectory();
    return current.empty() ? std::string() : JoinPath(current, "ifta.itx");
}

bool CTaxSession::loadDefaultTaxFile()
{
    const std::string current = CurrentDirectory();
    if (current.empty())
        return false;
    const DefaultTaxFileLoad load = LoadDefaultTaxFile(settings_.defaultTaxFile(), current, rates_);
    if (!load.ok)
        return false; // no such file: the program runs without rates, silently
    if (!load.read.message.empty())
        prompts_.warn(load.read.message);
    if (load.rememberPath)
        settings_.setDefaultTaxFile(load.path);
    if (load.read.status != Result::Status::BadFormat)
        loadedPath_ = load.path;
    events().taxTableReloaded();
    return true;
}

void CTaxSession::offerToSaveModifiedTax(const std::string &replacement)
{
    if (rates_.isModified() && IsReadableFile(replacement) && prompts_.askYesNo(kSaveModifiedTax))
        saveTaxRates();
}

void CTaxSession::offerToSaveOnClose()
{
    if (rates_.isModified() && prompts_.askYesNo(kSaveModifiedTax))
        saveTaxRates();
}
