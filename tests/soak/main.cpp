// SPDX-License-Identifier: GPL-3.0-or-later
// ventrose-soak [--qt] [--sim xplane|flightgear] --seed N --steps N [--out DIR]
// A random person works the application for N steps, headless or on the Qt widgets, and every
// invariant is checked after each step. With --sim, a fake simulator linked to the application
// sends random values meanwhile. On a failure the shortest step list that still fails
// is written as DIR/soak-seed-N.scn (DIR is the current directory by default). Exit status 0
// when nothing broke, 1 on a failure, 2 on a bad command line.
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "tests/runner/headless_driver.h"
#include "tests/soak/scenario_file.h"
#include "tests/soak/shrink.h"
#include "tests/soak/soak.h"
#include "tests/soak/sources.h"

#ifdef VENTROSE_SOAK_QT
#include "tests/soak/qt_drivers.h"
#endif

namespace {

int usage() {
    std::cerr << "usage: ventrose-soak [--qt] [--sim xplane|flightgear] --seed N --steps N "
                 "[--out DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ventrose;
    bool qt = false;
    std::uint64_t seed = 1, steps = 10000;
    std::string out = ".";
    std::string sim;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--qt") {
                qt = true;
            } else if (arg == "--seed" && i + 1 < argc) {
                seed = std::stoull(argv[++i]);
            } else if (arg == "--steps" && i + 1 < argc) {
                steps = std::stoull(argv[++i]);
            } else if (arg == "--out" && i + 1 < argc) {
                out = argv[++i];
            } else if (arg == "--sim" && i + 1 < argc &&
                       (argv[i + 1] == std::string("xplane") ||
                        argv[i + 1] == std::string("flightgear"))) {
                sim = argv[++i];
            } else {
                return usage();
            }
        }
    } catch (const std::exception&) {
        return usage();
    }

    soak::DriverFactory factory = [] {
        return std::unique_ptr<scenario::Driver>(std::make_unique<scenario::HeadlessDriver>());
    };
#ifdef VENTROSE_SOAK_QT
    std::unique_ptr<soak::QtDrivers> qtDrivers;
#endif
    if (qt) {
#ifdef VENTROSE_SOAK_QT
        qtDrivers = std::make_unique<soak::QtDrivers>(argc, argv);
        factory = qtDrivers->factory();
#else
        std::cerr << "ventrose-soak: this build has no Qt view; --qt is not available\n";
        return 2;
#endif
    }

    std::optional<soak::SimulatorSetup> simulator;
    if (!sim.empty()) {
#ifdef VENTROSE_SOAK_QT
        // The sockets need an event loop; the --qt mode has its QApplication already.
        if (!qtDrivers) qtDrivers = std::make_unique<soak::QtDrivers>(argc, argv, false);
        simulator = soak::SimulatorSetup{sim, qtDrivers->simulators(), seed};
#else
        std::cerr << "ventrose-soak: this build has no simulator link; --sim is not available\n";
        return 2;
#endif
    }

    const std::string mode = qt ? "qt" : "headless";
    std::cout << "ventrose-soak " << mode << (sim.empty() ? "" : " --sim " + sim) << " --seed "
              << seed << " --steps " << steps << std::endl;
    const auto began = std::chrono::steady_clock::now();
    soak::RandomSource source(seed, steps);
    soak::SoakResult result = soak::Soak(factory, true, simulator).run(source);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::cout << result.steps << " steps, " << result.starts << " starts, " << seconds << " s"
              << std::endl;
    if (!result.failure) {
        std::cout << "PASS seed " << seed << "\n";
        return 0;
    }

    std::cout << "FAIL seed " << seed << ": " << result.failure->message << "\n"
              << "shrinking " << result.life.size() << " steps..." << std::endl;
    const soak::Replay replay = [&factory, &simulator](const std::vector<scenario::Step>& list) {
        soak::ListSource replayed(list);
        return soak::Soak(factory, false, simulator).run(replayed).failure;
    };
    const auto shortest =
        soak::Shrink(result.life, *result.failure, replay, std::chrono::seconds(120));
    const auto last = replay(shortest);
    const soak::Failure& shown = last ? *last : *result.failure;
    const std::string text = soak::ScenarioText(seed, shown, shortest);
    const std::string path = out + "/soak-seed-" + std::to_string(seed) + ".scn";
    std::ofstream(path) << text;
    std::cout << "shortest reproduction (" << shortest.size() << " steps), written to " << path
              << ":\n"
              << text;
    return 1;
}
