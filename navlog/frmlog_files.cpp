// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's files: the copy kept against a crash and its recovery, the question
// before unsaved changes are lost, and the commands that open, save, print and export a log.
#include <variant>

#include "common/tr.h"
#include "navlog/exportcsv.h"
#include "navlog/frmlog.h"
#include "navlog/kneeboard.h"
#include "navlog/logfile.h"

namespace ventrose::navlog {

namespace {

using common::Arg;
using common::Tr;
using platform::FileDialogRequest;

std::string LogFilter() { return Tr("frmLog", "Log de navigation (*.vlog)"); }

}  // namespace

std::string FrmLog::baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Each opening starts from a new log, unless a log that was never saved survived a crash and
// the person takes it back. A copy that cannot be read is put aside and said, never lost.
LogNav FrmLog::recoveredOrNew(bool& recovered) {
    LogNav fresh;
    fresh.Vp = startingValues().Vp;
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    if (recovery.empty() || !documents_.FileExists(recovery)) return fresh;
    const auto read = documents_.ReadFile(recovery, kMaxFichier);
    if (!read.bytes) {
        putAside(recovery, read.error, std::nullopt);
        return fresh;
    }
    auto parsed = ReadLog(*read.bytes);
    if (const auto* refused = std::get_if<LogError>(&parsed)) {
        putAside(recovery, refused->message, read.bytes);
        return fresh;
    }
    recovered = documents_.AskYesNo(
        Tr("frmLog", "Un log de navigation n'avait pas été enregistré. Le reprendre ?"), title());
    if (recovered) return std::get<LogNav>(std::move(parsed));
    documents_.RemoveFile(recovery);
    return fresh;
}

// The copy is written again under a name of its own, beside it, then removed; one that cannot
// even be read stays where it is, and this opening keeps no copy that would overwrite it.
void FrmLog::putAside(const std::string& recovery, const std::string& why,
                      const std::optional<std::string>& bytes) {
    std::string aside;
    for (int n = 1; bytes && n <= 99 && aside.empty(); ++n) {
        const std::string path = documents_.RecoveryPath(
            std::string(kAsideName) + (n == 1 ? "" : "-" + std::to_string(n)) + ".vlog");
        if (!documents_.FileExists(path)) aside = path;
    }
    if (!aside.empty() && documents_.WriteFileAtomic(aside, *bytes)) aside.clear();
    if (aside.empty()) {
        noRecovery_ = true;
        error(Arg(Tr("frmLog",
                     "Le log non enregistré de la dernière fois ne peut pas être repris. %1 Il "
                     "reste dans « %2 », et ce log-ci n'aura pas de copie de secours."),
                  {why, recovery}));
    } else {
        documents_.RemoveFile(recovery);
        error(Arg(Tr("frmLog",
                     "Le log non enregistré de la dernière fois ne peut pas être repris. %1 Il "
                     "est gardé à part dans « %2 »."),
                  {why, aside}));
    }
}

bool FrmLog::Form_QueryUnload() {
    if (!confirmLoss()) return false;
    dropRecovery();
    return true;
}

// Unsaved changes are saved, or let go, as the person answers; false when they cancel or the
// saving fails.
bool FrmLog::confirmLoss() {
    if (!unsaved_) return true;
    switch (documents_.AskSaveChanges(documentName())) {
        case platform::SaveChangesAnswer::Save: return cmdEnregistrer_Click();
        case platform::SaveChangesAnswer::Discard: return true;
        case platform::SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

void FrmLog::keepRecovery() {
    if (noRecovery_) return;
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    // A copy that cannot be written costs nothing but the copy: the log itself is still here.
    if (!recovery.empty()) documents_.WriteFileAtomic(recovery, WriteLog(log_));
}

void FrmLog::dropRecovery() {
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    if (!recovery.empty() && documents_.FileExists(recovery)) documents_.RemoveFile(recovery);
}

// The commands on files.

void FrmLog::cmdOuvrir_Click() {
    if (!confirmLoss()) return;
    const auto path =
        documents_.AskFileName({FileDialogRequest::Mode::Open,
                                Tr("frmLog", "Ouvrir un log de navigation"), LogFilter(), ""});
    if (!path) return;
    if (const auto bytes = readFile(*path, kMaxFichier)) openLog(*path, *bytes);
}

std::optional<std::string> FrmLog::readFile(const std::string& path, std::size_t maxBytes) {
    auto read = documents_.ReadFile(path, maxBytes);
    if (!read.bytes) error(read.error);
    return std::move(read.bytes);
}

// The log of a file, as a new document: it is this file's, with nothing unsaved.
void FrmLog::openLog(const std::string& path, const std::string& bytes) {
    auto parsed = ReadLog(bytes);
    if (const auto* refused = std::get_if<LogError>(&parsed)) {
        error(Arg(Tr("frmLog", "Impossible d'ouvrir « %1 » : %2"),
                  {baseName(path), refused->message}));
        return;
    }
    loadFrom(std::get<LogNav>(parsed));
    path_ = path;
    unsaved_ = false;
    dropRecovery();
    showTitle();
}

bool FrmLog::cmdEnregistrer_Click() {
    std::string path = path_;
    if (path.empty()) {
        const auto chosen = documents_.AskFileName(
            {FileDialogRequest::Mode::Save, Tr("frmLog", "Enregistrer le log de navigation"),
             LogFilter(), "log.vlog"});
        if (!chosen) return false;
        path = *chosen;
    }
    if (const auto failed = documents_.WriteFileAtomic(path, WriteLog(log_))) {
        error(*failed);
        return false;
    }
    path_ = path;
    unsaved_ = false;
    dropRecovery();
    showTitle();
    return true;
}

void FrmLog::cmdImprimer_Click() {
    // A log never saved is headed by the window's name alone.
    const std::string name = path_.empty() ? std::string() : baseName(path_);
    if (const auto failed = documents_.Print(PagesKneeboard(log_, resultat_, name)))
        error(Arg(Tr("frmLog", "Le log n'a pas été imprimé : %1"), {*failed}));
}

void FrmLog::cmdExporter_Click() {
    std::string suggested = path_.empty() ? "log" : baseName(path_);
    if (suggested.size() > 5 && suggested.ends_with(".vlog"))
        suggested.resize(suggested.size() - 5);
    const auto path = documents_.AskFileName(
        {FileDialogRequest::Mode::Save, Tr("frmLog", "Exporter le log en CSV"),
         Tr("frmLog", "Fichier CSV (*.csv)"), suggested + ".csv"});
    if (!path) return;
    if (const auto failed = documents_.WriteFileAtomic(*path, ExportCsv(log_, resultat_)))
        error(*failed);
}

}  // namespace ventrose::navlog
