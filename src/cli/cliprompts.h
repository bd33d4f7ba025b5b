#pragma once

#include "sessionbase/sessionprompts.h"

#include <functional>
#include <string>
#include <vector>

// The answers of a tollmark-cli subcommand to the session's questions: every text shown
// is kept (a failure's message is printed by the subcommand), every dialog is cancelled
// and every question answered with `answer` (Cancel unless the subcommand says), except
// the merge dialog, which gives `mergePaths` in order with `unitsFromNames` as its check
// box, and the company dialog, which is confirmed as filled: the subcommand's own values
// are the user's answer.
class CliPrompts : public SessionPrompts
{
public:
    void warn(const std::string &text) override { shown.push_back(text); }
    void inform(const std::string &text) override { shown.push_back(text); }
    bool askYesNo(const std::string &) override { return answer == Answer::Yes; }
    Answer askYesNoCancel(const std::string &question) override
    {
        asked.push_back(question);
        return answer;
    }
    std::string openFileName(const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }

    CompanyResult editCompany(CompanyDialogData &, CProfileStore *) override
    {
        return CompanyResult::Ok;
    }
    // The entry and tax-rate dialogs answer with the subcommand's options (`entryEdit`,
    // `rateEdit`), and are cancelled when it gives none.
    bool editEntry(EntryDialogData &data) override { return entryEdit ? entryEdit(data) : false; }
    bool editTaxRate(TaxRate &rate, bool newRate) override
    {
        return rateEdit ? rateEdit(rate, newRate) : false;
    }
    bool chooseProfile(CProfileStore &, ProfileRecord &) override { return false; }
    bool chooseImport(ImportDialogData &) override { return false; }
    bool chooseMergeFiles(MergeDialogData &data) override;
    bool editTaxPeriod(TaxPeriod &) override { return false; }
    bool editPreferences(PreferencesData &) override { return false; }
    bool editFilingDate(FilingDialogData &) override { return false; }

    // The last text shown, or `fallback` when none was.
    std::string lastShown(const std::string &fallback = {}) const
    {
        return shown.empty() ? fallback : shown.back();
    }

    Answer answer = Answer::Cancel;
    std::vector<std::string> mergePaths;
    bool unitsFromNames = false; // "Use file names as unit numbers"
    std::vector<std::string> shown;
    std::vector<std::string> asked; // the Yes/No/Cancel questions, in order
    std::function<bool(EntryDialogData &)> entryEdit;
    std::function<bool(TaxRate &, bool)> rateEdit;
};
