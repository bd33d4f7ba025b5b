#include "app/ciftaapp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Varnotec"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    CIftaApp app;
    if (!app.InitInstance(arguments))
        return app.printOnly() ? app.exitCode() : 1;
    if (app.printOnly())
        return app.exitCode();
    return qt.exec();
}
