#pragma once

#include <QString>

#include <functional>

// Whole-folder operations used by backups and by clearing the results database.
namespace FileTree {

// Copies files and empty folders below `source` into `target`, overwriting without asking.
// Returns false when anything could not be copied (what could be copied is copied).
bool copyRecursively(const QString &source, const QString &target);

// Deletes a folder with everything in it, clearing read-only bits first. Entries that cannot be
// removed are skipped; `between` runs between entries so a window can stay responsive.
// Returns true when the folder is gone.
bool deleteTree(const QString &folder, const std::function<void()> &between = {});

} // namespace FileTree
