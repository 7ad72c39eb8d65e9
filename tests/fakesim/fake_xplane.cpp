// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakesim/fake_xplane.h"

#include <QDateTime>
#include <algorithm>
#include <cstring>
#include <limits>
#include <set>
#include <utility>

namespace ventrose::fakesim {

namespace {

constexpr std::size_t kRequestBytes = 413;
constexpr std::size_t kNameBytes = 400;

std::int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

std::int32_t Int32At(const char* bytes) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void AppendInt32(std::vector<char>& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFFu));
}

void AppendFloat(std::vector<char>& out, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    AppendInt32(out, static_cast<std::int32_t>(bits));
}

std::vector<char> Header() { return {'R', 'R', 'E', 'F', ','}; }

}  // namespace

FakeXPlane::FakeXPlane() {
    timer_.setInterval(10);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FakeXPlane::sendDue);
}

bool FakeXPlane::listen(std::uint16_t port) {
    stop();
    socket_ = new QUdpSocket(this);
    if (!socket_->bind(QHostAddress::LocalHost, port)) {
        delete socket_;
        socket_ = nullptr;
        return false;
    }
    port_ = socket_->localPort();
    connect(socket_, &QUdpSocket::readyRead, this, &FakeXPlane::readRequests);
    timer_.start();
    return true;
}

void FakeXPlane::set(const std::string& dataref, float value) { values_[dataref] = value; }

void FakeXPlane::stop() {
    timer_.stop();
    subscriptions_.clear();
    if (socket_ != nullptr) {
        socket_->close();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void FakeXPlane::restart() {
    const std::uint16_t port = port_;
    stop();
    listen(port);
}

// A request is exactly 413 bytes; anything else is not one, and X-Plane ignores it.
void FakeXPlane::readRequests() {
    while (socket_ != nullptr && socket_->hasPendingDatagrams()) {
        std::vector<char> bytes(2048);
        QHostAddress from;
        quint16 fromPort = 0;
        const qint64 size = socket_->readDatagram(bytes.data(), static_cast<qint64>(bytes.size()),
                                                  &from, &fromPort);
        if (size != static_cast<qint64>(kRequestBytes) ||
            std::memcmp(bytes.data(), "RREF\0", 5) != 0)
            continue;
        ++requests_;
        const std::int32_t frequency = Int32At(bytes.data() + 5);
        const std::int32_t index = Int32At(bytes.data() + 9);
        const char* name = bytes.data() + 13;
        const std::string dataref(name, strnlen(name, kNameBytes));
        std::erase_if(subscriptions_, [&](const Subscription& s) {
            return s.address == from && s.port == fromPort && s.index == index;
        });
        if (frequency > 0) {
            subscriptions_.push_back({from, fromPort, index, frequency, dataref, NowMs()});
        }
    }
}

std::vector<char> FakeXPlane::replyFor(const QHostAddress& address, std::uint16_t port,
                                       bool dueOnly, std::int64_t now) {
    std::vector<char> reply = Header();
    for (Subscription& s : subscriptions_) {
        if (s.address != address || s.port != port) continue;
        if (dueOnly && s.nextDueMs > now) continue;
        if (dueOnly) s.nextDueMs = std::max(s.nextDueMs + 1000 / s.frequency, now);
        const auto value = values_.find(s.dataref);
        if (value == values_.end()) continue;
        AppendInt32(reply, s.index);
        AppendFloat(reply, value->second);
    }
    return reply;
}

void FakeXPlane::sendDue() {
    if (socket_ == nullptr) return;
    const std::int64_t now = NowMs();
    std::set<std::pair<QString, std::uint16_t>> requesters;
    for (const Subscription& s : subscriptions_) requesters.insert({s.address.toString(), s.port});
    for (const auto& [address, port] : requesters) {
        const std::vector<char> reply = replyFor(QHostAddress(address), port, true, now);
        if (reply.size() > 5)
            socket_->writeDatagram(reply.data(), static_cast<qint64>(reply.size()),
                                   QHostAddress(address), port);
    }
}

void FakeXPlane::sendBurst(int count) {
    if (socket_ == nullptr || subscriptions_.empty()) return;
    const Subscription first = subscriptions_.front();
    const std::vector<char> reply = replyFor(first.address, first.port, false, 0);
    for (int i = 0; i < count; ++i)
        socket_->writeDatagram(reply.data(), static_cast<qint64>(reply.size()), first.address,
                               first.port);
}

void FakeXPlane::sendJunk() {
    if (socket_ == nullptr) return;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<std::vector<char>> junk;
    junk.push_back({});
    junk.push_back({'R', 'R', 'E'});
    junk.push_back(Header());
    junk.push_back(std::vector<char>(2000, 'R'));
    junk.push_back({'D', 'A', 'T', 'A', '*', 1, 0, 0, 0});
    junk.push_back({'R', 'R', 'E', 'F', ',', 0, 0, 0});
    for (const auto& [index, value] : std::initializer_list<std::pair<std::int32_t, float>>{
             {4242, 100.0f}, {-1, 100.0f}, {0, nan}, {0, inf}, {0, -inf}, {0, 1e9f}}) {
        std::vector<char> reply = Header();
        AppendInt32(reply, index);
        AppendFloat(reply, value);
        junk.push_back(std::move(reply));
    }
    std::set<std::pair<QString, std::uint16_t>> requesters;
    for (const Subscription& s : subscriptions_) requesters.insert({s.address.toString(), s.port});
    for (const auto& [address, port] : requesters)
        for (const std::vector<char>& datagram : junk)
            socket_->writeDatagram(datagram.data(), static_cast<qint64>(datagram.size()),
                                   QHostAddress(address), port);
}

void FakeXPlane::sendForeign() {
    QUdpSocket foreign;
    if (!foreign.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0)) return;
    std::set<std::pair<QString, std::uint16_t>> requesters;
    for (const Subscription& s : subscriptions_) requesters.insert({s.address.toString(), s.port});
    for (const auto& [address, port] : requesters) {
        std::vector<char> reply = Header();
        for (const Subscription& s : subscriptions_) {
            if (s.address.toString() != address || s.port != port) continue;
            AppendInt32(reply, s.index);
            AppendFloat(reply, 77.0f);
        }
        foreign.writeDatagram(reply.data(), static_cast<qint64>(reply.size()),
                              QHostAddress(address), port);
    }
}

}  // namespace ventrose::fakesim
