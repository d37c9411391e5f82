#include "InputBlocker.h"
#include "VbFormat.h"
#include "ScriptedPrompter.h"
#include "SysKnot.h"
#include "SysKnotCalls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

#include <dlfcn.h>

using Kind = ScriptedPrompter::Kind;

// A host window carrying the control, as the programs place it.
struct Host
{
    ScriptedPrompter prompter;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    SysKnot *control = new SysKnot(prompter, window.get());
    SysKnotCalls calls{*control};

    qint64 handle() const { return SysKnot::handleOf(window.get()); }
};

class TestSysKnot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void platformLayerExistsOnce();
    void controlIsInvisibleChild();
    void handlesRoundTrip();

    void blockSecondsConversion_data();
    void blockSecondsConversion();
    void booleanConversion_data();
    void booleanConversion();
    void argumentErrors_data();
    void argumentErrors();
    void optionalArgumentsTakeDefaults();

    void topmostKeepsGeometryAndShows();
    void bringToFrontActivates();
    void dragFollowsMouseUntilRelease();

    void trayEvents_data();
    void trayEvents();
    void trayIconPictureTipAndRemoval();

    void openDialogResult_data();
    void openDialogResult();
    void badOpenSaveValue_data();
    void badOpenSaveValue();
    void saveDialog();
    void folderDialogStart();

    void filePropertiesWindow();

    void blockSwallowsInputUntilTick();
    void blockEndsWhenControlGoes();

    void machineName();
};

// The platform layer lives in a library of its own that the control and the programs share: two
// copies would mean two program folders and two random sources once the control needs either.
void TestSysKnot::platformLayerExistsOnce()
{
    void *control = dlopen("libsysknot.so", RTLD_NOW | RTLD_NOLOAD);
    QVERIFY2(control, dlerror());
    // A function the control calls itself, looked up as the control's code finds it.
    void *seenByControl = dlsym(control, "_ZN8VbFormat13roundHalfEvenEd");
    QVERIFY2(seenByControl, dlerror());
    Dl_info where{};
    QVERIFY(dladdr(seenByControl, &where));
    QVERIFY2(QByteArray(where.dli_fname).endsWith("/libkeyloom_platform.so"), where.dli_fname);
    qint64 (*ours)(double) = &VbFormat::roundHalfEven;
    QCOMPARE(seenByControl, reinterpret_cast<void *>(ours));
    dlclose(control);
}

void TestSysKnot::controlIsInvisibleChild()
{
    Host host;
    host.window->show();
    QCOMPARE(host.window->findChild<SysKnot *>(QStringLiteral("SysKnot1")), host.control);
    QVERIFY(!host.control->isVisible());
}

void TestSysKnot::handlesRoundTrip()
{
    Host host;
    auto *child = new QLabel(host.window.get());
    const qint64 handle = SysKnot::handleOf(child);
    QVERIFY(handle > 0);
    QCOMPARE(handle, host.handle());
    QCOMPARE(SysKnot::windowOf(handle), host.window.get());
    QCOMPARE(SysKnot::windowOf(0), nullptr);
    QCOMPARE(SysKnot::windowOf(-5), nullptr);
}

// The block length shows how the dispatch turns the caller's number into whole seconds.
void TestSysKnot::blockSecondsConversion_data()
{
    QTest::addColumn<QVariant>("seconds");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("blockMs"); // 0: no block

    QTest::newRow("1.5 rounds to 2") << QVariant(1.5) << true << 2000;
    QTest::newRow("2.5 rounds to even 2") << QVariant(2.5) << true << 2000;
    QTest::newRow("3.5 rounds to even 4") << QVariant(3.5) << true << 4000;
    QTest::newRow("0.5 rounds to 0") << QVariant(0.5) << true << 0;
    QTest::newRow("whole 3") << QVariant(3) << true << 3000;
    QTest::newRow("text holding a number") << QVariant(QStringLiteral(" 1.5 ")) << true << 2000;
    QTest::newRow("true is -1") << QVariant(true) << true << 0;
    QTest::newRow("empty is 0") << QVariant() << true << 0;
    QTest::newRow("negative") << QVariant(-4) << true << 0;
    QTest::newRow("runaway count is capped") << QVariant(100000) << true << 60000;
    QTest::newRow("text without number") << QVariant(QStringLiteral("abc")) << false << 0;
    QTest::newRow("double beyond 32 bits") << QVariant(3.0e9) << false << 0;
    QTest::newRow("integer beyond 32 bits") << QVariant(qint64(1) << 31) << false << 0;
    QTest::newRow("not a number") << QVariant(qQNaN()) << false << 0;
}

