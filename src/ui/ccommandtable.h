#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

// A class's command table: command id to handler, with the rules that grey out or check
// the command's menu item and toolbar button. A class that handles a command adds one
// entry for it; the frame asks the tables of the view, the document, itself and the
// application in turn, the first table that has the id handles it.
class CCommandTable
{
public:
    using Handler = std::function<void()>;
    using State = std::function<bool()>;
    using Label = std::function<std::string()>;

    // Adds (or replaces) the entry of `id`. Without `enabled` the command is always
    // enabled; without `checked` it carries no check mark.
    void add(int id, Handler handler, State enabled = {}, State checked = {})
    {
        entries_[id] = Entry{std::move(handler), std::move(enabled), std::move(checked), {}};
    }
    void remove(int id) { entries_.erase(id); }
    // What the menu item of `id` names beside its own text (Undo's step: "Undo Delete
    // Trip 12"); the entry must have been added.
    void setLabel(int id, Label label)
    {
        const auto it = entries_.find(id);
        if (it != entries_.end())
            it->second.label = std::move(label);
    }
    // Empty for an unknown id and for an entry without a label.
    std::string label(int id) const
    {
        const auto it = entries_.find(id);
        return it != entries_.end() && it->second.label ? it->second.label() : std::string();
    }

    bool has(int id) const { return entries_.count(id) != 0; }

    // Runs the handler of `id` when the table has it and it is enabled; true when the
    // table has the id (a greyed command counts as handled: nobody else may run it).
    bool dispatch(int id) const
    {
        const auto it = entries_.find(id);
        if (it == entries_.end())
            return false;
        if (!it->second.enabled || it->second.enabled())
            it->second.handler();
        return true;
    }

    bool isEnabled(int id) const
    {
        const auto it = entries_.find(id);
        return it != entries_.end() && (!it->second.enabled || it->second.enabled());
    }
    // False for an unknown id and for an entry without a check rule.
    bool isChecked(int id) const
    {
        const auto it = entries_.find(id);
        return it != entries_.end() && it->second.checked && it->second.checked();
    }
    bool hasCheckRule(int id) const
    {
        const auto it = entries_.find(id);
        return it != entries_.end() && static_cast<bool>(it->second.checked);
    }

private:
    struct Entry {
        Handler handler;
        State enabled;
        State checked;
        Label label;
    };
    std::map<int, Entry> entries_;
};
