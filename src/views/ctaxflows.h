#pragma once

class CSession;
class CTaxListCtrl;
class UserPrompts;

// The view's tax-rate commands: Load Tax Rates, Save Tax Rates (with the tax-period
// dialog), the record's Save/Update Tax Rates, Tax Rates Info and Download. The first
// three are the session's use cases; this adds what the window shows around them (the
// tax-rate list, the information dialog, the download dialog).
class CTaxFlows
{
public:
    CTaxFlows(CSession &session, CTaxListCtrl &list, UserPrompts &prompts);

    // "Load Tax Rates": true when a file was chosen and read. A file in a wrong format is
    // refused with its message, but its path still becomes the default tax file.
    bool OnLoadTaxRates();
    // "Save Tax Rates": a file name, then the tax period; true when the file was written.
    bool OnSaveTaxRates();
    // "Save/Update Tax Rates" of a record file that has been saved before. True when the
    // file was saved.
    bool OnSaveWithCurrentRates();
    // "Tax Rates Info".
    void OnTaxRatesInfo();
    // "Download": true when the dialog ended with a download; the tax-rate table is then
    // shown and marked modified.
    bool OnDownload();

private:
    CSession &session_;
    CTaxListCtrl &list_;
    UserPrompts &prompts_;
};
