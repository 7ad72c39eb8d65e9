// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "tests/soak/soak.h"

class QApplication;

namespace ventrose::soak {

// Drivers on the real Qt widgets, for as long as this object lives: it holds the process's
// QApplication (offscreen when there is no display), which must go before the process's
// static objects do.
class QtDrivers {
public:
    QtDrivers(int& argc, char** argv);
    ~QtDrivers();
    QtDrivers(const QtDrivers&) = delete;
    QtDrivers& operator=(const QtDrivers&) = delete;

    DriverFactory factory() const;

private:
    std::unique_ptr<QApplication> application_;
};

}  // namespace ventrose::soak
