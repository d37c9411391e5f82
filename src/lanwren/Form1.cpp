#include "Form1.h"

#include "ChatClock.h"
#include "ChatEndpoint.h"
#include "ChatMessage.h"
#include "ChatSettings.h"
#include "Form2.h"
#include "Form4.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "SingleInstance.h"
#include "SoundPlayer.h"
#include "SysKnot.h"
#include "SysKnotCalls.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QColor StartColor(0, 130, 130);

QColor fromStored(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

double toStored(const QColor &color)
{
    return static_cast<double>(static_cast<quint32>(color.red())
                               | (static_cast<quint32>(color.green()) << 8)
                               | (static_cast<quint32>(color.blue()) << 16));
}

// The boxes show line breaks as paragraphs; the program's own text uses CR LF.
QString toShown(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QLabel *makeLabel(const QString &caption, const char *name, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

QPushButton *makeButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

QLineEdit *makeLine(const char *name, const QString &accessible, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setAccessibleName(accessible);
    return edit;
}

QPlainTextEdit *makeBox(const char *name, const QString &accessible, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setAccessibleName(accessible);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    // Messages go in by program; an undo history of them would only grow.
    box->setUndoRedoEnabled(false);
    return box;
}

} // namespace

Form1::Form1(const PlatformServices &services, ChatOptions options, QWidget *parent)
    : QWidget(parent), m_services(services), m_options(std::move(options))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Wrenlink1.1测试版 2002年11月20日设计成功"));
    setAttribute(Qt::WA_StyledBackground, false);
    m_settingsPath = m_options.settingsPath.isEmpty()
                         ? ProgramFolder::path(QStringLiteral("\\Wren设置保存.txt"))
                         : m_options.settingsPath;

    SysKnot1 = new SysKnot(*m_services.prompter, this);
    SysKnot1->setObjectName(QStringLiteral("SysKnot1"));
    m_calls = std::make_unique<SysKnotCalls>(*SysKnot1);

    buildControls();
    buildMenus();

    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    Winsock1 = new ChatEndpoint(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    Winsock1->setRemotePort(m_options.remotePort);
    Winsock1->bind(m_options.bindAddress, m_options.localPort);
    connect(Winsock1, &ChatEndpoint::received, this, &Form1::ReceiveChatMessage);

    applyWindowColor(StartColor);
    LoadChatSettings();

    m_clockTimer.setInterval(200);
    connect(&m_clockTimer, &QTimer::timeout, this, &Form1::refreshClock);
    refreshClock();
    m_clockTimer.start();

    Text4->setFocus();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    Label2 = makeLabel(QStringLiteral("对方IP(如A8等）"), "Label2", this);
    Text2 = makeLine("Text2", QStringLiteral("对方IP"), this);
    Label3 = makeLabel(QStringLiteral("昵称"), "Label3", this);
    Text3 = makeLine("Text3", QStringLiteral("昵称"), this);
    Label1 = makeLabel(QStringLiteral("接受消息"), "Label1", this);
    Text1 = makeBox("Text1", QStringLiteral("接受消息"), this);
    Label4 = makeLabel(QStringLiteral("发送消息"), "Label4", this);
    Text4 = makeBox("Text4", QStringLiteral("发送消息"), this);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Label1->setBuddy(Text1);
    Label4->setBuddy(Text4);
    connect(Text1, &QPlainTextEdit::textChanged, this, &Form1::transcriptChanged);

    Label8 = makeLabel(QStringLiteral("在线"), "Label8", this);
    Label8->setAccessibleName(QStringLiteral("状态"));
    Label8->setAlignment(Qt::AlignCenter);
    QFont stateFont(QStringLiteral("隶书"));
    stateFont.setPointSize(20);
    Label8->setFont(stateFont);
    Label8->setMinimumWidth(90);

    Frame1 = new QGroupBox(QStringLiteral("时钟"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(QFont(QStringLiteral("楷体_GB2312")));
    Label5 = makeLabel(QStringLiteral("今天日期是:"), "Label5", Frame1);
    Label6 = makeLabel(QStringLiteral("现在时间是:"), "Label6", Frame1);
    Label7 = makeLabel(QStringLiteral("距离2004年还有:"), "Label7", Frame1);
    Text5 = makeLine("Text5", QStringLiteral("今天日期"), Frame1);
    Text6 = makeLine("Text6", QStringLiteral("现在时间"), Frame1);
    Text7 = makeLine("Text7", QStringLiteral("距离2004年还有"), Frame1);
    for (QLineEdit *clock : {Text5, Text6, Text7}) {
        clock->setReadOnly(true);
        clock->setMinimumWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("2004-12-31 ")));
    }
    Label5->setBuddy(Text5);
    Label6->setBuddy(Text6);
    Label7->setBuddy(Text7);
    auto *clockGrid = new QGridLayout(Frame1);
    clockGrid->addWidget(Label5, 0, 0);
    clockGrid->addWidget(Text5, 0, 1);
    clockGrid->addWidget(Label6, 1, 0);
    clockGrid->addWidget(Text6, 1, 1);
    clockGrid->addWidget(Label7, 2, 0);
    clockGrid->addWidget(Text7, 2, 1);
    // The state word and the clock keep the start colour whatever the settings say.
    for (QWidget *fixed : {static_cast<QWidget *>(Label8), static_cast<QWidget *>(Frame1)}) {
        QPalette palette = fixed->palette();
        palette.setColor(QPalette::Window, StartColor);
        fixed->setPalette(palette);
        fixed->setAutoFillBackground(true);
    }

    Command1 = makeButton(QStringLiteral("发送（CTRL+N)"), "Command1", this);
    Command2 = makeButton(QStringLiteral("帮助与升级(CTRL+K）"), "Command2", this);
    Command3 = makeButton(QStringLiteral("清空接受信息框   （CTRL+L）"), "Command3", this);
    Command4 = makeButton(QStringLiteral("清空发送消息框   （CTRL+M）"), "Command4", this);
    Command5 = makeButton(QStringLiteral("设置（CTRL+J)"), "Command5", this);
    Command6 = makeButton(QStringLiteral("关闭(F4)"), "Command6", this);
    Command7 = makeButton(QStringLiteral("待机状态(CTRL+D)"), "Command7", this);
    Command8 = makeButton(QStringLiteral("在线状态(CTRL+Q)"), "Command8", this);
    connect(Command1, &QPushButton::clicked, this, &Form1::SendChatMessage);
    connect(Command2, &QPushButton::clicked, this, &Form1::openHelp);
    connect(Command3, &QPushButton::clicked, Text1, &QPlainTextEdit::clear);
    connect(Command4, &QPushButton::clicked, Text4, &QPlainTextEdit::clear);
    connect(Command6, &QPushButton::clicked, this, &QWidget::close);
    connect(Command7, &QPushButton::clicked, this, &Form1::EnterStandby);
    connect(Command8, &QPushButton::clicked, this, &Form1::EnterOnline);

    auto *peerRow = new QHBoxLayout;
    peerRow->addWidget(Label2);
    peerRow->addWidget(Text2, 2);
    peerRow->addWidget(Label3);
    peerRow->addWidget(Text3, 1);
    peerRow->addWidget(Label8);

    auto *left = new QVBoxLayout;
    left->addLayout(peerRow);
    left->addWidget(Label1);
    left->addWidget(Text1, 3);
    left->addWidget(Label4);
    left->addWidget(Text4, 2);

    auto *right = new QVBoxLayout;
    right->addWidget(Frame1);
    for (QPushButton *button : {Command1, Command7, Command8, Command3, Command4, Command5, Command2,
                                Command6})
        right->addWidget(button);
    right->addStretch(1);

    auto *whole = new QHBoxLayout(this);
    whole->addLayout(left, 3);
    whole->addLayout(right, 1);
    resize(760, 520);

    setTabOrder(Text4, Command1);
    setTabOrder(Command1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text1);
    setTabOrder(Text1, Command7);
    setTabOrder(Command7, Command8);
    setTabOrder(Command8, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command2);
    setTabOrder(Command2, Command6);

    for (QWidget *box : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                         static_cast<QWidget *>(Text3), static_cast<QWidget *>(Text4)})
        box->installEventFilter(this);
}

void Form1::buildMenus()
{
    yj = new QMenu(QStringLiteral("菜单"), this);
    yj->setObjectName(QStringLiteral("yj"));
    auto addEntry = [this](QMenu *menu, const QString &caption, const char *name,
                           const QKeySequence &key) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        if (!key.isEmpty()) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
            m_shortcutActions << action;
        }
        return action;
    };
    exita = addEntry(yj, QStringLiteral("退出"), "exita", QKeySequence(Qt::Key_F4));
    option = addEntry(yj, QStringLiteral("设置"), "option", QKeySequence(Qt::CTRL | Qt::Key_J));
    help = addEntry(yj, QStringLiteral("帮助与升级"), "help", QKeySequence(Qt::CTRL | Qt::Key_K));
    Qk1 = addEntry(yj, QStringLiteral("清空接受信息框"), "Qk1", QKeySequence(Qt::CTRL | Qt::Key_L));
    qk2 = addEntry(yj, QStringLiteral("清空发送消息框"), "qk2", QKeySequence(Qt::CTRL | Qt::Key_M));
    zaixian = addEntry(yj, QStringLiteral("在线状态"), "zaixian", QKeySequence(Qt::CTRL | Qt::Key_Q));
    diaiji = addEntry(yj, QStringLiteral("待机状态"), "diaiji", QKeySequence(Qt::CTRL | Qt::Key_D));

    Mu设置 = new QMenu(QStringLiteral("设置"), this);
    Mu设置->setObjectName(QStringLiteral("Mu设置"));
    Mu窗口颜色设置 = addEntry(Mu设置, QStringLiteral("窗口颜色设置"), "Mu窗口颜色设置", {});
    Mu文本颜色设置 = addEntry(Mu设置, QStringLiteral("文本颜色设置"), "Mu文本颜色设置", {});
    Mu用图片背景 = addEntry(Mu设置, QStringLiteral("用图片背景"), "Mu用图片背景", {});
    Mu恢复默认设置 = addEntry(Mu设置, QStringLiteral("恢复默认设置"), "Mu恢复默认设置", {});

    // The send button's caption promises CTRL+N, so the key sends.
    auto *send = new QAction(this);
    send->setObjectName(QStringLiteral("sendShortcut"));
    send->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    send->setShortcutContext(Qt::WindowShortcut);
    addAction(send);
    m_shortcutActions << send;
    connect(send, &QAction::triggered, this, &Form1::SendChatMessage);

    connect(exita, &QAction::triggered, this, &QWidget::close);
    // The entry's caption and key match the settings button, so it opens the same menu.
    connect(option, &QAction::triggered, this, [this] {
        Mu设置->popup(Command5->isVisible() ? Command5->mapToGlobal(QPoint(0, Command5->height()))
                                             : QCursor::pos());
    });
    connect(help, &QAction::triggered, this, &Form1::openHelp);
    connect(Qk1, &QAction::triggered, Text1, &QPlainTextEdit::clear);
    connect(qk2, &QAction::triggered, Text4, &QPlainTextEdit::clear);
    connect(zaixian, &QAction::triggered, this, &Form1::EnterOnline);
    connect(diaiji, &QAction::triggered, this, &Form1::EnterStandbyFromMenu);
    connect(Command5, &QPushButton::clicked, this,
            [this] { Mu设置->popup(Command5->mapToGlobal(QPoint(0, Command5->height()))); });
    connect(Mu窗口颜色设置, &QAction::triggered, this, &Form1::chooseWindowColor);
    connect(Mu文本颜色设置, &QAction::triggered, this, &Form1::chooseTextColor);
    connect(Mu用图片背景, &QAction::triggered, this, &Form1::chooseBackgroundPicture);
    connect(Mu恢复默认设置, &QAction::triggered, this, &Form1::ResetChatSettings);
}

