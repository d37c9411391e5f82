#pragma once

#include "Prompter.h"

// The production prompter: Qt's own dialogs.
class QtPrompter : public Prompter
{
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    QStringList openFiles(QWidget *parent, const QString &title, const QString &startFolder,
                          const QString &filter, bool multiple) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                     const QString &filter) override;
    QString folder(QWidget *parent, const QString &title, const QString &startFolder) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> colour(QWidget *parent, const QColor &initial) override;
};
