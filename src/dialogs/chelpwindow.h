#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: one window with a browser over the help pages built into the
// program. ShowHelp turns a help context (0x10000 plus a command id, or the Import
// dialog's 0x1009F) into its topic and shows that topic's page, raising the window.
class CHelpWindow : public QDialog
{
    Q_OBJECT

public:
    // Shows the topic of `context` in the one help window (created on first use).
    static CHelpWindow *ShowHelp(unsigned context, QWidget *parent = nullptr);
    // The one help window, or null when no help was asked for yet.
    static CHelpWindow *instance();

    // The page of a topic number ("qrc:/help/topic13.html"); unknown topics give topic 1.
    static QString TopicPage(int topic);

    void showTopic(int topic);
    int currentTopic() const { return topic_; }
    QTextBrowser *browser() const { return browser_; }

private:
    explicit CHelpWindow(QWidget *parent);

    QTextBrowser *browser_ = nullptr;
    int topic_ = 0;
};
