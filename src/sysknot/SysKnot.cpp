#include "SysKnot.h"

#include "DispatchArgs.h"
#include "FilePropertiesWindow.h"
#include "FileSelectionText.h"
#include "InputBlocker.h"
#include "Prompter.h"
#include "WindowDragger.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QStyle>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QWindow>

namespace {

const QString ControlTitle = QStringLiteral("SysKnot控件。。。");

QIcon iconFromFile(const QString &path)
{
    QString file = path;
    if (!QFileInfo::exists(file) && file.contains(u'\\'))
        file.replace(u'\\', u'/');
    QImageReader reader(file);
    if (!reader.canRead())
        return QIcon();
    QIcon icon(file);
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}

QIcon iconFromVariant(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QIcon:
        return value.value<QIcon>();
    case QMetaType::QPixmap:
        return QIcon(value.value<QPixmap>());
    case QMetaType::QImage:
        return QIcon(QPixmap::fromImage(value.value<QImage>()));
    default:
        return QIcon();
    }
}

bool isIconArgument(const QVariant &value)
{
    if (!value.isValid())
        return true;
    switch (value.typeId()) {
    case QMetaType::QIcon:
    case QMetaType::QPixmap:
    case QMetaType::QImage:
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        // A null handle is the only number that can stand for "no icon".
        return value.toDouble() == 0;
    default:
        return false;
    }
}

} // namespace

