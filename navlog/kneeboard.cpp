// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/kneeboard.h"

namespace ventrose::navlog {

common::PrintJob PagesKneeboard(const LogNav& /*log*/, const ResultatLog& /*resultat*/,
                                std::string_view title) {
    common::PrintJob job;
    job.title = std::string(title);
    return job;
}

}  // namespace ventrose::navlog
