#pragma once

#include <QWidget>

class QLabel;

// The call alert: a big red "有人叫你！" that a click sends away.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(QWidget *owner);

    QLabel *Label1;

Q_SIGNALS:
    // The user clicked the alert away; the owner comes back to the front.
    void dismissed();
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismiss();
};
