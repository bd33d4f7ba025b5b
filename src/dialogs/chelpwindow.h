#pragma once

#include <QDialog>

class QTextBrowser;

// Help contexts of the dialogs' Help buttons: the command's context for the company,
// merge and tax-info dialogs, the template's for the import dialog.
constexpr unsigned kCompanyInfoHelp = 0x18012;
constexpr unsigned kMergeFilesHelp = 0x1801C;
constexpr unsigned kTaxRatesInfoHelp = 0x1801E;
constexpr unsigned kImportDialogHelp = 0x1009F;

// The program's help: one window with a browser over the help pages built into the
// program. ShowHelp turns a help context (0x10000 plus a command id, or the Import
// dialog's 0x1009F) into its topic and shows that topic's page, raising the window.
// Dialogs do not open it themselves: their Help buttons ask UserPrompts::showHelp, whose
// window implementation calls ShowHelp.
class CHelpWindow : public QDialog
{
    Q_OBJECT

public:
    // Shows the topic of `context` in the one help window (created on first use).
    static CHelpWindow *ShowHelp(unsigned context, QWidget *parent = nullptr);
    // The one help window, or null when no help was asked for yet.
    static CHelpWindow *instance();

    // The page of a topic number ("qrc:/help/topic13.html", in French
    // "qrc:/help/fr/topic13.html" when there is one); unknown topics give topic 1.
    static QString TopicPage(int topic);

    void showTopic(int topic);
    int currentTopic() const { return topic_; }
    QTextBrowser *browser() const { return browser_; }

private:
    explicit CHelpWindow(QWidget *parent);

    QTextBrowser *browser_ = nullptr;
    int topic_ = 0;
};
