#pragma once

#include "SysKnot.h"

// How the programs call their control: each call goes through the late-bound entry by member id,
// with the window given as a widget (its top-level window's handle is passed).
class SYSKNOT_EXPORT SysKnotCalls
{
public:
    explicit SysKnotCalls(SysKnot &control) : m_control(control) {}

    SysKnot &control() const { return m_control; }

    void F_WIN_窗口拖动(QWidget *window);
    void F_WIN_窗口最顶层(QWidget *window, bool top);
    void F_ICON_在通知区域显示图标(QWidget *window, qint32 id, const QString &tip,
                                 const QString &iconFile, const QIcon &icon);
    void F_ICON_删除通知区域的图标(QWidget *window, qint32 id);
    qint32 F_Dialog_文件属性对话框(QWidget *owner, const QString &fileName);
    QString F_Dialog_搜索目录对话框(QWidget *owner, const QString &title, const QString &startDir);
    QString F_Dialog_打开或保存文件对话框(QWidget *owner, SysKnot::E打开文件对话框 openSave,
                                   const QString &filter, const QString &initDir = QString(),
                                   const QString &title = QString(), bool multiSelect = false);
    // Seconds as the caller has them (1.5 blocks for 2 seconds).
    void F_WIN9X_暂时禁止用户操作(double seconds);
    QString F_WIN9X_获取机器名();
    void F_WIN_窗口置顶层(QWidget *window);

private:
    QVariant call(qint32 memberId, const QVariantList &args);

    SysKnot &m_control;
};
