// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_link_qt.h"

#include <QHostInfo>
#include <QTcpSocket>
#include <QUdpSocket>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "simlink/xplane_datarefs.h"
#include "simlink/xplane_rref.h"

namespace ventrose::app {

namespace {

// A datagram one byte longer than the longest reply is read that long, and refused as too long.
constexpr std::size_t kDatagramBuffer = simlink::kMaxRrefReplyBytes + 1;
constexpr std::int64_t kReadChunk = 4096;

QString HostText(const std::string& host) {
    QString text = QString::fromStdString(host);
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    return text;
}

// IPv4 first: X-Plane and FlightGear listen on IPv4 unless told otherwise.
std::optional<QHostAddress> PreferredAddress(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& a : addresses)
        if (a.protocol() == QAbstractSocket::IPv4Protocol) return a;
    if (!addresses.isEmpty()) return addresses.front();
    return std::nullopt;
}

bool SameHost(const QHostAddress& a, const QHostAddress& b) {
    return a.isEqual(b, QHostAddress::ConvertV4MappedToIPv4);
}

}  // namespace

SimLinkQt::SimLinkQt(SimFeed& feed) : feed_(feed) {
    tick_.setInterval(kTickMs);
    tick_.setTimerType(Qt::CoarseTimer);
    connect(&tick_, &QTimer::timeout, this, [this] { carryOut(state_->Tick(now())); });
    drain_.setSingleShot(true);
    drain_.setInterval(0);
    connect(&drain_, &QTimer::timeout, this, [this] {
        if (udp_) readDatagrams();
        if (tcp_) readStream();
    });
}

SimLinkQt::~SimLinkQt() { stop(); }

void SimLinkQt::setLink(const std::optional<simlink::LinkChoice>& choice) {
    stop();
    choice_ = choice;
    foreign_ = 0;
    status_.clear();
    feed_.SetLink(choice ? std::optional(choice->simulator) : std::nullopt);
    if (!choice) return;
    state_ = std::make_unique<simlink::LinkState>(choice->simulator);
    reportStatus();
    const QString host = HostText(choice->host);
    QHostAddress literal;
    if (literal.setAddress(host)) {
        begin(literal);
        return;
    }
    lookup_ = QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) { resolved(info); });
}

void SimLinkQt::resolved(const QHostInfo& info) {
    if (info.lookupId() != lookup_) return;
    lookup_ = -1;
    const std::optional<QHostAddress> address = PreferredAddress(info.addresses());
    if (info.error() != QHostInfo::NoError || !address) {
        if (onHostNotFound) onHostNotFound(choice_->host);
        return;
    }
    begin(*address);
}

void SimLinkQt::begin(const QHostAddress& address) {
    address_ = address;
    clock_.start();
    if (choice_->simulator == simlink::Simulator::XPlane) {
        udp_ = new QUdpSocket(this);
        // A simulator on this machine needs no port open to the network.
        const bool local = address.isLoopback();
        const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
        const QHostAddress bindTo =
            local ? (v6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost)
                  : (v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4);
        udp_->bind(bindTo, 0);
        connect(udp_, &QUdpSocket::readyRead, this, &SimLinkQt::readDatagrams);
    }
    tick_.start();
    carryOut(state_->Start(now()));
}

void SimLinkQt::stop() {
    if (lookup_ != -1) QHostInfo::abortHostLookup(lookup_);
    lookup_ = -1;
    tick_.stop();
    drain_.stop();
    if (udp_) {
        // X-Plane would go on sending to a port nobody reads until it restarts.
        for (const simlink::RrefRequest& request : simlink::XPlaneCancellations()) {
            udp_->writeDatagram(reinterpret_cast<const char*>(request.data()),
                                static_cast<qint64>(request.size()), address_, choice_->port);
        }
        QUdpSocket* socket = udp_;
        udp_ = nullptr;
        socket->disconnect(this);
        socket->close();
        socket->deleteLater();
    }
    closeConnection();
    state_.reset();
}

