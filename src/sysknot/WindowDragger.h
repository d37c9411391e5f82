#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// Moves a window with the mouse until the button is released, for window systems that do not
// run a move on request.
class WindowDragger : public QObject
{
    Q_OBJECT
public:
    explicit WindowDragger(QObject *parent = nullptr);
    ~WindowDragger() override;

    void start(QWidget *window, const QPoint &globalPress);
    bool isDragging() const { return !m_window.isNull(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stop();

    QPointer<QWidget> m_window;
    QPoint m_pressGlobal;
    QPoint m_startPos;
};
