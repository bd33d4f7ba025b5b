#pragma once

#include <cstdint>
#include <string>

// Amounts of the late-return figures in exact whole cents, and interest factors in exact
// millionths (0.007500 is 7500): no float ever holds one, so the interest of a
// jurisdiction, the penalty and the totals come out the same on every machine.
using Cents = int64_t;
using Millionths = int64_t;

// `amount` times `factor` / 1,000,000, rounded to the cent with halves upward (toward plus
// infinity, also for a negative product).
Cents MultiplyRoundHalfUp(Cents amount, Millionths factor);

// The amount as printf's "%.2f" writes it: "12.34", "-0.05", "0.00".
std::string FormatCents(Cents amount);

// An amount typed by the user: digits with at most two decimals ("50", "12.5", "12.50"),
// blanks around it allowed, no sign, at most a billion. False for anything else.
bool ParseCents(const std::string &text, Cents &amount);
