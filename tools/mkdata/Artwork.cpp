#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double Pi = std::numbers::pi;

QImage canvas()
{
    QImage image(Artwork::Width, Artwork::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void fillVertical(QPainter &p, const QRectF &area, const QList<QPair<qreal, QColor>> &stops)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(area, g);
}

void glow(QPainter &p, QPointF centre, qreal radius, QColor inner, QColor outer)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A wave line across the picture: height y, amplitude a, wave length l, phase ph.
QPainterPath waveBand(qreal y, qreal a, qreal l, qreal ph, qreal bottom)
{
    QPainterPath path(QPointF(0, bottom));
    for (int x = 0; x <= Artwork::Width; x += 4)
        path.lineTo(x, y + a * std::sin(2 * Pi * x / l + ph) + a * 0.4 * std::sin(2 * Pi * x / (l * 0.37) + ph * 1.7));
    path.lineTo(Artwork::Width, bottom);
    path.closeSubpath();
    return path;
}

void lotusLeaf(QPainter &p, QPointF centre, qreal rx, qreal ry, qreal turn)
{
    p.save();
    p.translate(centre);
    p.rotate(turn);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0, QColor(120, 180, 70));
    g.setColorAt(0.7, QColor(40, 120, 50));
    g.setColorAt(1, QColor(20, 80, 40));
    p.setPen(QPen(QColor(20, 70, 35), 2));
    p.setBrush(g);
    // A round leaf with a notch cut towards its stem.
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.arcTo(QRectF(-rx, -ry, 2 * rx, 2 * ry), 100, 340);
    leaf.closeSubpath();
    p.drawPath(leaf);
    p.setPen(QPen(QColor(160, 200, 110, 150), 1.2));
    for (int i = 0; i < 9; ++i) {
        const qreal angle = (110 + i * 38) * Pi / 180;
        p.drawLine(QPointF(0, 0), QPointF(std::cos(angle) * rx * 0.92, -std::sin(angle) * ry * 0.92));
    }
    p.restore();
}

void lotusFlower(QPainter &p, QPointF base, qreal size)
{
    p.save();
    p.translate(base);
    p.setPen(QPen(QColor(60, 110, 50), 4));
    p.drawLine(QPointF(0, 0), QPointF(0, size * 2.2));
    for (int layer = 0; layer < 2; ++layer) {
        const int petals = layer == 0 ? 7 : 5;
        const qreal spread = layer == 0 ? 75 : 45;
        const qreal len = size * (layer == 0 ? 1.0 : 0.85);
        for (int i = 0; i < petals; ++i) {
            const qreal turn = -spread + 2 * spread * i / (petals - 1);
            p.save();
            p.rotate(turn);
            QLinearGradient g(QPointF(0, 0), QPointF(0, -len));
            g.setColorAt(0, QColor(250, 235, 240));
            g.setColorAt(0.6, QColor(245, 150, 185));
            g.setColorAt(1, QColor(215, 60, 120));
            p.setBrush(g);
            p.setPen(QPen(QColor(190, 70, 120, 160), 1));
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(len * 0.38, -len * 0.3, len * 0.22, -len * 0.85, 0, -len);
            petal.cubicTo(-len * 0.22, -len * 0.85, -len * 0.38, -len * 0.3, 0, 0);
            p.drawPath(petal);
            p.restore();
        }
    }
    glow(p, QPointF(0, -size * 0.2), size * 0.18, QColor(255, 230, 90), QColor(240, 190, 40));
    p.restore();
}

void mountainRange(QPainter &p, qreal base, qreal height, int peaks, unsigned seed, QColor colour,
                   bool mirrored)
{
    std::mt19937 rng(seed);
    QPainterPath path(QPointF(0, base));
    const qreal step = qreal(Artwork::Width) / peaks;
    for (int i = 0; i <= peaks; ++i) {
        const qreal peak = height * (0.55 + 0.45 * (rng() % 1000) / 1000.0);
        const qreal valley = peak * (0.35 + 0.3 * (rng() % 1000) / 1000.0);
        const qreal x = i * step;
        const qreal sign = mirrored ? 1 : -1;
        path.lineTo(x - step * 0.5, base + sign * valley);
        path.lineTo(x, base + sign * peak);
    }
    path.lineTo(Artwork::Width, base);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

} // namespace

