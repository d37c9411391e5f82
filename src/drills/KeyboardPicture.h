#pragma once

#include <QWidget>

#include <array>

class QLabel;

// Picture1: the drawn keyboard, scaled to the widget, with the hidden key markers La显字母(0 … 66)
// laid over their keys.
class KeyboardPicture : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MarkerCount = 66;

    explicit KeyboardPicture(QWidget *parent = nullptr);

    // Shows exactly the markers whose caption is the upper-case form of the character.
    void ShowKeyOnKeyboard(const QString &character);

    QLabel *marker(int i) const { return m_markers.at(static_cast<std::size_t>(i)); }
    const std::array<QLabel *, MarkerCount + 1> &markers() const { return m_markers; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF board() const;
    void placeMarkers();

    std::array<QLabel *, MarkerCount + 1> m_markers{};
};
