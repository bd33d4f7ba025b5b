#pragma once

#include <QString>

#include <string>

// Numbers as the window shows them and takes them typed, in the interface's language.
// The core writes and reads numbers one way ("1,234.56": a point, commas between
// thousands), as the files hold them; in French the window shows "1 234,56" (a
// no-break space between thousands, a decimal comma) and takes "1 234,56", "1234,56" and
// "1234.56" alike. In English both are the core's own text.

// True when numbers are shown the French way (CTranslations made the default locale
// French).
bool FrenchNumbers();

// The core's number text (`text`, such as "1,234.56" or "-0.50") as the window shows it.
// A text that is not a number (letters in it) is given back as it is.
QString ShownNumber(const std::string &text);

// A space that may stand between thousands in a French number: ' ', U+00A0 or U+202F.
bool IsThousandsSpace(QChar c);

// A number typed into a box as the core reads it: in French the spaces between thousands
// (' ', U+00A0, U+202F) go and a decimal comma becomes the point. Anything else is left
// for the core's own check to refuse.
std::string TypedNumber(const QString &typed);