QString Artwork::pictureTitle(int number)
{
    static const QStringList titles = {QStringLiteral("映日荷花"), QStringLiteral("海洋"),
                                       QStringLiteral("镜湖"), QStringLiteral("暧色调"),
                                       QStringLiteral("红日初升")};
    return titles.value(number - 1);
}

QImage Artwork::picture(int number)
{
    switch (number) {
    case 1: return lotus();
    case 2: return ocean();
    case 3: return mirrorLake();
    case 4: return warmTones();
    case 5: return sunrise();
    default: return {};
    }
}

QImage Artwork::lotus()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, Width, 260),
                 {{0, QColor(120, 190, 240)}, {0.7, QColor(250, 235, 200)}, {1, QColor(255, 240, 215)}});
    glow(p, QPointF(640, 90), 160, QColor(255, 250, 220, 255), QColor(255, 240, 200, 0));
    glow(p, QPointF(640, 90), 45, QColor(255, 255, 240), QColor(255, 235, 170));
    fillVertical(p, QRectF(0, 240, Width, Height - 240),
                 {{0, QColor(150, 200, 190)}, {1, QColor(40, 100, 100)}});
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    for (int i = 0; i < 14; ++i)
        p.drawLine(QPointF(520 + (i % 3) * 30, 270 + i * 22), QPointF(600 + (i % 4) * 25, 270 + i * 22));
    const QList<QList<qreal>> leaves = {{120, 520, 120, 48, 0}, {330, 470, 95, 38, -8},
                                        {560, 540, 140, 52, 6}, {720, 420, 85, 32, 4},
                                        {60, 380, 70, 26, -4}, {450, 360, 60, 22, 10}};
    for (const auto &l : leaves)
        lotusLeaf(p, QPointF(l[0], l[1]), l[2], l[3], l[4]);
    lotusFlower(p, QPointF(260, 360), 90);
    lotusFlower(p, QPointF(600, 330), 70);
    lotusFlower(p, QPointF(430, 300), 45);
    return image;
}

QImage Artwork::ocean()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, Width, 250),
                 {{0, QColor(40, 110, 200)}, {1, QColor(190, 225, 250)}});
    glow(p, QPointF(200, 110), 120, QColor(255, 250, 220, 220), QColor(255, 255, 255, 0));
    glow(p, QPointF(200, 110), 32, QColor(255, 255, 245), QColor(255, 245, 200));
    // Clouds: overlapping soft discs.
    for (const auto &c : QList<QPointF>{{520, 70}, {570, 60}, {610, 78}, {560, 88}, {660, 150}, {700, 142}})
        glow(p, c, 38, QColor(255, 255, 255, 220), QColor(255, 255, 255, 0));
    const QList<QColor> seas = {QColor(70, 150, 200), QColor(40, 120, 185), QColor(25, 95, 165),
                                QColor(15, 70, 140), QColor(10, 50, 110)};
    for (int i = 0; i < seas.size(); ++i) {
        const qreal y = 250 + i * 75;
        p.setPen(QPen(QColor(220, 240, 255, 170), 2));
        p.setBrush(seas.at(i));
        p.drawPath(waveBand(y, 6 + i * 3, 160 + i * 50, i * 1.3, Height));
    }
    p.setPen(QPen(QColor(40, 40, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto &g : QList<QPointF>{{430, 140}, {480, 170}, {395, 185}}) {
        QPainterPath gull(g + QPointF(-18, 0));
        gull.quadTo(g + QPointF(-9, -10), g);
        gull.quadTo(g + QPointF(9, -10), g + QPointF(18, 0));
        p.drawPath(gull);
    }
    return image;
}

QImage Artwork::mirrorLake()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal shore = 330;
    fillVertical(p, QRectF(0, 0, Width, shore),
                 {{0, QColor(150, 170, 220)}, {0.6, QColor(240, 200, 210)}, {1, QColor(255, 225, 200)}});
    mountainRange(p, shore, 230, 4, 7, QColor(110, 120, 170), false);
    mountainRange(p, shore, 150, 6, 11, QColor(70, 90, 130), false);
    mountainRange(p, shore, 70, 9, 23, QColor(40, 70, 80), false);
    // The lake repeats the sky and hills upside down, a little darker.
    fillVertical(p, QRectF(0, shore, Width, Height - shore),
                 {{0, QColor(235, 205, 195)}, {0.5, QColor(190, 175, 205)}, {1, QColor(120, 140, 190)}});
    p.setOpacity(0.75);
    mountainRange(p, shore, 230, 4, 7, QColor(100, 110, 160), true);
    mountainRange(p, shore, 150, 6, 11, QColor(65, 85, 125), true);
    mountainRange(p, shore, 70, 9, 23, QColor(40, 65, 78), true);
    p.setOpacity(1);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    std::mt19937 rng(5);
    for (int i = 0; i < 40; ++i) {
        const qreal y = shore + 10 + (rng() % 260);
        const qreal x = rng() % Width;
        p.drawLine(QPointF(x, y), QPointF(x + 30 + rng() % 90, y));
    }
    return image;
}

