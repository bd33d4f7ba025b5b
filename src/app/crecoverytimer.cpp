#include "app/crecoverytimer.h"

#include "session/crecoverysession.h"
#include "sessionbase/sessionsettings.h"

#include <algorithm>

CRecoveryTimer::CRecoveryTimer(CRecoverySession &recovery, SessionSettings &settings,
                               QObject *parent)
    : QObject(parent)
    , recovery_(recovery)
    , settings_(settings)
{
    connect(&timer_, &QTimer::timeout, this, [this] { recovery_.intervalElapsed(); });
}

void CRecoveryTimer::restart()
{
    const int minutes = std::clamp(settings_.recoveryMinutes(), 0, kMostRecoveryMinutes);
    if (minutes == 0) {
        timer_.stop();
        recovery_.writeDueCopies(); // turned off: this run's copies go
        return;
    }
    timer_.start(minutes * 60 * 1000);
}