SysKnot::SysKnot(Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_prompter(prompter), m_blocker(new InputBlocker(this)),
      m_dragger(new WindowDragger(this))
{
    setObjectName(QStringLiteral("SysKnot1"));
    setAttribute(Qt::WA_DontShowOnScreen);
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

SysKnot::DispatchResult SysKnot::invoke(qint32 memberId, const QVariantList &args)
{
    DispatchArgs in(args);
    DispatchResult out;
    auto finish = [&out, &in](const QVariant &value) {
        out.ok = in.ok();
        out.error = in.error();
        if (out.ok)
            out.value = value;
        return out;
    };

    switch (memberId) {
    case SysKnotId::F_WIN_窗口拖动: {
        if (!in.expect(1, 1))
            return finish({});
        const qint64 window = in.int64(0);
        return finish(in.ok() ? F_WIN_窗口拖动(window) : QVariant());
    }
    case SysKnotId::F_WIN_窗口最顶层: {
        if (!in.expect(2, 2))
            return finish({});
        const qint64 window = in.int64(0);
        const qint16 top = in.boolean(1);
        if (in.ok())
            F_WIN_窗口最顶层(window, top);
        return finish({});
    }
    case SysKnotId::F_ICON_在通知区域显示图标: {
        if (!in.expect(5, 5))
            return finish({});
        const qint64 window = in.int64(0);
        const qint32 id = in.int32(1);
        const QString tip = in.string(2);
        const QString file = in.string(3);
        if (in.ok() && !isIconArgument(in.raw(4)))
            in.fail(4, QString::fromUtf8(DispatchArgs::TypeMismatch));
        if (in.ok())
            F_ICON_在通知区域显示图标(window, id, tip, file, iconFromVariant(in.raw(4)));
        return finish({});
    }
    case SysKnotId::F_ICON_删除通知区域的图标: {
        if (!in.expect(2, 2))
            return finish({});
        const qint64 window = in.int64(0);
        const qint32 id = in.int32(1);
        if (in.ok())
            F_ICON_删除通知区域的图标(window, id);
        return finish({});
    }
    case SysKnotId::F_Dialog_文件属性对话框: {
        if (!in.expect(2, 2))
            return finish({});
        const qint64 window = in.int64(0);
        const QString file = in.string(1);
        return finish(in.ok() ? QVariant(F_Dialog_文件属性对话框(window, file)) : QVariant());
    }
    case SysKnotId::F_Dialog_搜索目录对话框: {
        if (!in.expect(3, 5))
            return finish({});
        const qint64 window = in.int64(0);
        const QString title = in.string(1);
        const QString start = in.string(2);
        const qint16 showFile = in.boolean(3, 0);
        const qint16 newFace = in.boolean(4, 0);
        return finish(in.ok() ? QVariant(F_Dialog_搜索目录对话框(window, title, start, showFile, newFace))
                              : QVariant());
    }
    case SysKnotId::F_Dialog_打开或保存文件对话框: {
        if (!in.expect(3, 6))
            return finish({});
        const qint64 window = in.int64(0);
        const qint32 openSave = in.int32(1);
        const QString filter = in.string(2);
        const QString initDir = in.string(3);
        const QString title = in.string(4);
        const qint16 multi = in.boolean(5, 0);
        return finish(in.ok() ? QVariant(F_Dialog_打开或保存文件对话框(window, openSave, filter, initDir,
                                                                  title, multi))
                              : QVariant());
    }
    case SysKnotId::F_WIN9X_暂时禁止用户操作: {
        if (!in.expect(1, 1))
            return finish({});
        const qint32 seconds = in.int32(0);
        return finish(in.ok() ? F_WIN9X_暂时禁止用户操作(seconds) : QVariant());
    }
    case SysKnotId::F_WIN9X_获取机器名:
        if (!in.expect(0, 0))
            return finish({});
        return finish(F_WIN9X_获取机器名());
    case SysKnotId::F_WIN_窗口置顶层: {
        if (!in.expect(1, 1))
            return finish({});
        const qint64 window = in.int64(0);
        return finish(in.ok() ? F_WIN_窗口置顶层(window) : QVariant());
    }
    default:
        out.ok = false;
        out.error = QStringLiteral("找不到成员 0x%1").arg(static_cast<quint32>(memberId), 8, 16, QChar(u'0'));
        return out;
    }
}

QVariant SysKnot::F_WIN_窗口拖动(qint64 WinHwnd)
{
    QWidget *window = windowOf(WinHwnd);
    if (!window)
        return {};
    QWindow *handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return {};
    // The window system runs no move loop of its own here: follow the mouse ourselves.
    m_dragger->start(window, QCursor::pos());
    return {};
}

void SysKnot::F_WIN_窗口最顶层(qint64 WinHwnd, qint16 bTop)
{
    QWidget *window = windowOf(WinHwnd);
    if (!window)
        return;
    const Qt::WindowFlags flags = bTop ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                       : window->windowFlags() & ~Qt::WindowStaysOnTopHint;
    if (flags != window->windowFlags()) {
        if (QWindow *handle = window->windowHandle()) {
            // setWindowFlags would hide and recreate the window; changing the hint in place keeps
            // its place and size.
            window->overrideWindowFlags(flags);
            handle->setFlags(flags);
        } else {
            window->setWindowFlags(flags);
        }
    }
    if (!window->isVisible())
        window->show();
}

void SysKnot::F_ICON_在通知区域显示图标(qint64 WinHwnd, qint32 id, const QString &Msg,
                                      const QString &sIconFilePath, const QIcon &hIcon)
{
    QIcon icon;
    const QString file = sIconFilePath.trimmed();
    if (!file.isEmpty())
        icon = iconFromFile(file);
    if (icon.isNull())
        icon = hIcon;
    // An icon without a picture shows nothing, and a hidden host could never come back.
    if (icon.isNull())
        icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);

    const auto key = qMakePair(WinHwnd, id);
    QSystemTrayIcon *tray = m_icons.value(key, nullptr);
    if (!tray) {
        tray = new QSystemTrayIcon(this);
        tray->setObjectName(QStringLiteral("TrayIcon(%1)").arg(id));
        connect(tray, &QSystemTrayIcon::activated, this,
                [this, id](QSystemTrayIcon::ActivationReason reason) { iconActivated(id, reason); });
        m_icons.insert(key, tray);
    }
    tray->setIcon(icon);
    tray->setToolTip(Msg);
    tray->show();
}

void SysKnot::F_ICON_删除通知区域的图标(qint64 WinHwnd, qint32 id)
{
    QSystemTrayIcon *tray = m_icons.take(qMakePair(WinHwnd, id));
    if (!tray)
        return;
    tray->hide();
    tray->deleteLater();
}

void SysKnot::iconActivated(qint32 id, int reason)
{
    // The icon reports whole clicks; replay them as the press and release a host listens for.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Q_EMIT MouseDown(1, id);
        Q_EMIT MouseUp(1, id);
        break;
    case QSystemTrayIcon::DoubleClick:
        Q_EMIT MouseDblClick(1, id);
        Q_EMIT MouseUp(1, id);
        break;
    case QSystemTrayIcon::Context:
        Q_EMIT MouseDown(2, id);
        Q_EMIT MouseUp(2, id);
        break;
    default:
        break;
    }
}

