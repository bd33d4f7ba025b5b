#pragma once

#include "ui/userprompts.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Prompts for tests: every text shown is recorded in `shown`, questions and file dialogs
// answer from queues (No, Cancel and "cancelled" once a queue is empty), and each modal
// dialog hook runs the test's own function (cancel when it has none).
class ScriptedPrompts : public UserPrompts
{
public:
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

    bool editEntry(EntryDialogData &d) override { return entry ? entry(d) : false; }
    CompanyResult editCompany(CompanyDialogData &d, CProfileStore *s) override
    {
        return company ? company(d, s) : CompanyResult::Cancel;
    }
    bool chooseProfile(CProfileStore &s, ProfileRecord &r) override
    {
        return profile ? profile(s, r) : false;
    }
    bool chooseImport(ImportDialogData &d) override { return import ? import(d) : false; }
    bool runMerge(CIftaDoc &doc) override { return merge ? merge(doc) : false; }
    bool runDownload(CIftaDoc &doc, DownloadDialogData &d) override
    {
        return download ? download(doc, d) : false;
    }
    bool editTaxPeriod(TaxPeriod &p) override { return taxPeriod ? taxPeriod(p) : false; }
    bool editTaxRate(TaxRate &r, bool n) override { return taxRate ? taxRate(r, n) : false; }
    void showTaxInfo(const TaxInfoData &d) override
    {
        if (taxInfo)
            taxInfo(d);
    }
    bool editPreferences(PreferencesData &d) override
    {
        return preferences ? preferences(d) : false;
    }
    void showAbout() override { ++aboutShown; }
    void showHelp(unsigned context) override { helpContexts.push_back(context); }

    std::vector<std::string> shown;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::vector<std::string> filters;
    std::vector<std::string> proposals;
    std::vector<unsigned> helpContexts;
    int aboutShown = 0;

    std::function<bool(EntryDialogData &)> entry;
    std::function<CompanyResult(CompanyDialogData &, CProfileStore *)> company;
    std::function<bool(CProfileStore &, ProfileRecord &)> profile;
    std::function<bool(ImportDialogData &)> import;
    std::function<bool(CIftaDoc &)> merge;
    std::function<bool(CIftaDoc &, DownloadDialogData &)> download;
    std::function<bool(TaxPeriod &)> taxPeriod;
    std::function<bool(TaxRate &, bool)> taxRate;
    std::function<void(const TaxInfoData &)> taxInfo;
    std::function<bool(PreferencesData &)> preferences;

private:
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
