#pragma once

#include "records/taxperiod.h"

#include <QDialog>

#include <string>

// The six texts "Tax Rates Info" shows.
struct TaxInfoData {
    std::string loadedYear, loadedQuarter, loadedCountry;       // "Loaded Tax Rates"
    std::string documentYear, documentQuarter, documentCountry; // "Document Tax Rates"

    // The loaded table's period, and the record file's period with the company's country;
    // numbers as "%d".
    static TaxInfoData From(const TaxPeriod &tablePeriod, const TaxPeriod &recordPeriod,
                            const std::string &companyCountry);
};

// "Tax Rates Info": the period of the tax-rate table in memory beside the period of the
// open record file, read-only. Nothing is given back.
class CTaxInfoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CTaxInfoDlg(const TaxInfoData &data, QWidget *parent = nullptr);
};
