#pragma once

#include "numbers/uitext.h"
#include "platform/result.h"
#include "sessionbase/sessionevents.h"

#include <string>

class LoadedTaxTable;
class SessionPrompts;
class SessionSettings;

// What loading the default tax-rate file did.
struct DefaultTaxFileLoad {
    bool ok = false;           // a file was opened and read (a refused file counts)
    std::string path;          // the file tried
    bool rememberPath = false; // the settings had no default: store `path` as it
    Result read;               // the reading's own result, BadFormat when refused
};

// Loads the default tax-rate file: `defaultTaxFile` (the remembered one) when it is not
// empty, else "ifta.itx" in `currentDirectory`. Fails without a message when the current
// directory is needed but unknown (empty) or the file cannot be opened; the table is then
// untouched. A file that was read leaves the table without undo and unchanged.
DefaultTaxFileLoad LoadDefaultTaxFile(const std::string &defaultTaxFile,
                                      const std::string &currentDirectory, LoadedTaxTable &rates);

// The tax-rate table's use cases: reading a table (tollmark-cli's --rates, Load Tax
// Rates, the default tax file at every new record and after Options), saving it with its
// period, and the offer to save changed rates before they are replaced or the program
// closes. One object for the program's one table.
class CTaxSession
{
public:
    CTaxSession(LoadedTaxTable &rates, SessionPrompts &prompts, SessionSettings &settings,
                SessionEvents *events = nullptr);

    void setEvents(SessionEvents *events) { events_ = events; }
    LoadedTaxTable &rates() { return rates_; }

    // Reads the tax-rate file at `path` into the table and its period. A file that cannot
    // be opened fails with CannotOpen and a message naming it, one of another kind with
    // BadFormat ("Wrong file format. Tax not loaded."); the table is untouched then. A
    // table read has no undo and counts as unchanged.
    static Result ReadTaxFileInto(const std::string &path, LoadedTaxTable &rates);

    // "Load Tax Rates": a file chosen and read; true when it was read. A file in a wrong
    // format is refused with its message, but its path still becomes the default tax file.
    bool loadTaxRates();
    // "Save Tax Rates": a file name, then the tax period; true when the file was written.
    // A cancelled dialog writes nothing and changes nothing.
    bool saveTaxRates();

    // Reads the default tax-rate file again (the remembered one, else ifta.itx in the
    // current folder). True when a file was read; a wrong file shows its message, a
    // missing one none. A first default found in the current folder is remembered.
    bool loadDefaultTaxFile();
    // The file loadDefaultTaxFile() would read.
    std::string defaultTaxFilePath();
    // The file the table was last read from or saved to (the status bar shows it); empty
    // while none was. A default that could not be read leaves it as it was.
    const std::string &loadedTaxFile() const { return loadedPath_; }

    // Before the table is read again from `replacement`: changed rates that are in no file
    // yet are offered for saving ("Save the modified tax?", then Save Tax Rates). Only a
    // file that will really be read counts.
    void offerToSaveModifiedTax(const std::string &replacement);
    // At closing: changed rates are offered for saving.
    void offerToSaveOnClose();

private:
    void remember(const std::string &path);
    SessionEvents &events() { return events_ ? *events_ : quiet_; }

    LoadedTaxTable &rates_;
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    SessionEvents *events_;
    SessionEvents quiet_; // tells nobody: used while no front end listens
    std::string loadedPath_;
};

constexpr const char *kSaveModifiedTax = UI_TEXT_NOOP("Messages", "Save the modified tax?");
