#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The arithmetic of a timed run, apart from the windows that show it.
namespace SessionRules {

// Combo1's entries, in order; "5分钟" is chosen at every start.
const QStringList &timeLimits();
inline constexpr int DefaultLimitIndex = 1;

// One tick's new box texts; an unset value means the box keeps what it shows.
struct Tick
{
    QString right;
    QString wrong;
    std::optional<QString> accuracy;
    std::optional<QString> speed;
    QString remaining;
    bool timeUp = false;
};

// r and w the counters, limitText Combo1's text, elapsedMs the practice time of the run so far as
// a monotonic clock measured it (pauses left out).
Tick tick(qint32 r, qint32 w, const QString &limitText, qint64 elapsedMs);

// The grade message of a speed in the named window; nothing for a window without a grade table.
std::optional<QString> gradeMessage(const QString &windowName, double speed);

} // namespace SessionRules
