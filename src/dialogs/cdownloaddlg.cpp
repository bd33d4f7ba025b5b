#include "dialogs/cdownloaddlg.h"

#include "dialogs/cstepedit.h"
#include "dialogs/ctaxperioddlg.h"
#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "net/chartfetcher.h"
#include "numbers/uitext.h"
#include "records/ciftadoc.h"
#include "sessionbase/chartdownload.h"
#include "ui/userprompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char *kDownloadFail = UI_TEXT_NOOP("Messages", "Download fail");
constexpr const char *kRatesLoaded =
    UI_TEXT_NOOP("Messages", "Tax rates loaded. Please check for errors");
} // namespace

CDownloadDlg::CDownloadDlg(UserPrompts &prompts, CIftaDoc &doc, const DownloadDialogData &data,
                           QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , doc_(doc)
    , data_(data)
    , baseAddress_(ChartFetcher::kDefaultBase)
{
    setWindowTitle(tr("Download Tax Rates"));

    quarter_ = new CStepEdit(this);
    quarter_->setObjectName("quarter");
    year_ = new CStepEdit(this);
    year_->setObjectName("year");
    country_ = new QComboBox(this);
    country_->setObjectName("country");
    country_->addItems({"Canada", "US"});
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    auto *form = new QFormLayout;
    form->addRow(tr("Quarter:"), quarter_);
    form->addRow(tr("Year:"), year_);
    form->addRow(tr("Country:"), country_);
    form->addRow(tr("Progress:"), progress_);

    auto *download = new QPushButton(tr("Download"), this);
    download->setObjectName("download");
    download->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(download);
    buttons->addWidget(cancel);

    connect(download, &QPushButton::clicked, this, &CDownloadDlg::OnDownload);
    connect(cancel, &QPushButton::clicked, this, &CDownloadDlg::reject);
    connect(quarter_, &CStepEdit::stepped, this, &CDownloadDlg::OnQuarterStep);
    connect(year_, &CStepEdit::stepped, this, &CDownloadDlg::OnYearStep);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(280);

    // The chart's units follow the open record file's country; any country but Canada
    // reports in US units.
    data_.country = doc_.company().country == "Canada" ? "Canada" : "US";
    transferToControls();
}

std::string CDownloadDlg::ChartAddress(const std::string &base, int quarter, int year)
{
    return ChartFetcher::ChartAddress(base, quarter, year);
}

void CDownloadDlg::transferToControls()
{
    CTaxPeriodDlg::ShowPeriodControls(quarter_, year_, country_, data_.quarter, data_.year,
                                      data_.country);
}

bool CDownloadDlg::transferFromControls()
{
    return CTaxPeriodDlg::ReadPeriodControls(quarter_, year_, country_, prompts_, data_.quarter,
                                             data_.year, data_.country);
}

void CDownloadDlg::OnQuarterStep(int delta)
{
    CTaxPeriodDlg::StepQuarter(quarter_, delta);
}

void CDownloadDlg::OnYearStep(int delta)
{
    CTaxPeriodDlg::StepYear(year_, delta);
}

void CDownloadDlg::OnDownload()
{
    // A refused quarter or year leaves the dialog open without fetching: an address built
    // from a bad value could only fail.
    if (!transferFromControls())
        return;
    progress_->setValue(0);
    const auto showProgress = [this](int value) {
        if (value >= progress_->minimum() && value <= progress_->maximum())
            progress_->setValue(value);
    };
    ChartFetcher fetcher;
    fetcher.setProgress(showProgress);
    // The session's download fills the table and its period; the dialog only shows it.
    const std::string address = ChartAddress(baseAddress_, data_.quarter, data_.year);
    const ChartDownload download =
        DownloadChartInto(fetcher, address, data_.country, doc_.rates(), showProgress);
    if (!download.result) {
        prompts_.warn(download.result.message);
        prompts_.warn(kDownloadFail);
        return;
    }
    // What the chart and the table did not have in common, before the closing notice.
    const std::string mismatch = ChartMismatchMessage(download);
    if (!mismatch.empty())
        prompts_.inform(mismatch);
    prompts_.inform(kRatesLoaded);
    accept();
}
