#include "Form4.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

Form4::Form4(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("呼叫！！！"));
    setAttribute(Qt::WA_DeleteOnClose);
    // 7560 x 5220 twips at 15 twips a pixel.
    setFixedSize(504, 348);

    Label1 = new QLabel(QStringLiteral("有人叫你！"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(72);
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(palette);
    Label1->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
}

void Form4::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    dismiss();
}

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonPress) {
        dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::dismiss()
{
    Q_EMIT dismissed();
    close();
}

void Form4::closeEvent(QCloseEvent *event)
{
    Q_EMIT closed();
    QWidget::closeEvent(event);
}
