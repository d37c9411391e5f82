#pragma once

#include <QString>

#include <functional>

// Whole-folder operations used by backups and by clearing the results database.
namespace FileTree {

// What a copy did, so the caller can tell the user why it did not.
struct [[nodiscard]] CopyResult
{
    enum Reason {
        Copied,
        SourceMissing,
        TargetIsSource,
        TargetInsideSource, // would copy the tree into itself without end
        SourceInsideTarget, // would overwrite the source with itself
        CopyFailed,         // a file or folder could not be read or written
    };

    Reason reason = Copied;
    // The first target path that failed (the target itself when the copy was refused).
    QString failedPath;

    bool ok() const { return reason == Copied; }
};

// Copies files and empty folders below `source` into `target`, overwriting without asking.
// Refuses a target that is, lies inside or holds the source, judged by real paths with links
// resolved. After a failure the rest is still copied; a file that could not be written keeps its
// old content. Links and special files inside the source are left out.
CopyResult copyRecursively(const QString &source, const QString &target);

// The real path with links resolved; a tail that does not exist yet is appended to the real path
// of what does.
QString resolvedPath(const QString &path);

// "/" and every folder that holds the home folder: deleteTree never touches them.
bool isProtectedFolder(const QString &folder);

// Deletes a folder with everything in it, clearing read-only bits first. Entries that cannot be
// removed are skipped; `between` runs between entries so a window can stay responsive. Links are
// removed, never followed. Returns true when the folder is gone.
[[nodiscard]] bool deleteTree(const QString &folder, const std::function<void()> &between = {});

} // namespace FileTree
