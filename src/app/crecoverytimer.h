#pragma once

#include <QObject>
#include <QTimer>

class CRecoverySession;
class SessionSettings;

// The window's clock of recovery copies: each time the interval of the Options has
// passed, the session writes the copies of unsaved changes that are due
// (CRecoverySession::intervalElapsed). No interval ("Off") stops it.
class CRecoveryTimer : public QObject
{
    Q_OBJECT

public:
    CRecoveryTimer(CRecoverySession &recovery, SessionSettings &settings,
                   QObject *parent = nullptr);

    // Starts again with the interval the settings give now (after Options); recovery
    // turned off stops the timer and removes this run's copies.
    void restart();
    bool isActive() const { return timer_.isActive(); }
    // The interval in milliseconds, as the timer runs it.
    int interval() const { return timer_.interval(); }

private:
    CRecoverySession &recovery_;
    SessionSettings &settings_;
    QTimer timer_;
};
