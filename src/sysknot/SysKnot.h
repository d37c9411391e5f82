#pragma once

#include "SysKnotExport.h"

#include <QIcon>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QWidget>

class Prompter;
class InputBlocker;
class WindowDragger;
class QSystemTrayIcon;

// Dispatch member ids of the control, under the names of the methods they reach.
namespace SysKnotId {
inline constexpr qint32 F_WIN_窗口拖动 = 0x60030027;
inline constexpr qint32 F_WIN_窗口最顶层 = 0x6003002e;
inline constexpr qint32 F_ICON_在通知区域显示图标 = 0x60030035;
inline constexpr qint32 F_ICON_删除通知区域的图标 = 0x60030036;
inline constexpr qint32 F_Dialog_文件属性对话框 = 0x60030053;
inline constexpr qint32 F_Dialog_搜索目录对话框 = 0x6003005a;
inline constexpr qint32 F_Dialog_打开或保存文件对话框 = 0x60030096;
inline constexpr qint32 F_WIN9X_暂时禁止用户操作 = 0x60030099;
inline constexpr qint32 F_WIN9X_获取机器名 = 0x600300a7;
inline constexpr qint32 F_WIN_窗口置顶层 = 0x600300dd;
} // namespace SysKnotId

// The helper control: desktop services for a host window, reachable as typed methods and, late
// bound, through invoke() by member id. A host places one instance (an invisible child named
// "SysKnot1") on one of its windows; every dialog goes through the host's Prompter.
//
// Window handles: a handle is the WId of a window (QWidget::winId(), normally of a top-level
// window) as a 64-bit integer; handleOf() makes one and windowOf() finds the widget back through
// QWidget::find(). A handle that names no window of this process is ignored, as are 0 and
// negative values.
//
// Booleans passed in are true for any non-zero value; -1 is the conventional true.
class SYSKNOT_EXPORT SysKnot : public QWidget
{
    Q_OBJECT
public:
    enum E打开文件对话框 { F_E_打开文件 = 0, F_E_保存文件 = 1 };

    // Outcome of a late-bound call. `ok` false means the call did not run (unknown member id,
    // missing or unconvertible argument) and `error` says why; `value` is invalid for methods
    // that give an empty variant or nothing.
    struct DispatchResult
    {
        bool ok = true;
        QVariant value;
        QString error;
    };

    explicit SysKnot(Prompter &prompter, QWidget *parent = nullptr);
    ~SysKnot() override;

    static qint64 handleOf(QWidget *window);
    static QWidget *windowOf(qint64 handle);
    // Whether the desktop shows notification-area icons at all. Without one, a host must not hide
    // a window whose only way back is its icon.
    static bool notificationAreaAvailable();

    // Late-bound entry: arguments in declaration order, optional trailing ones may be left out.
    // Numbers are converted as the member declares them (doubles to the nearest integer, halves to
    // even; strings that hold a number are read as that number; Booleans become -1/0).
    DispatchResult invoke(qint32 memberId, const QVariantList &args);

    // Starts moving the window with the mouse, as if its caption were pressed. Call it from a
    // mouse-press handler; the move ends when the button is released.
    QVariant F_WIN_窗口拖动(qint64 WinHwnd);
    // Puts the window into or out of the always-on-top band, without moving or resizing it, and
    // shows it.
    void F_WIN_窗口最顶层(qint64 WinHwnd, qint16 bTop);
    // Adds (or, for a pair already added, updates) the notification-area icon `id` of the window.
    // The picture file (blanks trimmed) wins over `hIcon`; a file that gives no picture falls back
    // to `hIcon`, then to the application's icon. An empty `Msg` sets no tip.
    void F_ICON_在通知区域显示图标(qint64 WinHwnd, qint32 id, const QString &Msg,
                                 const QString &sIconFilePath, const QIcon &hIcon);
    void F_ICON_删除通知区域的图标(qint64 WinHwnd, qint32 id);
    // Opens a non-modal properties window for the file and returns at once: 0, or -1 when the
    // file does not exist.
    qint32 F_Dialog_文件属性对话框(qint64 WinHwnd, const QString &sFileName);
    // A folder chosen by the user, "" on cancel. A start folder that does not exist here starts
    // at the user's home folder. `bShowFile` and `bNewFace` do not change the dialog.
    QString F_Dialog_搜索目录对话框(qint64 WinHwnd, const QString &sTitleMsg, const QString &sStartDir,
                                 qint16 bShowFile = 0, qint16 bNewFace = 0);
    // Open (existing file) or save (overwrite confirmed) dialog; `sFilter` is
    // "description|pattern|...". One file gives its full path; several give the folder (no
    // trailing separator) and each name, all separated by ":". "" on cancel.
    QString F_Dialog_打开或保存文件对话框(qint64 WinHwnd, qint32 EOpenSave, const QString &sFilter,
                                   const QString &sInitDir = QString(),
                                   const QString &sDialTitle = QString(),
                                   qint16 bAllowMultiSelect = 0);
    // Swallows keyboard and mouse input to every window of this program for `lSeconds` seconds
    // while painting and timers go on; returns at once.
    QVariant F_WIN9X_暂时禁止用户操作(qint32 lSeconds);
    QString F_WIN9X_获取机器名();
    // Raises and activates the window; it does not become topmost.
    QVariant F_WIN_窗口置顶层(qint64 WinHwnd);

    // For tests: the running input block (its tick() ends it) and an added icon.
    InputBlocker &inputBlocker();
    QSystemTrayIcon *trayIcon(qint64 WinHwnd, qint32 id) const;

Q_SIGNALS:
    // Mouse on a notification-area icon: Button 1 = left, 2 = right; id as given when added.
    void MouseDown(qint16 Button, qint32 id);
    void MouseDblClick(qint16 Button, qint32 id);
    void MouseUp(qint16 Button, qint32 id);

private:
    QWidget *dialogOwner(qint64 handle) const;
    void iconActivated(qint32 id, int reason);

    Prompter &m_prompter;
    InputBlocker *m_blocker = nullptr;
    WindowDragger *m_dragger = nullptr;
    QMap<QPair<qint64, qint32>, QSystemTrayIcon *> m_icons;
};
