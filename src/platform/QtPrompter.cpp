#include "QtPrompter.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

static QString existingFolderOrHome(const QString &folder)
{
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

Prompter::Answer QtPrompter::message(QWidget *parent, const QString &text, const QString &title,
                                     Buttons buttons, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case Buttons::AbortRetryIgnore:
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: break;
    }
    // Closing the box by its frame counts as its escape button.
    if (buttons == Buttons::YesNo)
        return Answer::No;
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return Answer::Cancel;
}

std::optional<QString> QtPrompter::input(QWidget *parent, const QString &prompt, const QString &title,
                                         const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QStringList QtPrompter::openFiles(QWidget *parent, const QString &title, const QString &startFolder,
                                  const QString &filter, bool multiple)
{
    const QString start = existingFolderOrHome(startFolder);
    if (multiple)
        return QFileDialog::getOpenFileNames(parent, title, start, filter);
    const QString one = QFileDialog::getOpenFileName(parent, title, start, filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

QString QtPrompter::saveFile(QWidget *parent, const QString &title, const QString &startFolder,
                             const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, existingFolderOrHome(startFolder), filter);
}

QString QtPrompter::folder(QWidget *parent, const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, existingFolderOrHome(startFolder));
}

std::optional<QFont> QtPrompter::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

std::optional<QColor> QtPrompter::colour(QWidget *parent, const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}