void TestSysKnot::blockSecondsConversion()
{
    QFETCH(QVariant, seconds);
    QFETCH(bool, ok);
    QFETCH(int, blockMs);

    Host host;
    const SysKnot::DispatchResult result =
        host.control->invoke(SysKnotId::F_WIN9X_暂时禁止用户操作, {seconds});
    QCOMPARE(result.ok, ok);
    QCOMPARE(result.error.isEmpty(), ok);
    QVERIFY(!result.value.isValid());
    InputBlocker &blocker = host.control->inputBlocker();
    QCOMPARE(blocker.isBlocking(), blockMs > 0);
    if (blockMs > 0)
        QCOMPARE(blocker.timer().interval(), blockMs);
    blocker.tick();
}

void TestSysKnot::booleanConversion_data()
{
    QTest::addColumn<QVariant>("top");
    QTest::addColumn<bool>("topmost");

    QTest::newRow("-1") << QVariant(-1) << true;
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("true") << QVariant(true) << true;
    QTest::newRow("0.4 is non-zero") << QVariant(0.4) << true;
    QTest::newRow("text True") << QVariant(QStringLiteral("True")) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("false") << QVariant(false) << false;
    QTest::newRow("text False") << QVariant(QStringLiteral("false")) << false;
    QTest::newRow("text 0") << QVariant(QStringLiteral("0")) << false;
}

void TestSysKnot::booleanConversion()
{
    QFETCH(QVariant, top);
    QFETCH(bool, topmost);

    Host host;
    host.window->show();
    const auto result = host.control->invoke(SysKnotId::F_WIN_窗口最顶层, {host.handle(), top});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(host.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
}

void TestSysKnot::argumentErrors_data()
{
    QTest::addColumn<qint32>("memberId");
    QTest::addColumn<QVariantList>("args");

    QTest::newRow("unknown id") << qint32(0x60030028) << QVariantList{};
    QTest::newRow("event id is no method") << qint32(1) << QVariantList{};
    QTest::newRow("required left out")
        << SysKnotId::F_Dialog_搜索目录对话框 << QVariantList{QVariant(0), QVariant(QStringLiteral("t"))};
    QTest::newRow("one too many") << SysKnotId::F_WIN9X_获取机器名 << QVariantList{QVariant(1)};
    QTest::newRow("open dialog, seven arguments")
        << SysKnotId::F_Dialog_打开或保存文件对话框
        << QVariantList{0, 0, QString(), QString(), QString(), false, 1};
    QTest::newRow("handle that is text")
        << SysKnotId::F_Dialog_打开或保存文件对话框
        << QVariantList{QStringLiteral("窗口"), 0, QStringLiteral("a|*.a")};
    QTest::newRow("icon that is text")
        << SysKnotId::F_ICON_在通知区域显示图标
        << QVariantList{0, 0, QString(), QString(), QStringLiteral("x")};
}

void TestSysKnot::argumentErrors()
{
    QFETCH(qint32, memberId);
    QFETCH(QVariantList, args);

    Host host;
    const auto result = host.control->invoke(memberId, args);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!result.value.isValid());
    // A call that did not run shows nothing and adds nothing.
    QVERIFY(host.prompter.calls().isEmpty());
    QCOMPARE(host.control->trayIcon(0, 0), nullptr);
}