bool Form1::claimSingleInstance(SingleInstance &instance, Prompter &prompter)
{
    if (instance.claim())
        return true;
    prompter.message(nullptr, QStringLiteral("本程序已经运行!"), QStringLiteral("提示信息"),
                     Prompter::Buttons::Ok, Prompter::Icon::Warning);
    return false;
}

QDateTime Form1::now() const
{
    return m_options.now ? m_options.now() : QDateTime::currentDateTime();
}

QString Form1::transcript() const
{
    QString text = Text1->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

bool Form1::isTopmost() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void Form1::prependToTranscript(const QString &message)
{
    QTextDocument *document = Text1->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(toShown(message) + u'\n');

    if (document->characterCount() <= TranscriptLimit)
        return;
    // Drop whole lines from the old end; a single line longer than the limit is cut.
    const QTextBlock keepUpTo = document->findBlock(TranscriptLimit);
    int cut = keepUpTo.isValid() ? keepUpTo.position() : TranscriptLimit;
    if (cut <= 0)
        cut = TranscriptLimit;
    QTextCursor tail(document);
    tail.setPosition(cut);
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    tail.removeSelectedText();
}

void Form1::SendChatMessage()
{
    const QString message = ChatMessage::compose(now().time(), m_calls->F_WIN9X_获取机器名(),
                                                  Text3->text(), Text4->toPlainText());
    Winsock1->send(Text2->text().trimmed(), ChatMessage::encode(message));
    prependToTranscript(message);
    Text4->clear();
    Text4->setFocus();
    if (Text2->text().trimmed().isEmpty()) {
        const std::optional<QString> peer = m_services.prompter->input(
            this, QStringLiteral("请输入对方的电脑名称（如A8等），输入完后再单击一次“发送”按钮"),
            QStringLiteral("提示：你尚未输入对方的电脑名称或IP地址"), QStringLiteral("A8"));
        Text2->setText(peer.value_or(QString()));
    }
}

void Form1::ReceiveChatMessage(const QString &text)
{
    prependToTranscript(text);
}

void Form1::transcriptChanged()
{
    if (!Timer1.isActive() || Text1->document()->isEmpty())
        return;
    Timer1.stop();
    m_calls->F_WIN_窗口最顶层(this, false);
    openAlert();
}

void Form1::openAlert()
{
    if (m_alert) {
        m_alert->raise();
        return;
    }
    m_alert = new Form4(this);
    connect(m_alert, &Form4::dismissed, this, [this] {
        if (isMinimized())
            showNormal();
        m_calls->F_WIN_窗口置顶层(this);
    });
    connect(m_alert, &Form4::closed, this, &Form1::alertClosed);
    m_alert->move(frameGeometry().center() - m_alert->rect().center());
    m_alert->show();
    Timer1.stop();
    if (m_services.sound)
        m_services.sound->play(ProgramFolder::path(QStringLiteral("\\right.wav")));
}

void Form1::alertClosed()
{
    // Online chosen while the alert was up ends standby for good.
    if (m_standby && !m_closing)
        Timer1.start();
}

void Form1::Timer1_Timer()
{
    m_calls->F_WIN_窗口最顶层(this, true);
}

void Form1::EnterStandby()
{
    Text1->clear();
    Timer1.start();
    m_standby = true;
    Label8->setText(QStringLiteral("待机"));
}

void Form1::EnterStandbyFromMenu()
{
    Text1->setPlainText(QStringLiteral("stop"));
    Timer1.start();
    m_standby = true;
    Label8->setText(QStringLiteral("待机"));
}

void Form1::EnterOnline()
{
    Timer1.stop();
    m_standby = false;
    Label8->setText(QStringLiteral("在线"));
}

void Form1::refreshClock()
{
    const QDateTime current = now();
    Text5->setText(ChatClock::dateText(current.date()));
    Text6->setText(ChatClock::timeText(current.time()));
    Text7->setText(ChatClock::daysLeftText(current.date()));
}

void Form1::openHelp()
{
    if (!m_help)
        m_help = new Form2(this);
    m_help->show();
    m_help->raise();
}

void Form1::applyWindowColor(const QColor &color)
{
    m_windowColor = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
    // The fixed-colour parts keep their own background.
    for (QWidget *fixed : {static_cast<QWidget *>(Label8), static_cast<QWidget *>(Frame1)}) {
        QPalette own = fixed->palette();
        own.setColor(QPalette::Window, StartColor);
        fixed->setPalette(own);
    }
    update();
}

void Form1::applyTextColor(const QColor &color)
{
    m_textColor = color;
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
}

bool Form1::applyPicture(const QString &path)
{
    if (path.trimmed().isEmpty())
        return false;
    QPixmap picture;
    if (!picture.load(path))
        return false;
    m_picture = picture;
    update();
    return true;
}

void Form1::LoadChatSettings()
{
    const ChatSettings settings = ChatSettings::load(m_settingsPath);
    if (!settings.stored) {
        // No record yet (first start, after a reset): the defaults rather than black on black.
        applyWindowColor(fromStored(ChatSettings::DefaultWindowColor));
        applyTextColor(fromStored(ChatSettings::DefaultTextColor));
        m_commonColor = fromStored(ChatSettings::DefaultTextColor);
        return;
    }
    applyWindowColor(fromStored(
        ChatSettings::colorValue(settings.ChatWindowColor, ChatSettings::DefaultWindowColor)));
    applyTextColor(fromStored(
        ChatSettings::colorValue(settings.ChatTextColor, ChatSettings::DefaultTextColor)));
    m_commonColor = m_windowColor;
    if (applyPicture(settings.ChatPicturePath))
        m_commonFileName = settings.ChatPicturePath;
}

void Form1::SaveChatSettings()
{
    ChatSettings settings;
    settings.ChatWindowColor = toStored(m_windowColor);
    settings.ChatTextColor = toStored(m_textColor);
    settings.ChatPicturePath = m_commonFileName;
    settings.save(m_settingsPath);
}

void Form1::ResetChatSettings()
{
    ChatSettings::reset(m_settingsPath);
    applyWindowColor(StartColor);
    m_picture = QPixmap();
    m_commonFileName.clear();
    m_commonColor = fromStored(ChatSettings::DefaultTextColor);
    applyTextColor(m_commonColor);
    update();
}

void Form1::chooseWindowColor()
{
    const std::optional<QColor> chosen = m_services.prompter->colour(this, m_commonColor);
    if (!chosen || !chosen->isValid())
        return;
    m_commonColor = *chosen;
    applyWindowColor(*chosen);
}

void Form1::chooseTextColor()
{
    const std::optional<QColor> chosen = m_services.prompter->colour(this, m_commonColor);
    if (!chosen || !chosen->isValid())
        return;
    m_commonColor = *chosen;
    applyTextColor(*chosen);
}

void Form1::chooseBackgroundPicture()
{
    const QStringList chosen = m_services.prompter->openFiles(
        this, QString(), m_commonFileName,
        Prompter::qtFilter(QStringLiteral("位图(*.bmp)|*.bmp|JPG图片(*.jpg)|*.jpg|所有文件(*.*)|*.*")),
        false);
    if (chosen.isEmpty())
        return;
    if (applyPicture(chosen.first()))
        m_commonFileName = chosen.first();
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_calls->F_WIN_窗口拖动(this);
        event->accept();
    } else if (event->button() == Qt::RightButton) {
        yj->popup(event->globalPosition().toPoint());
        event->accept();
    } else {
        QWidget::mousePressEvent(event);
    }
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The window's keys win over the text boxes' own bindings (Ctrl+K would delete to the end of
    // the line otherwise).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : std::as_const(m_shortcutActions)) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    Timer1.stop();
    m_clockTimer.stop();
    SaveChatSettings();
    if (m_alert)
        m_alert->close();
    if (m_help)
        m_help->close();
    event->accept();
}
