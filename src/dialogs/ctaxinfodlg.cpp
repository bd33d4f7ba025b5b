#include "dialogs/ctaxinfodlg.h"

#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "ui/userprompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TaxInfoData TaxInfoData::From(const TaxPeriod &tablePeriod, const TaxPeriod &recordPeriod,
                              const std::string &companyCountry)
{
    TaxInfoData d;
    d.loadedYear = std::to_string(tablePeriod.year);
    d.loadedQuarter = std::to_string(tablePeriod.quarter);
    d.loadedCountry = tablePeriod.country;
    d.documentYear = std::to_string(recordPeriod.year);
    d.documentQuarter = std::to_string(recordPeriod.quarter);
    d.documentCountry = companyCountry;
    return d;
}

namespace {

QGroupBox *PeriodGroup(const QString &title, const QString &name, const std::string &year,
                       const std::string &quarter, const std::string &country, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *form = new QFormLayout(group);
    const std::string *values[] = {&year, &quarter, &country};
    const char *suffixes[] = {"Year", "Quarter", "Country"};
    const QString labels[] = {QObject::tr("Year:"), QObject::tr("Quarter:"),
                              QObject::tr("Country:")};
    for (int i = 0; i < 3; ++i) {
        auto *box = new QLineEdit(FromBytes(*values[i]), group);
        box->setReadOnly(true);
        box->setObjectName(name + suffixes[i]);
        form->addRow(labels[i], box);
    }
    return group;
}

} // namespace

CTaxInfoDlg::CTaxInfoDlg(UserPrompts &prompts, const TaxInfoData &data, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Tax Rates Info"));
    auto *groups = new QHBoxLayout;
    groups->addWidget(PeriodGroup(tr("Loaded Tax Rates"), "loaded", data.loadedYear,
                                  data.loadedQuarter, data.loadedCountry, this));
    groups->addWidget(PeriodGroup(tr("Document Tax Rates"), "document", data.documentYear,
                                  data.documentQuarter, data.documentCountry, this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName("help");
    connect(buttons, &QDialogButtonBox::accepted, this, &CTaxInfoDlg::accept);
    connect(help, &QPushButton::clicked, this, [&prompts] { prompts.showHelp(kTaxRatesInfoHelp); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}
