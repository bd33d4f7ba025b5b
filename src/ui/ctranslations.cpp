#include "ui/ctranslations.h"

#include "numbers/uitext.h"
#include "platform/cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The catalogue lies in this static library: it is linked in only when named.
static void InitTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace {

// The translators Install made, found again by their name.
const QString kTranslatorName = QStringLiteral("tollmarkTranslator");

// The core's texts are Windows-1252 bytes, Qt's catalogue is keyed on UTF-8.
std::string TranslateCoreText(const char *context, const char *source)
{
    const std::string utf8 = Cp1252ToUtf8(source);
    const QString text = QCoreApplication::translate(context, utf8.c_str());
    return Utf8ToCp1252(text.toStdString());
}

// A figure of the core in a French message: a no-break space (0xA0 in Windows-1252)
// between thousands and a decimal comma.
std::string FrenchCoreNumber(const std::string &number)
{
    std::string french = number;
    for (char &c : french) {
        if (c == ',')
            c = '\xA0';
        else if (c == '.')
            c = ',';
    }
    return french;
}

bool LoadQtOwnFrench(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString &folder : folders) {
        if (translator->load(QStringLiteral("qtbase_fr"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace

QString CTranslations::ChosenLanguage(const QString &setting, const QStringList &uiLanguages)
{
    if (setting == QLatin1String("en") || setting == QLatin1String("fr"))
        return setting;
    if (!uiLanguages.isEmpty() && uiLanguages.first().startsWith(QLatin1String("fr")))
        return QStringLiteral("fr");
    return QStringLiteral("en");
}

bool CTranslations::Install(const QString &language)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    // What an earlier Install put in place goes first (tests switch languages).
    for (QTranslator *earlier : app->findChildren<QTranslator *>(kTranslatorName)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    SetUiTranslator(nullptr);
    SetUiNumberFormatter(nullptr);
    if (language != QLatin1String("fr")) {
        // An English window on a French system writes numbers the English way.
        if (QLocale().language() == QLocale::French)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::Canada));
        return false;
    }
    InitTranslationResources();
    auto *own = new QTranslator(app);
    own->setObjectName(kTranslatorName);
    if (!own->load(QStringLiteral(":/translations/tollmark_fr.qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    LoadQtOwnFrench(*app);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
    SetUiTranslator(&TranslateCoreText);
    SetUiNumberFormatter(&FrenchCoreNumber);
    return true;
}

bool CTranslations::FrenchInterface()
{
    return QLocale().language() == QLocale::French;
}
