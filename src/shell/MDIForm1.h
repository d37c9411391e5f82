#pragma once

#include "AdminSettings.h"
#include "Mdiform.h"
#include "PlatformServices.h"
#include "UserRecord.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QFileSystemModel;
class QListView;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class SysKnot;
class SysKnotCalls;

// The tutor's main window: menus, the document area the practice windows open in, the start
// sequence, and the program-wide state of one run (current user, administrator settings, the
// administrator flag, the session engine with its counters).
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds a practice or results window as a child of the document area.
    using WindowFactory = std::function<QWidget *(MDIForm1 &main)>;
    // Builds a modal window ("FomLogin", "FomPassWord", "FomUserSet", "FomGLY") over the main window.
    using DialogFactory = std::function<QDialog *(MDIForm1 &main)>;
    // A menu whose entries act on windows of another folder. "MmuTT1": the ten drill entries, after
    // the main window has checked the entry and stored DrillIndex. "MmuQW1": after FomQW is open,
    // loading the chosen content and pressing its toolbar button. "MnuQWRight1", "MmuWZK1": the
    // pop-up menus of the practice windows.
    using MenuHandler = std::function<void(MDIForm1 &main, const QString &caption, int index)>;
    // Shows a modal window; tests replace it to drive the window without a nested event loop.
    using ModalRunner = std::function<void(QDialog &dialog)>;

    explicit MDIForm1(const PlatformServices &services, QWidget *parent = nullptr);
    ~MDIForm1() override;

    void registerWindow(const QString &windowName, WindowFactory factory);
    void registerDialog(const QString &dialogName, DialogFactory factory);
    void setMenuHandler(const QString &menuName, MenuHandler handler);
    void setModalRunner(ModalRunner runner);

    // The start sequence: user list, administrator settings, menu states, then the single-user
    // start or the login window; finally maximised.
    void start();
    // Greys out what AdminSettings switches off; a switch cleared enables nothing until the next start.
    void applyAdminMenuStates();

    // Closes the open practice window and opens the named one maximised; clears AdminAuthorised.
    // A name nobody registered changes nothing and gives nothing.
    QWidget *ShowPracticeWindow(const QString &windowName);
    // Opens the window a LastWindow value names; anything not in the window table opens nothing.
    QWidget *OpenWindowByName(const QString &lastWindow);
    // The single-user start: loads SingleUserName's record and opens its LastWindow.
    void OpenLastWindow();
    // Shows a registered modal window; false when none is registered under that name.
    bool showDialog(const QString &dialogName);

    QWidget *openPracticeWindow() const;
    QMdiArea *documentArea() const { return m_area; }
    // Each open practice window, in the order ShowPracticeWindow closes them.
    static const QStringList &practiceWindowNames();

    const PlatformServices &services() const { return m_services; }
    Mdiform &engine() { return m_engine; }
    UserRecord &currentUser() { return m_currentUser; }
    // The name the current user logged in with: the record file that was read, and the one the
    // record and the results are saved under. Empty while nobody is logged in.
    const QString &currentUserName() const { return m_currentUserName; }
    void setCurrentUser(const UserRecord &record, const QString &loginName);
    // Nobody is logged in any more (the current user was deleted): closing writes nothing.
    void clearCurrentUser();
    AdminSettings &adminSettings() { return m_adminSettings; }
    bool AdminAuthorised() const { return m_adminAuthorised; }
    void setAdminAuthorised(bool value) { m_adminAuthorised = value; }
    SysKnot *SysKnot1() const { return m_sysKnot; }
    // The control's calls by member id, as every window makes them.
    SysKnotCalls *SysKnot1Calls() const { return m_sysKnotCalls.get(); }
    // The names in the user list folder, as File1 lists them.
    QStringList userNames() const;
    QString userListFolder() const;

    // Menus, under their documented names; entries carry "MmuTT1(3)" style object names.
    QMenu *menu(const QString &name) const;
    QAction *entry(const QString &arrayName, int index) const;
    QList<QAction *> entries(const QString &arrayName) const;
    QAction *menuAction(const QString &name) const;

    void MmuTT1Click(int index);
    void MmuQW1Click(int index);
    void MmuPlug1Click(int index);
    void MmuSet1Click(int index);
    void MmuHelp1Click(int index);

    static QString authorMail();
    static QString inputMethodPage();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addEntry(QMenu *menu, const QString &arrayName, int index, const QString &caption);
    void runModal(QDialog &dialog);
    QWidget *openWindow(const QString &windowName);
    void closeOpenWindow();
    void showAbout();

    PlatformServices m_services;
    Mdiform m_engine;
    UserRecord m_currentUser;
    QString m_currentUserName;
    AdminSettings m_adminSettings;
    bool m_adminAuthorised = false;

    QMdiArea *m_area = nullptr;
    SysKnot *m_sysKnot = nullptr;
    std::unique_ptr<SysKnotCalls> m_sysKnotCalls;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QList<QAction *>> m_entries;
    QHash<QString, QAction *> m_menuActions;
    QHash<QString, WindowFactory> m_windowFactories;
    QHash<QString, DialogFactory> m_dialogFactories;
    QHash<QString, MenuHandler> m_menuHandlers;
    ModalRunner m_modalRunner;
    QPointer<QMdiSubWindow> m_openSub;
    QString m_openName;
};