QImage Artwork::warmTones()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(QPointF(0, 0), QPointF(Width, Height));
    g.setColorAt(0, QColor(255, 220, 150));
    g.setColorAt(0.5, QColor(245, 150, 90));
    g.setColorAt(1, QColor(190, 70, 60));
    p.fillRect(image.rect(), g);
    std::mt19937 rng(42);
    const QList<QColor> tints = {QColor(255, 240, 170), QColor(255, 180, 90), QColor(250, 120, 80),
                                 QColor(220, 80, 90), QColor(255, 210, 120)};
    for (int i = 0; i < 60; ++i) {
        const QPointF c(rng() % Width, rng() % Height);
        const qreal r = 20 + rng() % 90;
        QColor inner = tints.at(rng() % tints.size());
        QColor outer = inner;
        inner.setAlpha(120);
        outer.setAlpha(0);
        glow(p, c, r, inner, outer);
    }
    // Soft arcs sweep across the glow.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 245, 220, 60 + i * 10), 3 + i));
        p.drawArc(QRectF(-300 + i * 60, 150 + i * 25, 1400 - i * 120, 900), 20 * 16, 140 * 16);
    }
    return image;
}

QImage Artwork::sunrise()
{
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal horizon = 380;
    fillVertical(p, QRectF(0, 0, Width, horizon),
                 {{0, QColor(30, 40, 90)}, {0.45, QColor(150, 70, 110)}, {0.8, QColor(240, 130, 70)}, {1, QColor(255, 190, 100)}});
    const QPointF sun(400, horizon);
    glow(p, sun, 330, QColor(255, 160, 80, 160), QColor(255, 120, 60, 0));
    p.save();
    p.translate(sun);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        const qreal a = Pi * (i + 0.5) / 18;
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(std::cos(a - 0.03) * 600, -std::sin(a - 0.03) * 600);
        ray.lineTo(std::cos(a + 0.03) * 600, -std::sin(a + 0.03) * 600);
        ray.closeSubpath();
        p.setBrush(QColor(255, 220, 160, 35));
        p.drawPath(ray);
    }
    p.restore();
    p.save();
    p.setClipRect(QRectF(0, 0, Width, horizon));
    glow(p, sun, 95, QColor(255, 90, 50), QColor(220, 30, 30));
    p.restore();
    fillVertical(p, QRectF(0, horizon, Width, Height - horizon),
                 {{0, QColor(150, 70, 70)}, {1, QColor(30, 30, 60)}});
    // The sun's path on the water: short bright strokes narrowing towards the shore.
    std::mt19937 rng(3);
    for (int i = 0; i < 70; ++i) {
        const qreal y = horizon + 6 + i * 3.1;
        const qreal half = 90 - i * 0.6 + rng() % 25;
        p.setPen(QPen(QColor(255, 150 + int(rng() % 80), 90, 200 - i * 2), 2));
        const qreal shift = std::sin(i * 0.9) * 12;
        p.drawLine(QPointF(400 - half + shift, y), QPointF(400 + half * 0.7 + shift, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 20, 40));
    QPainterPath hills(QPointF(0, Height));
    hills.lineTo(0, 520);
    hills.cubicTo(120, 470, 220, 540, 330, 560);
    hills.lineTo(330, Height);
    hills.closeSubpath();
    p.drawPath(hills);
    return image;
}

