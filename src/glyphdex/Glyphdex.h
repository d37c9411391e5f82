#pragma once

#include "DictTables.h"
#include "PlatformServices.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class SysKnot;
class SysKnotCalls;

// The dictionary window: type or paste a character or word, read its Wubi code or pinyin, keep it
// in a vocabulary book. Lives on in the notification area when minimised.
class Glyphdex : public QWidget
{
    Q_OBJECT
public:
    static constexpr qint32 IconId = 0;

    explicit Glyphdex(const PlatformServices &services, QWidget *parent = nullptr);
    ~Glyphdex() override;

    int DictMode() const { return m_dictMode; }
    bool DictOnTop() const { return m_dictOnTop; }
    const DictTables &tables() const { return m_tables; }

    // Path of the vocabulary book of a mode.
    static QString bookPath(int mode);

    SysKnot &SysKnot1() const { return *m_sysKnot; }
    QLineEdit *rich1(int index) const { return m_rich1.at(index); }
    QRadioButton *Option1(int index) const { return m_option1.at(index); }
    QPushButton *Command1(int index) const { return m_command1.at(index); }
    QMenu *MmuSaveSet() const { return m_mmuSaveSet; }
    QAction *MmuSet(int index) const { return m_mmuSet.at(index); }

    // Tests stand in for a desktop with or without a notification area.
    void setNotificationAreaCheck(std::function<bool()> check) { m_notificationArea = std::move(check); }

public Q_SLOTS:
    void lookUp();
    void onTrayMouseDown(qint16 button, qint32 id);

Q_SIGNALS:
    // The program has ended its work (settings written, icon removed) and should quit.
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void start();
    void end();
    void optionClicked(int index);
    void commandClicked(int index);
    void menuChosen(int index);
    void focusInput();
    void showNormalAgain();
    void addToBook();
    void showAbout();
    void setTopmost(bool top);
    bool canHideToTray();

    PlatformServices m_services;
    DictTables m_tables;
    qint32 m_dictMode = 0;
    bool m_dictOnTop = false;
    bool m_ended = false;

    SysKnot *m_sysKnot = nullptr;
    SysKnotCalls *m_calls = nullptr;
    // Only the input (1) and result (2) boxes are on screen; element 0 stays empty.
    std::array<QLineEdit *, 3> m_rich1{};
    std::array<QRadioButton *, 3> m_option1{};
    std::array<QPushButton *, 9> m_command1{};
    QMenu *m_mmuSaveSet = nullptr;
    std::array<QAction *, 6> m_mmuSet{};
    std::function<bool()> m_notificationArea;
};
