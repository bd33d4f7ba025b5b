#pragma once

#include <string>

// Every message box, question and file dialog of the program's flows goes through this
// interface. The application installs the real one (message boxes, file dialogs); tests
// install a scripted one that records each text and answers from a queue. Texts are the
// program's own, in Windows-1252 bytes.
class UserPrompts
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserPrompts() = default;

    virtual void warn(const std::string &text) = 0;    // failure, warning icon
    virtual void inform(const std::string &text) = 0;  // completion, information icon
    virtual bool askYesNo(const std::string &text) = 0;
    virtual Answer askYesNoCancel(const std::string &text) = 0;

    // An existing file to open, or empty on cancel. `filter` is the program's filter text
    // ("IFTA record files (*.irc)|*.irc||").
    virtual std::string openFileName(const std::string &filter) = 0;
    // A file to write, starting from `proposal`, or empty on cancel.
    virtual std::string saveFileName(const std::string &filter, const std::string &proposal) = 0;
};

// Prompts that show nothing and answer every question with No or cancel; for the
// command-line tool and for core code run without a window.
class SilentPrompts : public UserPrompts
{
public:
    void warn(const std::string &text) override { lastMessage = text; }
    void inform(const std::string &text) override { lastMessage = text; }
    bool askYesNo(const std::string &) override { return false; }
    Answer askYesNoCancel(const std::string &) override { return Answer::Cancel; }
    std::string openFileName(const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }

    std::string lastMessage;
};
