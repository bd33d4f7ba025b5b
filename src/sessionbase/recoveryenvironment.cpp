#include "sessionbase/recoveryenvironment.h"

#include "numbers/uitext.h"
#include "platform/platformfile.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// The local calendar time of `seconds`; false when the system cannot tell it.
bool LocalTime(int64_t seconds, std::tm &out)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    // The program asks from one thread only, so localtime's shared result is safe here.
    const std::tm *local = std::localtime(&time);
    if (!local)
        return false;
    out = *local;
    return true;
}

} // namespace

int64_t RecoveryEnvironment::now()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::string RecoveryEnvironment::timeText(int64_t seconds)
{
    std::tm then{};
    std::tm today{};
    if (!LocalTime(seconds, then) || !LocalTime(now(), today))
        return UiText("RecoveryEnvironment", "an unknown time");
    char text[64];
    if (then.tm_year == today.tm_year && then.tm_yday == today.tm_yday)
        std::snprintf(text, sizeof text, "%02d:%02d", then.tm_hour, then.tm_min);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", then.tm_year + 1900,
                      then.tm_mon + 1, then.tm_mday, then.tm_hour, then.tm_min);
    return text;
}

uint64_t RecoveryEnvironment::processId()
{
    return CurrentProcessId();
}

bool RecoveryEnvironment::processRunning(uint64_t pid)
{
    return ProcessIsRunning(pid);
}
