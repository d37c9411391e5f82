#pragma once

#include <QDialog>

class QPushButton;
class Shell;

// Program name and version, and a way to the desktop's system information tool.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(Shell &shell, QWidget *parent = nullptr);

    // The first system information tool installed here; empty when there is none.
    static QString systemInfoProgram();

private:
    void startSystemInfo();

    Shell &m_shell;
    QPushButton *m_systemInfo = nullptr;
};
