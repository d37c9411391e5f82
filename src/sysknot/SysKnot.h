#pragma once

#include <QWidget>

// The helper control: desktop operations behind a dispatch interface.
class SysKnot : public QWidget
{
    Q_OBJECT
public:
    explicit SysKnot(QWidget *parent = nullptr);
};
