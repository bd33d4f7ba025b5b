#include "ui/localnumbers.h"

#include "ui/ctranslations.h"

namespace {

constexpr char16_t kNoBreakSpace = 0x00A0;
constexpr char16_t kNarrowNoBreakSpace = 0x202F;

bool IsNumberText(const QString &text)
{
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c != QLatin1Char(',') && c != QLatin1Char('.') && c != QLatin1Char('-') &&
                 c != QLatin1Char('+') && c != QLatin1Char('%') && c != QLatin1Char(' '))
            return false;
    }
    return digit;
}

} // namespace

bool FrenchNumbers()
{
    return CTranslations::FrenchInterface();
}

QString ShownNumber(const std::string &text)
{
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (!FrenchNumbers() || !IsNumberText(shown))
        return shown;
    for (QChar &c : shown) {
        if (c == QLatin1Char(','))
            c = QChar(kNoBreakSpace);
        else if (c == QLatin1Char('.'))
            c = QLatin1Char(',');
    }
    return shown;
}

bool IsThousandsSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(kNoBreakSpace) || c == QChar(kNarrowNoBreakSpace);
}

std::string TypedNumber(const QString &typed)
{
    if (!FrenchNumbers())
        return typed.toStdString();
    QString text;
    for (const QChar c : typed) {
        if (!IsThousandsSpace(c))
            text += c == QLatin1Char(',') ? QLatin1Char('.') : c;
    }
    return text.toStdString();
}
