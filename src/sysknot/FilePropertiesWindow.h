#pragma once

#include <QWidget>

class QFileInfo;
class QLineEdit;

// A small non-modal window describing one file: name, folder, size, type, times, permissions.
class FilePropertiesWindow : public QWidget
{
    Q_OBJECT
public:
    FilePropertiesWindow(const QFileInfo &file, QWidget *owner);

    // The shown value of a row by its caption ("大小", "类型" ...), for tests.
    QString value(const QString &caption) const;

private:
    void addRow(const QString &caption, const QString &value);

    QList<QLineEdit *> m_values;
};
