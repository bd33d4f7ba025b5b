#include "app/cfirststart.h"

#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "session/csession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList CFirstStart::SampleTaxFileCandidates(const QString &applicationDir)
{
    QStringList candidates;
    if (!applicationDir.isEmpty())
        candidates << QDir(applicationDir).filePath(QStringLiteral("../share/tollmark/ifta.itx"));
#ifdef TOLLMARK_INSTALL_DATADIR
    candidates << QStringLiteral(TOLLMARK_INSTALL_DATADIR "/ifta.itx");
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
    const QString sample = SampleTaxFile(applicationDir);
    const std::string shown =
        sample.isEmpty() ? std::string() : QDir::toNativeSeparators(sample).toUtf8().toStdString();
    if (!app.session().record().offerSampleTable(shown))
        return false;
    if (CMainFrame *frame = app.mainFrame()) {
        frame->UpdateInfoBar();
        frame->SetStatusText(1, sample);
    }
    return true;
}
