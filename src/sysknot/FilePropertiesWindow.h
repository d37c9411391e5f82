#pragma once

#include <QWidget>

class QFileInfo;
class QKeyEvent;
class QLineEdit;

// A small non-modal window describing one file: name, folder, size, type, times, permissions.
class FilePropertiesWindow : public QWidget
{
    Q_OBJECT
public:
    FilePropertiesWindow(const QFileInfo &file, QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addRow(const QString &caption, const QString &value);

    QList<QLineEdit *> m_values;
};
