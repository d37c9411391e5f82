#pragma once

#include <QString>

class QFileDevice;

// What became of a write. A failed one leaves what was stored as it was; `why` is the sentence the
// user is shown, so it names the file and the cause in the user's language.
struct [[nodiscard]] SaveResult
{
    QString why; // empty when the write went through

    bool ok() const { return why.isEmpty(); }
    explicit operator bool() const { return ok(); }

    static SaveResult success() { return {}; }
    static SaveResult failure(const QString &why);
    // The cause of a device's failed open, write, flush or commit, for the file at `path`.
    static SaveResult fromDevice(const QFileDevice &file, const QString &path);
    // Text that GBK cannot hold, so it would have been stored as '?'.
    static SaveResult unencodable(const QString &path, const QString &characters);
};
