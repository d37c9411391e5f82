#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The help window; modeless, owned by the chat window.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);

    // Plain text with CR LF line ends.
    static QString helpText();

    QPlainTextEdit *Text2;
    QPushButton *Command1;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