void TestSysKnot::optionalArgumentsTakeDefaults()
{
    Host host;
    const QString file = QDir::home().absoluteFilePath(QStringLiteral("a.txt"));
    host.prompter.planFiles({file, QDir::home().absoluteFilePath(QStringLiteral("b.txt"))});
    const auto open = host.control->invoke(SysKnotId::F_Dialog_打开或保存文件对话框,
                                           {host.handle(), 0, QStringLiteral("文本|*.txt")});
    QVERIFY2(open.ok, qPrintable(open.error));
    // Left out: no start folder, no title, single selection (the first chosen file only).
    QCOMPARE(open.value.toString(), file);
    QCOMPARE(host.prompter.calls().size(), 1);
    const auto &call = host.prompter.calls().first();
    QCOMPARE(call.kind, Kind::OpenFiles);
    QCOMPARE(call.buttons, Prompter::Buttons::Ok); // the scripted prompter's mark for "single"
    QCOMPARE(call.title, QString());
    QCOMPARE(call.defaultText, QString());
    QCOMPARE(call.filter, QStringLiteral("文本 (*.txt)"));

    host.prompter.planFolder(QStringLiteral("/tmp"));
    const auto folder = host.control->invoke(SysKnotId::F_Dialog_搜索目录对话框,
                                             {host.handle(), QStringLiteral("选目录"), QDir::tempPath()});
    QVERIFY2(folder.ok, qPrintable(folder.error));
    QCOMPARE(folder.value.toString(), QStringLiteral("/tmp"));
}

void TestSysKnot::topmostKeepsGeometryAndShows()
{
    Host host;
    host.window->setGeometry(120, 140, 300, 200);
    host.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.window.get()));
    const QRect before = host.window->geometry();

    host.calls.F_WIN_窗口最顶层(host.window.get(), true);
    QVERIFY(host.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(host.window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(host.window->isVisible());
    QCOMPARE(host.window->geometry(), before);

    host.calls.F_WIN_窗口最顶层(host.window.get(), false);
    QVERIFY(!host.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!host.window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(host.window->geometry(), before);

    // Off on a hidden window that was never topmost: shown, where it was.
    host.window->hide();
    host.calls.F_WIN_窗口最顶层(host.window.get(), false);
    QVERIFY(host.window->isVisible());
    QCOMPARE(host.window->geometry(), before);
}

void TestSysKnot::bringToFrontActivates()
{
    Host host;
    QWidget other;
    host.window->show();
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);

    host.calls.F_WIN_窗口置顶层(host.window.get());
    QTRY_COMPARE(QApplication::activeWindow(), host.window.get());
    QVERIFY(!host.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

static void sendMouse(QWidget *to, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(to->mapFromGlobal(global)), QPointF(global), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

void TestSysKnot::dragFollowsMouseUntilRelease()
{
    Host host;
    auto *layout = new QVBoxLayout(host.window.get());
    auto *label = new QLabel(QStringLiteral("拖我"), host.window.get());
    layout->addWidget(label);
    host.window->move(200, 150);
    host.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.window.get()));
    const QPoint start = host.window->pos();
    const QPoint press = label->mapToGlobal(QPoint(5, 5));
    QCursor::setPos(press);

    host.calls.F_WIN_窗口拖动(label);
    sendMouse(label, QEvent::MouseMove, press + QPoint(30, 20), Qt::LeftButton);
    QCOMPARE(host.window->pos(), start + QPoint(30, 20));
    sendMouse(label, QEvent::MouseMove, press + QPoint(-10, 45), Qt::LeftButton);
    QCOMPARE(host.window->pos(), start + QPoint(-10, 45));

    sendMouse(label, QEvent::MouseButtonRelease, press + QPoint(-10, 45), Qt::NoButton);
    sendMouse(label, QEvent::MouseMove, press + QPoint(80, 80), Qt::LeftButton);
    QCOMPARE(host.window->pos(), start + QPoint(-10, 45));
}

void TestSysKnot::trayEvents_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger)
                                << QStringList{QStringLiteral("down 1"), QStringLiteral("up 1")};
    QTest::newRow("left double-click")
        << int(QSystemTrayIcon::DoubleClick)
        << QStringList{QStringLiteral("dblclick 1"), QStringLiteral("up 1")};
    QTest::newRow("right click") << int(QSystemTrayIcon::Context)
                                 << QStringList{QStringLiteral("down 2"), QStringLiteral("up 2")};
    QTest::newRow("middle button") << int(QSystemTrayIcon::MiddleClick) << QStringList{};
    QTest::newRow("hover or unknown") << int(QSystemTrayIcon::Unknown) << QStringList{};
}

