#pragma once

#include "Shell.h"

class DesktopShell : public Shell
{
public:
    bool open(const QUrl &target) override;
    bool startDetached(const QString &program, const QStringList &arguments, bool minimised) override;
};