QImage Artwork::iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient g(QPointF(0, 0), QPointF(32, 32));
    g.setColorAt(0, QColor(60, 170, 220));
    g.setColorAt(1, QColor(20, 80, 160));
    p.setPen(QPen(QColor(15, 50, 110), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    // An open book: two pages and a red ribbon.
    p.setPen(QPen(QColor(40, 60, 90), 1));
    p.setBrush(QColor(255, 252, 240));
    QPainterPath left(QPointF(16, 9));
    left.quadTo(11, 6, 5, 8);
    left.lineTo(5, 24);
    left.quadTo(11, 22, 16, 25);
    left.closeSubpath();
    QPainterPath right(QPointF(16, 9));
    right.quadTo(21, 6, 27, 8);
    right.lineTo(27, 24);
    right.quadTo(21, 22, 16, 25);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(120, 130, 150), 1));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(7.5, 12.5 + i * 3.5), QPointF(13.5, 13 + i * 3.5));
        p.drawLine(QPointF(18.5, 13 + i * 3.5), QPointF(24.5, 12.5 + i * 3.5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(21, 4, 3, 8));
    return image;
}

QByteArray Artwork::trayIcon()
{
    const QList<int> sizes = {32, 16};
    QList<QByteArray> images;
    for (const int size : sizes) {
        const QImage image = iconImage(size);
        QByteArray dib;
        const auto put16 = [&dib](quint16 v) { dib.append(char(v & 0xff)).append(char(v >> 8)); };
        const auto put32 = [&dib](quint32 v) {
            for (int i = 0; i < 4; ++i)
                dib.append(char((v >> (8 * i)) & 0xff));
        };
        const int maskStride = ((size + 31) / 32) * 4;
        // Icon bitmaps state twice the height: colour rows then the transparency mask.
        put32(40);
        put32(quint32(size));
        put32(quint32(size * 2));
        put16(1);
        put16(32);
        put32(0);
        put32(quint32(size * size * 4 + maskStride * size));
        put32(0);
        put32(0);
        put32(0);
        put32(0);
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x) {
                const QRgb px = image.pixel(x, y);
                dib.append(char(qBlue(px))).append(char(qGreen(px))).append(char(qRed(px))).append(char(qAlpha(px)));
            }
        }
        for (int y = size - 1; y >= 0; --y) {
            QByteArray row(maskStride, '\0');
            for (int x = 0; x < size; ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    row[x / 8] = char(row.at(x / 8) | (0x80 >> (x % 8)));
            }
            dib += row;
        }
        images.append(dib);
    }

    QByteArray ico;
    const auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto put32 = [&ico](quint32 v) {
        for (int i = 0; i < 4; ++i)
            ico.append(char((v >> (8 * i)) & 0xff));
    };
    put16(0);
    put16(1);
    put16(quint16(sizes.size()));
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        ico.append(char(sizes.at(i))).append(char(sizes.at(i))).append('\0').append('\0');
        put16(1);
        put16(32);
        put32(quint32(images.at(i).size()));
        put32(offset);
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray &dib : images)
        ico += dib;
    return ico;
}
