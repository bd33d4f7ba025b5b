#pragma once

#include "sessionbase/sessionprompts.h"

#include <functional>

// The prompts of a front end with the entry dialog replaced: `editEntry` is answered by
// `answer` (a line typed into the entry list's new-trip row, or one cell edited in
// place), every other question goes to `inner`. A CEditSession built over it adds and
// modifies lines by exactly the rules of Add New and Modify (units, odometer, surcharge
// offer, undo steps), with what was typed standing in for the dialog.
class TypedEntryPrompts : public SessionPrompts
{
public:
    using Answer = std::function<bool(EntryDialogData &data)>;

    TypedEntryPrompts(SessionPrompts &inner, Answer answer);

    void warn(const std::string &text) override;
    void inform(const std::string &text) override;
    bool askYesNo(const std::string &text) override;
    SessionPrompts::Answer askYesNoCancel(const std::string &text) override;
    std::string openFileName(const std::string &filter) override;
    std::vector<std::string> openFileNames(const std::string &filter) override;
    std::string saveFileName(const std::string &filter, const std::string &proposal) override;
    bool editEntry(EntryDialogData &data) override;
    bool editTaxRate(TaxRate &rate, bool newRate) override;
    CompanyResult editCompany(CompanyDialogData &data, CProfileStore *store) override;
    bool chooseProfile(CProfileStore &store, ProfileRecord &selected) override;
    bool chooseImport(ImportDialogData &data) override;
    bool chooseMergeFiles(MergeDialogData &data) override;
    bool chooseVersion(VersionDialogData &data) override;
    bool editTaxPeriod(TaxPeriod &period) override;
    bool editPreferences(PreferencesData &data) override;
    bool editFilingDate(FilingDialogData &data) override;
    RecoveryAnswer askRecover(const std::string &text) override;

private:
    SessionPrompts &inner_;
    Answer answer_;
};

// The answer of the entry dialog for a surcharge line offered after a typed trip: the
// line as offered, in its own slot and units (what Enter in the dialog gives).
bool AcceptOfferedEntry(EntryDialogData &data);
