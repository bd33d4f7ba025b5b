#pragma once

#include "session/dialogdata.h"
#include "session/sessionprompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Prompts for tests, over the session's questions: every text shown is recorded in
// `shown`, questions and file dialogs answer from queues (No, Cancel and "cancelled" once a
// queue is empty), and each modal dialog hook runs the test's own function (cancel when it
// has none). `Base` is SessionPrompts for the session's tests or the window's UserPrompts,
// whose scripted prompts add the window's own dialogs.
template <class Base>
class ScriptedSessionPrompts : public Base
{
public:
    using Answer = SessionPrompts::Answer;
    using CompanyResult = SessionPrompts::CompanyResult;

    void warn(const std::string &text) override { shown.push_back(text); }
    void inform(const std::string &text) override { shown.push_back(text); }
    bool askYesNo(const std::string &text) override
    {
        shown.push_back(text);
        return next(answers, Answer::No) == Answer::Yes;
    }
    Answer askYesNoCancel(const std::string &text) override
    {
        shown.push_back(text);
        return next(answers, Answer::Cancel);
    }
    std::string openFileName(const std::string &filter) override
    {
        filters.push_back(filter);
        return next(files, std::string());
    }
    std::string saveFileName(const std::string &filter, const std::string &proposal) override
    {
        filters.push_back(filter);
        proposals.push_back(proposal);
        return next(files, std::string());
    }

    bool editEntry(EntryDialogData &d) override
    {
        ++entryDialogs;
        return entry ? entry(d) : false;
    }
    bool editTaxRate(TaxRate &r, bool n) override { return taxRate ? taxRate(r, n) : false; }
    CompanyResult editCompany(CompanyDialogData &d, CProfileStore *s) override
    {
        ++companyDialogs;
        return company ? company(d, s) : CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &s, ProfileRecord &r) override
    {
        return profile ? profile(s, r) : false;
    }
    bool chooseImport(ImportDialogData &d) override { return import ? import(d) : false; }
    bool chooseMergeFiles(MergeDialogData &d) override { return merge ? merge(d) : false; }
    bool chooseVersion(VersionDialogData &d) override { return version ? version(d) : false; }
    bool editTaxPeriod(TaxPeriod &p) override { return taxPeriod ? taxPeriod(p) : false; }
    bool editPreferences(PreferencesData &d) override
    {
        return preferences ? preferences(d) : false;
    }
    bool editFilingDate(FilingDialogData &d) override { return filingDate ? filingDate(d) : false; }

    std::vector<std::string> shown;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::vector<std::string> filters;
    std::vector<std::string> proposals;
    int companyDialogs = 0;
    int entryDialogs = 0;

    std::function<bool(EntryDialogData &)> entry;
    std::function<bool(TaxRate &, bool)> taxRate;
    std::function<CompanyResult(CompanyDialogData &, CProfileStore *)> company;
    std::function<bool(CProfileStore &, ProfileRecord &)> profile;
    std::function<bool(ImportDialogData &)> import;
    std::function<bool(MergeDialogData &)> merge;
    std::function<bool(VersionDialogData &)> version;
    std::function<bool(TaxPeriod &)> taxPeriod;
    std::function<bool(PreferencesData &)> preferences;
    std::function<bool(FilingDialogData &)> filingDate;

protected:
    template <class T>
    static T next(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
