#pragma once

#include <QString>

#include <optional>

// Whole-file GBK text with CR LF line ends.
namespace TextFile {

inline constexpr qint64 DefaultSizeCap = 64 * 1024 * 1024;

// The file's text, or nothing when it is missing, unreadable or larger than the cap.
std::optional<QString> read(const QString &path, qint64 sizeCap = DefaultSizeCap);

// Lone LF become CR LF; existing CR LF stay as they are.
QString withCrLf(const QString &text);

struct [[nodiscard]] WriteResult
{
    bool ok = false;
    QString unencodable; // characters GBK cannot hold; the file is not touched when there are any
    QString error;
};

// Replaces the file atomically.
WriteResult write(const QString &path, const QString &text);

// Adds to the end, creating the file when it is missing.
WriteResult append(const QString &path, const QString &text);

} // namespace TextFile
