#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>

// Undo and redo by whole-state snapshots, many levels deep, each step with the name the
// Edit menu shows ("Modify Trip 12", "Modify Rate QC"): the trip lines of a record or the
// 72 slots of the tax-rate table. The owner of the state owns this object too, records a
// step only once a change is actually made (with the state as it was before it) and
// clears it whenever the state is replaced (another record opened, a table loaded), so an
// undo can never bring back what belonged to something else.
template <class State>
class UndoStack
{
public:
    // Steps kept each way; the oldest step is let go when a new one would pass it.
    static constexpr size_t kDepth = 100;

    // A change named `name` was made to the state, which was `before` until then. What
    // could be redone is let go: it followed a state that is no longer current.
    void record(std::string name, State before)
    {
        undo_.push_back(Step{std::move(name), std::move(before)});
        if (undo_.size() > kDepth)
            undo_.pop_front();
        redo_.clear();
    }

    // Undo: the last step's state becomes current, and `current` goes to the redo steps
    // under the same name. False when there is nothing to undo.
    bool undo(State &current) { return move(undo_, redo_, current); }
    // Redo: the reverse of the last undo.
    bool redo(State &current) { return move(redo_, undo_, current); }

    void clear()
    {
        undo_.clear();
        redo_.clear();
    }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    size_t undoCount() const { return undo_.size(); }
    size_t redoCount() const { return redo_.size(); }
    // The name of the step Undo (Redo) would take back (do again); empty when none.
    std::string undoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
    std::string redoName() const { return redo_.empty() ? std::string() : redo_.back().name; }

private:
    struct Step {
        std::string name;
        State state;
    };

    static bool move(std::deque<Step> &from, std::deque<Step> &to, State &current)
    {
        if (from.empty())
            return false;
        Step step = std::move(from.back());
        from.pop_back();
        std::swap(current, step.state);
        to.push_back(std::move(step));
        return true;
    }

    std::deque<Step> undo_;
    std::deque<Step> redo_;
};
