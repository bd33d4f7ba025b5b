#include "app/ciftaapp.h"
#include "ui/cappsettings.h"
#include "ui/ctranslations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Varnotec"));

    // The language is chosen once, before any window or text is made: Options' choice
    // takes effect at the next start.
    const QString language = QString::fromStdString(CAppSettings().language());
    CTranslations::Install(
        CTranslations::ChosenLanguage(language, QLocale::system().uiLanguages()));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    CIftaApp app;
    if (!app.InitInstance(arguments))
        return app.printOnly() ? app.exitCode() : 1;
    if (app.printOnly())
        return app.exitCode();
    return qt.exec();
}
