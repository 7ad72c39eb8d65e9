// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::scenario {

// The offscreen platform says so each time a window asks for what it has no use for (size
// hints, raising); those notices would bury a run's report. Every other message still goes to
// the handler that was there before, or to standard error.
void QuietOffscreenNotices();

}  // namespace ventrose::scenario
