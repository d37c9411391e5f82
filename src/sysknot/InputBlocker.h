#pragma once

#include "SysKnotExport.h"

#include <QObject>
#include <QTimer>

// Swallows keyboard and mouse input to every window of the program for a while. The filter is
// installed on the application only while a block runs and always comes off at the end.
class SYSKNOT_EXPORT InputBlocker : public QObject
{
    Q_OBJECT
public:
    explicit InputBlocker(QObject *parent = nullptr);
    ~InputBlocker() override;

    // Starts or lengthens a block; seconds <= 0 do nothing.
    void block(qint64 seconds);
    bool isBlocking() const { return m_blocking; }
    QTimer &timer() { return m_timer; }

public Q_SLOTS:
    // End of the block (the timer's timeout).
    void tick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer m_timer;
    bool m_blocking = false;
};