void TestSysKnot::trayEvents()
{
    QFETCH(int, reason);
    QFETCH(QStringList, events);

    Host host;
    QStringList seen;
    auto record = [&seen](const char *what) {
        return [&seen, what](qint16 button, qint32 id) {
            seen << QString::fromLatin1(what) + u' ' + QString::number(button);
            QCOMPARE(id, 7);
        };
    };
    connect(host.control, &SysKnot::MouseDown, this, record("down"));
    connect(host.control, &SysKnot::MouseUp, this, record("up"));
    connect(host.control, &SysKnot::MouseDblClick, this, record("dblclick"));

    host.calls.F_ICON_在通知区域显示图标(host.window.get(), 7, QStringLiteral("rudi1.0"), QString(),
                                        QIcon());
    QSystemTrayIcon *tray = host.control->trayIcon(host.handle(), 7);
    QVERIFY(tray);
    Q_EMIT tray->activated(static_cast<QSystemTrayIcon::ActivationReason>(reason));
    QCOMPARE(seen, events);
}

void TestSysKnot::trayIconPictureTipAndRemoval()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("plugs1.png"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    QVERIFY(image.save(picture));
    QPixmap given(16, 16);
    given.fill(QColor(0, 0, 255));

    auto colourOf = [](QSystemTrayIcon *tray) {
        return tray->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
    };

    Host host;
    // The file wins over the given icon; blanks around the path do not matter.
    host.calls.F_ICON_在通知区域显示图标(host.window.get(), 0, QStringLiteral("rudi1.0"),
                                        u"  " + picture + u"  ", QIcon(given));
    QSystemTrayIcon *tray = host.control->trayIcon(host.handle(), 0);
    QVERIFY(tray);
    QCOMPARE(colourOf(tray), QColor(255, 0, 0));
    QCOMPARE(tray->toolTip(), QStringLiteral("rudi1.0"));

    // A second add for the same pair updates that icon: no picture file, no tip.
    host.calls.F_ICON_在通知区域显示图标(host.window.get(), 0, QString(), QString(), QIcon(given));
    QCOMPARE(host.control->trayIcon(host.handle(), 0), tray);
    QCOMPARE(colourOf(tray), QColor(0, 0, 255));
    QCOMPARE(tray->toolTip(), QString());

    // A file that is no picture falls back; nothing at all still gives some icon.
    host.calls.F_ICON_在通知区域显示图标(host.window.get(), 1, QString(),
                                        dir.filePath(QStringLiteral("missing.ico")), QIcon(given));
    QCOMPARE(colourOf(host.control->trayIcon(host.handle(), 1)), QColor(0, 0, 255));
    host.calls.F_ICON_在通知区域显示图标(host.window.get(), 2, QString(), QString(), QIcon());
    QVERIFY(!host.control->trayIcon(host.handle(), 2)->icon().isNull());

    host.calls.F_ICON_删除通知区域的图标(host.window.get(), 0);
    QCOMPARE(host.control->trayIcon(host.handle(), 0), nullptr);
    QVERIFY(host.control->trayIcon(host.handle(), 1));
    host.calls.F_ICON_删除通知区域的图标(host.window.get(), 0); // already gone: nothing happens
}

void TestSysKnot::openDialogResult_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("messages");

    const QString refused = QStringLiteral("下列文件的路径中含有“:”，无法选用：\n");
    QTest::newRow("cancel") << QStringList{} << true << QString() << QStringList{};
    QTest::newRow("one file")
        << QStringList{QStringLiteral("/home/u/文章/一.txt")} << true
        << QStringLiteral("/home/u/文章/一.txt") << QStringList{};
    QTest::newRow("two files")
        << QStringList{QStringLiteral("/home/u/文章/一.txt"), QStringLiteral("/home/u/文章/二.rtf")}
        << true << QStringLiteral("/home/u/文章:一.txt:二.rtf") << QStringList{};
    QTest::newRow("three files")
        << QStringList{QStringLiteral("/d/a.txt"), QStringLiteral("/d/b.txt"), QStringLiteral("/d/c.txt")}
        << true << QStringLiteral("/d:a.txt:b.txt:c.txt") << QStringList{};
    QTest::newRow("two files in the root keep the colon past the second character")
        << QStringList{QStringLiteral("/a.txt"), QStringLiteral("/b.txt")} << true
        << QStringLiteral("/.:a.txt:b.txt") << QStringList{};
    QTest::newRow("name with a colon is left out")
        << QStringList{QStringLiteral("/d/a:1.txt"), QStringLiteral("/d/b.txt")} << true
        << QStringLiteral("/d/b.txt") << QStringList{refused + QStringLiteral("/d/a:1.txt")};
    QTest::newRow("only names with colons")
        << QStringList{QStringLiteral("/d/x:y.txt")} << true << QString()
        << QStringList{refused + QStringLiteral("/d/x:y.txt")};
    QTest::newRow("single selection passes the path as it is")
        << QStringList{QStringLiteral("/d/x:y.txt")} << false << QStringLiteral("/d/x:y.txt")
        << QStringList{};
}

