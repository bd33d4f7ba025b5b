#pragma once

#include "numbers/fixeddecimal.h"
#include "numbers/uitext.h"
#include "platform/result.h"

#include <cstdint>
#include <string>

// The validation rules of the program's dialogs, apart from any widget so that tests can
// call them. A failed check carries the program's own validation prompt, which the
// dialog shows through its UserPrompts and then stays open with the field focused.

constexpr const char *kEnterInteger = UI_TEXT_NOOP("Messages", "Please enter an integer.");
constexpr const char *kEnterNumber = UI_TEXT_NOOP("Messages", "Please enter a number.");
constexpr const char *kEnterPositiveInteger =
    UI_TEXT_NOOP("Messages", "Please enter a positive integer.");
// The company dialog's period: the "To:" date may not come before the "From:" date.
constexpr const char *kPeriodEndsBeforeStart = UI_TEXT_NOOP(
    "Messages",
    "The period's \"To:\" date is before its \"From:\" date. Please correct the period.");
// The company dialog's period lies in one quarter, as a return does.
constexpr const char *kPeriodNotOneQuarter = UI_TEXT_NOOP(
    "Messages",
    "The period's \"From:\" and \"To:\" dates must lie in one quarter. Please correct the "
    "period.");

// A validation prompt that names its field: "Start odometer: Please enter an integer
// between 0 and 10000000.", so that the user knows which box to correct.
std::string FieldPrompt(const char *field, const std::string &prompt);

// "Please enter an integer between %1 and %2." with the bounds filled in.
std::string IntegerRangePrompt(int low, int high);
// "Please enter a number between %1 and %2." with the bounds filled in as the dialogs
// show them ("0" and "1" for the tax rates).
std::string NumberRangePrompt(TenThousandths low, TenThousandths high);

// A whole number typed into an edit box: optional blanks, an optional sign, digits,
// optional blanks. Anything else, an empty box included, fails with
// "Please enter an integer.". A value outside low..high fails with the range prompt.
Result ParseIntegerField(const std::string &text, int low, int high, int &value);

// A decimal number typed into an edit box (blanks around it allowed), read exactly to four
// decimals (more round half up); anything else fails with "Please enter a number.", a
// value outside low..high with the range prompt.
Result ParseNumberField(const std::string &text, TenThousandths low, TenThousandths high,
                        TenThousandths &value);

// An amount as a number edit box shows it: its shortest decimal text, no trailing zeros.
std::string FormatNumberField(TenThousandths value);

// One spin step on a value typed into its box: the value plus the step, clamped to
// low..high. Text that is not a number steps from 0 (as the edit's conversion reads it).
int StepValue(const std::string &text, int delta, int low, int high);

// Notes as the company dialog gives them back: the text of the multi-line box, whose line
// breaks are "\r\n" or "\n", with every "\n" removed, so that lines are separated by a
// single "\r" (the document turns each "\r" back into "\r\n").
std::string NotesFromControl(const std::string &text);
// The stored notes as the box shows them: "\r\n" and lone "\r" become "\n".
std::string NotesToControl(const std::string &notes);
// Length of notes as the box counts it, a line break being two characters.
int NotesLength(const std::string &text);

// The profile to show after a step through a list of `count` profiles, with `current`
// on display (-1 for none): a negative step moves toward the end and wraps to the first,
// a positive step toward the start and wraps to the last. -1 when the list is empty.
int ProfileStep(int current, int step, int count);
