#pragma once

#include "sessionbase/dialogdata.h"
#include "sessionbase/sessionprompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The tests' one scripted prompts, over the session's questions. Every text shown is kept
// in `shown`. A question or dialog is answered, in this order, by the front of its own
// queue (`yesNo`, `openNames`, `companies`, ...: one answer each, for a flow that asks the
// same thing several times), by the shared queues `answers` and `files`, or by its hook
// (`company`, `merge`, ...: the same function every time); with none of them it is
// cancelled and noted in `unanswered`. `Base` is SessionPrompts for the session's tests or
// the window's UserPrompts, whose scripted prompts add the window's own dialogs.
template <class Base>
class ScriptedSessionPrompts : public Base
{
public:
    using Answer = SessionPrompts::Answer;
    using CompanyResult = SessionPrompts::CompanyResult;
    using RecoveryAnswer = SessionPrompts::RecoveryAnswer;
    using EntryScript = std::function<bool(EntryDialogData &)>;
    using CompanyScript = std::function<CompanyResult(CompanyDialogData &)>;
    using ProfilesScript = std::function<bool(CProfileStore &, ProfileRecord &)>;
    using ImportScript = std::function<bool(ImportDialogData &)>;
    using MergeScript = std::function<bool(MergeDialogData &)>;
    using TaxPeriodScript = std::function<bool(TaxPeriod &)>;
    using TaxRateScript = std::function<bool(TaxRate &, bool newRate)>;
    using PreferencesScript = std::function<bool(PreferencesData &)>;
    using FilingDateScript = std::function<bool(FilingDialogData &)>;

    void warn(const std::string &text) override { shown.push_back(text); }
    void inform(const std::string &text) override { shown.push_back(text); }
    bool askYesNo(const std::string &text) override
    {
        shown.push_back(text);
        if (!yesNo.empty())
            return pop(yesNo);
        return take(answers, Answer::No, text) == Answer::Yes;
    }
    Answer askYesNoCancel(const std::string &text) override
    {
        shown.push_back(text);
        if (!yesNoCancel.empty())
            return pop(yesNoCancel);
        return take(answers, Answer::Cancel, text);
    }
    std::string openFileName(const std::string &filter) override
    {
        filters.push_back(filter);
        if (!openNames.empty())
            return pop(openNames);
        return take(files, std::string(), "open " + filter);
    }
    // Several files at once: the front list of `fileLists`, else one file as the prompts'
    // own dialog gives it.
    std::vector<std::string> openFileNames(const std::string &filter) override
    {
        if (fileLists.empty())
            return Base::openFileNames(filter);
        filters.push_back(filter);
        return next(fileLists, std::vector<std::string>());
    }
    std::string saveFileName(const std::string &filter, const std::string &proposal) override
    {
        filters.push_back(filter);
        proposals.push_back(proposal);
        if (!saveNames.empty())
            return pop(saveNames);
        return take(files, std::string(), "save " + filter);
    }

    bool editEntry(EntryDialogData &d) override
    {
        ++entryDialogs;
        entryDialogsShown.push_back(d);
        return run(entries, entry, "entry dialog", d);
    }
    bool editTaxRate(TaxRate &r, bool n) override
    {
        return run(taxRates, taxRate, "tax rate dialog", r, n);
    }
    CompanyResult editCompany(CompanyDialogData &d, CProfileStore *s) override
    {
        ++companyDialogs;
        companyDialogsShown.push_back(d);
        companyStore = s;
        if (!companies.empty())
            return pop(companies)(d);
        if (company)
            return company(d, s);
        unanswered.push_back("company dialog");
        return CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &s, ProfileRecord &r) override
    {
        return run(profiles, profile, "profiles dialog", s, r);
    }
    bool chooseImport(ImportDialogData &d) override
    {
        return run(imports, import, "import dialog", d);
    }
    bool chooseMergeFiles(MergeDialogData &d) override
    {
        return run(merges, merge, "merge dialog", d);
    }
    bool chooseVersion(VersionDialogData &d) override { return version ? version(d) : false; }
    bool editTaxPeriod(TaxPeriod &p) override
    {
        return run(taxPeriods, taxPeriod, "tax period dialog", p);
    }
    bool editPreferences(PreferencesData &d) override
    {
        return run(preferenceDialogs, preferences, "preferences dialog", d);
    }
    bool editFilingDate(FilingDialogData &d) override
    {
        return run(filingDates, filingDate, "filing date dialog", d);
    }
    RecoveryAnswer askRecover(const std::string &text) override
    {
        shown.push_back(text);
        return take(recoveries, RecoveryAnswer::Later, text);
    }

    std::vector<std::string> shown;      // every message and question, in order
    std::vector<std::string> unanswered; // questions and dialogs that found no answer
    std::deque<Answer> answers;
    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    std::deque<std::string> files;
    std::deque<std::string> openNames;
    std::deque<std::string> saveNames;
    std::deque<std::vector<std::string>> fileLists;
    std::deque<RecoveryAnswer> recoveries; // Recover, Discard or Later
    std::vector<std::string> filters;
    std::vector<std::string> proposals;
    int companyDialogs = 0;
    int entryDialogs = 0;
    std::vector<EntryDialogData> entryDialogsShown;
    std::vector<CompanyDialogData> companyDialogsShown;
    // The profile store the last company dialog was given ("Add Profile" writes there).
    CProfileStore *companyStore = nullptr;

    // One answer each, in order.
    std::deque<EntryScript> entries;
    std::deque<CompanyScript> companies;
    std::deque<ProfilesScript> profiles;
    std::deque<ImportScript> imports;
    std::deque<MergeScript> merges;
    std::deque<TaxPeriodScript> taxPeriods;
    std::deque<TaxRateScript> taxRates;
    std::deque<PreferencesScript> preferenceDialogs;
    std::deque<FilingDateScript> filingDates;

    // The same answer every time.
    EntryScript entry;
    TaxRateScript taxRate;
    std::function<CompanyResult(CompanyDialogData &, CProfileStore *)> company;
    ProfilesScript profile;
    ImportScript import;
    MergeScript merge;
    std::function<bool(VersionDialogData &)> version;
    TaxPeriodScript taxPeriod;
    PreferencesScript preferences;
    FilingDateScript filingDate;

protected:
    template <class T>
    static T pop(std::deque<T> &queue)
    {
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    template <class T>
    static T next(std::deque<T> &queue, T fallback)
    {
        return queue.empty() ? fallback : pop(queue);
    }
    template <class T>
    T take(std::deque<T> &queue, T fallback, const std::string &what)
    {
        if (queue.empty()) {
            unanswered.push_back(what);
            return fallback;
        }
        return pop(queue);
    }
    // The front of `queue`, else `hook`, on the dialog's data; false (cancel) with none.
    template <class Script, class... Args>
    bool run(std::deque<Script> &queue, const Script &hook, const std::string &what, Args &&...args)
    {
        if (!queue.empty())
            return pop(queue)(std::forward<Args>(args)...);
        if (hook)
            return hook(std::forward<Args>(args)...);
        unanswered.push_back(what);
        return false;
    }
};
