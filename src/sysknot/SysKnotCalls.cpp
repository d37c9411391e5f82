#include "SysKnotCalls.h"

void SysKnotCalls::F_WIN_窗口拖动(QWidget *) {}
void SysKnotCalls::F_WIN_窗口最顶层(QWidget *, bool) {}
void SysKnotCalls::F_ICON_在通知区域显示图标(QWidget *, qint32, const QString &, const QString &, const QIcon &) {}
void SysKnotCalls::F_ICON_删除通知区域的图标(QWidget *, qint32) {}
qint32 SysKnotCalls::F_Dialog_文件属性对话框(QWidget *, const QString &) { return -1; }
QString SysKnotCalls::F_Dialog_搜索目录对话框(QWidget *, const QString &, const QString &) { return {}; }
QString SysKnotCalls::F_Dialog_打开或保存文件对话框(QWidget *, SysKnot::E打开文件对话框, const QString &, const QString &, const QString &, bool) { return {}; }
void SysKnotCalls::F_WIN9X_暂时禁止用户操作(double) {}
QString SysKnotCalls::F_WIN9X_获取机器名() { return {}; }
void SysKnotCalls::F_WIN_窗口置顶层(QWidget *) {}

QVariant SysKnotCalls::call(qint32 memberId, const QVariantList &args)
{
    return m_control.invoke(memberId, args).value;
}