std::int64_t SimLinkQt::now() const { return clock_.isValid() ? clock_.elapsed() : 0; }

const simlink::LinkCounters* SimLinkQt::counters() const {
    return state_ ? &state_->Counters() : nullptr;
}

bool SimLinkQt::hasSocket() const { return udp_ != nullptr || tcp_ != nullptr; }

void SimLinkQt::carryOut(simlink::LinkActions actions) {
    if (actions.closeConnection) closeConnection();
    if (actions.openConnection) openConnection();
    if (actions.sendSubscriptions && udp_) {
        for (const simlink::RrefRequest& request : simlink::XPlaneSubscriptions()) {
            udp_->writeDatagram(reinterpret_cast<const char*>(request.data()),
                                static_cast<qint64>(request.size()), address_, choice_->port);
        }
    }
    if (!actions.send.empty() && tcp_ && tcp_->state() == QAbstractSocket::ConnectedState)
        tcp_->write(actions.send.data(), static_cast<qint64>(actions.send.size()));
    reportStatus();
    if (actions.release) feed_.Deliver(*actions.release);
}

void SimLinkQt::reportStatus() {
    if (!state_ || state_->Status() == status_) return;
    status_ = std::string(state_->Status());
    feed_.SetStatus(status_, state_->HasData());
}

void SimLinkQt::readDatagrams() {
    std::array<char, kDatagramBuffer> buffer{};
    for (int i = 0; i < kDatagramsPerTurn; ++i) {
        if (!udp_ || !udp_->hasPendingDatagrams()) return;
        QHostAddress sender;
        const qint64 size = udp_->readDatagram(buffer.data(), buffer.size(), &sender);
        if (size < 0) continue;
        if (!SameHost(sender, address_)) {
            ++foreign_;
            continue;
        }
        const std::span<const std::byte> datagram(reinterpret_cast<const std::byte*>(buffer.data()),
                                                  static_cast<std::size_t>(size));
        carryOut(state_->Datagram(datagram, now()));
    }
    if (udp_ && udp_->hasPendingDatagrams()) drain_.start();
}

void SimLinkQt::readStream() {
    std::array<char, kReadChunk> buffer{};
    std::int64_t read = 0;
    while (tcp_ && read < kBytesPerTurn && tcp_->bytesAvailable() > 0) {
        const qint64 size = tcp_->read(buffer.data(), kReadChunk);
        if (size <= 0) break;
        read += size;
        carryOut(state_->Received(std::string_view(buffer.data(), static_cast<std::size_t>(size)),
                                  now()));
    }
    if (tcp_ && tcp_->bytesAvailable() > 0) drain_.start();
}

void SimLinkQt::openConnection() {
    closeConnection();
    tcp_ = new QTcpSocket(this);
    // Replies are read as they come, so that a slow reader never holds a megabyte line.
    tcp_->setReadBufferSize(kBytesPerTurn);
    connect(tcp_, &QTcpSocket::connected, this, [this] { carryOut(state_->Connected(now())); });
    connect(tcp_, &QTcpSocket::readyRead, this, &SimLinkQt::readStream);
    connect(tcp_, &QTcpSocket::disconnected, this, &SimLinkQt::connectionLost);
    connect(tcp_, &QTcpSocket::errorOccurred, this, &SimLinkQt::connectionLost);
    tcp_->connectToHost(address_, choice_->port);
}

// Closed by the link itself: nothing is reported back to it.
void SimLinkQt::closeConnection() {
    if (!tcp_) return;
    QTcpSocket* socket = tcp_;
    tcp_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

// Refused, failed or closed by the simulator: said once to the link, which decides when to try
// again.
void SimLinkQt::connectionLost() {
    if (!tcp_) return;
    closeConnection();
    carryOut(state_->Disconnected(now()));
}

}  // namespace ventrose::app
