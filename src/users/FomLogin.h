#pragma once

#include <QDialog>
#include <array>

class MDIForm1;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The login window: choose a user and log in, make a new user, or delete one with its password.
class FomLogin : public QDialog
{
    Q_OBJECT

public:
    explicit FomLogin(MDIForm1 &main);

    QListWidget *File1 = nullptr;
    // (0) new name, (1) new password, (2) new password again, (3) password, (4) chosen name.
    std::array<QLineEdit *, 5> Text1{};
    // (0) 新建, (1) 删除, (2) 登录, (3) 确认, (4) 取消, (5) 退出.
    std::array<QPushButton *, 6> Command1{};
    QLabel *Label4 = nullptr;
    QGroupBox *Frame1 = nullptr;

    // The one handler of every button; it acts on the pressed button's caption.
    void Command1Click(int index);
    void refreshFile1();
    QString selectedName() const;

public Q_SLOTS:
    void reject() override;

private:
    void showNewUserFrame();
    void hideNewUserFrame();
    void createUser();
    void logIn();
    void deleteUser();
    void leave();
    void message(const QString &text, const QString &title);

    MDIForm1 &m_main;
};
