#pragma once

#include "ChatOptions.h"
#include "Form2.h"
#include "Form4.h"
#include "PlatformServices.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class ChatEndpoint;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SingleInstance;
class SysKnot;
class SysKnotCalls;

// The chat window: peer, nickname, transcript (newest first), message, presence and clock.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // Beyond this many characters the oldest lines of the transcript are dropped, so a flood of
    // datagrams cannot grow the box without bound.
    static constexpr int TranscriptLimit = 500000;

    Form1(const PlatformServices &services, ChatOptions options, QWidget *parent = nullptr);
    ~Form1() override;

    // Shows "本程序已经运行!" and gives false when another copy already runs.
    static bool claimSingleInstance(SingleInstance &instance, Prompter &prompter);

    // The transcript as the program keeps it: messages newest first, each followed by CR LF.
    QString transcript() const;
    bool isStandby() const { return m_standby; }
    bool isTopmost() const;
    Form4 *alert() const { return m_alert; }
    Form2 *helpWindow() const { return m_help; }
    QColor windowColor() const { return m_windowColor; }
    QColor textColor() const { return m_textColor; }
    bool hasBackgroundPicture() const { return !m_picture.isNull(); }
    QString pictureFileName() const { return m_commonFileName; }
    QColor dialogColor() const { return m_commonColor; }
    QString settingsPath() const { return m_settingsPath; }

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QPlainTextEdit *Text1;
    QLineEdit *Text2, *Text3;
    QPlainTextEdit *Text4;
    QLineEdit *Text5, *Text6, *Text7;
    QGroupBox *Frame1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7,
        *Command8;
    QTimer Timer1;
    ChatEndpoint *Winsock1;
    SysKnot *SysKnot1;

    QMenu *yj;
    QAction *exita, *option, *help, *Qk1, *qk2, *zaixian, *diaiji;
    QMenu *Mu设置;
    QAction *Mu窗口颜色设置, *Mu文本颜色设置, *Mu用图片背景, *Mu恢复默认设置;

public Q_SLOTS:
    void SendChatMessage();
    void ReceiveChatMessage(const QString &text);
    void EnterStandby();
    void EnterStandbyFromMenu();
    void EnterOnline();
    void ResetChatSettings();
    void SaveChatSettings();
    void Timer1_Timer();
    void refreshClock();
    void openHelp();
    void chooseWindowColor();
    void chooseTextColor();
    void chooseBackgroundPicture();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void LoadChatSettings();
    void prependToTranscript(const QString &message);
    void transcriptChanged();
    void openAlert();
    void alertClosed();
    void applyWindowColor(const QColor &color);
    void applyTextColor(const QColor &color);
    bool applyPicture(const QString &path);
    QDateTime now() const;

    PlatformServices m_services;
    ChatOptions m_options;
    QString m_settingsPath;
    std::unique_ptr<SysKnotCalls> m_calls;
    QTimer m_clockTimer;
    QPointer<Form4> m_alert;
    QPointer<Form2> m_help;
    QList<QAction *> m_shortcutActions;
    QColor m_windowColor;
    QColor m_textColor;
    QColor m_commonColor;
    QString m_commonFileName;
    QPixmap m_picture;
    bool m_standby = false;
    bool m_closing = false;
};
