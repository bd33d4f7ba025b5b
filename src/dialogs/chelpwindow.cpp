#include "dialogs/chelpwindow.h"

#include "ui/ctranslations.h"
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
    // The French pages lie under :/help/fr with the English pages' names; a page not
    // (yet) translated is shown in English.
    QStringList folders{QStringLiteral(":/help")};
    if (CTranslations::FrenchInterface())
        folders.prepend(QStringLiteral(":/help/fr"));
    for (const int shown : {topic, 1}) {
        for (const QString &folder : folders) {
            const QString page = QStringLiteral("%1/topic%2.html").arg(folder).arg(shown);
            if (QFile::exists(page))
                return "qrc" + page;
        }
    }
    return QStringLiteral("qrc:/help/topic1.html");
}

void CHelpWindow::showTopic(int topic)
{
    topic_ = topic;
    browser_->setSource(QUrl(TopicPage(topic)));
}
