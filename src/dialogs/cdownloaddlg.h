#pragma once

#include <QDialog>

#include <string>

class CIftaDoc;
class CStepEdit;
class UserPrompts;
class QComboBox;
class QProgressBar;

// The period the download dialog fetches.
struct DownloadDialogData {
    int quarter = 1;
    int year = 2005;
    std::string country = "Canada"; // replaced by the document's country when the dialog opens
};

// "Download Tax Rates": fetches the quarter's rate chart "<base><Q>Q<YYYY>.txt" and
// writes the rates of every jurisdiction it recognises into the document's tax-rate
// table, and the chart's period into the document's tablePeriod. Ends with
// QDialog::Accepted after a download that reached the server ("Tax rates loaded. Please
// check for errors"); a failed connection shows "Download fail" and the dialog stays
// open. The download runs to its end inside the button handler.
class CDownloadDlg : public QDialog
{
    Q_OBJECT

public:
    CDownloadDlg(UserPrompts &prompts, CIftaDoc &doc, const DownloadDialogData &data = {},
                 QWidget *parent = nullptr);

    // The chart site's base address (the program's own clearinghouse address unless a
    // caller points it elsewhere); must end in "/".
    void setBaseAddress(const std::string &base) { baseAddress_ = base; }
    // "%s%dQ%d.txt" from the base, the quarter and the year.
    static std::string ChartAddress(const std::string &base, int quarter, int year);

    const DownloadDialogData &data() const { return data_; }
    QProgressBar *progress() const { return progress_; }

    // "Download": validate, fetch, parse.
    void OnDownload();

private:
    void transferToControls();
    bool transferFromControls();
    void OnQuarterStep(int delta);
    void OnYearStep(int delta);

    UserPrompts &prompts_;
    CIftaDoc &doc_;
    DownloadDialogData data_;
    std::string baseAddress_;

    CStepEdit *quarter_ = nullptr;
    CStepEdit *year_ = nullptr;
    QComboBox *country_ = nullptr;
    QProgressBar *progress_ = nullptr;
};