void TestSysKnot::openDialogResult()
{
    QFETCH(QStringList, chosen);
    QFETCH(bool, multi);
    QFETCH(QString, result);
    QFETCH(QStringList, messages);

    Host host;
    if (!chosen.isEmpty())
        host.prompter.planFiles(chosen);
    const QString got = host.calls.F_Dialog_打开或保存文件对话框(
        host.window.get(), SysKnot::F_E_打开文件,
        QStringLiteral("文本文件(*.txt);写字板文件(*.rtf)|*.txt;*.rtf"), QString(), QString(), multi);
    QCOMPARE(got, result);
    QCOMPARE(host.prompter.calls().first().kind, Kind::OpenFiles);
    QCOMPARE(host.prompter.calls().first().filter,
             QStringLiteral("文本文件(*.txt);写字板文件(*.rtf) (*.txt *.rtf)"));
    QCOMPARE(host.prompter.messageTexts(), messages);
    for (const auto &call : host.prompter.calls()) {
        if (call.kind == Kind::Message)
            QCOMPARE(call.title, QStringLiteral("SysKnot控件。。。"));
    }
}

void TestSysKnot::badOpenSaveValue_data()
{
    QTest::addColumn<QVariant>("openSave");
    QTest::newRow("2") << QVariant(2);
    QTest::newRow("-1") << QVariant(-1);
    QTest::newRow("2.5 rounds to 2") << QVariant(2.5);
}

void TestSysKnot::badOpenSaveValue()
{
    QFETCH(QVariant, openSave);

    Host host;
    host.prompter.planFiles({QStringLiteral("/d/a.txt")});
    const auto result = host.control->invoke(SysKnotId::F_Dialog_打开或保存文件对话框,
                                             {host.handle(), openSave, QStringLiteral("a|*.a")});
    QVERIFY(result.ok);
    QCOMPARE(result.value.toString(), QString());
    QCOMPARE(host.prompter.calls().size(), 1);
    const auto &call = host.prompter.calls().first();
    QCOMPARE(call.kind, Kind::Message);
    QCOMPARE(call.text, QStringLiteral("出错！参数:OpenSave 未指明操作。"));
    QCOMPARE(call.title, QStringLiteral("SysKnot控件。。。"));
    QCOMPARE(call.icon, Prompter::Icon::Information);
    QCOMPARE(call.buttons, Prompter::Buttons::Ok);
}

void TestSysKnot::saveDialog()
{
    Host host;
    host.prompter.planFiles({QStringLiteral("/d/新文件.txt")});
    const QString got = host.calls.F_Dialog_打开或保存文件对话框(
        host.window.get(), SysKnot::F_E_保存文件, QStringLiteral("文本|*.txt|全部|*.*"),
        QStringLiteral("/d"), QStringLiteral("另存为"));
    QCOMPARE(got, QStringLiteral("/d/新文件.txt"));
    const auto &call = host.prompter.calls().first();
    QCOMPARE(call.kind, Kind::SaveFile);
    QCOMPARE(call.title, QStringLiteral("另存为"));
    QCOMPARE(call.defaultText, QStringLiteral("/d"));
    QCOMPARE(call.filter, QStringLiteral("文本 (*.txt);;全部 (*)"));

    QCOMPARE(host.calls.F_Dialog_打开或保存文件对话框(host.window.get(), SysKnot::F_E_保存文件,
                                                    QStringLiteral("文本|*.txt")),
             QString());
}

