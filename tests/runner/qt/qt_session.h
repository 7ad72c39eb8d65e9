// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "tests/runner/scenario.h"

class QApplication;

namespace ventrose::scenario {

// The Qt side of the runner for one process: the QApplication (made only in the --qt mode, so
// that the headless mode needs no display) and one fresh application per file.
class QtSession {
public:
    QtSession(int& argc, char** argv, bool qt);
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    bool run(const std::string& file, const Scenario& scenario, std::ostream& out);

private:
    std::unique_ptr<QApplication> application_;
};

}  // namespace ventrose::scenario
