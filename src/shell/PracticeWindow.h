#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTimer;
class QWidget;

// A timed practice window as the session engine sees it: its name and the controls a run lives in.
//
// Plugging a window in: main() registers a factory under the window name with
// MDIForm1::registerWindow. MDIForm1::ShowPracticeWindow builds the window through it as a child of
// the document area and hands the factory the MDIForm1. Through that reference the window reaches
// the current user record (currentUser()), the platform services (services()), the helper control
// (SysKnot1(), and SysKnot1Calls() for calls by member id) and the session engine (engine(): CorrectCount, WrongCount, StartSession,
// RestartSession, SessionTick). The window's Timer1 calls engine().SessionTick(*this); its Combo1
// change calls engine().RestartSession(*this).
class PracticeWindow
{
public:
    virtual ~PracticeWindow() = default;

    // "FomTT", "FomEnglish", "FomFreeInput", "FomWT" or "FomQW": picks the grade table and the
    // result file.
    virtual QString windowName() const = 0;
    virtual QWidget *asWidget() = 0;

    // TxtStatu(0) … TxtStatu(4), and any further ones the window has; all are emptied at a start.
    virtual QList<QLineEdit *> statusBoxes() const = 0;
    // Combo1, the time limit list.
    virtual QComboBox *timeLimitList() const = 0;
    // Timer1, 100 ms.
    virtual QTimer *sessionTimer() const = 0;
    // CmdShowSet(0), the pause / start button.
    virtual QAbstractButton *startPauseButton() const = 0;
    // Where the focus goes when a run starts; none keeps it where it is.
    virtual QWidget *focusOnStart() const { return nullptr; }
};
