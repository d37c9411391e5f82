#include "Shell.h"

#include "FileTree.h"

#include <QCoreApplication>

Shell::~Shell() = default;

FileTree::CopyResult Shell::copyTree(const QString &source, const QString &target)
{
    return FileTree::copyRecursively(source, target);
}

bool Shell::deleteTree(const QString &folder)
{
    return FileTree::deleteTree(folder, [] { QCoreApplication::processEvents(); });
}