qint32 SysKnot::F_Dialog_文件属性对话框(qint64 WinHwnd, const QString &sFileName)
{
    const QFileInfo file(sFileName);
    if (sFileName.isEmpty() || !file.exists())
        return -1;
    auto *properties = new FilePropertiesWindow(file, dialogOwner(WinHwnd));
    properties->show();
    properties->raise();
    properties->activateWindow();
    return 0;
}

QString SysKnot::F_Dialog_搜索目录对话框(qint64 WinHwnd, const QString &sTitleMsg,
                                      const QString &sStartDir, qint16, qint16)
{
    const QString start = QFileInfo(sStartDir).isDir() && !sStartDir.isEmpty() ? sStartDir
                                                                              : QDir::homePath();
    return m_prompter.folder(dialogOwner(WinHwnd), sTitleMsg, start);
}

QString SysKnot::F_Dialog_打开或保存文件对话框(qint64 WinHwnd, qint32 EOpenSave, const QString &sFilter,
                                        const QString &sInitDir, const QString &sDialTitle,
                                        qint16 bAllowMultiSelect)
{
    QWidget *owner = dialogOwner(WinHwnd);
    const QString filter = Prompter::qtFilter(sFilter);
    if (EOpenSave == F_E_保存文件)
        return m_prompter.saveFile(owner, sDialTitle, sInitDir, filter);
    if (EOpenSave != F_E_打开文件) {
        m_prompter.message(owner, QStringLiteral("出错！参数:OpenSave 未指明操作。"), ControlTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Information);
        return QString();
    }

    const bool multi = bAllowMultiSelect != 0;
    const QStringList chosen = m_prompter.openFiles(owner, sDialTitle, sInitDir, filter, multi);
    const FileSelectionText::Result result = FileSelectionText::compose(chosen, multi);
    if (!result.refused.isEmpty()) {
        QStringList shown;
        for (const QString &path : result.refused)
            shown << QDir::toNativeSeparators(path);
        m_prompter.message(owner,
                           QStringLiteral("下列文件的路径中含有“:”，无法选用：\n") + shown.join(u'\n'),
                           ControlTitle, Prompter::Buttons::Ok, Prompter::Icon::Information);
    }
    return result.text;
}

QVariant SysKnot::F_WIN9X_暂时禁止用户操作(qint32 lSeconds)
{
    m_blocker->block(lSeconds);
    return {};
}

QString SysKnot::F_WIN9X_获取机器名()
{
    return QSysInfo::machineHostName().left(255);
}

QVariant SysKnot::F_WIN_窗口置顶层(qint64 WinHwnd)
{
    if (QWidget *window = windowOf(WinHwnd)) {
        window->raise();
        window->activateWindow();
    }
    return {};
}

InputBlocker &SysKnot::inputBlocker()
{
    return *m_blocker;
}

QSystemTrayIcon *SysKnot::trayIcon(qint64 WinHwnd, qint32 id) const
{
    return m_icons.value(qMakePair(WinHwnd, id), nullptr);
}

QWidget *SysKnot::dialogOwner(qint64 handle) const
{
    QWidget *owner = windowOf(handle);
    return owner ? owner : window();
}
