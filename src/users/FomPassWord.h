#pragma once

#include <QDialog>

class MDIForm1;
class QLineEdit;

// Asks for the administrator password; Enter with the right one sets AdminAuthorised.
class FomPassWord : public QDialog
{
    Q_OBJECT

public:
    explicit FomPassWord(MDIForm1 &main);

    QLineEdit *Text1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MDIForm1 &m_main;
};
