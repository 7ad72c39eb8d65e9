// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator link against the fake simulators, on 127.0.0.1:
//   - a datagram to the updated labels: from X-Plane's send until the program's feed has set the
//     main window's bars through the forms model, every handler has run and the Qt view (off the
//     screen) shows the new figures in its labels, one datagram every 260 ms (the link releases
//     at most every 250 ms), 99th percentile;
//   - the event loop under a flood of X-Plane replies (100,000 a second for 10 s, from another
//     process): the worst lateness of a 10 ms timer, and the memory before and after;
//   - the CPU a chosen link costs with no simulator running, X-Plane and FlightGear, over 10 s;
//   - the same through the navigation log: a datagram with the aircraft's position and time to
//     the log's labels, the automatic Top on, with the log imported from a plan of 100 points
//     open (one of the samples is the Top itself, which recomputes the log), 99th percentile; and
//     the CPU of an X-Plane link with that log open and no simulator running.
// Prints the figures as a Google Benchmark JSON file does ({"benchmarks": [{"name", "real_time",
// "time_unit"}]}), so that scripts/bench.sh reads them with the others; a percentage is written
// as its value in "real_time" with the unit "%".
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/sim_feed.h"
#include "app/sim_link_qt.h"
#include "bench/hundred_point_plan.h"
#include "bench/one_file_documents.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "platform/user_actions.h"

