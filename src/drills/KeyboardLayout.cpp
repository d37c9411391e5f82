#include "KeyboardLayout.h"

namespace {

using Key = KeyboardLayout::Key;

void row(QList<Key> &keys, double x, double y, const QList<std::pair<QString, double>> &items)
{
    for (const auto &[legend, width] : items) {
        if (!legend.isEmpty()) {
            Key k;
            k.rect = QRectF(x, y, width, 1.0);
            // "!1" style pairs: shifted legend first.
            const bool pair = legend.size() == 2 && !legend.at(0).isLetterOrNumber();
            if (pair) {
                k.upper = legend.left(1);
                k.lower = legend.mid(1);
            } else {
                k.upper = legend;
            }
            k.homeBump = legend == u"F" || legend == u"J";
            keys << k;
        }
        x += width;
    }
}

QList<Key> buildKeys()
{
    QList<Key> k;
    auto s = [](const char16_t *t) { return QString::fromUtf16(t); };
    // Function row.
    row(k, 0, 0, {{s(u"Esc"), 1}, {QString(), 1}, {s(u"F1"), 1}, {s(u"F2"), 1}, {s(u"F3"), 1},
                  {s(u"F4"), 1}, {QString(), 0.5}, {s(u"F5"), 1}, {s(u"F6"), 1}, {s(u"F7"), 1},
                  {s(u"F8"), 1}, {QString(), 0.5}, {s(u"F9"), 1}, {s(u"F10"), 1}, {s(u"F11"), 1},
                  {s(u"F12"), 1}, {QString(), 0.25}, {s(u"PrtSc"), 1}, {s(u"ScrLk"), 1},
                  {s(u"Pause"), 1}});
    // Main block with the editing keys and the number pad beside it.
    const double y1 = 1.5;
    row(k, 0, y1, {{s(u"~`"), 1}, {s(u"!1"), 1}, {s(u"@2"), 1}, {s(u"#3"), 1}, {s(u"$4"), 1},
                   {s(u"%5"), 1}, {s(u"^6"), 1}, {s(u"&7"), 1}, {s(u"*8"), 1}, {s(u"(9"), 1},
                   {s(u")0"), 1}, {s(u"_-"), 1}, {s(u"+="), 1}, {s(u"Backspace"), 2},
                   {QString(), 0.25}, {s(u"Ins"), 1}, {s(u"Home"), 1}, {s(u"PgUp"), 1},
                   {QString(), 0.25}, {s(u"Num"), 1}, {s(u"/"), 1}, {s(u"*"), 1}, {s(u"-"), 1}});
    row(k, 0, y1 + 1, {{s(u"Tab"), 1.5}, {s(u"Q"), 1}, {s(u"W"), 1}, {s(u"E"), 1}, {s(u"R"), 1},
                       {s(u"T"), 1}, {s(u"Y"), 1}, {s(u"U"), 1}, {s(u"I"), 1}, {s(u"O"), 1},
                       {s(u"P"), 1}, {s(u"{["), 1}, {s(u"}]"), 1}, {s(u"|\\"), 1.5},
                       {QString(), 0.25}, {s(u"Del"), 1}, {s(u"End"), 1}, {s(u"PgDn"), 1},
                       {QString(), 0.25}, {s(u"7"), 1}, {s(u"8"), 1}, {s(u"9"), 1}});
    k << Key{QRectF(21.5, y1 + 1, 1, 2), s(u"+"), QString(), false};
    row(k, 0, y1 + 2, {{s(u"Caps"), 1.75}, {s(u"A"), 1}, {s(u"S"), 1}, {s(u"D"), 1}, {s(u"F"), 1},
                       {s(u"G"), 1}, {s(u"H"), 1}, {s(u"J"), 1}, {s(u"K"), 1}, {s(u"L"), 1},
                       {s(u":;"), 1}, {s(u"\"'"), 1}, {s(u"Enter"), 2.25}, {QString(), 3.5},
                       {s(u"4"), 1}, {s(u"5"), 1}, {s(u"6"), 1}});
    row(k, 0, y1 + 3, {{s(u"Shift"), 2.25}, {s(u"Z"), 1}, {s(u"X"), 1}, {s(u"C"), 1}, {s(u"V"), 1},
                       {s(u"B"), 1}, {s(u"N"), 1}, {s(u"M"), 1}, {s(u"<,"), 1}, {s(u">."), 1},
                       {s(u"?/"), 1}, {s(u"Shift"), 2.75}, {QString(), 1.25}, {s(u"↑"), 1},
                       {QString(), 1.25}, {s(u"1"), 1}, {s(u"2"), 1}, {s(u"3"), 1}});
    k << Key{QRectF(21.5, y1 + 3, 1, 2), s(u"Enter"), QString(), false};
    row(k, 0, y1 + 4, {{s(u"Ctrl"), 1.25}, {s(u"Win"), 1.25}, {s(u"Alt"), 1.25}, {s(u" "), 6.25},
                       {s(u"Alt"), 1.25}, {s(u"Win"), 1.25}, {s(u"Menu"), 1.25}, {s(u"Ctrl"), 1.25},
                       {QString(), 0.25}, {s(u"←"), 1}, {s(u"↓"), 1}, {s(u"→"), 1},
                       {QString(), 0.25}, {s(u"0"), 2}, {s(u"."), 1}});
    return k;
}

int mainKeyWithLegend(const QList<Key> &keys, const QString &legend)
{
    // Only the main block: a touch typist never reaches for the number pad's twins.
    for (int i = 0; i < keys.size(); ++i) {
        if (keys[i].rect.right() > KeyboardLayout::MainBlockWidth)
            continue;
        if (keys[i].upper == legend || keys[i].lower == legend)
            return i;
    }
    return -1;
}

QList<KeyboardLayout::Marker> buildMarkers()
{
    using Marker = KeyboardLayout::Marker;
    using Slot = KeyboardLayout::Slot;
    const QList<Key> &keys = KeyboardLayout::keys();
    QList<Marker> m;
    m << Marker{}; // size model
    auto add = [&](const QString &caption, const QString &legend, Slot slot) {
        m << Marker{caption, mainKeyWithLegend(keys, legend), slot};
    };
    for (QChar c = u'A'; c <= u'Z'; c = QChar(c.unicode() + 1))
        add(QString(c), QString(c), Slot::Whole);
    const QString digits = QStringLiteral("1234567890");
    // Shifted digits; & * ( ) get full-width stand-ins that no keystroke produces.
    const QString shifted = QStringLiteral("!@#$%^＆＊（）");
    for (int i = 0; i < digits.size(); ++i) {
        add(QString(digits[i]), QString(digits[i]), Slot::Lower);
        add(QString(shifted[i]), QString(digits[i]), Slot::Upper);
    }
    const QString pairs = QStringLiteral("`~-_=+[{]};:'\",<.>");
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        add(QString(pairs[i]), QString(pairs[i]), Slot::Lower);
        add(QString(pairs[i + 1]), QString(pairs[i]), Slot::Upper);
    }
    add(QStringLiteral("/"), QStringLiteral("/"), Slot::Lower);
    // The space bar's marker carries a sign, not a typable character.
    add(QStringLiteral("␣"), QStringLiteral(" "), Slot::Whole);
    return m;
}

} // namespace

const QList<KeyboardLayout::Key> &KeyboardLayout::keys()
{
    static const QList<Key> k = buildKeys();
    return k;
}

const QList<KeyboardLayout::Marker> &KeyboardLayout::markers()
{
    static const QList<Marker> m = buildMarkers();
    return m;
}

QRectF KeyboardLayout::markerRect(int i)
{
    const QList<Marker> &m = markers();
    const double w = ModelWidth / 1.3;
    const double h = ModelHeight;
    if (i <= 0 || i >= m.size() || m[i].key < 0)
        return QRectF(0, 0, ModelWidth, ModelHeight);
    const QRectF key = keys()[m[i].key].rect;
    const double x = key.center().x() - w / 2;
    double y = key.center().y() - h / 2;
    if (m[i].slot == Slot::Upper)
        y = key.top() + 0.03;
    else if (m[i].slot == Slot::Lower)
        y = key.bottom() - 0.03 - h;
    return QRectF(x, y, w, h);
}

int KeyboardLayout::keyOf(QChar c)
{
    return mainKeyWithLegend(keys(), QString(c).toUpper());
}
