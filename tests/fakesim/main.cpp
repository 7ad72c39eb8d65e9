// SPDX-License-Identifier: GPL-3.0-or-later
// ventrose-fakesim: a simulator that speaks X-Plane's UDP dataref interface or FlightGear's
// property server on 127.0.0.1, for tests, benchmarks and trying Ventrose without a simulator.
// Its commands, and the names and units of the values it takes, are in its --help
// (tests/fakesim/names.cpp).
// With --random the aircraft flies a straight line from near Montargis at the ground speed of the
// moment, and the clock runs from the computer's UTC, with a local time an hour ahead.
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <numbers>
#include <optional>
#include <string>

#include "simlink/flightgear_props.h"
#include "simlink/xplane_datarefs.h"
#include "tests/fakesim/fake_flightgear.h"
#include "tests/fakesim/fake_xplane.h"
#include "tests/fakesim/names.h"

using ventrose::fakesim::FakeFlightGear;
using ventrose::fakesim::FakeXPlane;

namespace {

constexpr double kLocalOffsetSeconds = 3600;

// Where the aircraft of --random is, and its clock.
struct RandomFlight {
    double latitude = 48.0;
    double longitude = 2.7;
    double trackDeg = 0;
    QElapsedTimer clock;
    double startUtcSeconds = 0;
    double lastSeconds = 0;

