#include "views/ctaxflows.h"

#include "dialogs/cdownloaddlg.h"
#include "dialogs/ctaxinfodlg.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "ui/userprompts.h"
#include "views/ctaxlistctrl.h"

CTaxFlows::CTaxFlows(CSession &session, CTaxListCtrl &list, UserPrompts &prompts)
    : session_(session)
    , list_(list)
    , prompts_(prompts)
{
}

bool CTaxFlows::OnLoadTaxRates()
{
    const bool read = session_.tax().loadTaxRates();
    list_.Fill();
    return read;
}

bool CTaxFlows::OnSaveTaxRates()
{
    return session_.tax().saveTaxRates();
}

bool CTaxFlows::OnSaveWithCurrentRates()
{
    return session_.record().saveWithCurrentRates();
}

void CTaxFlows::OnTaxRatesInfo()
{
    const CIftaDoc &doc = session_.document();
    prompts_.showTaxInfo(
        TaxInfoData::From(doc.tablePeriod(), doc.recordPeriod(), doc.company().country));
}

bool CTaxFlows::OnDownload()
{
    DownloadDialogData data;
    if (!prompts_.runDownload(session_.document(), data))
        return false;
    session_.taxRates().setModified();
    list_.Fill();
    session_.events().showTaxRates();
    session_.events().periodsChanged();
    return true;
}
