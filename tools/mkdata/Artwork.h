#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The game's five library pictures and the dictionary's tray icon, drawn here so that every
// pixel we ship is our own.
class Artwork
{
public:
    static constexpr int Width = 800;
    static constexpr int Height = 600;

    // number 1..5: lotus in sunlight, ocean, mirror lake, warm tones, sunrise
    static QImage picture(int number);
    static QString pictureTitle(int number);

    // An .ico file holding the icon at 32 and 16 pixels, 32-bit colour.
    static QByteArray trayIcon();
    // The program's icon drawn at any size, transparent around the rounded square.
    static QImage iconImage(int size);

private:
    static QImage lotus();
    static QImage ocean();
    static QImage mirrorLake();
    static QImage warmTones();
    static QImage sunrise();
};
