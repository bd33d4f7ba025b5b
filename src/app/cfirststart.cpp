#include "app/cfirststart.h"

#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "ui/userprompts.h"
#include "views/ciftaview.h"
#include "records/ciftadoc.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kNoTableText[] =
    "No tax-rate file was found in the current folder or in the settings, so the tax-rate "
    "table is empty.";

} // namespace

QStringList CFirstStart::SampleTaxFileCandidates(const QString &applicationDir)
{
    QStringList candidates;
    if (!applicationDir.isEmpty())
        candidates << QDir(applicationDir).filePath(QStringLiteral("../share/tollmark/ifta.itx"));
#ifdef TOLLMARK_INSTALL_DATADIR
    candidates << QStringLiteral(TOLLMARK_INSTALL_DATADIR "/ifta.itx");
#endif
#ifdef TOLLMARK_SOURCE_DATADIR
    candidates << QStringLiteral(TOLLMARK_SOURCE_DATADIR "/ifta.itx");
#endif
    return candidates;
}

QString CFirstStart::SampleTaxFile(const QString &applicationDir)
{
    for (const QString &candidate : SampleTaxFileCandidates(applicationDir)) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isReadable())
            return file.canonicalFilePath();
    }
    return {};
}

bool CFirstStart::OfferSampleTable(CIftaApp &app, const QString &applicationDir)
{
    CIftaDoc &doc = app.document();
    if (doc.taxTable().usedCount() > 0)
        return false;
    UserPrompts &prompts = app.prompts();
    const QString sample = SampleTaxFile(applicationDir);
    if (sample.isEmpty()) {
        prompts.inform(std::string(kNoTableText) +
                       "\nLoad one with Tax Rates, Load Tax Rates, or download the "
                       "quarter's rates with Tax Rates, Download.");
        return false;
    }
    const std::string question =
        std::string(kNoTableText) + "\n\nTollmark comes with a sample table:\n" +
        QDir::toNativeSeparators(sample).toStdString() +
        "\n\nLoad it and keep it as the default tax-rate file?";
    if (!prompts.askYesNo(question))
        return false;

    app.SetDefaultTaxFile(sample.toStdString());
    if (!app.flows().LoadDefaultTaxFile() || doc.taxTable().usedCount() == 0)
        return false;
    doc.recordPeriod.year = doc.tablePeriod.year;
    doc.recordPeriod.quarter = doc.tablePeriod.quarter;
    if (CMainFrame *frame = app.mainFrame()) {
        // Lines of an opened record name their jurisdictions through the new table.
        if (CIftaView *view = frame->view())
            view->OnUpdate();
        frame->UpdateInfoBar();
        frame->SetStatusText(1, sample);
    }
    return true;
}
