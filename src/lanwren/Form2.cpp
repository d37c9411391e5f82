#include "Form2.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "TextFile.h"

Form2::Form2(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("帮助与升级"));
    setAttribute(Qt::WA_DeleteOnClose);

    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAccessibleName(QStringLiteral("帮助"));
    Text2->setReadOnly(true);
    Text2->setPlainText(helpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    Command1 = new QPushButton(QStringLiteral("关闭"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    const QScreen *screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->size() : QSize(1024, 768);
    resize(qRound(area.width() / 1.2), qRound(area.height() / 1.2));
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int textWidth = qRound(width() / 1.2);
    const int textHeight = qRound(height() / 1.2);
    const int left = (width() - textWidth) / 2;
    Text2->setGeometry(left, 8, textWidth, textHeight);
    const QSize button = Command1->sizeHint().expandedTo(QSize(90, 28));
    Command1->setGeometry((width() - button.width()) / 2,
                          qMin(8 + textHeight + 8, height() - button.height() - 4), button.width(),
                          button.height());
}

QString Form2::helpText()
{
    static const char text[] =
        "Wrenlink 局域网聊天 帮助\n"
        "\n"
        "  A使用方法\n"
        "1. 在“对方IP”框中输入对方电脑的名称（例如 C8）或 IP 地址（例如 192.168.0.8）。\n"
        "2. 在“昵称”框中输入你自己的昵称，对方会在消息的第一行看到它。\n"
        "3. 在“发送消息”框中写好要说的话，再按“发送”按钮。\n"
        "4. 对方的电脑上也必须打开 Wrenlink，才能收到你的消息。\n"
        "5. 被呼叫的一方不必知道呼叫者的电脑名称：让“对方IP”框空着，直接写好回复按“发送”，"
        "消息就会回到最后一个给你发消息的人那里。\n"
        "6. 想保存聊天记录时，在“接受消息”框中用鼠标右键复制，再粘贴到别的程序（如记事本）中保存。\n"
        "7. 快捷键：\n"
        "   Ctrl+N  发送\n"
        "   Ctrl+K  帮助与升级\n"
        "   Ctrl+L  清空接受信息框\n"
        "   Ctrl+M  清空发送消息框\n"
        "   Ctrl+J  设置（窗口颜色、文本颜色、图片背景、恢复默认设置）\n"
        "   Ctrl+Q  在线状态\n"
        "   Ctrl+D  待机状态\n"
        "   F4      退出\n"
        "8. 按 Tab 键可以在“发送消息”框和“发送”按钮之间来回切换。\n"
        "9. 在窗口空白处按鼠标右键会弹出菜单，里面有大部分按钮的功能；按住鼠标左键可以拖动窗口。\n"
        "\n"
        "B、升级与发展\n"
        "Wrenlink 以后的版本打算加入下面这些功能：\n"
        "  1. 自选聊天文字的字体和字号；\n"
        "  2. 更多的界面外观可供选择；\n"
        "  3. 聊天记录加密保存；\n"
        "  4. 收到消息时用声音提示；\n"
        "  5. 随系统一起启动；\n"
        "  6. 表情符号；\n"
        "  7. 好友列表；\n"
        "  8. 记录聊天时间并定时提醒；\n"
        "  9. 同时和多台电脑聊天，一次发给许多人；\n"
        " 10. 自动在网络上查找可以聊天的对象；\n"
        " 11. 朗读收到的文字，发送语音。\n"
        "\n"
        "C、在线与待机\n"
        "“在线状态”和“待机状态”两个按钮用来切换状态。待机时窗口总在最前面，"
        "一有消息到来就会弹出一个呼叫窗口，提醒你去回复；在线时消息直接出现在“接受消息”框中，"
        "不会弹出呼叫窗口。\n"
        "\n"
        "D、\n"
        "第一次和某台电脑联系时可能要等一会儿，以后就快了。等待的时候 Wrenlink 并没有死机，请耐心稍候。\n";
    return TextFile::withCrLf(QString::fromUtf8(text));
}
