#pragma once

#include "records/taxperiod.h"

#include <QDialog>

#include <string>

class UserPrompts;

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
// open record file, read-only. Nothing is given back. "Help" asks the prompts for the
// help window on the tax-info topic.
class CTaxInfoDlg : public QDialog
{
    Q_OBJECT

public:
    CTaxInfoDlg(UserPrompts &prompts, const TaxInfoData &data, QWidget *parent = nullptr);
};
