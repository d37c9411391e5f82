#pragma once

#include <QString>
#include <QStringList>

// The text an open dialog hands back: one path, or for several files the folder followed by each
// name, all joined by ":". Callers split it at ":", so a path holding ":" cannot be passed on.
namespace FileSelectionText {

struct Result
{
    QString text;
    QStringList refused; // chosen paths left out because the text cannot carry them
};

Result compose(const QStringList &paths, bool multiSelect);

} // namespace FileSelectionText
