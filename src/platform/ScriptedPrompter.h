#pragma once

#include "Prompter.h"

#include <QList>
#include <QVariant>

#include <deque>

// The test prompter: records every interaction and answers from a plan. An interaction without a
// planned answer gets the cancelling one (No / Cancel / nothing), or Ok for a plain message.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Message, Input, OpenFiles, SaveFile, Folder, Font, Colour };

    struct Call
    {
        Kind kind;
        QString text;   // message text or input prompt
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString defaultText; // input default, or the start folder / filter of a file dialog
        QString filter;
    };

    // Plans, taken in order by the interaction of the matching kind.
    void planAnswer(Answer answer) { m_answers.push_back(answer); }
    void planInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void planFiles(QStringList files) { m_files.push_back(std::move(files)); }
    void planFolder(QString folder) { m_folders.push_back(std::move(folder)); }
    void planFont(std::optional<QFont> font) { m_fonts.push_back(std::move(font)); }
    void planColour(std::optional<QColor> colour) { m_colours.push_back(std::move(colour)); }

    const QList<Call> &calls() const { return m_calls; }
    QStringList messageTexts() const;
    QStringList titles() const;
    void clear();

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

private:
    QList<Call> m_calls;
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QStringList> m_files;
    std::deque<QString> m_folders;
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<std::optional<QColor>> m_colours;
};