void TestSysKnot::folderDialogStart()
{
    Host host;
    QTemporaryDir dir;
    host.prompter.planFolder(dir.path());
    QCOMPARE(host.calls.F_Dialog_搜索目录对话框(host.window.get(),
                                              QStringLiteral("请您选择一个目录以存放数据库文件夹"),
                                              QStringLiteral("c:")),
             dir.path());
    QCOMPARE(host.calls.F_Dialog_搜索目录对话框(host.window.get(), QStringLiteral("选"), dir.path()),
             QString()); // cancelled

    const auto &calls = host.prompter.calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).kind, Kind::Folder);
    QCOMPARE(calls.at(0).title, QStringLiteral("请您选择一个目录以存放数据库文件夹"));
    QCOMPARE(calls.at(0).defaultText, QDir::homePath()); // "c:" does not exist here
    QCOMPARE(calls.at(1).defaultText, dir.path());
}

void TestSysKnot::filePropertiesWindow()
{
    Host host;
    host.window->show();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("文章一.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("12345");
    file.close();

    auto propertyWindows = [] {
        QList<QWidget *> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"FileProperties" && w->isVisible())
                found << w;
        }
        return found;
    };

    QCOMPARE(host.calls.F_Dialog_文件属性对话框(host.window.get(), dir.filePath(QStringLiteral("无.txt"))),
             -1);
    QCOMPARE(host.calls.F_Dialog_文件属性对话框(host.window.get(), QString()), -1);
    QVERIFY(propertyWindows().isEmpty());

    QCOMPARE(host.calls.F_Dialog_文件属性对话框(host.window.get(), path), 0);
    const auto windows = propertyWindows();
    QCOMPARE(windows.size(), 1);
    QWidget *shown = windows.first();
    QVERIFY(!shown->isModal());
    QCOMPARE(shown->parentWidget(), host.window.get());
    QVERIFY(shown->windowTitle().contains(QStringLiteral("文章一.txt")));
    auto valueOf = [shown](const char *caption) {
        auto *edit = shown->findChild<QLineEdit *>(QString::fromUtf8(caption));
        return edit ? edit->text() : QStringLiteral("(no row)");
    };
    QCOMPARE(valueOf("名称"), QStringLiteral("文章一.txt"));
    QCOMPARE(valueOf("位置"), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(valueOf("大小"), QStringLiteral("5 字节"));
    QVERIFY(valueOf("权限").startsWith(u"rw"));
    QVERIFY(valueOf("修改时间").startsWith(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));

    // Closing it is the user's business; the host goes on meanwhile.
    QTest::keyClick(shown, Qt::Key_Escape);
    QTRY_VERIFY(propertyWindows().isEmpty());
}

void TestSysKnot::blockSwallowsInputUntilTick()
{
    Host host;
    auto *layout = new QVBoxLayout(host.window.get());
    auto *edit = new QLineEdit(host.window.get());
    auto *button = new QPushButton(QStringLiteral("开始"), host.window.get());
    layout->addWidget(edit);
    layout->addWidget(button);
    QSignalSpy clicks(button, &QPushButton::clicked);
    host.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.window.get()));
    edit->setFocus();

    host.calls.F_WIN9X_暂时禁止用户操作(1.5);
    QVERIFY(host.control->inputBlocker().isBlocking());
    QCOMPARE(host.control->inputBlocker().timer().interval(), 2000);
    QTest::keyClick(edit, Qt::Key_A);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(clicks.count(), 0);
    // Another window of the same program is blocked too.
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_C);
    QCOMPARE(other.text(), QString());

    host.control->inputBlocker().tick();
    QVERIFY(!host.control->inputBlocker().isBlocking());
    QTest::keyClick(edit, Qt::Key_B);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("b"));
    QCOMPARE(clicks.count(), 1);
}

void TestSysKnot::blockEndsWhenControlGoes()
{
    QLineEdit edit;
    edit.show();
    {
        ScriptedPrompter prompter;
        QWidget window;
        auto *control = new SysKnot(prompter, &window);
        control->F_WIN9X_暂时禁止用户操作(5);
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(edit.text(), QString());
    }
    QTest::keyClick(&edit, Qt::Key_B);
    QCOMPARE(edit.text(), QStringLiteral("b"));
}

void TestSysKnot::machineName()
{
    Host host;
    const QString name = host.calls.F_WIN9X_获取机器名();
    QVERIFY(!name.isEmpty());
    QCOMPARE(name, QSysInfo::machineHostName());
    QVERIFY(!name.contains(QChar(0)));
}

QTEST_MAIN(TestSysKnot)
#include "tst_sysknot.moc"
