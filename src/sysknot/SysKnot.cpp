#include "SysKnot.h"

SysKnot::SysKnot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SysKnot1"));
    hide();
}
