#pragma once

#include <utility>

// One level of undo and one of redo by whole-state snapshots: the trip lines of a record
// or the 72 slots of the tax-rate table. The owner of the state owns this object too and
// clears it whenever the state is replaced (another record opened, a table loaded), so
// an undo can never bring back what belonged to something else.
template <class State>
class SnapshotUndo
{
public:
    // Keeps a copy of `current` for Undo.
    void take(const State &current)
    {
        undoCopy_ = current;
        canUndo_ = true;
    }

    // Undo: `current` goes to the redo copy and the undo copy becomes current. False when
    // no undo is available.
    bool undo(State &current) { return swapIn(current, undoCopy_, canUndo_, redoCopy_, canRedo_); }

    // Redo: `current` goes to the undo copy and the redo copy becomes current.
    bool redo(State &current) { return swapIn(current, redoCopy_, canRedo_, undoCopy_, canUndo_); }

    // Neither undo nor redo available; the copies are let go.
    void clear()
    {
        canUndo_ = canRedo_ = false;
        undoCopy_ = State{};
        redoCopy_ = State{};
    }

    bool canUndo() const { return canUndo_; }
    bool canRedo() const { return canRedo_; }

private:
    static bool swapIn(State &current, State &from, bool &fromAvailable, State &to,
                       bool &toAvailable)
    {
        if (!fromAvailable)
            return false;
        to = current;
        toAvailable = true;
        current = std::move(from);
        from = State{};
        fromAvailable = false;
        return true;
    }

    State undoCopy_{};
    State redoCopy_{};
    bool canUndo_ = false;
    bool canRedo_ = false;
};
