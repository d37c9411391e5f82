#pragma once

#include <QByteArray>
#include <QString>

// The chat window's look, kept as one 116-byte record: two colours as doubles holding 0x00BBGGRR
// and a picture path of 100 bytes padded with spaces.
struct ChatSettings
{
    static constexpr int RecordSize = 116;
    static constexpr int PathWidth = 100;
    static constexpr quint32 DefaultWindowColor = 0x828200; // RGB(0, 130, 130)
    static constexpr quint32 DefaultTextColor = 0xFF0000;   // blue

    double ChatWindowColor = 0;
    double ChatTextColor = 0;
    QString ChatPicturePath;
    // False when no complete record was found (first start, after a reset, a cut file).
    bool stored = false;

    QByteArray toRecord() const;
    static ChatSettings fromRecord(const QByteArray &bytes);

    // A missing file is created empty; an unreadable one gives an empty, unstored record.
    static ChatSettings load(const QString &path);
    bool save(const QString &path) const;
    static bool reset(const QString &path);

    // A stored colour that is not a plain 24-bit value (corrupt file) reads as `fallback`.
    static quint32 colorValue(double stored, quint32 fallback);
};
