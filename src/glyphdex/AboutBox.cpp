#include "AboutBox.h"

#include "Shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

AboutBox::AboutBox(Shell &shell, QWidget *parent) : QDialog(parent), m_shell(shell)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于 Glyphdex"));
    auto *name = new QLabel(QStringLiteral("<b>Glyphdex</b> 五笔拼音编码查询"), this);
    auto *version = new QLabel(QStringLiteral("版本 1.0"), this);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    m_systemInfo = new QPushButton(QStringLiteral("系统信息..."), this);
    m_systemInfo->setEnabled(!systemInfoProgram().isEmpty());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfo, &QPushButton::clicked, this, &AboutBox::startSystemInfo);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(m_systemInfo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

QString AboutBox::systemInfoProgram()
{
    const char *const candidates[] = {"gnome-system-monitor", "plasma-systemmonitor", "ksysguard",
                                      "xfce4-taskmanager", "mate-system-monitor", "hardinfo"};
    for (const char *candidate : candidates) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void AboutBox::startSystemInfo()
{
    const QString program = systemInfoProgram();
    if (!program.isEmpty())
        m_shell.startDetached(program);
}
