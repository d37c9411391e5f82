#include "Mdiform.h"

#include "FileTree.h"
#include "MDIForm1.h"
#include "PracticeWindow.h"
#include "Prompter.h"
#include "ResultRecord.h"
#include "SessionRules.h"
#include "SysKnotCalls.h"
#include "VbFormat.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <memory>

Mdiform::Mdiform(MDIForm1 &main)
    : m_main(main)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    m_monotonic = [since] { return since->elapsed(); };
}

QWidget *Mdiform::ShowPracticeWindow(const QString &windowName)
{
    return m_main.ShowPracticeWindow(windowName);
}

void Mdiform::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

namespace {

void clearBoxes(PracticeWindow &window)
{
    for (QLineEdit *box : window.statusBoxes()) {
        if (box)
            box->clear();
    }
}

QLineEdit *box(PracticeWindow &window, int index)
{
    const QList<QLineEdit *> boxes = window.statusBoxes();
    return index < boxes.size() ? boxes.at(index) : nullptr;
}

void setBox(PracticeWindow &window, int index, const QString &text)
{
    if (QLineEdit *b = box(window, index))
        b->setText(text);
}

QString boxText(PracticeWindow &window, int index)
{
    QLineEdit *b = box(window, index);
    return b ? b->text() : QString();
}

void switchTimer(PracticeWindow &window, bool on)
{
    if (QTimer *timer = window.sessionTimer()) {
        if (on)
            timer->start();
        else
            timer->stop();
    }
}

} // namespace

void Mdiform::setMonotonicClock(MonotonicClock clock)
{
    m_monotonic = std::move(clock);
}

void Mdiform::resetRunTime(PracticeWindow &window)
{
    m_timedWindow = &window;
    m_elapsedMs = 0;
    m_lastSampleMs = m_monotonic();
}

void Mdiform::PauseSession(PracticeWindow &window)
{
    if (m_timedWindow == &window && m_lastSampleMs)
        m_elapsedMs += std::clamp<qint64>(m_monotonic() - *m_lastSampleMs, 0, MaxTickGapMs);
    m_lastSampleMs.reset();
    switchTimer(window, false);
}

void Mdiform::ResumeSession(PracticeWindow &window)
{
    if (m_timedWindow != &window)
        resetRunTime(window);
    else
        m_lastSampleMs = m_monotonic();
    switchTimer(window, true);
}

void Mdiform::StartSession(PracticeWindow &window)
{
    CorrectCount = 0;
    WrongCount = 0;
    clearBoxes(window);
    resetRunTime(window);
    if (QComboBox *limits = window.timeLimitList()) {
        // Choosing the limit here is not the user picking one; keep the window's handler out.
        const QSignalBlocker quiet(limits);
        if (limits->count() == 0)
            limits->addItems(SessionRules::timeLimits());
        const int five = limits->findText(SessionRules::timeLimits().at(SessionRules::DefaultLimitIndex));
        limits->setCurrentIndex(five >= 0 ? five : 0);
        setBox(window, 4, limits->currentText());
    }
    switchTimer(window, true);
    if (QWidget *focus = window.focusOnStart())
        focus->setFocus();
}

void Mdiform::RestartSession(PracticeWindow &window)
{
    CorrectCount = 0;
    WrongCount = 0;
    clearBoxes(window);
    resetRunTime(window);
    switchTimer(window, true);
    if (QComboBox *limits = window.timeLimitList())
        setBox(window, 4, limits->currentText());
}

void Mdiform::SessionTick(PracticeWindow &window)
{
    const qint32 r = CorrectCount;
    const qint32 w = WrongCount;
    const QString limitText = window.timeLimitList() ? window.timeLimitList()->currentText() : QString();
    const qint64 now = m_monotonic();
    if (m_timedWindow != &window) {
        resetRunTime(window);
    } else if (m_lastSampleMs) {
        m_elapsedMs += std::clamp<qint64>(now - *m_lastSampleMs, 0, MaxTickGapMs);
    }
    m_lastSampleMs = now;
    const SessionRules::Tick t = SessionRules::tick(r, w, limitText, m_elapsedMs);
    setBox(window, 0, t.right);
    setBox(window, 1, t.wrong);
    if (t.accuracy)
        setBox(window, 2, *t.accuracy);
    if (t.speed)
        setBox(window, 3, *t.speed);
    setBox(window, 4, t.remaining);
    if (!t.timeUp)
        return;

    if (SysKnotCalls *knot = m_main.SysKnot1Calls())
        knot->F_WIN9X_暂时禁止用户操作(1.5);
    const QString speedLine = u"每分钟" + boxText(window, 3) + u"\r\n";
    switchTimer(window, false);
    if (QAbstractButton *button = window.startPauseButton())
        button->setText(QStringLiteral("开始"));

    const double speed = VbFormat::leadingNumber(boxText(window, 3));
    const std::optional<QString> grade = SessionRules::gradeMessage(window.windowName(), speed);
    bool started = false;
    if (grade && m_main.services().prompter) {
        const Prompter::Answer answer = m_main.services().prompter->message(
            window.asWidget(), speedLine + *grade, QStringLiteral("提示：需要保存成绩吗？"),
            Prompter::Buttons::YesNo);
        if (answer == Prompter::Answer::Yes) {
            const QDateTime now = m_clock();
            ResultRecord record;
            record.RightCount = r;
            record.WrongTotal = w;
            record.Speed = static_cast<qint32>(VbFormat::roundHalfEven(speed));
            record.TimeOfDay = VbFormat::dayFraction(now.time());
            record.SavedDate = static_cast<double>(VbFormat::dayNumber(now.date()));
            record.TimeLimit = VbFormat::leadingNumber(limitText);
            StartSession(window);
            started = true;
            const SaveResult saved = AppendResult(m_main.currentUserName(), window.windowName(), record);
            if (!saved)
                m_main.services().prompter->message(window.asWidget(),
                                                    QStringLiteral("成绩没有保存。\n") + saved.why,
                                                    QStringLiteral("错误提示"), Prompter::Buttons::Ok,
                                                    Prompter::Icon::Warning);
        }
    }
    if (!started)
        StartSession(window);
    switchTimer(window, false);
    m_lastSampleMs.reset();
}

void Mdiform::SetArrayVisible(const QList<QWidget *> &array, bool visible)
{
    for (QWidget *w : array) {
        if (w)
            w->setVisible(visible);
    }
}

int Mdiform::SelectedIndexOf(const QList<QAction *> &entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i) && entries.at(i)->isChecked())
            return i;
    }
    return 0;
}

int Mdiform::SelectedIndexOf(const QList<QLabel *> &labels)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (labels.at(i) && labels.at(i)->palette().color(QPalette::WindowText) == QColor(255, 0, 0))
            return i;
    }
    return 0;
}

int Mdiform::SelectedIndexOf(const QList<QAbstractButton *> &buttons)
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i) && buttons.at(i)->isChecked())
            return i;
    }
    return 0;
}

QString Mdiform::ShortPathOf(const QString &path)
{
    return path;
}

bool Mdiform::DeleteFolderTree(const QString &path)
{
    return FileTree::deleteTree(path, [] { QCoreApplication::processEvents(); });
}
