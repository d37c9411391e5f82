#pragma once

#include "FileTree.h"

#include <QString>
#include <QStringList>
#include <QUrl>

// The desktop's own services: open something with its default handler, start a program on its
// own, copy or delete a whole folder.
class Shell
{
public:
    virtual ~Shell();

    // A local file or folder, a web page or a mail link. False when nothing could handle it.
    virtual bool open(const QUrl &target) = 0;
    bool openPath(const QString &localPath) { return open(QUrl::fromLocalFile(localPath)); }

    // Starts a program detached; nobody waits for it. False when it could not start.
    virtual bool startDetached(const QString &program, const QStringList &arguments = {},
                               bool minimised = false) = 0;

    // Both go through the guarded FileTree calls; see there for what they refuse.
    virtual FileTree::CopyResult copyTree(const QString &source, const QString &target);
    [[nodiscard]] virtual bool deleteTree(const QString &folder);
};
