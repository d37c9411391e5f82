#include "Glyphdex.h"

#include "AboutBox.h"
#include "CodeTables.h"
#include "DictSettings.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "Shell.h"
#include "SysKnot.h"
#include "SysKnotCalls.h"
#include "VocabularyBook.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString &iconPath()
{
    static const QString relative = QStringLiteral("\\plugs1.ico");
    return relative;
}

} // namespace

Glyphdex::Glyphdex(const PlatformServices &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Glyphdex"));
    setWindowTitle(QStringLiteral("Glyphdex&rudi"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(128, 255, 255));
    setPalette(background);
    const QString icon = ProgramFolder::path(iconPath());
    if (QFileInfo::exists(icon))
        setWindowIcon(QIcon(icon));

    m_sysKnot = new SysKnot(*m_services.prompter, this);
    m_sysKnot->setObjectName(QStringLiteral("SysKnot1"));
    m_calls = new SysKnotCalls(*m_sysKnot);
    connect(m_sysKnot, &SysKnot::MouseDown, this, &Glyphdex::onTrayMouseDown);

    buildControls();
    buildMenu();
    start();
}

Glyphdex::~Glyphdex()
{
    delete m_calls;
}

void Glyphdex::buildControls()
{
    const auto makeBox = [this](int index, const QString &accessible) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("rich1(%1)").arg(index));
        box->setAccessibleName(accessible);
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, &Glyphdex::lookUp);
        m_rich1[index] = box;
        return box;
    };
    makeBox(1, QStringLiteral("查询内容"));
    makeBox(2, QStringLiteral("编码"));
    m_rich1[1]->setMinimumWidth(160);

    const QStringList options{QStringLiteral("五笔&W"), QStringLiteral("拼音&P"), QStringLiteral("双拼&S")};
    auto *optionColumn = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(options.at(i), this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        optionColumn->addWidget(option);
        m_option1[i] = option;
    }
    optionColumn->addStretch();

    const QStringList captions{QStringLiteral("查询"), QStringLiteral("粘贴"), QStringLiteral("复制"),
                               QStringLiteral("剪切"), QStringLiteral("加入生字本"),
                               QStringLiteral("打开生字本"), QStringLiteral("最小化"),
                               QStringLiteral("关闭"), QStringLiteral("设置")};
    for (int i = 0; i < 9; ++i) {
        auto *button = new QPushButton(captions.at(i), this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { commandClicked(i); });
        m_command1[i] = button;
    }

    auto *boxes = new QVBoxLayout;
    boxes->addWidget(m_rich1[1]);
    boxes->addWidget(m_rich1[2]);
    boxes->addStretch();

    auto *rightColumn = new QVBoxLayout;
    for (int i : {0, 1, 2, 3, 6})
        rightColumn->addWidget(m_command1[i]);
    rightColumn->addStretch();

    auto *bottom = new QGridLayout;
    bottom->addWidget(m_command1[4], 0, 0);
    bottom->addWidget(m_command1[5], 0, 1);
    bottom->addWidget(m_command1[8], 1, 0);
    bottom->addWidget(m_command1[7], 1, 1);

    auto *grid = new QGridLayout(this);
    grid->addLayout(optionColumn, 0, 0);
    grid->addLayout(boxes, 0, 1);
    grid->addLayout(rightColumn, 0, 2, 2, 1);
    grid->addLayout(bottom, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void Glyphdex::buildMenu()
{
    m_mmuSaveSet = new QMenu(this);
    m_mmuSaveSet->setObjectName(QStringLiteral("MmuSaveSet"));
    const QStringList captions{QStringLiteral("查询窗口"), QStringLiteral("rudi"),
                               QStringLiteral("打字速度测试"), QStringLiteral("总在最前"),
                               QStringLiteral("关于"), QStringLiteral("退出")};
    for (int i = 0; i < 6; ++i) {
        QAction *action = m_mmuSaveSet->addAction(captions.at(i));
        action->setObjectName(QStringLiteral("MmuSet(%1)").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { menuChosen(i); });
        m_mmuSet[i] = action;
    }
    m_mmuSet[3]->setCheckable(true);
}

void Glyphdex::start()
{
    const DictSettings settings = DictSettings::load();
    m_dictMode = settings.DictMode;
    m_dictOnTop = settings.DictOnTop;
    m_calls->F_ICON_在通知区域显示图标(this, IconId, QStringLiteral("rudi1.0"),
                                     ProgramFolder::path(iconPath()), windowIcon());
    m_option1[m_dictMode]->setChecked(true);
    optionClicked(m_dictMode);
    m_mmuSet[3]->setChecked(m_dictOnTop);
    setTopmost(m_dictOnTop);
    focusInput();
}

void Glyphdex::end()
{
    if (m_ended)
        return;
    m_ended = true;
    DictSettings{m_dictMode, m_dictOnTop}.save();
    m_calls->F_ICON_删除通知区域的图标(this, IconId);
    Q_EMIT ended();
}

void Glyphdex::closeEvent(QCloseEvent *event)
{
    end();
    event->accept();
}

QString Glyphdex::bookPath(int mode)
{
    static const QString books[3] = {QStringLiteral("\\五笔生字本.txt"), QStringLiteral("\\拼音生字本.txt"),
                                      QStringLiteral("\\双拼生字本.txt")};
    return ProgramFolder::path(books[qBound(0, mode, 2)]);
}

void Glyphdex::focusInput()
{
    m_rich1[1]->setFocus();
    m_rich1[1]->selectAll();
}

void Glyphdex::optionClicked(int index)
{
    focusInput();
    m_dictMode = index;
    // Tables already read stay valid; reading them again on every click only costs time.
    if (!m_tables.isLoaded(index))
        m_tables.LoadDictTables(index, [] { QCoreApplication::processEvents(); });
    DictSettings{m_dictMode, m_dictOnTop}.save();
}

void Glyphdex::lookUp()
{
    // Blanks around pasted text are not part of the word.
    const QString text = m_rich1[1]->text().trimmed();
    if (const std::optional<QString> result = m_tables.lookUp(m_dictMode, text))
        m_rich1[2]->setText(*result);
    focusInput();
}

void Glyphdex::commandClicked(int index)
{
    focusInput();
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (index) {
    case 0:
        lookUp();
        break;
    case 1:
        m_rich1[1]->setText(clipboard->text());
        lookUp();
        break;
    case 2:
        clipboard->setText(m_rich1[1]->text() + CodeTables::Colon);
        break;
    case 3:
        clipboard->setText(m_rich1[1]->text() + CodeTables::Colon);
        m_rich1[1]->clear();
        m_rich1[2]->clear();
        break;
    case 4:
        addToBook();
        break;
    case 5:
        m_services.shell->openPath(bookPath(m_dictMode));
        break;
    case 6:
        if (canHideToTray()) {
            showMinimized();
            hide();
        } else {
            // Without a notification area a hidden window could never be brought back.
            showMinimized();
        }
        break;
    case 7:
        close();
        break;
    default:
        break;
    }
}

void Glyphdex::addToBook()
{
    const QString item = m_rich1[1]->text().trimmed();
    if (item.isEmpty())
        return;
    const QString book = bookPath(m_dictMode);
    const TextFile::WriteResult result = VocabularyBook::append(book, item, m_rich1[2]->text());
    if (result.ok)
        return;
    const QString text = result.unencodable.isEmpty()
        ? QStringLiteral("无法写入生字本 %1：%2").arg(QDir::toNativeSeparators(book), result.error)
        : QStringLiteral("生字本只能保存国标字符，以下字符无法保存：%1").arg(result.unencodable);
    m_services.prompter->message(this, text, QStringLiteral("错误提示"), Prompter::Buttons::Ok,
                                 Prompter::Icon::Warning);
}

bool Glyphdex::canHideToTray()
{
    if (m_notificationArea)
        return m_notificationArea();
    return SysKnot::notificationAreaAvailable() && 
        m_sysKnot->trayIcon(SysKnot::handleOf(this), IconId) != nullptr;
}

void Glyphdex::showNormalAgain()
{
    show();
    showNormal();
    raise();
    activateWindow();
}

void Glyphdex::setTopmost(bool top)
{
    m_calls->F_WIN_窗口最顶层(this, top);
}

void Glyphdex::onTrayMouseDown(qint16 button, qint32 id)
{
    if (id != IconId)
        return;
    if (button == 1)
        showNormalAgain();
    else
        m_mmuSaveSet->popup(QCursor::pos());
}

void Glyphdex::menuChosen(int index)
{
    switch (index) {
    case 0:
        showNormalAgain();
        break;
    case 3:
        m_dictOnTop = m_mmuSet[3]->isChecked();
        setTopmost(m_dictOnTop);
        break;
    case 4:
        showAbout();
        break;
    case 5:
        close();
        break;
    default:
        break;
    }
}

void Glyphdex::showAbout()
{
    setTopmost(false);
    AboutBox box(*m_services.shell, this);
    box.exec();
    // The box must not hide behind a topmost window, but afterwards the user's choice stands again.
    if (m_dictOnTop)
        setTopmost(true);
}

void Glyphdex::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_calls->F_WIN_窗口拖动(this);
    } else if (event->button() == Qt::RightButton) {
        setTopmost(true);
        m_mmuSaveSet->popup(event->globalPosition().toPoint());
    }
    event->accept();
}

bool Glyphdex::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_rich1[1] || watched == m_rich1[2])) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_rich1[1]->clear();
            m_rich1[2]->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
