#pragma once

#include "PlatformServices.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about box of the main window.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(const PlatformServices &services, QWidget *parent = nullptr);

    static QString applicationTitle();
    static QString version();
    // The first system information tool found on this desktop; empty when none is installed.
    static QString systemInfoTool();

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    void showSystemInfo();

private:
    PlatformServices m_services;
};
