// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>
#include <ostream>

#include "preferences/command_line.h"

namespace ventrose::app {

// Names the application for QSettings, --version and the window system: organisation and
// application "Ventrose", and the project's version.
void NameTheApplication();

// What main does after its command line: start with `options`, or leave at once with
// `exitStatus` (0 after --help or --version, 2 for a wrong option or argument).
struct StartUp {
    std::optional<preferences::Options> options;
    int exitStatus = 0;
};

// Reads the arguments (the program's name first) with Qt's QCommandLineParser: --help and
// --version, whose texts it writes on `out`, and --on-top, --palette jour|nuit|nuit-rouge,
// --reset-settings, --sim xplane|flightgear[:HOST[:PORT]]|aucun and --langue fr|en, which the
// preferences core checks. What is wrong is one line on `errors`. The help and the errors are in
// the current language (common/tr.h). A QCoreApplication must exist, named.
StartUp ReadCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& errors);

}  // namespace ventrose::app
