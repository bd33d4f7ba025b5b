#pragma once

#include <QString>
#include <QStringList>

// The window's language. English is the program's own; French comes from the catalogue
// built into the program (":/translations/tollmark_fr.qm") and Qt's own French for its
// dialogs and buttons (qtbase_fr.qm from Qt's translations folder, or "translations"
// beside the program as the Windows installation has it).
//
// Install sets up QCoreApplication's translators, the default QLocale (numbers shown and
// typed with the decimal comma in French) and the core's text function (UiText), so it
// runs once at start, before any window or text is made.
class CTranslations
{
public:
    // "fr" or "en": `setting` when it names one ("en", "fr"), otherwise French when the
    // first of the system's interface languages (QLocale::uiLanguages: LANGUAGE,
    // LC_ALL, LC_MESSAGES, LANG on Linux, the user's display language on Windows) is.
    static QString ChosenLanguage(const QString &setting, const QStringList &uiLanguages);

    // Installs `language` ("fr" or "en") for the whole program, in place of what an
    // earlier call installed. True when French is installed; false for English and when
    // the French catalogue could not be loaded (the window stays in English). Qt's own
    // French is loaded when it is found; without it only Qt's buttons stay English.
    static bool Install(const QString &language);

    // True while the interface is French (Install("fr") made the default locale French).
    static bool FrenchInterface();
};
