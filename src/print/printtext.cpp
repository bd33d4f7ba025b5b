#include "print/printtext.h"

#include "platform/cp1252.h"

QString FromCp1252(const std::string &bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

QString FormatNumber(const char *format, double value)
{
    return QString::asprintf(format, value);
}

QString FormatNumber(const char *format, int value)
{
    return QString::asprintf(format, value);
}
