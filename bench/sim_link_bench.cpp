// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator link against the fake simulators, on 127.0.0.1:
//   - a datagram to the windows: from X-Plane's send to SimFeed::Deliver returning, one datagram
//     every 260 ms (the link releases at most every 250 ms), 99th percentile;
//   - the event loop under a flood of X-Plane replies (100,000 a second for 10 s, from another
//     process): the worst lateness of a 10 ms timer, and the memory before and after;
//   - the CPU a chosen link costs with no simulator running, X-Plane and FlightGear, over 10 s.
// Prints the figures as a Google Benchmark JSON file does ({"benchmarks": [{"name", "real_time",
// "time_unit"}]}), so that scripts/bench.sh reads them with the others; a percentage is written
// as its value in "real_time" with the unit "%".
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/sim_feed.h"
#include "app/sim_link_qt.h"

namespace {

using ventrose::simlink::LinkChoice;
using ventrose::simlink::Simulator;

class TimedFeed : public ventrose::app::SimFeed {
public:
    void SetLink(std::optional<Simulator>) override {}
    void SetStatus(std::string_view) override {}
    void Deliver(const ventrose::simlink::SimValues&) override {
        ++deliveries;
        deliveredAtNs = clock.nsecsElapsed();
        if (loop != nullptr) loop->quit();
    }
    QEventLoop* loop = nullptr;
    QElapsedTimer clock;
    qint64 deliveredAtNs = 0;
    int deliveries = 0;
};

// The event loop as the program runs it, sleeping between events.
void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// A port on 127.0.0.1 that nothing listens on, TCP and UDP.
std::uint16_t FreePort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

// One reply with the true airspeed (index 0) in m/s.
QByteArray Reply(float tasMs) {
    QByteArray bytes("RREF,");
    const char index[4] = {0, 0, 0, 0};
    bytes.append(index, 4);
    bytes.append(reinterpret_cast<const char*>(&tasMs), 4);  // little-endian, as on x86 and ARM
    return bytes;
}

// X-Plane played by hand, so that nothing but the measured datagram reaches the link.
double DatagramToDeliverP99Ns() {
    QUdpSocket xplane;
    xplane.bind(QHostAddress::LocalHost, 0);
    TimedFeed feed;
    ventrose::app::SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", xplane.localPort()});
    RunFor(300);
    QHostAddress requester;
    quint16 requesterPort = 0;
    while (xplane.hasPendingDatagrams()) {
        char request[413];
        xplane.readDatagram(request, sizeof request, &requester, &requesterPort);
    }
    std::vector<double> samples;
    feed.clock.start();
    for (int i = 0; i < 40; ++i) {
        RunFor(260);
        const int before = feed.deliveries;
        const qint64 sentAt = feed.clock.nsecsElapsed();
        xplane.writeDatagram(Reply(30.0f + static_cast<float>(i)), requester, requesterPort);
        QEventLoop wait;
        feed.loop = &wait;
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        wait.exec();
        feed.loop = nullptr;
        if (feed.deliveries > before)
            samples.push_back(static_cast<double>(feed.deliveredAtNs - sentAt));
    }
    std::sort(samples.begin(), samples.end());
    if (samples.empty()) return -1;
    return samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

struct Flood {
    double worstLatenessNs = 0;
    double datagramsPerSecond = 0;
    double memoryGrowthKiB = 0;
};

Flood FloodOfReplies(const QString& fakesim) {
    QProcess fake;
    fake.start(fakesim,
               {QStringLiteral("xplane"), QStringLiteral("--flood"), QStringLiteral("100000"),
                QStringLiteral("--random"), QStringLiteral("7")});
    fake.waitForReadyRead(5000);
    const QString line = QString::fromUtf8(fake.readLine()).trimmed();
    const auto port = static_cast<std::uint16_t>(line.section(' ', 1).toUInt());
    TimedFeed feed;
    ventrose::app::SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", port});
    RunFor(1000);
    const long memoryBefore = ResidentKiB();
    const std::uint64_t valuesBefore = link.counters()->values;
    Flood flood;
    QElapsedTimer clock;
    clock.start();
    qint64 expected = clock.nsecsElapsed() + 10'000'000;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        flood.worstLatenessNs =
            std::max(flood.worstLatenessNs, static_cast<double>(now - expected));
        expected = now + 10'000'000;
    });
    probe.start(10);
    RunFor(10000);
    probe.stop();
    const std::uint64_t values = link.counters()->values - valuesBefore;
    flood.datagramsPerSecond = static_cast<double>(values) / 12.0 / 10.0;
    flood.memoryGrowthKiB = static_cast<double>(ResidentKiB() - memoryBefore);
    link.setLink(std::nullopt);
    fake.write("quit\n");
    fake.waitForFinished(3000);
    return flood;
}

double IdleCpuPercent(Simulator simulator) {
    TimedFeed feed;
    ventrose::app::SimLinkQt link(feed);
    link.setLink(LinkChoice{simulator, "127.0.0.1", FreePort()});
    RunFor(500);
    const double before = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(10000);
    return (CpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0) * 100.0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString fakesim = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../tests/fakesim/ventrose-fakesim");
    const double deliver = DatagramToDeliverP99Ns();
    const Flood flood = FloodOfReplies(fakesim);
    const double idleXPlane = IdleCpuPercent(Simulator::XPlane);
    const double idleFlightGear = IdleCpuPercent(Simulator::FlightGear);
    std::printf(
        "{\"benchmarks\": [\n"
        "  {\"name\": \"DatagramToDeliver_p99\", \"real_time\": %.0f, \"time_unit\": \"ns\"},\n"
        "  {\"name\": \"FloodEventLoopLateness_max\", \"real_time\": %.0f, \"time_unit\": "
        "\"ns\"},\n"
        "  {\"name\": \"FloodDatagramsPerSecond\", \"real_time\": %.0f, \"time_unit\": \"/s\"},\n"
        "  {\"name\": \"FloodMemoryGrowth\", \"real_time\": %.0f, \"time_unit\": \"KiB\"},\n"
        "  {\"name\": \"IdleCpu_XPlane\", \"real_time\": %.3f, \"time_unit\": \"%%\"},\n"
        "  {\"name\": \"IdleCpu_FlightGear\", \"real_time\": %.3f, \"time_unit\": \"%%\"}\n"
        "]}\n",
        deliver, flood.worstLatenessNs, flood.datagramsPerSecond, flood.memoryGrowthKiB, idleXPlane,
        idleFlightGear);
    return 0;
}
