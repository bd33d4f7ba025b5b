#pragma once

#include <initializer_list>
#include <string>

// The texts the core and the session show to the user, in the user's language.
//
// A text is written in English at the place it is shown, with its context (the class or
// subject it belongs to, as Qt's translate() takes it) and positional arguments %1, %2,
// ... for what is filled in:
//
//     prompts.warn(UiArgs(UiText("CTaxSession", "The file %1 cannot be opened."), {path}));
//
// The window installs a translator (over QCoreApplication::translate); tollmark-cli and
// the tests install none, so they keep the English text. lupdate finds these texts through
// its alias for translate (the build's lupdate command passes -tr-function-alias).
// Texts are Windows-1252 bytes, as everything in the core.

// Gives back the translation of `source` (Windows-1252) in `context`.
using UiTranslator = std::string (*)(const char *context, const char *source);

// Installs the program's translator; nullptr goes back to the English texts.
void SetUiTranslator(UiTranslator translator);

// `source` in the interface's language (the English itself without a translator).
std::string UiText(const char *context, const char *source);

// `text` with %1..%9 replaced by the arguments in one pass, so that an argument holding
// "%2" is left as it is. A marker with no argument stays.
std::string UiArgs(const std::string &text, std::initializer_list<std::string> args);

// Gives back a figure of the core ("1,234.56", "-0.50") written as the interface writes
// numbers (Windows-1252).
using UiNumberFormatter = std::string (*)(const std::string &number);

// Installs how figures in messages are written; nullptr goes back to the core's own way.
void SetUiNumberFormatter(UiNumberFormatter formatter);

// `number`, a figure the core wrote, as a message shows it (the core's own text without a
// formatter). Only for messages: files and tollmark-cli keep the core's text.
std::string UiNumber(const std::string &number);

// Marks a text in a table for the catalogue without translating it: the table keeps the
// English, UiText(context, entry) translates it where it is shown.
#define UI_TEXT_NOOP(context, source) source
