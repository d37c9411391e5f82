#include "frmAbout.h"

#include "Prompter.h"
#include "Shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

frmAbout::frmAbout(const PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(u"关于 " + applicationTitle());

    lblTitle = new QLabel(applicationTitle(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(u"版本 " + version(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(
        QStringLiteral("中文打字练习软件：指法、英文、五笔、文章词组练习，打字游戏和成绩管理。"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::showSystemInfo);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    texts->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);
    resize(420, 180);
}

QString frmAbout::applicationTitle()
{
    return QStringLiteral("Keyloom");
}

QString frmAbout::version()
{
    return QStringLiteral("1.35");
}

QString frmAbout::systemInfoTool()
{
    for (const char *name : {"hardinfo", "gnome-system-monitor", "plasma-systemmonitor", "ksysguard",
                             "xfce4-taskmanager"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void frmAbout::showSystemInfo()
{
    const QString tool = systemInfoTool();
    if (!tool.isEmpty() && m_services.shell && m_services.shell->startDetached(tool))
        return;
    if (m_services.prompter)
        m_services.prompter->message(this, QStringLiteral("系统信息程序目前无法使用。"),
                                     windowTitle(), Prompter::Buttons::Ok, Prompter::Icon::Information);
}
