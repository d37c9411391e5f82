#pragma once

#include "ChatEndpoint.h"

#include <QDateTime>
#include <QHostAddress>
#include <QString>

#include <functional>

// Where a chat copy listens and where it keeps its settings; tests run two copies on loopback
// with ports of their own and a clock of their own.
struct ChatOptions
{
    QHostAddress bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 localPort = ChatEndpoint::DefaultPort;
    quint16 remotePort = ChatEndpoint::DefaultPort;
    QString settingsPath; // empty: "\Wren设置保存.txt" in the program folder
    std::function<QDateTime()> now;
};
