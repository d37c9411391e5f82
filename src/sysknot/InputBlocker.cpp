#include "InputBlocker.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace {
// A runaway count must not leave the program deaf; no caller needs more than a moment.
constexpr qint64 LongestBlockSeconds = 60;
} // namespace

InputBlocker::InputBlocker(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &InputBlocker::tick);
}

InputBlocker::~InputBlocker()
{
    tick();
}

void InputBlocker::block(qint64 seconds)
{
    if (seconds <= 0 || !QCoreApplication::instance())
        return;
    const int ms = static_cast<int>(std::min(seconds, LongestBlockSeconds) * 1000);
    if (m_blocking) {
        m_timer.start(std::max(ms, m_timer.remainingTime()));
        return;
    }
    QCoreApplication::instance()->installEventFilter(this);
    m_blocking = true;
    m_timer.start(ms);
}

void InputBlocker::tick()
{
    m_timer.stop();
    if (!m_blocking)
        return;
    m_blocking = false;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // Releases pass: a press that began before the block must not leave a button held down.
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
