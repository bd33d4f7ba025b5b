#pragma once

#include <cstdint>
#include <string>

// What recovery copies ask of the system: the clock, this run's process id and whether
// another run is still there. The default is the system's own; tests give their own
// clock and processes.
class RecoveryEnvironment
{
public:
    virtual ~RecoveryEnvironment() = default;

    // Seconds since 1970-01-01 UTC.
    virtual int64_t now();
    // The local time of `seconds` as the recovery question shows it: "14:32" on the day
    // of now(), "2024-06-10 14:32" on another day.
    virtual std::string timeText(int64_t seconds);
    virtual uint64_t processId();
    virtual bool processRunning(uint64_t pid);
};
