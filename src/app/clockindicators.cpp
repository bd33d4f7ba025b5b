#include "app/clockindicators.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#ifdef TOLLMARK_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

namespace {

const char *const kPaneTexts[3] = {"CAP", "NUM", "SCRL"};
constexpr int kPollMs = 250;

#ifdef TOLLMARK_HAVE_X11
bool NamedIndicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    int on = 0;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on != 0;
}
#endif

} // namespace

CLockIndicators::CLockIndicators(QStatusBar &bar, Reader reader)
    : QObject(&bar)
    , reader_(reader ? std::move(reader) : Reader(&ReadPlatformLockKeys))
{
    const QFontMetrics metrics(bar.font());
    for (int i = 0; i < 3; ++i) {
        auto *pane = new QLabel(&bar);
        pane->setObjectName(QString::fromLatin1(kPaneTexts[i]));
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setAlignment(Qt::AlignCenter);
        // Sized for its text, so the bar does not move when a key changes.
        pane->setFixedWidth(metrics.horizontalAdvance(QString::fromLatin1(kPaneTexts[i])) + 12);
        bar.addPermanentWidget(pane);
        panes_[i] = pane;
    }
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &CLockIndicators::refresh);
    refresh();
    if (shown_)
        timer_->start(kPollMs);
}

void CLockIndicators::refresh()
{
    const std::optional<LockKeys> keys = reader_();
    shown_ = keys.has_value();
    const bool on[3] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (int i = 0; i < 3; ++i) {
        panes_[i]->setVisible(shown_);
        panes_[i]->setText(on[i] ? QString::fromLatin1(kPaneTexts[i]) : QString());
    }
    if (!shown_)
        timer_->stop();
}

QStringList CLockIndicators::texts() const
{
    return {panes_[0]->text(), panes_[1]->text(), panes_[2]->text()};
}

std::optional<LockKeys> CLockIndicators::ReadPlatformLockKeys()
{
#ifdef TOLLMARK_HAVE_X11
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    LockKeys keys;
    keys.caps = NamedIndicator(display, "Caps Lock");
    keys.num = NamedIndicator(display, "Num Lock");
    keys.scroll = NamedIndicator(display, "Scroll Lock");
    return keys;
#else
    return std::nullopt;
#endif
}
