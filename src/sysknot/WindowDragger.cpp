#include "WindowDragger.h"

#include <QCoreApplication>
#include <QMouseEvent>

WindowDragger::WindowDragger(QObject *parent) : QObject(parent) {}

WindowDragger::~WindowDragger()
{
    stop();
}

void WindowDragger::start(QWidget *window, const QPoint &globalPress)
{
    stop();
    if (!window || !QCoreApplication::instance())
        return;
    m_window = window;
    m_pressGlobal = globalPress;
    m_startPos = window->pos();
    QCoreApplication::instance()->installEventFilter(this);
}

void WindowDragger::stop()
{
    if (m_window.isNull())
        return;
    m_window.clear();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (m_window.isNull()) {
        stop();
        return QObject::eventFilter(watched, event);
    }
    // A real mouse event reaches the QWindow first and then the widget: act once, on the widget.
    if (!watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton)) {
            stop();
            return false;
        }
        m_window->move(m_startPos + mouse->globalPosition().toPoint() - m_pressGlobal);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
        stop();
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}
