// SPDX-License-Identifier: GPL-3.0-or-later
// ventrose-scenario [--qt] FILE.scn...
// Plays each scenario file against a fresh start of the application and reports every
// expectation that does not hold. Exit status: 0 all passed, 1 a file failed, 2 a file could not
// be read or parsed.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/runner/headless_driver.h"
#include "tests/runner/runner.h"
#include "tests/runner/scenario.h"

#ifdef VENTROSE_SCENARIO_QT
#include "tests/runner/qt/qt_session.h"
#endif

namespace {

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bool qt = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--qt") {
            qt = true;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ventrose-scenario [--qt] FILE.scn...\n";
        return 2;
    }
#ifdef VENTROSE_SCENARIO_QT
    ventrose::scenario::QtSession session(argc, argv, qt);
#else
    if (qt) {
        std::cerr << "ventrose-scenario: this build has no Qt view; --qt is not available\n";
        return 2;
    }
#endif

    int passed = 0, failed = 0;
    bool unreadable = false;
    for (const std::string& file : files) {
        std::string text;
        if (!readFile(file, text)) {
            std::cout << file << ":0: cannot be read\nFAIL " << file << "\n";
            ++failed;
            unreadable = true;
            continue;
        }
        const ventrose::scenario::Scenario scenario = ventrose::scenario::ParseScenario(text);
        if (scenario.error) {
            std::cout << file << ":" << scenario.error->line << ": " << scenario.error->message
                      << "\nFAIL " << file << "\n";
            ++failed;
            unreadable = true;
            continue;
        }
#ifdef VENTROSE_SCENARIO_QT
        const bool ok = qt ? session.run(file, scenario, std::cout)
                           : session.runHeadless(file, scenario, std::cout);
#else
        // Without Qt there is no simulator link: the sim- steps fail; nor any translation.
        if (ventrose::scenario::ScenarioLanguage(scenario) != ventrose::common::Language::French) {
            std::cout << file << ":1: this build has no Qt, so no English\nFAIL " << file << "\n";
            ++failed;
            continue;
        }
        ventrose::scenario::HeadlessDriver driver;
        ventrose::scenario::Runner runner(file, scenario, driver, std::cout);
        const bool ok = runner.run();
#endif
        std::cout << (ok ? "PASS " : "FAIL ") << file << "\n";
        ++(ok ? passed : failed);
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    if (unreadable) return 2;
    return failed == 0 ? 0 : 1;
}
