#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// What one change of the record document or of the loaded tax-rate table was: raised once
// by the method that made it, after the change, with the owner's revision after it. A
// front end picks from it what to redraw and which list to show; nothing else is told.
struct DocChange {
    enum class What {
        LinesAdded,     // `count` lines from position `first` were appended
        LinesChanged,   // lines changed in place (`count` 0: maybe all of them)
        LinesRemoved,   // lines removed from `first` on; the rest were numbered again
        RatesChanged,   // the table's slots (`first`, `count`; 0: maybe all)
        RecordReplaced, // another record: a new one, a file read, merged or imported
        PeriodChanged,  // the record's or the table's year and quarter
        CompanyChanged, // the carrier's data, the odometer choice
        SavedChanged,   // only the unsaved mark
    };
    What what = What::LinesChanged;
    size_t first = 0;
    size_t count = 0;
    uint64_t revision = 0;
};

// The functions told of each DocChange, in the order they were added. Whoever adds one
// removes it by its id before it goes away.
class ChangeObservers
{
public:
    using Observer = std::function<void(const DocChange &)>;

    int add(Observer observer)
    {
        observers_.emplace_back(++lastId_, std::move(observer));
        return lastId_;
    }
    void remove(int id)
    {
        for (auto it = observers_.begin(); it != observers_.end(); ++it) {
            if (it->first == id) {
                observers_.erase(it);
                return;
            }
        }
    }
    void notify(const DocChange &change) const
    {
        // A copy: an observer may add or remove observers while it is told.
        const auto observers = observers_;
        for (const auto &entry : observers)
            entry.second(change);
    }

private:
    std::vector<std::pair<int, Observer>> observers_;
    int lastId_ = 0;
};
