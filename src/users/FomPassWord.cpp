#include "FomPassWord.h"

#include "MDIForm1.h"
#include "PasswordBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

FomPassWord::FomPassWord(MDIForm1 &main)
    : QDialog(&main, Qt::Tool)
    , m_main(main)
{
    setObjectName(QStringLiteral("FomPassWord"));
    setWindowTitle(QStringLiteral("请输入管理员密码"));
    setModal(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("管理员密码"));
    MaskWithStars(*Text1);
    QFont font = Text1->font();
    font.setPointSizeF(14.25);
    Text1->setFont(font);
    Text1->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    setMinimumWidth(280);
}

bool FomPassWord::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && Text1->text() == m_main.adminSettings().AdminPassword) {
            m_main.setAdminAuthorised(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
