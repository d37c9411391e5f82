#include "ScriptedPrompter.h"

template<typename T>
static std::optional<T> takeFront(std::deque<T> &queue)
{
    if (queue.empty())
        return std::nullopt;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList out;
    for (const Call &c : m_calls) {
        if (c.kind == Kind::Message)
            out << c.text;
    }
    return out;
}

QStringList ScriptedPrompter::titles() const
{
    QStringList out;
    for (const Call &c : m_calls)
        out << c.title;
    return out;
}

void ScriptedPrompter::clear()
{
    m_calls.clear();
    m_answers.clear();
    m_inputs.clear();
    m_files.clear();
    m_folders.clear();
    m_fonts.clear();
    m_colours.clear();
}

Prompter::Answer ScriptedPrompter::message(QWidget *, const QString &text, const QString &title,
                                           Buttons buttons, Icon icon)
{
    m_calls.append({Kind::Message, text, title, buttons, icon, {}, {}});
    if (auto planned = takeFront(m_answers))
        return *planned;
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> ScriptedPrompter::input(QWidget *, const QString &prompt, const QString &title,
                                               const QString &defaultText)
{
    m_calls.append({Kind::Input, prompt, title, Buttons::OkCancel, Icon::None, defaultText, {}});
    if (auto planned = takeFront(m_inputs))
        return *planned;
    return std::nullopt;
}

QStringList ScriptedPrompter::openFiles(QWidget *, const QString &title, const QString &startFolder,
                                        const QString &filter, bool multiple)
{
    m_calls.append({Kind::OpenFiles, {}, title, multiple ? Buttons::OkCancel : Buttons::Ok, Icon::None,
                     startFolder, filter});
    return takeFront(m_files).value_or(QStringList());
}

QString ScriptedPrompter::saveFile(QWidget *, const QString &title, const QString &startFolder,
                                   const QString &filter)
{
    m_calls.append({Kind::SaveFile, {}, title, Buttons::Ok, Icon::None, startFolder, filter});
    const QStringList files = takeFront(m_files).value_or(QStringList());
    return files.isEmpty() ? QString() : files.first();
}

QString ScriptedPrompter::folder(QWidget *, const QString &title, const QString &startFolder)
{
    m_calls.append({Kind::Folder, {}, title, Buttons::Ok, Icon::None, startFolder, {}});
    return takeFront(m_folders).value_or(QString());
}

std::optional<QFont> ScriptedPrompter::font(QWidget *, const QFont &)
{
    m_calls.append({Kind::Font, {}, {}, Buttons::Ok, Icon::None, {}, {}});
    if (auto planned = takeFront(m_fonts))
        return *planned;
    return std::nullopt;
}

std::optional<QColor> ScriptedPrompter::colour(QWidget *, const QColor &)
{
    m_calls.append({Kind::Colour, {}, {}, Buttons::Ok, Icon::None, {}, {}});
    if (auto planned = takeFront(m_colours))
        return *planned;
    return std::nullopt;
}
