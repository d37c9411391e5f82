#pragma once

#include "Shell.h"

#include <QList>

// Test double: records opens and program starts instead of leaving the machine; copying and
// deleting folders happen for real (inside the test's own temporary folder).
class RecordingShell : public Shell
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
        bool minimised;
    };

    bool open(const QUrl &target) override
    {
        m_opened << target;
        return m_succeed;
    }
    bool startDetached(const QString &program, const QStringList &arguments, bool minimised) override
    {
        m_started.append({program, arguments, minimised});
        return m_succeed;
    }

    void setSucceed(bool succeed) { m_succeed = succeed; }
    const QList<QUrl> &opened() const { return m_opened; }
    const QList<Start> &started() const { return m_started; }

private:
    QList<QUrl> m_opened;
    QList<Start> m_started;
    bool m_succeed = true;
};
