#include "views/ctaxflows.h"

#include "ui/userprompts.h"
#include "dialogs/cdownloaddlg.h"
#include "dialogs/ctaxinfodlg.h"
#include "records/ciftadoc.h"
#include "records/taxfile.h"
#include "views/ctaxlistctrl.h"

#include <fstream>

namespace {

void Call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

bool Readable(const std::string &path)
{
    return std::ifstream(path, std::ios::binary).good();
}

} // namespace

CTaxFlows::CTaxFlows(CIftaDoc &doc, CTaxListCtrl &list, UserPrompts &prompts, FlowHooks hooks)
    : doc_(doc)
    , list_(list)
    , prompts_(prompts)
    , hooks_(std::move(hooks))
{
}

void CTaxFlows::rememberTaxFile(const std::string &path)
{
    if (hooks_.setDefaultTaxFile)
        hooks_.setDefaultTaxFile(path);
    Call(hooks_.updateInfoBar);
    list_.ClearUndo();
}

bool CTaxFlows::OnLoadTaxRates()
{
    const std::string path = prompts_.openFileName(kTaxFileFilter);
    if (path.empty())
        return false;
    if (!Readable(path)) {
        // Nothing was read: the table, the flags and the remembered file stay.
        prompts_.warn("The file " + path + " cannot be opened.");
        return false;
    }
    const Result read = ReadTaxFile(path, doc_.taxTable(), doc_.tablePeriod);
    if (!read)
        prompts_.warn(read.message);
    Call(hooks_.showTaxRates);
    list_.Fill();
    list_.setTaxRatesModified(false);
    rememberTaxFile(path);
    return static_cast<bool>(read);
}

bool CTaxFlows::OnSaveTaxRates()
{
    const std::string proposal = hooks_.defaultTaxFile ? hooks_.defaultTaxFile() : std::string();
    const std::string path = prompts_.saveFileName(kTaxFileFilter, proposal);
    if (path.empty())
        return false;
    TaxPeriod period = doc_.tablePeriod;
    if (period.year <= 2000)
        period.year = 2000;
    if (!prompts_.editTaxPeriod(period))
        return false;
    doc_.tablePeriod = period;
    const Result written = WriteTaxFile(path, doc_.taxTable(), doc_.tablePeriod);
    if (!written) {
        // The table stays marked as changed: it is not in any file yet.
        prompts_.warn(written.message.empty() ? "The file " + path + " cannot be written."
                                              : written.message);
        Call(hooks_.updateInfoBar);
        return false;
    }
    list_.setTaxRatesModified(false);
    rememberTaxFile(path);
    return true;
}

bool CTaxFlows::OnSaveWithCurrentRates()
{
    if (!hooks_.documentPath || hooks_.documentPath().empty())
        return false;
    const UserPrompts::Answer answer = prompts_.askYesNoCancel(kUpdateRatesQuestion);
    if (answer == UserPrompts::Answer::Cancel)
        return false;
    if (answer == UserPrompts::Answer::Yes) {
        doc_.UpdateRatesFromTable();
        Call(hooks_.updateInfoBar);
    }
    return hooks_.saveDocument ? hooks_.saveDocument() : false;
}

void CTaxFlows::OnTaxRatesInfo()
{
    prompts_.showTaxInfo(
        TaxInfoData::From(doc_.tablePeriod, doc_.recordPeriod, doc_.company.country));
}

bool CTaxFlows::OnDownload()
{
    DownloadDialogData data;
    if (!prompts_.runDownload(doc_, data))
        return false;
    Call(hooks_.showTaxRates);
    list_.Fill();
    list_.setTaxRatesModified(true);
    Call(hooks_.updateInfoBar);
    return true;
}
