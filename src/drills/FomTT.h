#pragma once

#include "PracticeWindow.h"

#include <QWidget>

#include <array>

class KeyboardPicture;
class MDIForm1;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The key drill window: a line of characters to type, the keyboard with the due key lit, the
// finger to use, and the running session's statistics.
class FomTT : public QWidget, public PracticeWindow
{
    Q_OBJECT

public:
    static constexpr int Cells = 19;
    // Answered characters after which the next keystroke draws a new line.
    static constexpr int JudgedCells = 18;

    explicit FomTT(MDIForm1 &main, QWidget *parent = nullptr);

    QString windowName() const override { return QStringLiteral("FomTT"); }
    QWidget *asWidget() override { return this; }
    QList<QLineEdit *> statusBoxes() const override;
    QComboBox *timeLimitList() const override { return Combo1; }
    QTimer *sessionTimer() const override { return Timer1; }
    QAbstractButton *startPauseButton() const override;
    QWidget *focusOnStart() const override;

    // Draws a line for the drill label with this caption; `reuse` takes the stored custom keys
    // instead of asking for them.
    void GenerateDrillLine(const QString &labelCaption, bool reuse);
    // Puts a drawn line into the cells and starts answering it from the first cell.
    void showLine(const QString &line);
    void LaSelectClick(int index);
    // Colours the chosen drill label red and the others blue.
    void markSelectedLabel(int index);
    // Judges one keystroke of TxtInput (a character, or Backspace 8, Enter 13, Esc 27).
    void KeyPress(QChar key);
    void updateHints();
    void Check1Click();
    void CmdShowSetClick(int index);
    void Combo1Click();
    void Timer1Tick();

    int drillPosition() const { return m_drillPosition; }

    std::array<QLabel *, 10> LaSelect{};
    std::array<QLabel *, 21> Label1{}; // 1 … 20
    std::array<QLabel *, 20> Label3{}; // 0 … 19
    QLineEdit *TxtInput = nullptr;
    KeyboardPicture *Picture1 = nullptr;
    QLabel *LaFingerHint = nullptr; // La手势
    std::array<QCheckBox *, 2> Check1{};
    std::array<QLineEdit *, 5> TxtStatu{};
    QComboBox *Combo1 = nullptr;
    QTimer *Timer1 = nullptr;
    std::array<QPushButton *, 3> CmdShowSet{};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildControls();
    void load();
    void resetRow();
    int chosenIndex() const;
    void newLineFromChosenSet();
    void playSound(const QString &relativePath);

    MDIForm1 &m_main;
    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;
    int m_drillPosition = 0;
};