namespace {

// The link's subscriptions, read and answered by nobody: what is left is who sent them, where
// the bench's replies go.
void TakeRequests(QUdpSocket& xplane, QHostAddress& requester, quint16& requesterPort) {
    while (xplane.hasPendingDatagrams()) {
        char request[413];
        xplane.readDatagram(request, sizeof request, &requester, &requesterPort);
    }
}

using ventrose::simlink::LinkChoice;
using ventrose::simlink::Simulator;

// Times each delivery as it returns, after passing it on to the windows, if any.
class TimedFeed : public ventrose::app::SimFeed {
public:
    explicit TimedFeed(ventrose::app::SimFeed* windows = nullptr) : windows_(windows) {}
    void SetLink(std::optional<Simulator> simulator) override {
        if (windows_ != nullptr) windows_->SetLink(simulator);
    }
    void SetStatus(std::string_view status, bool receiving) override {
        if (windows_ != nullptr) windows_->SetStatus(status, receiving);
    }
    void Deliver(const ventrose::simlink::SimValues& values) override {
        const qint64 startNs = clock.nsecsElapsed();
        if (windows_ != nullptr) windows_->Deliver(values);
        windowsNs = clock.nsecsElapsed() - startNs;
        ++deliveries;
        deliveredAtNs = clock.nsecsElapsed();
        if (loop != nullptr) loop->quit();
    }
    QEventLoop* loop = nullptr;
    QElapsedTimer clock;
    qint64 deliveredAtNs = 0;
    qint64 windowsNs = 0;  // the last delivery's time in the windows, from the link's release
    int deliveries = 0;

private:
    ventrose::app::SimFeed* windows_;
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

// X-Plane played by hand, so that nothing but the measured datagram reaches the link; the
// program's windows on the Qt view, as main.cpp puts them together. A sample counts only when
// the main window's label shows the true airspeed sent.
double DatagramToLabelsP99Ns() {
    ventrose::platform::qt::QtHost host;
    ventrose::app::Application application(host);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    const auto* lblVp =
        qobject_cast<const QLabel*>(view.widgetOf(application.frmMainCalc()["lblVp"]));
    QUdpSocket xplane;
    xplane.bind(QHostAddress::LocalHost, 0);
    TimedFeed feed(&application.simFeed());
    ventrose::app::SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", xplane.localPort()});
    RunFor(300);
    QHostAddress requester;
    quint16 requesterPort = 0;
    TakeRequests(xplane, requester, requesterPort);
    std::vector<double> samples;
    feed.clock.start();
    for (int i = 0; i < 40; ++i) {
        RunFor(260);
        const int before = feed.deliveries;
        const qint64 sentAt = feed.clock.nsecsElapsed();
        // 40 m/s and up, a whole number of knots apart from the last: a new figure each time.
        const float tasMs = 40.0f + static_cast<float>(i);
        const QString shown = QStringLiteral("%1 kts").arg(std::lround(tasMs * 3600.0 / 1852.0));
        xplane.writeDatagram(Reply(tasMs), requester, requesterPort);
        QEventLoop wait;
        feed.loop = &wait;
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        wait.exec();
        feed.loop = nullptr;
        if (feed.deliveries > before && lblVp != nullptr && lblVp->text() == shown)
            samples.push_back(static_cast<double>(feed.deliveredAtNs - sentAt));
    }
    std::sort(samples.begin(), samples.end());
    // A label left behind is a failure, not a figure.
    if (samples.size() < 40) return -1;
    return samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

// One reply with the aircraft's latitude (12), longitude (13) and UTC and local times (14, 15).
QByteArray PositionReply(float latitude, float longitude, float utc) {
    QByteArray bytes("RREF,");
    const struct {
        std::int32_t index;
        float value;
    } values[] = {{12, latitude}, {13, longitude}, {14, utc}, {15, utc + 7200}};
    for (const auto& v : values) {
        bytes.append(reinterpret_cast<const char*>(&v.index), 4);
        bytes.append(reinterpret_cast<const char*>(&v.value), 4);
    }
    return bytes;
}

// The log imported from the plan of 100 points, open on the Qt view, the automatic Top on, and
// X-Plane played by hand: the aircraft flies the first leg in steps of a twenty-fifth of it, one
// datagram every 260 ms, and passes its waypoint on the 20th. A sample counts when the log's
// line under the legs shows the model's text on its widget.
struct ThroughTop {
    double p99Ns = -1;         // from the datagram's send
    double medianNs = -1;      // the same
    double windowsP99Ns = -1;  // only the windows' part: the feed's delivery to them
    double windowsMedianNs = -1;
    // The log's own part, its values handed straight to it, the aircraft on the next leg.
    double logP99Ns = -1;
};

// The log alone, 2000 fixes handed to it as the feed hands them, a second apart, the aircraft
// going to and fro on the second leg, so that the line under the legs changes at every one.
double LogFollowP99Ns(ventrose::navlog::FrmLog& log) {
    const auto points = ventrose::bench::Points();
    std::vector<double> samples;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 2000; ++i) {
        const double along = 0.3 + 0.1 * (i % 5);
        ventrose::simlink::SimValues values;
        values.latitudeDeg = points[1].latitude + along * (points[2].latitude - points[1].latitude);
        values.longitudeDeg =
            points[1].longitude + along * (points[2].longitude - points[1].longitude);
        values.utcSeconds = 40000 + i;
        values.localSeconds = 47200 + i;
        const qint64 start = clock.nsecsElapsed();
        log.SuivreSimulateur(values);
        samples.push_back(static_cast<double>(clock.nsecsElapsed() - start));
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() * 99 / 100];
}

ThroughTop DatagramThroughTop(ventrose::app::Application& application,
                              ventrose::platform::qt::QtView& view) {
    ventrose::navlog::FrmLog& log = application.frmLog();
    ventrose::platform::DropFile(log, "plan.fms");
    const auto* lblEnCours = qobject_cast<const QLabel*>(view.widgetOf(log["lblEnCours"]));
    QUdpSocket xplane;
    xplane.bind(QHostAddress::LocalHost, 0);
    TimedFeed feed(&application.simFeed());
    ventrose::app::SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", xplane.localPort()});
    ventrose::platform::Click(log["chkTopAuto"]);
    RunFor(300);
    QHostAddress requester;
    quint16 requesterPort = 0;
    TakeRequests(xplane, requester, requesterPort);
    const auto points = ventrose::bench::Points();
    std::vector<double> samples;
    std::vector<double> windows;
    feed.clock.start();
    for (int i = 0; i < 40; ++i) {
        RunFor(260);
        const int before = feed.deliveries;
        const double along = 0.2 + 0.04 * i;
        const auto latitude = static_cast<float>(points[0].latitude +
                                                 along * (points[1].latitude - points[0].latitude));
        const auto longitude = static_cast<float>(
            points[0].longitude + along * (points[1].longitude - points[0].longitude));
        const qint64 sentAt = feed.clock.nsecsElapsed();
        xplane.writeDatagram(PositionReply(latitude, longitude, 36000.0f + static_cast<float>(i)),
                             requester, requesterPort);
        QEventLoop wait;
        feed.loop = &wait;
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        wait.exec();
        feed.loop = nullptr;
        const QString shown = QString::fromStdString(log["lblEnCours"].caption());
        if (feed.deliveries > before && lblEnCours != nullptr && !shown.isEmpty() &&
            lblEnCours->text() == shown) {
            samples.push_back(static_cast<double>(feed.deliveredAtNs - sentAt));
            windows.push_back(static_cast<double>(feed.windowsNs));
        }
    }
    std::sort(samples.begin(), samples.end());
    std::sort(windows.begin(), windows.end());
    // A label left behind, or a waypoint not topped, is a failure, not a figure.
    if (samples.size() < 40 || !log.log().etapes[0].HR) return {};
    const std::size_t p99 = std::min(samples.size() - 1, samples.size() * 99 / 100);
    return {samples[p99], samples[samples.size() / 2], windows[p99], windows[windows.size() / 2],
            LogFollowP99Ns(log)};
}

// The share of a core the process takes over 10 s of its event loop, after half a second for the
// link to settle.
double IdleCpuFromNow() {
    RunFor(500);
    const double before = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(10000);
    return (CpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0) * 100.0;
}

// An X-Plane link that hears nothing, with the imported log of 100 points open on the Qt view.
double IdleCpuWithLogPercent(ventrose::app::Application& application) {
    ventrose::platform::DropFile(application.frmLog(), "plan.fms");
    ventrose::app::SimLinkQt link(application.simFeed());
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", FreePort()});
    ventrose::platform::Click(application.frmLog()["chkTopAuto"]);
    return IdleCpuFromNow();
}

// Each measure of the log runs in the program's log window, which is modal: inside its own
// event loop, which ends when the window is unloaded.
template <typename Figure, typename Measure>
Figure InLogWindow(Measure measure) {
    ventrose::platform::qt::QtHost host;
    ventrose::bench::OneFile plan(ventrose::bench::Plan(ventrose::bench::Kind::Fms));
    ventrose::bench::June2026 june;
    ventrose::app::Application application(host, plan, june);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    Figure figure{};
    QTimer::singleShot(0, [&] {
        figure = measure(application, view);
        application.runtime().Unload(application.frmLog());
    });
    ventrose::platform::Click(application.frmMainCalc()["cmdLog"]);
    return figure;
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
    return IdleCpuFromNow();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString fakesim = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../tests/fakesim/ventrose-fakesim");
    const double deliver = DatagramToLabelsP99Ns();
    const Flood flood = FloodOfReplies(fakesim);
    const double idleXPlane = IdleCpuPercent(Simulator::XPlane);
    const double idleFlightGear = IdleCpuPercent(Simulator::FlightGear);
    const ThroughTop throughTop = InLogWindow<ThroughTop>(DatagramThroughTop);
    const double idleWithLog = InLogWindow<double>(
        [](ventrose::app::Application& application, ventrose::platform::qt::QtView&) {
            return IdleCpuWithLogPercent(application);
        });
    std::printf(
        "{\"benchmarks\": [\n"
        "  {\"name\": \"DatagramToLabels_p99\", \"real_time\": %.0f, \"time_unit\": \"ns\"},\n"
        "  {\"name\": \"FloodEventLoopLateness_max\", \"real_time\": %.0f, \"time_unit\": "
        "\"ns\"},\n"
        "  {\"name\": \"FloodDatagramsPerSecond\", \"real_time\": %.0f, \"time_unit\": \"/s\"},\n"
        "  {\"name\": \"FloodMemoryGrowth\", \"real_time\": %.0f, \"time_unit\": \"KiB\"},\n"
        "  {\"name\": \"IdleCpu_XPlane\", \"real_time\": %.3f, \"time_unit\": \"%%\"},\n"
        "  {\"name\": \"IdleCpu_FlightGear\", \"real_time\": %.3f, \"time_unit\": \"%%\"},\n"
        "  {\"name\": \"DatagramThroughTopToLogLabels_p99\", \"real_time\": %.0f, "
        "\"time_unit\": \"ns\"},\n"
        "  {\"name\": \"DatagramThroughTopToLogLabels_median\", \"real_time\": %.0f, "
        "\"time_unit\": \"ns\"},\n"
        "  {\"name\": \"LogWindowsDelivery_p99\", \"real_time\": %.0f, \"time_unit\": "
        "\"ns\"},\n"
        "  {\"name\": \"LogWindowsDelivery_median\", \"real_time\": %.0f, \"time_unit\": "
        "\"ns\"},\n"
        "  {\"name\": \"LogFollow_p99\", \"real_time\": %.0f, \"time_unit\": \"ns\"},\n"
        "  {\"name\": \"IdleCpu_XPlane_LogOpen\", \"real_time\": %.3f, \"time_unit\": \"%%\"}\n"
        "]}\n",
        deliver, flood.worstLatenessNs, flood.datagramsPerSecond, flood.memoryGrowthKiB, idleXPlane,
        idleFlightGear, throughTop.p99Ns, throughTop.medianNs, throughTop.windowsP99Ns,
        throughTop.windowsMedianNs, throughTop.logP99Ns, idleWithLog);
    return 0;
}
