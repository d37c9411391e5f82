#pragma once

#include "Prompter.h"

// The production prompter: Qt's own dialogs.
class QtPrompter : public Prompter
{
public:
    // Same defaults as the base, so calls through the concrete type read alike.
    Answer message(QWidget *parent, const QString &text, const QString &title,
                   Buttons buttons = Buttons::Ok, Icon icon = Icon::None) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &defaultText = QString()) override;
    QStringList openFiles(QWidget *parent, const QString &title, const QString &startFolder,
                          const QString &filter, bool multiple) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                     const QString &filter) override;
    QString folder(QWidget *parent, const QString &title, const QString &startFolder) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> colour(QWidget *parent, const QColor &initial) override;
};
