// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

#include <algorithm>
#include <variant>

#include "navlog/exportcsv.h"
#include "navlog/kneeboard.h"
#include "navlog/logfile.h"
#include "platform/flag_scope.h"
#include "platform/messages.h"
#include "platform/palette.h"
#include "platform/user_actions.h"

namespace ventrose::navlog {

namespace {

using platform::FileDialogRequest;
using platform::FlagScope;

constexpr const char* kLogFilter = "Log de navigation (*.vlog)";
constexpr const char* kTitle = "Log de navigation";

// The file's name without its folder, for titles and messages.
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

FrmLog::FrmLog(platform::Runtime& runtime, platform::Documents& documents)
    : Form(runtime, Design()), documents_(documents), colonnes_{{txtRepere, Champ::Repere},
                                                                {txtRm, Champ::Rm},
                                                                {txtDist, Champ::D},
                                                                {txtV, Champ::V},
                                                                {txtVw, Champ::Vw},
                                                                {txtHR, Champ::HR}} {
    onLoad([this] { Form_Load(); });
    onQueryUnload([this] { return Form_QueryUnload(); });
    const std::pair<const platform::TextBoxRef*, Champ> data[] = {{&txtVp, Champ::Vp},
                                                                  {&txtDepart, Champ::Depart},
                                                                  {&txtCarbu, Champ::Carburant},
                                                                  {&txtConso, Champ::Conso},
                                                                  {&txtReserve, Champ::Reserve}};
    // Not a structured binding: clang 14 cannot capture one in a lambda.
    for (const auto& entry : data) {
        const platform::TextBoxRef* box = entry.first;
        const Champ champ = entry.second;
        box->onKeyPress([this, box, champ](int& key) { dataKeyPress(*box, champ, key); });
        box->onChange([this, box, champ] { dataChange(*box, champ); });
    }
    for (const Colonne& colonne : colonnes_) {
        colonne.box.onKeyPress(
            [this, &colonne](int row, int& key) { legKeyPress(colonne, row, key); });
        colonne.box.onChange([this, &colonne](int row) { legChange(colonne, row); });
        colonne.box.onGotFocus([this](int row) { current_ = row; });
    }
    optUSGall.onClick([this] { fuelUnitClick(UniteCarbu::USGall); });
    optLitres.onClick([this] { fuelUnitClick(UniteCarbu::Litres); });
    optLbs.onClick([this] { fuelUnitClick(UniteCarbu::Lbs); });
    optKilo.onClick([this] { fuelUnitClick(UniteCarbu::Kilo); });
    vscEtapes.onChange([this] { vscEtapes_Change(); });
    cmdAjouter.onClick([this] { cmdAjouter_Click(); });
    cmdInserer.onClick([this] { cmdInserer_Click(); });
    cmdSupprimer.onClick([this] { cmdSupprimer_Click(); });
    cmdMonter.onClick([this] { cmdMonter_Click(); });
    cmdDescendre.onClick([this] { cmdDescendre_Click(); });
    cmdOuvrir.onClick([this] { cmdOuvrir_Click(); });
    cmdEnregistrer.onClick([this] { cmdEnregistrer_Click(); });
    cmdImprimer.onClick([this] { cmdImprimer_Click(); });
    cmdExporter.onClick([this] { cmdExporter_Click(); });
    cmdQuit.onClick([this] { cmdQuit_Click(); });
}

// Each opening starts from an empty log, unless a log that was never saved survived a crash
// and the person takes it back.
void FrmLog::Form_Load() {
    path_.clear();
    LogNav log;
    bool recovered = false;
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    if (!recovery.empty() && documents_.FileExists(recovery)) {
        const auto read = documents_.ReadFile(recovery, kMaxFichier);
        if (read.bytes) {
            auto parsed = ReadLog(*read.bytes);
            if (auto* kept = std::get_if<LogNav>(&parsed)) {
                recovered = documents_.AskYesNo(
                    "Un log de navigation n'avait pas été enregistré. Le reprendre ?", kTitle);
                if (recovered) log = std::move(*kept);
            }
        }
        if (!recovered) documents_.RemoveFile(recovery);
    }
    loadFrom(log);
    unsaved_ = recovered;
    showTitle();
}

// Shows `log` whole, as a new document: every box and figure, the first rows in view.
bool FrmLog::loadFrom(const LogNav& log) {
    log_ = log;
    resultat_ = CalculLog(log_);
    current_ = log_.etapes.empty() ? 0 : 1;
    first_ = 1;
    showData();
    for (int row = 1; row <= static_cast<int>(log_.etapes.size()); ++row) showLeg(row);
    showResults();
    showRows();
    return true;
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

void FrmLog::cmdQuit_Click() {
    if (Form_QueryUnload()) runtime().Unload(*this);
}

std::string FrmLog::documentName() const { return path_.empty() ? kTitle : BaseName(path_); }

void FrmLog::error(const std::string& prompt) {
    runtime().MsgBox(prompt, platform::kWarningOk, "Erreur");
}

void FrmLog::showTitle() {
    std::string title = kTitle;
    if (!path_.empty()) title += " - " + BaseName(path_);
    setCaption((unsaved_ ? "*" : "") + title);
}

void FrmLog::changed() {
    RecalculLog(log_, resultat_);
    showResults();
    unsaved_ = true;
    showTitle();
    keepRecovery();
}

void FrmLog::keepRecovery() {
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    // A copy that cannot be written costs nothing but the copy: the log itself is still here.
    if (!recovery.empty()) documents_.WriteFileAtomic(recovery, WriteLog(log_));
}

void FrmLog::dropRecovery() {
    const std::string recovery = documents_.RecoveryPath(kRecoveryName);
    if (!recovery.empty() && documents_.FileExists(recovery)) documents_.RemoveFile(recovery);
}

// The keys.

bool FrmLog::refuse(const KeyVerdict& verdict, Champ champ) {
    if (verdict.notANumber) platform::MsgBox(runtime(), platform::kNotANumber);
    if (verdict.outOfRange) runtime().MsgBox(RangeText(champ), platform::kWarningOk, "Erreur");
    return verdict.key == 0;
}

void FrmLog::dataKeyPress(const platform::TextBoxRef& box, Champ champ, int& key) {
    if (key == platform::kEnterKey) {
        key = 0;
        return;
    }
    const KeyVerdict verdict =
        FiltreTouche(champ, key, box->text(), box->selStart(), box->selLength());
    refuse(verdict, champ);
    key = verdict.key;
}

void FrmLog::legKeyPress(const Colonne& colonne, int row, int& key) {
    // Enter goes on to the next leg's waypoint, making that leg after the last.
    if (key == platform::kEnterKey) {
        key = 0;
        if (row == static_cast<int>(log_.etapes.size())) {
            cmdAjouter_Click();
        } else {
            focusLeg(row + 1, txtRepere);
        }
        return;
    }
    const platform::ControlRef::Element box = colonne.box[row];
    const KeyVerdict verdict =
        FiltreTouche(colonne.champ, key, box->text(), box->selStart(), box->selLength());
    refuse(verdict, colonne.champ);
    key = verdict.key;
}

// The texts. A text that is on its way to a value changes nothing yet; one that cannot be a
// value (only a paste makes one) is refused and the box shows the log's value again.

void FrmLog::dataChange(const platform::TextBoxRef& box, Champ champ) {
    if (showing_) return;
    const Lecture lecture = LireChamp(champ, box->text());
    if (lecture.etat == Lecture::Etat::Refus) {
        refuse({0, lecture.notANumber, !lecture.notANumber}, champ);
        showData();
        return;
    }
    if (lecture.etat == Lecture::Etat::Incomplet) return;
    const double v = lecture.valeur;
    auto set = [this](auto& field, auto value) {
        if (field == value) return;
        field = value;
        changed();
    };
    switch (champ) {
        case Champ::Vp: set(log_.Vp, static_cast<int>(v)); break;
        case Champ::Depart: set(log_.departure, static_cast<int>(v)); break;
        case Champ::Carburant: set(log_.fuelAtDeparture, v); break;
        case Champ::Conso: set(log_.fuelPerHour, v); break;
        case Champ::Reserve: set(log_.finalReserve, v); break;
        default: break;
    }
}

void FrmLog::legChange(const Colonne& colonne, int row) {
    if (showing_ || row < 1 || row > static_cast<int>(log_.etapes.size())) return;
    Etape& etape = log_.etapes[static_cast<std::size_t>(row - 1)];
    const std::string& text = colonne.box[row]->text();
    const Lecture lecture = LireChamp(colonne.champ, text);
    if (lecture.etat == Lecture::Etat::Refus) {
        refuse({0, lecture.notANumber, !lecture.notANumber}, colonne.champ);
        showLeg(row);
        return;
    }
    const Etape before = etape;
    const int v = static_cast<int>(lecture.valeur);
    switch (colonne.champ) {
        case Champ::Repere: etape.repere = text; break;
        case Champ::Rm: etape.Rm = v; break;
        case Champ::D: etape.D = v; break;
        case Champ::V: etape.V = v; break;
        case Champ::Vw: etape.Vw = v; break;
        case Champ::HR:
            etape.HR.reset();
            if (lecture.etat == Lecture::Etat::Valeur) etape.HR = v;
            break;
        default: return;
    }
    if (!(before == etape)) changed();
}

void FrmLog::fuelUnitClick(UniteCarbu unite) {
    if (showing_ || log_.fuelUnit == unite) return;
    log_.fuelUnit = unite;
    changed();
}

// What the window shows.

void FrmLog::showData() {
    const FlagScope showing(showing_);
    txtVp->setText(TexteChamp(Champ::Vp, log_.Vp));
    txtDepart->setText(HeureText(log_.departure));
    txtCarbu->setText(TexteChamp(Champ::Carburant, log_.fuelAtDeparture));
    txtConso->setText(TexteChamp(Champ::Conso, log_.fuelPerHour));
    txtReserve->setText(TexteChamp(Champ::Reserve, log_.finalReserve));
    const platform::OptionRef* options[] = {&optUSGall, &optLitres, &optLbs, &optKilo};
    (*options[static_cast<int>(log_.fuelUnit)])->setSelected(true);
}

// A new leg's course and distance stay empty until typed; every other figure shows as held.
void FrmLog::showLeg(int row) {
    const FlagScope showing(showing_);
    const Etape& e = log_.etapes[static_cast<std::size_t>(row - 1)];
    txtRepere[row]->setText(e.repere);
    auto number = [](int value, Champ champ) {
        return value == 0 ? std::string() : TexteChamp(champ, value);
    };
    // An empty box reads as 0, so a 0 shows as an empty box only where nothing was typed.
    auto reads = [](const platform::Control& box, Champ champ, int value) {
        const Lecture shown = LireChamp(champ, box.text());
        return shown.etat == Lecture::Etat::Valeur && shown.valeur == value;
    };
    if (!reads(*txtRm[row], Champ::Rm, e.Rm)) txtRm[row]->setText(number(e.Rm, Champ::Rm));
    if (!reads(*txtDist[row], Champ::D, e.D)) txtDist[row]->setText(number(e.D, Champ::D));
    txtV[row]->setText(TexteChamp(Champ::V, e.V));
    txtVw[row]->setText(TexteChamp(Champ::Vw, e.Vw));
    const auto shownHR = LireChamp(Champ::HR, txtHR[row]->text());
    const bool sameHR = e.HR ? shownHR.etat == Lecture::Etat::Valeur && shownHR.valeur == *e.HR
                             : shownHR.etat == Lecture::Etat::Incomplet;
    if (!sameHR) txtHR[row]->setText(e.HR ? HeureText(*e.HR) : std::string());
}

// Every figure; setting a caption to the text it has writes nothing, so after one change only
// the labels whose text moved reach the views.
void FrmLog::showResults() {
    using platform::palette::kRed;
    const int count = static_cast<int>(resultat_.etapes.size());
    for (int row = 1; row <= count; ++row) {
        const ResultatEtape& r = resultat_.etapes[static_cast<std::size_t>(row - 1)];
        lblDerive[row]->setCaption(r.DeriveText);
        lblCap[row]->setCaption(r.CapText);
        lblVs[row]->setCaption(r.VsText);
        lblVsR[row]->setCaption(r.VsMadeGoodText);
        lblTsv[row]->setCaption(r.TsvText);
        lblTav[row]->setCaption(r.TavText);
        lblCumul[row]->setCaption(r.CumulText);
        lblHE[row]->setCaption(r.HEText);
        lblCarbu[row]->setCaption(r.CarburantText);
        lblReste[row]->setCaption(r.ResteText);
        lblReste[row]->setForeColour(r.belowReserve ? kRed : platform::kDefaultColour);
    }
    const TotauxLog& t = resultat_.totaux;
    lblTotDist->setCaption(t.DText);
    lblTotTsv->setCaption(t.TsvText);
    lblTotTav->setCaption(t.TavText);
    lblTotCarbu->setCaption(t.CarburantText);
    lblArrivee->setCaption(t.ResteText);
    lblArrivee->setForeColour(t.belowReserve ? kRed : platform::kDefaultColour);
}

// The rows of the legs from first_, kRangees of them, each at its slot; the others hidden.
void FrmLog::showRows() {
    const int count = static_cast<int>(log_.etapes.size());
    const int last = std::max(1, count - kRangees + 1);
    first_ = std::clamp(first_, 1, last);
    vscEtapes->setMax(last);
    vscEtapes->setValue(first_);
    const platform::ControlArrayRef* columns[] = {
        &txtRepere, &txtRm,  &txtDist, &txtV,   &txtVw,    &txtHR, &lblDerive, &lblCap,
        &lblVs,     &lblVsR, &lblTsv,  &lblTav, &lblCumul, &lblHE, &lblCarbu,  &lblReste};
    for (const platform::ControlArrayRef* column : columns) {
        const int top = (*column)[1]->design().top;
        const int pitch = (*column)[1]->design().rowPitch;
        for (int row = 1; row <= column->rows(); ++row) {
            platform::Control& element = *(*column)[row];
            const bool shown = row <= count && row >= first_ && row < first_ + kRangees;
            if (shown) element.setTop(top + (row - first_) * pitch);
            element.setVisible(shown);
        }
    }
}

void FrmLog::vscEtapes_Change() {
    if (vscEtapes->value() == first_) return;
    first_ = vscEtapes->value();
    showRows();
}

void FrmLog::scrollTo(int row) {
    if (row < first_) first_ = row;
    if (row >= first_ + kRangees) first_ = row - kRangees + 1;
    showRows();
}

void FrmLog::focusLeg(int row, const platform::TextBoxArrayRef& column) {
    if (row < 1 || row > static_cast<int>(log_.etapes.size())) return;
    current_ = row;
    scrollTo(row);
    setFocus(*column[row]);
}

// After rows were added, removed or moved: every leg's boxes from `row` on, the figures, and
// the focus in `column` of the current row.
void FrmLog::afterRowsChanged(int row, const platform::TextBoxArrayRef& column) {
    const int count = static_cast<int>(log_.etapes.size());
    for (int r = std::max(1, row); r <= count; ++r) showLeg(r);
    changed();
    showRows();
    if (current_ > count) current_ = count;
    focusLeg(current_, column);
}

// The commands on rows.

void FrmLog::cmdAjouter_Click() {
    if (log_.etapes.size() >= kMaxEtapes) {
        error("Le log compte déjà " + std::to_string(kMaxEtapes) + " étapes.");
        return;
    }
    log_.etapes.push_back(NouvelleEtape(log_));
    current_ = static_cast<int>(log_.etapes.size());
    afterRowsChanged(current_, txtRepere);
}

// A leg before the current one, with the wind of the leg before it (of the first leg, at the
// top); after the last when there is no current leg.
void FrmLog::cmdInserer_Click() {
    if (current_ < 1 || current_ > static_cast<int>(log_.etapes.size())) return cmdAjouter_Click();
    if (log_.etapes.size() >= kMaxEtapes) {
        error("Le log compte déjà " + std::to_string(kMaxEtapes) + " étapes.");
        return;
    }
    const std::size_t at = static_cast<std::size_t>(current_ - 1);
    const Etape& windFrom = log_.etapes[at == 0 ? 0 : at - 1];
    Etape etape;
    etape.V = windFrom.V;
    etape.Vw = windFrom.Vw;
    log_.etapes.insert(log_.etapes.begin() + static_cast<std::ptrdiff_t>(at), etape);
    afterRowsChanged(current_, txtRepere);
}

void FrmLog::cmdSupprimer_Click() {
    const int count = static_cast<int>(log_.etapes.size());
    if (current_ < 1 || current_ > count) return;
    log_.etapes.erase(log_.etapes.begin() + current_ - 1);
    afterRowsChanged(current_, txtRepere);
}

void FrmLog::cmdMonter_Click() {
    if (current_ < 2 || current_ > static_cast<int>(log_.etapes.size())) return;
    std::swap(log_.etapes[static_cast<std::size_t>(current_ - 1)],
              log_.etapes[static_cast<std::size_t>(current_ - 2)]);
    --current_;
    afterRowsChanged(current_, txtRepere);
}

void FrmLog::cmdDescendre_Click() {
    if (current_ < 1 || current_ >= static_cast<int>(log_.etapes.size())) return;
    std::swap(log_.etapes[static_cast<std::size_t>(current_ - 1)],
              log_.etapes[static_cast<std::size_t>(current_)]);
    ++current_;
    afterRowsChanged(current_ - 1, txtRepere);
}

// The commands on files.

void FrmLog::cmdOuvrir_Click() {
    if (!confirmLoss()) return;
    const auto path = documents_.AskFileName(
        {FileDialogRequest::Mode::Open, "Ouvrir un log de navigation", kLogFilter, ""});
    if (!path) return;
    const auto read = documents_.ReadFile(*path, kMaxFichier);
    if (!read.bytes) {
        error(read.error);
        return;
    }
    auto parsed = ReadLog(*read.bytes);
    if (const auto* refused = std::get_if<LogError>(&parsed)) {
        error("Impossible d'ouvrir « " + BaseName(*path) + " » : " + refused->message);
        return;
    }
    loadFrom(std::get<LogNav>(parsed));
    path_ = *path;
    unsaved_ = false;
    dropRecovery();
    showTitle();
}

bool FrmLog::cmdEnregistrer_Click() {
    std::string path = path_;
    if (path.empty()) {
        const auto chosen =
            documents_.AskFileName({FileDialogRequest::Mode::Save,
                                    "Enregistrer le log de navigation", kLogFilter, "log.vlog"});
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
    if (const auto failed = documents_.Print(PagesKneeboard(log_, resultat_, documentName())))
        error("Le log n'a pas été imprimé : " + *failed);
}

void FrmLog::cmdExporter_Click() {
    std::string suggested = path_.empty() ? "log" : BaseName(path_);
    if (suggested.size() > 5 && suggested.ends_with(".vlog"))
        suggested.resize(suggested.size() - 5);
    const auto path =
        documents_.AskFileName({FileDialogRequest::Mode::Save, "Exporter le log en CSV",
                                "Fichier CSV (*.csv)", suggested + ".csv"});
    if (!path) return;
    if (const auto failed = documents_.WriteFileAtomic(*path, ExportCsv(log_, resultat_)))
        error(*failed);
}

}  // namespace ventrose::navlog
