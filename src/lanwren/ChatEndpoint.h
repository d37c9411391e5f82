#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class QUdpSocket;

// The one UDP socket of a chat copy. No connection and no acknowledgement: a datagram that cannot
// be delivered is simply gone.
class ChatEndpoint : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 3026;
    // Datagrams handled per turn of the event loop, so a flood cannot freeze the window.
    static constexpr int BatchSize = 32;

    explicit ChatEndpoint(QObject *parent = nullptr);
    ~ChatEndpoint() override;

    // False when the port is taken: the copy can still send but hears nothing.
    bool bind(const QHostAddress &address, quint16 port);
    bool isBound() const;
    quint16 localPort() const;

    void setRemotePort(quint16 port) { m_remotePort = port; }
    quint16 remotePort() const { return m_remotePort; }

    // `host` is a machine name or an address. An empty host means the sender of the last datagram
    // received; before anything has arrived the datagram goes nowhere.
    void send(const QString &host, const QByteArray &datagram);

    bool hasLastSender() const { return !m_lastSender.isNull(); }
    QHostAddress lastSender() const { return m_lastSender; }
    quint16 lastSenderPort() const { return m_lastSenderPort; }

Q_SIGNALS:
    void received(const QString &text);

private:
    void readPending();
    void sendTo(const QHostAddress &address, quint16 port, const QByteArray &datagram);

    QUdpSocket *m_socket;
    quint16 m_remotePort = DefaultPort;
    QHostAddress m_lastSender;
    quint16 m_lastSenderPort = 0;
    bool m_drainQueued = false;
};
