#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class MDIForm1;
class PracticeWindow;
class QAbstractButton;
class QAction;
class QLabel;
class QWidget;

// The practice session engine shared by the timed windows, and the small helpers several windows
// use. One instance, owned by MDIForm1; its counters are the program-wide ones.
class Mdiform
{
public:
    explicit Mdiform(MDIForm1 &main);

    // Right and wrong keystrokes of the running session. Windows add 1; only the engine zeroes them.
    qint32 CorrectCount = 0;
    qint32 WrongCount = 0;

    // Closes whichever practice window is open and opens the named one maximised. Returns the new
    // window, or nothing when no window of that name is registered.
    QWidget *ShowPracticeWindow(const QString &windowName);

    void StartSession(PracticeWindow &window);
    void RestartSession(PracticeWindow &window);
    void SessionTick(PracticeWindow &window);
    // The window's pause button stops and restarts Timer1 through these, so a pause is not
    // counted as practice time.
    void PauseSession(PracticeWindow &window);
    void ResumeSession(PracticeWindow &window);

    // The clock stamped on saved results; tests set a fixed one.
    void setClock(std::function<QDateTime()> clock);
    // Milliseconds of a clock that never goes back; the run's time is measured on it, sampled at
    // each tick. Tests hand in one they advance themselves.
    using MonotonicClock = std::function<qint64()>;
    void setMonotonicClock(MonotonicClock clock);
    // A gap between two ticks longer than this is a pause nobody reported or a stalled machine;
    // neither is typing time.
    static constexpr qint64 MaxTickGapMs = 1000;

    static bool IsChecked(int value) { return value == 1; }
    static void SetArrayVisible(const QList<QWidget *> &array, bool visible);
    // First checked entry / first label drawn in red / first chosen button; 0 when none.
    static int SelectedIndexOf(const QList<QAction *> &entries);
    static int SelectedIndexOf(const QList<QLabel *> &labels);
    static int SelectedIndexOf(const QList<QAbstractButton *> &buttons);
    // Paths are passed to programs as they are here; the short form only ever served to avoid spaces.
    static QString ShortPathOf(const QString &path);
    static bool DeleteFolderTree(const QString &path);

private:
    void resetRunTime(PracticeWindow &window);

    MDIForm1 &m_main;
    std::function<QDateTime()> m_clock;
    MonotonicClock m_monotonic;
    // The run being timed: compared, never dereferenced.
    const PracticeWindow *m_timedWindow = nullptr;
    qint64 m_elapsedMs = 0;
    std::optional<qint64> m_lastSampleMs; // none while the timer is off

};
