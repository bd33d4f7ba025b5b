#pragma once

#include "views/flowhooks.h"

#include <string>

class CIftaDoc;
class CTaxListCtrl;
class UserPrompts;

// The view's tax-rate commands: Load Tax Rates, Save Tax Rates (with the tax-period
// dialog), the document's Save/Update Tax Rates, Tax Rates Info and Download. Each
// command asks through the prompts and changes the program's one table, the document
// and the tax-rate list's flags; the window parts it needs come through the hooks.
class CTaxFlows
{
public:
    CTaxFlows(CIftaDoc &doc, CTaxListCtrl &list, UserPrompts &prompts, FlowHooks hooks = {});

    FlowHooks &hooks() { return hooks_; }

    // "Load Tax Rates": true when a file was chosen and read. A file in a wrong format is
    // refused with its message, but its path still becomes the default tax file.
    bool OnLoadTaxRates();
    // "Save Tax Rates": a file name, then the tax period; true when the file was written.
    // A cancelled dialog writes nothing and changes nothing.
    bool OnSaveTaxRates();
    // "Save/Update Tax Rates" of a record file that has been saved before: Yes brings
    // every trip line to the loaded table's rates and the record's period to the table's,
    // then saves; No saves as it is; Cancel stops. True when the file was saved.
    bool OnSaveWithCurrentRates();
    // "Tax Rates Info".
    void OnTaxRatesInfo();
    // "Download": true when the dialog ended with a download; the tax-rate table is then
    // shown and marked modified.
    bool OnDownload();

private:
    void rememberTaxFile(const std::string &path);

    CIftaDoc &doc_;
    CTaxListCtrl &list_;
    UserPrompts &prompts_;
    FlowHooks hooks_;
};

constexpr const char *kUpdateRatesQuestion =
    "Do you want to update the tax rate for the saved file?";
