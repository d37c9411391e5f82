#include "InputBlocker.h"

#include <QEvent>

InputBlocker::InputBlocker(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &InputBlocker::tick);
}

InputBlocker::~InputBlocker() = default;

void InputBlocker::block(qint64) {}

void InputBlocker::tick() {}

bool InputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    return QObject::eventFilter(watched, event);
}
