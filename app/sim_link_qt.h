// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/sim_feed.h"
#include "app/sim_link.h"
#include "simlink/link_choice.h"
#include "simlink/link_state.h"

class QTcpSocket;
class QUdpSocket;
class QHostInfo;

namespace ventrose::app {

// The link with one simulator over Qt's sockets: it tells a LinkState what happens (datagrams,
// bytes, connections, the time from a monotonic clock) and carries out every action it answers
// (subscriptions sent, connections opened and closed, polls written, values handed to the feed).
//
// X-Plane: one UDP socket, bound to an ephemeral port, which sends the subscriptions to the
// simulator and takes datagrams only from its address; every other datagram is dropped and
// counted. FlightGear: one TCP connection at a time, opened, polled and retried when LinkState
// says so. A timer ticks twice a second while a link is chosen; with none, no socket and no
// timer exist.
//
// A flood cannot hold the event loop: each turn reads at most kDatagramsPerTurn datagrams or
// kBytesPerTurn bytes and leaves the rest to the next turn, and LinkState keeps only the latest
// value of each source, so that memory stays the same whatever arrives.
class SimLinkQt : public QObject, public SimLink {
public:
    static constexpr int kTickMs = 500;
    static constexpr int kDatagramsPerTurn = 256;
    static constexpr std::int64_t kBytesPerTurn = 64 * 1024;

    explicit SimLinkQt(SimFeed& feed);
    ~SimLinkQt() override;
    SimLinkQt(const SimLinkQt&) = delete;
    SimLinkQt& operator=(const SimLinkQt&) = delete;

    // Ends the link in force (X-Plane is told to stop sending), tells the feed, then starts
    // `choice`: its host is looked up first when it is a name.
    void setLink(const std::optional<simlink::LinkChoice>& choice) override;
    void setOnHostNotFound(std::function<void(const std::string& host)> notFound) override {
        onHostNotFound = std::move(notFound);
    }
    const std::optional<simlink::LinkChoice>& link() const { return choice_; }

    // Told once per link when its host cannot be found, with that host.
    std::function<void(const std::string& host)> onHostNotFound;

    // What the link has refused; null while none runs.
    const simlink::LinkCounters* counters() const;
    // Datagrams from another address than the simulator's, since the link began.
    std::uint64_t foreignDatagrams() const { return foreign_; }
    // Whether any socket exists (for tests: none without a link).
    bool hasSocket() const;

private:
    void resolved(const QHostInfo& info);
    void begin(const QHostAddress& address);
    void stop();
    std::int64_t now() const;
    void carryOut(simlink::LinkActions actions);
    void readDatagrams();
    void readStream();
    void openConnection();
    void closeConnection();
    void connectionLost();
    void reportStatus();

    SimFeed& feed_;
    std::optional<simlink::LinkChoice> choice_;
    std::unique_ptr<simlink::LinkState> state_;
    QHostAddress address_;
    QElapsedTimer clock_;
    QTimer tick_;
    // Runs again at the next turn of the event loop what a turn left unread.
    QTimer drain_;
    QPointer<QUdpSocket> udp_;
    QPointer<QTcpSocket> tcp_;
    int lookup_ = -1;
    std::string status_;
    std::uint64_t foreign_ = 0;
};

}  // namespace ventrose::app