    // Moves the aircraft on at `groundSpeedKt` for the time since the last move, on a flat earth,
    // which is enough for a fake; returns the UTC time of day.
    double advance(double groundSpeedKt) {
        const double now = static_cast<double>(clock.elapsed()) / 1000;
        const double nm = groundSpeedKt * (now - lastSeconds) / 3600;
        lastSeconds = now;
        const double track = trackDeg * std::numbers::pi / 180;
        latitude = std::clamp(latitude + nm * std::cos(track) / 60, -89.0, 89.0);
        longitude += nm * std::sin(track) / (60 * std::cos(latitude * std::numbers::pi / 180));
        longitude = std::remainder(longitude, 360.0);
        return std::fmod(startUtcSeconds + now, 86400.0);
    }
};

// Values within what a light aircraft meets, in each simulator's own units.
void SetRandom(FakeXPlane* xplane, FakeFlightGear* flightgear, QRandomGenerator& random,
               RandomFlight& flight) {
    const auto pick = [&](double lo, double hi) {
        return lo + random.generateDouble() * (hi - lo);
    };
    const double tas = pick(60, 300), wind = pick(0, 360), speed = pick(0, 60), var = pick(-20, 20),
                 alt = pick(0, 40000), oat = pick(-50, 40), gs = pick(50, 350);
    const double utc = flight.advance(gs);
    const double local = std::fmod(utc + kLocalOffsetSeconds, 86400.0);
    if (xplane != nullptr) {
        const double ms = 1852.0 / 3600.0;
        for (const auto& d : ventrose::simlink::kXPlaneDatarefs) {
            double v = 0;
            switch (d.quantity) {
                using enum ventrose::simlink::Quantity;
                case Tas: v = tas * ms; break;
                case Ias: v = tas * 0.8; break;
                case WindFromTrue: v = wind; break;
                case WindSpeed: v = speed * ms; break;
                case MagVar: v = -var; break;
                case PressureAlt:
                    v = d.unit == ventrose::simlink::XPlaneUnit::Feet ? alt : 29.92;
                    break;
                case Oat: v = oat; break;
                case GroundSpeed: v = gs * ms; break;
                case Latitude: v = flight.latitude; break;
                case Longitude: v = flight.longitude; break;
                case UtcTime: v = utc; break;
                case LocalTime: v = local; break;
            }
            xplane->set(std::string(d.name), static_cast<float>(v));
        }
    }
    if (flightgear != nullptr) {
        for (const auto& p : ventrose::simlink::kFlightGearProperties) {
            double v = 0;
            switch (p.quantity) {
                using enum ventrose::simlink::Quantity;
                case Tas: v = tas; break;
                case Ias: v = tas * 0.8; break;
                case WindFromTrue: v = wind; break;
                case WindSpeed: v = speed; break;
                case MagVar: v = var; break;
                case PressureAlt: v = alt; break;
                case Oat: v = oat; break;
                case GroundSpeed: v = gs; break;
                case Latitude: v = flight.latitude; break;
                case Longitude: v = flight.longitude; break;
                case UtcTime: v = std::floor(utc); break;        // FlightGear's whole seconds
                case LocalTime: v = kLocalOffsetSeconds; break;  // its offset from UTC
            }
            flightgear->set(std::string(p.path), v);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains("--help") || args.contains("-h")) {
        std::cout << ventrose::fakesim::HelpText();
        return 0;
    }
    if (args.isEmpty() || (args[0] != "xplane" && args[0] != "flightgear")) {
        std::cerr << "usage: ventrose-fakesim xplane|flightgear [--port N] [--random SEED] "
                     "[--flood RATE]; ventrose-fakesim --help lists its commands\n";
        return 2;
    }
    const bool isXPlane = args[0] == "xplane";
    std::uint16_t port = 0;
    int flood = 0;
    std::optional<quint32> seed;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--port") port = static_cast<std::uint16_t>(args[i + 1].toUInt());
        if (args[i] == "--random") seed = args[i + 1].toUInt();
        if (args[i] == "--flood") flood = args[i + 1].toInt();
    }
    FakeXPlane xplane;
    FakeFlightGear flightgear;
    const bool listening = isXPlane ? xplane.listen(port) : flightgear.listen(port);
    if (!listening) {
        std::cerr << "ventrose-fakesim: cannot listen on 127.0.0.1:" << port << "\n";
        return 1;
    }
    std::cout << "PORT " << (isXPlane ? xplane.port() : flightgear.port()) << std::endl;

    QRandomGenerator random(seed.value_or(1));
    QTimer randomTimer;
    RandomFlight flight;
    if (seed) {
        flight.trackDeg = random.bounded(360);
        flight.startUtcSeconds =
            QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay() / 1000.0;
        flight.clock.start();
        QObject::connect(&randomTimer, &QTimer::timeout, [&] {
            SetRandom(isXPlane ? &xplane : nullptr, isXPlane ? nullptr : &flightgear, random,
                      flight);
        });
        SetRandom(isXPlane ? &xplane : nullptr, isXPlane ? nullptr : &flightgear, random, flight);
        randomTimer.start(200);
    }
    QTimer floodTimer;
    QElapsedTimer floodClock;
    std::int64_t floodSent = 0;
    if (flood > 0) {
        // Every millisecond, what the rate asks for by now: a late timer is caught up.
        floodClock.start();
        QObject::connect(&floodTimer, &QTimer::timeout, [&] {
            const std::int64_t due = floodClock.nsecsElapsed() * flood / 1'000'000'000;
            const auto burst =
                static_cast<int>(std::min<std::int64_t>(due - floodSent, flood / 10));
            xplane.sendBurst(burst);
            floodSent = due;
        });
        floodTimer.setTimerType(Qt::PreciseTimer);
        floodTimer.start(1);
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(size));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const QStringList words =
                QString::fromStdString(pending.substr(0, end)).split(' ', Qt::SkipEmptyParts);
            pending.erase(0, end + 1);
            if (words.isEmpty()) continue;
            const QString& command = words[0];
            if (command == "set" && words.size() == 3) {
                const std::string name = words[1].toStdString();
                if (isXPlane) {
                    const auto source = ventrose::fakesim::XPlaneSource(name);
                    xplane.set(source
                                   ? std::string(ventrose::simlink::kXPlaneDatarefs[*source].name)
                                   : name,
                               words[2].toFloat());
                } else {
                    const auto source = ventrose::fakesim::FlightGearSource(name);
                    flightgear.set(
                        source ? std::string(ventrose::simlink::kFlightGearProperties[*source].path)
                               : name,
                        words[2].toDouble());
                }
            } else if (command == "stop") {
                isXPlane ? xplane.stop() : flightgear.stop();
            } else if (command == "restart") {
                isXPlane ? xplane.restart() : flightgear.restart();
            } else if (command == "junk") {
                isXPlane ? xplane.sendJunk() : flightgear.sendJunk();
            } else if (command == "foreign" && isXPlane) {
                xplane.sendForeign();
            } else if (command == "drop" && !isXPlane) {
                flightgear.dropConnections();
            } else if (command == "burst" && words.size() == 2 && isXPlane) {
                xplane.sendBurst(words[1].toInt());
            } else if (command == "quit") {
                QCoreApplication::quit();
            } else {
                std::cerr << "ventrose-fakesim: unknown command\n";
            }
        }
    });
    return QCoreApplication::exec();
}
