#include "FomLogin.h"

#include "MDIForm1.h"
#include "PasswordBox.h"
#include "ProgramFolder.h"
#include "Prompter.h"
#include "UserRecord.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + u'(' + QString::number(index) + u')';
}

} // namespace

FomLogin::FomLogin(MDIForm1 &main)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("FomLogin"));
    setWindowTitle(QStringLiteral("请输入用户名登录"));
    setModal(true);

    for (int i = 0; i < int(Text1.size()); ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(indexed("Text1", i));
    }
    for (int i : {1, 2, 3})
        MaskWithStars(*Text1[i]);
    Text1[4]->setReadOnly(true);

    const QStringList captions = {QStringLiteral("新建"), QStringLiteral("删除"),
                                  QStringLiteral("登录"), QStringLiteral("确认"),
                                  QStringLiteral("取消"), QStringLiteral("退出")};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = new QPushButton(captions.at(i), this);
        Command1[i]->setObjectName(indexed("Command1", i));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    }
    Command1[2]->setDefault(true);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("用户"));
    connect(File1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Text1[4]->setText(File1->item(row)->text());
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { logIn(); });

    auto *userLabel = new QLabel(QStringLiteral("用户名："), this);
    userLabel->setBuddy(Text1[4]);
    Text1[4]->setAccessibleName(QStringLiteral("用户名"));
    Label4 = new QLabel(QStringLiteral("密码："), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont red = Label4->font();
    red.setBold(true);
    red.setPointSizeF(14.25);
    Label4->setFont(red);
    QPalette pal = Label4->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label4->setPalette(pal);
    Label4->setBuddy(Text1[3]);
    Text1[3]->setAccessibleName(QStringLiteral("密码"));

    Frame1 = new QGroupBox(QStringLiteral("新建用户"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *frameGrid = new QGridLayout(Frame1);
    const QStringList frameLabels = {QStringLiteral("用户名："), QStringLiteral("密码："),
                                     QStringLiteral("再次输入密码：")};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(frameLabels.at(i), Frame1);
        label->setBuddy(Text1[i]);
        Text1[i]->setParent(Frame1);
        QString spoken = frameLabels.at(i);
        spoken.chop(1);
        Text1[i]->setAccessibleName(u"新" + spoken);
        frameGrid->addWidget(label, i, 0);
        frameGrid->addWidget(Text1[i], i, 1);
    }
    Command1[3]->setParent(Frame1);
    Command1[4]->setParent(Frame1);
    auto *frameButtons = new QHBoxLayout;
    frameButtons->addStretch();
    frameButtons->addWidget(Command1[3]);
    frameButtons->addWidget(Command1[4]);
    frameGrid->addLayout(frameButtons, 3, 0, 1, 2);
    Frame1->hide();

    auto *fields = new QGridLayout;
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(Text1[4], 0, 1);
    fields->addWidget(Label4, 1, 0);
    fields->addWidget(Text1[3], 1, 1);
    auto *buttons = new QHBoxLayout;
    for (int i : {0, 1, 2, 5})
        buttons->addWidget(Command1[i]);
    auto *right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(buttons);
    right->addWidget(Frame1);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(File1, 1);
    layout->addLayout(right, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refreshFile1();
}

void FomLogin::refreshFile1()
{
    const QString keep = selectedName();
    File1->clear();
    File1->addItems(m_main.userNames());
    const auto found = File1->findItems(keep, Qt::MatchExactly);
    if (!found.isEmpty())
        File1->setCurrentItem(found.first());
}

QString FomLogin::selectedName() const
{
    const QListWidgetItem *item = File1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FomLogin::message(const QString &text, const QString &title)
{
    if (m_main.services().prompter)
        m_main.services().prompter->message(this, text, title, Prompter::Buttons::Ok);
}

void FomLogin::Command1Click(int index)
{
    const QString caption = Command1.at(index)->text();
    if (caption == u"新建")
        showNewUserFrame();
    else if (caption == u"取消")
        hideNewUserFrame();
    else if (caption == u"确认")
        createUser();
    else if (caption == u"登录")
        logIn();
    else if (caption == u"删除")
        deleteUser();
    else if (caption == u"退出")
        leave();
}

void FomLogin::showNewUserFrame()
{
    Frame1->show();
    Command1[2]->setDefault(false);
    Command1[3]->setDefault(true);
    for (int i = 0; i <= 3; ++i)
        Text1[i]->clear();
    Text1[0]->setFocus();
}

void FomLogin::hideNewUserFrame()
{
    Frame1->hide();
    Command1[3]->setDefault(false);
    Command1[2]->setDefault(true);
    Command1[2]->setFocus();
}

void FomLogin::createUser()
{
    const QString name = Text1[0]->text();
    // Record paths ignore letter case, so "Ann" would overwrite "ann".
    for (const QString &existing : m_main.userNames()) {
        if (existing.compare(name, Qt::CaseInsensitive) == 0) {
            message(QStringLiteral("与已有用户重名!"), QStringLiteral("错误提示"));
            return;
        }
    }
    if (name.trimmed().isEmpty()) {
        hideNewUserFrame();
        return;
    }
    if (const auto problem = NewUserNameProblem(name)) {
        message(*problem, QStringLiteral("错误提示"));
        return;
    }
    const QString password = Text1[1]->text();
    if (!password.isEmpty() && password.size() < 3) {
        message(QStringLiteral("密码小于三位！"), QStringLiteral("错误提示"));
        return;
    }
    if (const auto problem = NewPasswordProblem(password)) {
        message(*problem, QStringLiteral("错误提示"));
        return;
    }
    if (password != Text1[2]->text()) {
        message(QStringLiteral("密码错误：两次输入的密码不一致！"), QStringLiteral("错误提示："));
        return;
    }
    // The new user is not logged in: only a login makes a user current, so a user deleted before
    // logging in cannot be written back at close.
    UserRecord made;
    const SaveResult saved = CreateUserRecord(made, name, password);
    if (!saved) {
        message(QStringLiteral("无法保存新用户的记录，用户没有建立。\n") + saved.why,
                QStringLiteral("错误提示"));
        return;
    }
    refreshFile1();
    Text1[4]->setText(name);
    const auto found = File1->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        File1->setCurrentItem(found.first());
    QDir().mkpath(ProgramFolder::path(u"\\MdbSet\\UserMdb\\" + name));
    hideNewUserFrame();
    // The new user's next step is the password; Enter there still logs in.
    Text1[3]->setFocus();
}

void FomLogin::logIn()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        message(QStringLiteral("未选定用户，不能登录"), QStringLiteral("错误"));
        return;
    }
    // Read into a scratch record: a wrong password must not make this user current.
    UserRecord record;
    if (!LoadUserRecord(record, name)) {
        message(QStringLiteral("无法读取该用户的记录，不能登录。"), QStringLiteral("错误提示："));
        return;
    }
    if (Text1[3]->text() != record.Password) {
        message(QStringLiteral("密码不正确！不能登录。"), QStringLiteral("错误提示："));
        Text1[3]->setFocus();
        return;
    }
    m_main.setCurrentUser(record, name);
    m_main.OpenWindowByName(record.LastWindow);
    accept();
}

void FomLogin::deleteUser()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    UserRecord record;
    if (!LoadUserRecord(record, name))
        return;
    if (Text1[3]->text() != record.Password) {
        message(QStringLiteral("密码不正确！不能删除。"), QStringLiteral("错误提示："));
        Text1[3]->setFocus();
        return;
    }
    if (!QFile::remove(UserRecordPath(name))) {
        message(QStringLiteral("无法删除用户“%1”的记录。").arg(name), QStringLiteral("错误提示"));
        return;
    }
    if (name == m_main.currentUserName())
        m_main.clearCurrentUser();
    Text1[4]->clear();
    refreshFile1();
}

void FomLogin::leave()
{
    QDialog::reject();
    m_main.close();
}

void FomLogin::reject()
{
    leave();
}
