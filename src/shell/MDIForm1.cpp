#include "MDIForm1.h"

#include "ProgramFolder.h"
#include "Prompter.h"
#include "Shell.h"
#include "SysKnot.h"
#include "SysKnotCalls.h"
#include "frmAbout.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString indexed(const QString &arrayName, int index)
{
    return arrayName + u'(' + QString::number(index) + u')';
}

} // namespace

MDIForm1::MDIForm1(const PlatformServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_engine(*this)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Keyloom"));
    setWindowIcon(QIcon(ProgramFolder::path(QStringLiteral("\\plugs1.ico"))));
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MDIClient"));
    m_area->setAccessibleName(QStringLiteral("练习窗口区"));
    setCentralWidget(m_area);

    if (m_services.prompter) {
        m_sysKnot = new SysKnot(*m_services.prompter, this);
        m_sysKnot->setObjectName(QStringLiteral("SysKnot1"));
        m_sysKnot->hide();
        m_sysKnotCalls = std::make_unique<SysKnotCalls>(*m_sysKnot);
    }
    m_modalRunner = [](QDialog &dialog) { dialog.exec(); };
    buildMenus();
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::registerWindow(const QString &windowName, WindowFactory factory)
{
    m_windowFactories.insert(windowName, std::move(factory));
}

void MDIForm1::registerDialog(const QString &dialogName, DialogFactory factory)
{
    m_dialogFactories.insert(dialogName, std::move(factory));
}

void MDIForm1::setMenuHandler(const QString &menuName, MenuHandler handler)
{
    m_menuHandlers.insert(menuName, std::move(handler));
}

void MDIForm1::setModalRunner(ModalRunner runner)
{
    m_modalRunner = std::move(runner);
}

QMenu *MDIForm1::addMenu(QMenu *parent, const QString &name, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    m_menuActions.insert(name, menu->menuAction());
    return menu;
}

QAction *MDIForm1::addEntry(QMenu *menu, const QString &arrayName, int index, const QString &caption)
{
    QAction *action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(indexed(arrayName, index));
    QList<QAction *> &list = m_entries[arrayName];
    if (list.size() <= index)
        list.resize(index + 1);
    list[index] = action;
    return action;
}

void MDIForm1::buildMenus()
{
    menuBar()->setAccessibleName(QStringLiteral("菜单栏"));

    QMenu *tt = addMenu(nullptr, QStringLiteral("Mmutt"), QStringLiteral("指法练习"));
    const QStringList ttCaptions = {
        QStringLiteral("全键盘练习"),       QStringLiteral("ASDFJKL；(基本键)"),
        QStringLiteral("EI键练习"),         QStringLiteral("GH键练习"),
        QStringLiteral("WQOP键练习"),       QStringLiteral("VBMN键练习"),
        QStringLiteral("CXZ?键练习"),       QStringLiteral("符号键"),
        QStringLiteral("数字键练习"),       QStringLiteral("自定义"),
        QStringLiteral("-"),                QStringLiteral("英文全文打字"),
        QStringLiteral("-"),                QStringLiteral("自由录入练习")};
    for (int i = 0; i < ttCaptions.size(); ++i) {
        QAction *a = addEntry(tt, QStringLiteral("MmuTT1"), i, ttCaptions.at(i));
        if (!a->isSeparator()) {
            a->setCheckable(true);
            connect(a, &QAction::triggered, this, [this, i] { MmuTT1Click(i); });
        }
    }

    QAction *wt = menuBar()->addAction(QStringLiteral("五笔练习"));
    wt->setObjectName(QStringLiteral("MmuWT"));
    m_menuActions.insert(QStringLiteral("MmuWT"), wt);
    connect(wt, &QAction::triggered, this, [this] { ShowPracticeWindow(QStringLiteral("FomWT")); });

    QMenu *qw = addMenu(nullptr, QStringLiteral("MmuQW"), QStringLiteral("文章和词组"));
    const QStringList qwCaptions = {
        QStringLiteral("自选"),   QStringLiteral("-"),      QStringLiteral("一级"),
        QStringLiteral("二级"),   QStringLiteral("三级"),   QStringLiteral("四级"),
        QStringLiteral("五级"),   QStringLiteral("六级"),   QStringLiteral("-"),
        QStringLiteral("双字词"), QStringLiteral("三字词"), QStringLiteral("四字词"),
        QStringLiteral("多字词")};
    for (int i = 0; i < qwCaptions.size(); ++i) {
        QAction *a = addEntry(qw, QStringLiteral("MmuQW1"), i, qwCaptions.at(i));
        if (!a->isSeparator()) {
            a->setCheckable(true);
            connect(a, &QAction::triggered, this, [this, i] { MmuQW1Click(i); });
        }
    }

    QAction *game = menuBar()->addAction(QStringLiteral("游戏"));
    game->setObjectName(QStringLiteral("MmuGame"));
    m_menuActions.insert(QStringLiteral("MmuGame"), game);
    connect(game, &QAction::triggered, this, [this] { ShowPracticeWindow(QStringLiteral("FomGame")); });

    QAction *result = menuBar()->addAction(QStringLiteral("成绩库"));
    result->setObjectName(QStringLiteral("MmuResult"));
    m_menuActions.insert(QStringLiteral("MmuResult"), result);
    connect(result, &QAction::triggered, this,
            [this] { ShowPracticeWindow(QStringLiteral("FomResult")); });

    QMenu *plug = addMenu(nullptr, QStringLiteral("MmuPlug"), QStringLiteral("插件"));
    const QStringList plugCaptions = {QStringLiteral("插件管理"), QStringLiteral("glyphdex"),
                                      QStringLiteral("Lanwren1.0")};
    for (int i = 0; i < plugCaptions.size(); ++i) {
        QAction *a = addEntry(plug, QStringLiteral("MmuPlug1"), i, plugCaptions.at(i));
        connect(a, &QAction::triggered, this, [this, i] { MmuPlug1Click(i); });
    }
    entry(QStringLiteral("MmuPlug1"), 0)->setVisible(false);

    QMenu *set = addMenu(nullptr, QStringLiteral("MmuSet"), QStringLiteral("设置"));
    const QStringList setCaptions = {QStringLiteral("用户设置"), QStringLiteral("管理员设置")};
    for (int i = 0; i < setCaptions.size(); ++i) {
        QAction *a = addEntry(set, QStringLiteral("MmuSet1"), i, setCaptions.at(i));
        connect(a, &QAction::triggered, this, [this, i] { MmuSet1Click(i); });
    }

    QMenu *help = addMenu(nullptr, QStringLiteral("MmuHelp"), QStringLiteral("帮助"));
    const QStringList helpCaptions = {QStringLiteral("内容"),         QStringLiteral("给作者写信"),
                                      QStringLiteral("提供宝贵意见"), QStringLiteral("报告BUG"),
                                      QStringLiteral("下载Quillmark输入法"), QStringLiteral("关于")};
    for (int i = 0; i < helpCaptions.size(); ++i) {
        QAction *a = addEntry(help, QStringLiteral("MmuHelp1"), i, helpCaptions.at(i));
        connect(a, &QAction::triggered, this, [this, i] { MmuHelp1Click(i); });
    }

    // Pop-up menus of the practice windows: owned here, never on the menu bar.
    auto popup = [this](const QString &name, const QString &caption, const QString &arrayName,
                        const QStringList &captions) {
        auto *menu = new QMenu(caption, this);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menu->menuAction()->setVisible(false);
        m_menus.insert(name, menu);
        m_menuActions.insert(name, menu->menuAction());
        for (int i = 0; i < captions.size(); ++i) {
            QAction *a = addEntry(menu, arrayName, i, captions.at(i));
            connect(a, &QAction::triggered, this, [this, arrayName, a, i] {
                const auto handler = m_menuHandlers.value(arrayName);
                if (handler)
                    handler(*this, a->text(), i);
            });
        }
    };
    popup(QStringLiteral("MnuQWRight"), QString(), QStringLiteral("MnuQWRight1"),
          {QStringLiteral("加入生字本"), QStringLiteral("打开生字本"), QStringLiteral("复制编码"),
           QStringLiteral("帮助")});
    popup(QStringLiteral("MmuWZK"), QStringLiteral("文章库"), QStringLiteral("MmuWZK1"),
          {QStringLiteral("打开"), QStringLiteral("打开文件夹"), QStringLiteral("共享"),
           QStringLiteral("资料"), QStringLiteral("属性")});
    QAction *share = entry(QStringLiteral("MmuWZK1"), 2);
    share->setCheckable(true);
    share->setChecked(true);
}

QMenu *MDIForm1::menu(const QString &name) const
{
    return m_menus.value(name);
}

QAction *MDIForm1::entry(const QString &arrayName, int index) const
{
    const QList<QAction *> list = m_entries.value(arrayName);
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

QList<QAction *> MDIForm1::entries(const QString &arrayName) const
{
    return m_entries.value(arrayName);
}

QAction *MDIForm1::menuAction(const QString &name) const
{
    return m_menuActions.value(name);
}

QString MDIForm1::userListFolder() const
{
    return ProgramFolder::path(QStringLiteral("\\MdbSet\\UserList\\"));
}

QStringList MDIForm1::userNames() const
{
    return QDir(userListFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

const QStringList &MDIForm1::practiceWindowNames()
{
    static const QStringList names = {QStringLiteral("FomTT"),  QStringLiteral("FomEnglish"),
                                      QStringLiteral("FomFreeInput"), QStringLiteral("FomWT"),
                                      QStringLiteral("FomQW"),  QStringLiteral("FomGame"),
                                      QStringLiteral("FomResult")};
    return names;
}

void MDIForm1::start()
{
    m_adminSettings = AdminSettings::load();
    applyAdminMenuStates();

    // The main window is up first, so the login window has something to sit over. Without a window
    // manager there is nobody to maximise it, so it takes the screen's size itself.
    if (QScreen *where = screen())
        setGeometry(where->availableGeometry());
    showMaximized();
    if (m_adminSettings.singleUser())
        OpenLastWindow();
    else
        showDialog(QStringLiteral("FomLogin"));
}

void MDIForm1::applyAdminMenuStates()
{
    if (m_adminSettings.DisableGame == 1)
        menuAction(QStringLiteral("MmuGame"))->setEnabled(false);
    QAction *chat = entry(QStringLiteral("MmuPlug1"), 2);
    if (m_adminSettings.DisableChat == 1)
        chat->setEnabled(false);
    // A deleted chat stays choosable so that choosing it says why it will not start.
    if (m_adminSettings.ChatDeleted == 1)
        chat->setEnabled(true);
}

void MDIForm1::OpenLastWindow()
{
    UserRecord record;
    if (LoadUserRecord(record, m_adminSettings.SingleUserName))
        setCurrentUser(record, m_adminSettings.SingleUserName);
    OpenWindowByName(m_currentUser.LastWindow);
}

void MDIForm1::setCurrentUser(const UserRecord &record, const QString &loginName)
{
    m_currentUser = record;
    m_currentUserName = loginName;
}

void MDIForm1::clearCurrentUser()
{
    m_currentUser = UserRecord();
    m_currentUserName.clear();
}

QWidget *MDIForm1::OpenWindowByName(const QString &lastWindow)
{
    static const QStringList table = {QStringLiteral("FomTT"), QStringLiteral("FomFreeInput"),
                                      QStringLiteral("FomEnglish"), QStringLiteral("FomWT"),
                                      QStringLiteral("FomQW"), QStringLiteral("FomGame")};
    if (!table.contains(lastWindow) || !m_windowFactories.contains(lastWindow))
        return nullptr;
    closeOpenWindow();
    return openWindow(lastWindow);
}

QWidget *MDIForm1::ShowPracticeWindow(const QString &windowName)
{
    m_adminAuthorised = false;
    if (!m_windowFactories.contains(windowName))
        return nullptr;
    closeOpenWindow();
    return openWindow(windowName);
}

void MDIForm1::closeOpenWindow()
{
    if (m_openSub) {
        QMdiSubWindow *sub = m_openSub;
        m_openSub = nullptr;
        m_openName.clear();
        sub->close();
        // A window that refused to close is closed all the same: only one may be open.
        delete sub;
    }
}

QWidget *MDIForm1::openWindow(const QString &windowName)
{
    QWidget *window = m_windowFactories.value(windowName)(*this);
    if (!window)
        return nullptr;
    if (window->objectName().isEmpty())
        window->setObjectName(windowName);
    // Borderless and without a control box: the menus choose the window, not buttons in the menu bar.
    QMdiSubWindow *sub = m_area->addSubWindow(window, Qt::SubWindow | Qt::FramelessWindowHint);
    sub->setSystemMenu(nullptr);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    m_openSub = sub;
    m_openName = windowName;
    sub->showMaximized();
    return window;
}

QWidget *MDIForm1::openPracticeWindow() const
{
    return m_openSub ? m_openSub->widget() : nullptr;
}

bool MDIForm1::showDialog(const QString &dialogName)
{
    const DialogFactory factory = m_dialogFactories.value(dialogName);
    if (!factory)
        return false;
    QDialog *dialog = factory(*this);
    if (!dialog)
        return false;
    runModal(*dialog);
    delete dialog;
    return true;
}

void MDIForm1::runModal(QDialog &dialog)
{
    if (dialog.parentWidget() && dialog.isWindow()) {
        const QRect over = frameGeometry();
        dialog.adjustSize();
        dialog.move(over.center() - dialog.rect().center());
    }
    m_modalRunner(dialog);
}

void MDIForm1::MmuTT1Click(int index)
{
    QAction *clicked = entry(QStringLiteral("MmuTT1"), index);
    if (!clicked || clicked->isSeparator())
        return;
    for (QAction *a : entries(QStringLiteral("MmuTT1")))
        a->setChecked(false);
    const QString caption = clicked->text();
    if (caption == u"英文全文打字") {
        if (QWidget *english = ShowPracticeWindow(QStringLiteral("FomEnglish"))) {
            if (auto *input = english->findChild<QWidget *>(QStringLiteral("Rich2(1)")))
                input->setFocus();
        }
        return;
    }
    if (caption == u"自由录入练习") {
        ShowPracticeWindow(QStringLiteral("FomFreeInput"));
        return;
    }
    clicked->setChecked(true);
    m_currentUser.DrillIndex = index;
    if (const auto handler = m_menuHandlers.value(QStringLiteral("MmuTT1")))
        handler(*this, caption, index);
}

void MDIForm1::MmuQW1Click(int index)
{
    QAction *clicked = entry(QStringLiteral("MmuQW1"), index);
    if (!clicked || clicked->isSeparator())
        return;
    for (QAction *a : entries(QStringLiteral("MmuQW1")))
        a->setChecked(false);
    clicked->setChecked(true);
    if (!ShowPracticeWindow(QStringLiteral("FomQW")))
        return;
    if (const auto handler = m_menuHandlers.value(QStringLiteral("MmuQW1")))
        handler(*this, clicked->text(), index);
}

void MDIForm1::MmuPlug1Click(int index)
{
    QAction *clicked = entry(QStringLiteral("MmuPlug1"), index);
    if (!clicked || !m_services.shell)
        return;
    QString program;
    if (clicked->text() == u"glyphdex") {
        program = ProgramFolder::path(QStringLiteral("\\glyphdex"));
    } else if (clicked->text() == u"Lanwren1.0") {
        if (m_adminSettings.ChatDeleted == 1) {
            if (m_services.prompter)
                m_services.prompter->message(this, QStringLiteral("Lanwren已经被管理员删除，不能启动！"),
                                             QStringLiteral("错误提示！"), Prompter::Buttons::Ok);
            return;
        }
        program = ProgramFolder::path(QStringLiteral("\\lanwren"));
    }
    if (!program.isEmpty() && QFileInfo(program).isFile())
        m_services.shell->startDetached(program, {}, true);
}

void MDIForm1::MmuSet1Click(int index)
{
    if (index == 0) {
        showDialog(QStringLiteral("FomUserSet"));
    } else if (index == 1) {
        showDialog(QStringLiteral("FomPassWord"));
        if (m_adminAuthorised)
            showDialog(QStringLiteral("FomGLY"));
    }
}

QString MDIForm1::authorMail()
{
    return QStringLiteral("keyloom.author@example.org");
}

QString MDIForm1::inputMethodPage()
{
    return QStringLiteral("https://fcitx-im.org/wiki/Fcitx_5");
}

void MDIForm1::MmuHelp1Click(int index)
{
    QAction *clicked = entry(QStringLiteral("MmuHelp1"), index);
    if (!clicked)
        return;
    const QString caption = clicked->text();
    if (caption == u"关于") {
        showAbout();
        return;
    }
    if (!m_services.shell)
        return;
    if (caption == u"内容") {
        m_services.shell->openPath(ProgramFolder::path(QStringLiteral("\\Keyloom帮助.htm")));
    } else if (caption == u"下载Quillmark输入法") {
        m_services.shell->open(QUrl(inputMethodPage()));
    } else if (caption == u"给作者写信" || caption == u"提供宝贵意见" || caption == u"报告BUG") {
        QUrl mail;
        mail.setScheme(QStringLiteral("mailto"));
        mail.setPath(authorMail());
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), u"keyloom：" + caption + u'！');
        mail.setQuery(query);
        m_services.shell->open(mail);
    }
}

void MDIForm1::showAbout()
{
    frmAbout about(m_services, this);
    runModal(about);
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    // The practice windows put their settings into the record as they close, so they go first.
    closeOpenWindow();
    if (!m_currentUserName.isEmpty()) {
        const SaveResult saved = SaveUserRecord(m_currentUser, m_currentUserName);
        if (!saved && m_services.prompter) {
            const Prompter::Answer answer = m_services.prompter->message(
                this,
                QStringLiteral("无法保存用户“%1”的设置，本次更改的设置将会丢失。\n%2\n\n仍然退出吗？")
                    .arg(m_currentUserName, saved.why),
                QStringLiteral("错误提示"), Prompter::Buttons::YesNo, Prompter::Icon::Warning);
            if (answer == Prompter::Answer::No) {
                event->ignore();
                return;
            }
        }
    }
    event->accept();
}
