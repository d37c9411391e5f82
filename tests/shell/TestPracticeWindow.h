#pragma once

#include "PracticeWindow.h"

#include <QWidget>
#include <array>

class MDIForm1;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

// The smallest timed window: the engine's controls and nothing to type into.
class TestPracticeWindow : public QWidget, public PracticeWindow
{
    Q_OBJECT

public:
    TestPracticeWindow(MDIForm1 &main, const QString &name, int boxes = 5);
    ~TestPracticeWindow() override;

    QString windowName() const override { return m_name; }
    QWidget *asWidget() override { return this; }
    QList<QLineEdit *> statusBoxes() const override;
    QComboBox *timeLimitList() const override { return Combo1; }
    QTimer *sessionTimer() const override { return Timer1; }
    QAbstractButton *startPauseButton() const override;

    std::vector<QLineEdit *> TxtStatu;
    QComboBox *Combo1 = nullptr;
    QTimer *Timer1 = nullptr;
    QPushButton *CmdShowSet0 = nullptr;

    // How many windows of this kind are alive, to see that closing really closes.
    static int alive;

private:
    QString m_name;
};
