#include "KeyboardPicture.h"

#include "KeyboardLayout.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

KeyboardPicture::KeyboardPicture(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("键盘"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(450, 130);
    const auto &layout = KeyboardLayout::markers();
    for (int i = 0; i <= MarkerCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("La显字母(%1)").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, QColor(0, 255, 0));
        pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(pal);
        if (i > 0) {
            label->setText(layout.at(i).caption);
            label->setAccessibleName(QStringLiteral("按键 ") + layout.at(i).caption);
        }
        label->hide();
        m_markers[static_cast<std::size_t>(i)] = label;
    }
}

void KeyboardPicture::ShowKeyOnKeyboard(const QString &character)
{
    const QString wanted = character.toUpper();
    for (int i = 1; i <= MarkerCount; ++i) {
        QLabel *m = marker(i);
        m->setVisible(!wanted.isEmpty() && m->text() == wanted);
    }
}

QSize KeyboardPicture::sizeHint() const
{
    return QSize(900, heightForWidth(900));
}

int KeyboardPicture::heightForWidth(int width) const
{
    return int(width * KeyboardLayout::Height / KeyboardLayout::Width) + 8;
}

QRectF KeyboardPicture::board() const
{
    // Keep the board's proportions, centred across and close under the hint row.
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double unit = qMin(area.width() / KeyboardLayout::Width, area.height() / KeyboardLayout::Height);
    const QSizeF size(unit * KeyboardLayout::Width, unit * KeyboardLayout::Height);
    return QRectF(QPointF(area.center().x() - size.width() / 2, area.top()), size);
}

void KeyboardPicture::placeMarkers()
{
    const QRectF b = board();
    const double unit = b.width() / KeyboardLayout::Width;
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(qMax(6, int(KeyboardLayout::ModelHeight * unit * 0.85)));
    for (int i = 0; i <= MarkerCount; ++i) {
        const QRectF r = KeyboardLayout::markerRect(i);
        QLabel *m = marker(i);
        m->setFont(font);
        m->setGeometry(QRectF(b.left() + r.left() * unit, b.top() + r.top() * unit,
                              r.width() * unit, r.height() * unit)
                           .toAlignedRect());
    }
}

void KeyboardPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeMarkers();
}

void KeyboardPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = board();
    const double unit = b.width() / KeyboardLayout::Width;

    // Case, then keys with a lighter cap on a darker skirt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 78));
    p.drawRoundedRect(b.adjusted(-3, -3, 3, 3), 6, 6);

    QFont legendFont = font();
    QFont smallFont = font();
    legendFont.setPixelSize(qMax(6, int(unit * 0.34)));
    smallFont.setPixelSize(qMax(5, int(unit * 0.22)));
    const double gap = qMax(1.0, unit * 0.05);
    for (const KeyboardLayout::Key &key : KeyboardLayout::keys()) {
        const QRectF r(b.left() + key.rect.left() * unit + gap, b.top() + key.rect.top() * unit + gap,
                       key.rect.width() * unit - 2 * gap, key.rect.height() * unit - 2 * gap);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(185, 185, 192));
        p.drawRoundedRect(r, unit * 0.08, unit * 0.08);
        const QRectF cap = r.adjusted(unit * 0.06, unit * 0.04, -unit * 0.06, -unit * 0.12);
        p.setBrush(QColor(245, 245, 248));
        p.drawRoundedRect(cap, unit * 0.06, unit * 0.06);

        p.setPen(QColor(30, 30, 30));
        const QRectF text = cap.adjusted(unit * 0.08, unit * 0.02, -unit * 0.08, -unit * 0.02);
        if (!key.lower.isEmpty()) {
            p.setFont(legendFont);
            p.drawText(text, Qt::AlignLeft | Qt::AlignTop, key.upper);
            p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, key.lower);
        } else if (key.upper.size() == 1) {
            p.setFont(legendFont);
            p.drawText(text, Qt::AlignCenter, key.upper);
        } else {
            p.setFont(smallFont);
            p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, key.upper);
        }
        if (key.homeBump) {
            p.setPen(QPen(QColor(80, 80, 80), qMax(1.0, unit * 0.04)));
            const double y = cap.bottom() - unit * 0.12;
            p.drawLine(QPointF(cap.center().x() - unit * 0.12, y), QPointF(cap.center().x() + unit * 0.12, y));
        }
    }
}
