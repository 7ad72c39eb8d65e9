// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A program that answers as X-Plane's UDP dataref interface does, on 127.0.0.1 only: it takes
// RREF requests on its port and sends each requester, from that port, "RREF," and the values of
// the datarefs it asked for, at the frequency it asked (a frequency of 0 cancels, a new request
// for the same index replaces the old one). A dataref never set is not answered.
namespace ventrose::fakesim {

class FakeXPlane : public QObject {
public:
    FakeXPlane();

    // Listens on 127.0.0.1 at `port` (0: a free one). False when the port is taken.
    bool listen(std::uint16_t port = 0);
    std::uint16_t port() const { return port_; }

    // A dataref's value, as X-Plane sends it (its own unit).
    void set(const std::string& dataref, float value);
    // Quits: the port closes and every subscription is forgotten, as X-Plane forgets them.
    void stop();
    // Stop, then listen on the same port again, without a subscription.
    void restart();
    bool listening() const { return socket_ != nullptr; }

    // Malformed datagrams to every requester, from the simulator's port: short, oversized, a
    // wrong header, a partial pair, an index never asked for, NaN, infinity, an absurd value.
    void sendJunk();
    // A well-formed reply to every requester with values unlike the simulator's, from another
    // address of the loopback network (127.0.0.2).
    void sendForeign();
    // `count` replies of every subscribed value to every requester, as fast as the socket takes
    // them.
    void sendBurst(int count);

    struct Subscription {
        QHostAddress address;
        std::uint16_t port;
        std::int32_t index;
        std::int32_t frequency;
        std::string dataref;
        std::int64_t nextDueMs;
    };
    const std::vector<Subscription>& subscriptions() const { return subscriptions_; }
    // Requests received since the start (a cancellation counts).
    int requests() const { return requests_; }

private:
    void readRequests();
    void sendDue();
    std::vector<char> replyFor(const QHostAddress& address, std::uint16_t port, bool dueOnly,
                               std::int64_t now);

    QUdpSocket* socket_ = nullptr;
    std::uint16_t port_ = 0;
    std::map<std::string, float> values_;
    std::vector<Subscription> subscriptions_;
    QTimer timer_;
    std::int64_t startMs_ = 0;
    int requests_ = 0;
};

}  // namespace ventrose::fakesim
