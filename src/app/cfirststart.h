#pragma once

#include <QString>
#include <QStringList>

class CIftaApp;

// A new user's first start: when no tax-rate file is found in the current folder or in
// the settings, Tollmark would start with an empty table and say nothing. This offers the
// sample table shipped with the program instead and says where it lies; when a table was
// found, start-up stays silent.
class CFirstStart
{
public:
    // The places the shipped sample table may lie, most likely first: beside the
    // installed program (../share/tollmark), the install folder it was built for, and
    // the source tree's data/ folder of a build that was never installed.
    static QStringList SampleTaxFileCandidates(const QString &applicationDir);

    // The first candidate that exists, or empty.
    static QString SampleTaxFile(const QString &applicationDir);

    // Runs the offer after the first record file was set up. Does nothing when the
    // table has jurisdictions. Otherwise asks whether to load the sample table (or, when
    // none ships, says how to load one); on Yes the sample becomes the default tax-rate
    // file and is loaded, and the record takes its period. True when a table was loaded.
    static bool OfferSampleTable(CIftaApp &app, const QString &applicationDir);
};
