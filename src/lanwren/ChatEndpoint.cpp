#include "ChatEndpoint.h"

#include "ChatMessage.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>

ChatEndpoint::ChatEndpoint(QObject *parent) : QObject(parent), m_socket(new QUdpSocket(this))
{
    connect(m_socket, &QUdpSocket::readyRead, this, &ChatEndpoint::readPending);
}

ChatEndpoint::~ChatEndpoint() = default;

bool ChatEndpoint::bind(const QHostAddress &address, quint16 port)
{
    return m_socket->bind(address, port);
}

bool ChatEndpoint::isBound() const
{
    return m_socket->state() == QAbstractSocket::BoundState;
}

quint16 ChatEndpoint::localPort() const
{
    return m_socket->localPort();
}

void ChatEndpoint::send(const QString &host, const QByteArray &datagram)
{
    const QString name = host.trimmed();
    if (name.isEmpty()) {
        if (hasLastSender())
            sendTo(m_lastSender, m_lastSenderPort, datagram);
        return;
    }
    const QHostAddress address(name);
    if (!address.isNull()) {
        sendTo(address, m_remotePort, datagram);
        return;
    }
    // Name lookups can take a while on the first contact; the window stays live meanwhile.
    const quint16 port = m_remotePort;
    QPointer<ChatEndpoint> self(this);
    QHostInfo::lookupHost(name, this, [self, port, datagram](const QHostInfo &info) {
        if (!self || info.error() != QHostInfo::NoError)
            return;
        const QList<QHostAddress> addresses = info.addresses();
        for (const QHostAddress &candidate : addresses) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
                self->sendTo(candidate, port, datagram);
                return;
            }
        }
        if (!addresses.isEmpty())
            self->sendTo(addresses.first(), port, datagram);
    });
}

void ChatEndpoint::sendTo(const QHostAddress &address, quint16 port, const QByteArray &datagram)
{
    m_socket->writeDatagram(datagram, address, port);
}

void ChatEndpoint::readPending()
{
    m_drainQueued = false;
    for (int handled = 0; handled < BatchSize && m_socket->hasPendingDatagrams(); ++handled) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            continue;
        m_lastSender = datagram.senderAddress();
        m_lastSenderPort = static_cast<quint16>(datagram.senderPort());
        Q_EMIT received(ChatMessage::decode(datagram.data()));
    }
    // Leave the rest for the next turn so painting and input are served in between.
    if (m_socket->hasPendingDatagrams() && !m_drainQueued) {
        m_drainQueued = true;
        QTimer::singleShot(0, this, &ChatEndpoint::readPending);
    }
}
