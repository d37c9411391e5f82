#include "SysKnot.h"

#include "InputBlocker.h"
#include "Prompter.h"

#include <QSysInfo>
#include <QSystemTrayIcon>

SysKnot::SysKnot(Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_prompter(prompter), m_blocker(new InputBlocker(this))
{
    setObjectName(QStringLiteral("SysKnot1"));
    hide();
}

SysKnot::~SysKnot() = default;

qint64 SysKnot::handleOf(QWidget *window)
{
    return window ? static_cast<qint64>(window->window()->winId()) : 0;
}

QWidget *SysKnot::windowOf(qint64 handle)
{
    return handle > 0 ? QWidget::find(static_cast<WId>(handle)) : nullptr;
}

bool SysKnot::notificationAreaAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

SysKnot::DispatchResult SysKnot::invoke(qint32, const QVariantList &)
{
    return {false, {}, QStringLiteral("not yet")};
}

QVariant SysKnot::F_WIN_窗口拖动(qint64) { return {}; }
void SysKnot::F_WIN_窗口最顶层(qint64, qint16) {}
void SysKnot::F_ICON_在通知区域显示图标(qint64, qint32, const QString &, const QString &, const QIcon &) {}
void SysKnot::F_ICON_删除通知区域的图标(qint64, qint32) {}
qint32 SysKnot::F_Dialog_文件属性对话框(qint64, const QString &) { return -1; }
QString SysKnot::F_Dialog_搜索目录对话框(qint64, const QString &, const QString &, qint16, qint16) { return {}; }
QString SysKnot::F_Dialog_打开或保存文件对话框(qint64, qint32, const QString &, const QString &, const QString &, qint16) { return {}; }
QVariant SysKnot::F_WIN9X_暂时禁止用户操作(qint32) { return {}; }
QString SysKnot::F_WIN9X_获取机器名() { return QSysInfo::machineHostName(); }
QVariant SysKnot::F_WIN_窗口置顶层(qint64) { return {}; }

InputBlocker &SysKnot::inputBlocker() { return *m_blocker; }

QSystemTrayIcon *SysKnot::trayIcon(qint64 WinHwnd, qint32 id) const
{
    return m_icons.value(qMakePair(WinHwnd, id), nullptr);
}

QWidget *SysKnot::dialogOwner(qint64 handle) const
{
    QWidget *owner = windowOf(handle);
    return owner ? owner : window();
}
