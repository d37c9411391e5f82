#include "SysKnotCalls.h"

#include <QDebug>

namespace {
QVariant handle(QWidget *window)
{
    return QVariant(SysKnot::handleOf(window));
}
} // namespace

void SysKnotCalls::F_WIN_窗口拖动(QWidget *window)
{
    call(SysKnotId::F_WIN_窗口拖动, {handle(window)});
}

void SysKnotCalls::F_WIN_窗口最顶层(QWidget *window, bool top)
{
    call(SysKnotId::F_WIN_窗口最顶层, {handle(window), QVariant(top)});
}

void SysKnotCalls::F_ICON_在通知区域显示图标(QWidget *window, qint32 id, const QString &tip,
                                           const QString &iconFile, const QIcon &icon)
{
    call(SysKnotId::F_ICON_在通知区域显示图标,
         {handle(window), QVariant(id), QVariant(tip), QVariant(iconFile), QVariant(icon)});
}

void SysKnotCalls::F_ICON_删除通知区域的图标(QWidget *window, qint32 id)
{
    call(SysKnotId::F_ICON_删除通知区域的图标, {handle(window), QVariant(id)});
}

qint32 SysKnotCalls::F_Dialog_文件属性对话框(QWidget *owner, const QString &fileName)
{
    return call(SysKnotId::F_Dialog_文件属性对话框, {handle(owner), QVariant(fileName)}).toInt();
}

QString SysKnotCalls::F_Dialog_搜索目录对话框(QWidget *owner, const QString &title,
                                           const QString &startDir)
{
    return call(SysKnotId::F_Dialog_搜索目录对话框, {handle(owner), QVariant(title), QVariant(startDir)})
        .toString();
}

QString SysKnotCalls::F_Dialog_打开或保存文件对话框(QWidget *owner, SysKnot::E打开文件对话框 openSave,
                                             const QString &filter, const QString &initDir,
                                             const QString &title, bool multiSelect)
{
    return call(SysKnotId::F_Dialog_打开或保存文件对话框,
                {handle(owner), QVariant(static_cast<int>(openSave)), QVariant(filter),
                 QVariant(initDir), QVariant(title), QVariant(multiSelect)})
        .toString();
}

void SysKnotCalls::F_WIN9X_暂时禁止用户操作(double seconds)
{
    call(SysKnotId::F_WIN9X_暂时禁止用户操作, {QVariant(seconds)});
}

QString SysKnotCalls::F_WIN9X_获取机器名()
{
    return call(SysKnotId::F_WIN9X_获取机器名, {}).toString();
}

void SysKnotCalls::F_WIN_窗口置顶层(QWidget *window)
{
    call(SysKnotId::F_WIN_窗口置顶层, {handle(window)});
}

QVariant SysKnotCalls::call(qint32 memberId, const QVariantList &args)
{
    const SysKnot::DispatchResult result = m_control.invoke(memberId, args);
    if (!result.ok)
        qWarning("SysKnot1 call 0x%08x failed: %s", static_cast<unsigned>(memberId),
                 qUtf8Printable(result.error));
    return result.value;
}
