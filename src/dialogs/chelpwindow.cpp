#include "dialogs/chelpwindow.h"

#include "ui/helptopicmap.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QPointer<CHelpWindow> theHelpWindow;
} // namespace

CHelpWindow::CHelpWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Tollmark Help"));
    setModal(false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto *close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &CHelpWindow::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(560, 460);
}

CHelpWindow *CHelpWindow::ShowHelp(unsigned context, QWidget *parent)
{
    if (!theHelpWindow)
        theHelpWindow = new CHelpWindow(parent);
    theHelpWindow->showTopic(HelpTopicMap(context));
    theHelpWindow->show();
    theHelpWindow->raise();
    theHelpWindow->activateWindow();
    return theHelpWindow;
}

CHelpWindow *CHelpWindow::instance()
{
    return theHelpWindow;
}

QString CHelpWindow::TopicPage(int topic)
{
    const QString page = QString(":/help/topic%1.html").arg(topic);
    return QFile::exists(page) ? "qrc" + page : QString("qrc:/help/topic1.html");
}

void CHelpWindow::showTopic(int topic)
{
    topic_ = topic;
    browser_->setSource(QUrl(TopicPage(topic)));
}
