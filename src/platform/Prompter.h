#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every modal interaction of the programs goes through this seam, so tests can script answers and
// read back exactly what the user would have been shown.
class Prompter
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

    virtual ~Prompter();

    virtual Answer message(QWidget *parent, const QString &text, const QString &title,
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // Nothing when the user cancels.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                         const QString &defaultText = QString()) = 0;
    // `filter` is in Qt's form ("Text (*.txt);;All (*)"). Empty on cancel.
    virtual QStringList openFiles(QWidget *parent, const QString &title, const QString &startFolder,
                                  const QString &filter, bool multiple) = 0;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                             const QString &filter) = 0;
    virtual QString folder(QWidget *parent, const QString &title, const QString &startFolder) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
    virtual std::optional<QColor> colour(QWidget *parent, const QColor &initial) = 0;

    // Converts "描述|*.txt|全部|*.*" (description and pattern pairs) to Qt's filter form.
    static QString qtFilter(const QString &pairs);
};
