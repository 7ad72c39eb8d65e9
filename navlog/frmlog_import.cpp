// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log from a flight plan: the plan chosen in a file dialog or dropped on the
// window, read whatever its planner, made into legs by the geodesics and the magnetic model at
// the clock's date, and the log's legs replaced by them.
#include <algorithm>
#include <variant>

#include "common/tr.h"
#include "flightplan/plan.h"
#include "navlog/frmlog.h"
#include "navlog/logfile.h"
#include "planimport/route.h"

namespace ventrose::navlog {

namespace {

using platform::FileDialogRequest;

std::string PlanFilter() {
    return common::Tr(
        "frmLog", "Plans de vol (*.fms *.fgfp *.xml *.lnmpln *.pln *.gpx);;Tous les fichiers (*)");
}

// A file dropped on the window is a log when its name says so, or when it is a JSON object,
// which no flight plan is (they are XML or X-Plane's lines): a log renamed by hand still opens
// as one, with the log's own message if it is a bad one.
bool IsLogFile(const std::string& path, std::string_view bytes) {
    std::string suffix = path.size() >= 5 ? path.substr(path.size() - 5) : std::string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    if (suffix == ".vlog") return true;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '{';
}

}  // namespace

void FrmLog::cmdImporter_Click() {
    if (!confirmLoss()) return;
    const auto path =
        documents_.AskFileName({FileDialogRequest::Mode::Open,
                                common::Tr("frmLog", "Importer un plan de vol"), PlanFilter(), ""});
    if (!path) return;
    if (const auto bytes = readFile(*path, flightplan::kMaxPlanBytes)) importPlan(*path, *bytes);
}

// Unsaved changes are asked about before anything is read, as before a file dialog.
void FrmLog::Form_DropFile(const std::string& path) {
    if (!confirmLoss()) return;
    const auto bytes = readFile(path, std::max(kMaxFichier, flightplan::kMaxPlanBytes));
    if (!bytes) return;
    if (IsLogFile(path, *bytes)) {
        openLog(path, *bytes);
    } else {
        importPlan(path, *bytes);
    }
}

// The plan's legs replace the log's, each with the wind of the log's last leg (the wind the
// pilot last set), or none; the airspeed, the departure time and the fuel stay. The log is then
// a new document, unsaved: the plan is not its file. A plan refused changes nothing.
void FrmLog::importPlan(const std::string& path, const std::string& bytes) {
    const auto refuse = [this, &path](const std::string& why) {
        error(common::Arg(common::Tr("frmLog", "Impossible d'importer « %1 » : %2"),
                          {baseName(path), why}));
    };
    const auto plan = flightplan::ReadPlan(bytes);
    if (const auto* refused = std::get_if<flightplan::PlanError>(&plan))
        return refuse(refused->message);
    const platform::CalendarDate today = platform::UtcDate(clock_.Now());
    const auto built = planimport::BuildRoute(std::get<flightplan::Plan>(plan).points,
                                              {today.year, today.month, today.day});
    if (const auto* refused = std::get_if<planimport::RouteError>(&built))
        return refuse(refused->message);
    const planimport::Route& route = std::get<planimport::Route>(built);

    LogNav log = log_;
    const Etape wind = log.etapes.empty() ? Etape{} : log.etapes.back();
    log.origin = route.origin.repere;
    log.originPosition = route.origin.position;
    log.etapes.clear();
    for (const planimport::Leg& leg : route.legs)
        log.etapes.push_back({leg.repere, leg.Rm, leg.D, wind.V, wind.Vw, {}, leg.position});
    loadFrom(log);
    path_.clear();
    unsaved_ = true;
    showTitle();
    keepRecovery();
    if (const std::string notice = planimport::ImportNotice(route); !notice.empty())
        runtime().MsgBox(notice, kNoticeStyle, title());
}

}  // namespace ventrose::navlog
