#pragma once

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QStatusBar;
class QTimer;

// The state of the three lock keys, as the keyboard's indicator lights show it.
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The status bar's "CAP", "NUM" and "SCRL" panes after the two text panes. A pane shows
// its text while its lock key is on and stays empty, at the same width, while it is off.
// The state is read a few times a second from the windowing system; where the platform
// does not report the lock keys (Wayland, the offscreen platform) the panes are hidden.
class CLockIndicators : public QObject
{
    Q_OBJECT

public:
    using Reader = std::function<std::optional<LockKeys>()>;

    // Adds the three panes to `bar`. `reader` is the source of the key state; empty uses
    // the windowing system's (ReadPlatformLockKeys).
    explicit CLockIndicators(QStatusBar &bar, Reader reader = Reader());

    // Reads the keys once and updates the panes.
    void refresh();
    // The pane texts as shown now, in the order CAP, NUM, SCRL.
    QStringList texts() const;
    bool shown() const { return shown_; }

    // The lock keys of the X11 display the program runs on, or nothing when it runs on
    // another platform.
    static std::optional<LockKeys> ReadPlatformLockKeys();

private:
    Reader reader_;
    std::array<QLabel *, 3> panes_{};
    QTimer *timer_ = nullptr;
    bool shown_ = true;
};
