#pragma once

#include "numbers/decimaltext.h"

#include <QString>

#include <string>

// Texts of the printouts. Record and tax files hold Windows-1252 bytes; the printed
// program texts are written here in UTF-8.

// A file text (Windows-1252 bytes) as printable text.
QString FromCp1252(const std::string &bytes);

// printf-style formatting of one number, as the printouts show it ("%.2f", "%d" ...).
QString FormatNumber(const char *format, double value);
QString FormatNumber(const char *format, int value);

// An exact amount with all its decimals, as "%.2f" or "%.4f" would show the same value.
template <int D>
QString FormatAmount(FixedDecimal<D> value)
{
    return QString::fromStdString(FormatFixed(value));
}
