// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/tr.h"
#include "platform/flag_scope.h"
#include "platform/messages.h"
#include "platform/palette.h"
#include "platform/user_actions.h"
#include "wind/exacttriangle.h"

namespace ventrose::navlog {

namespace {

using platform::FlagScope;

std::string SlipNote() {
    return common::Tr("frmLog", "Heure réelle douteuse : l'étape durerait plus de 12 heures");
}

}  // namespace

FrmLog::FrmLog(platform::Runtime& runtime, platform::Documents& documents, platform::Clock& clock)
    : Form(runtime, Design()),
      documents_(documents),
      clock_(clock),
      colonnes_{{txtRepere, Champ::Repere}, {txtRm, Champ::Rm}, {txtDist, Champ::D},
                {txtV, Champ::V},           {txtVw, Champ::Vw}, {txtHR, Champ::HR}} {
    onLoad([this] { Form_Load(); });
    onLanguageChange([this](common::Language previous) { Form_LanguageChange(previous); });
    onQueryUnload([this] { return Form_QueryUnload(); });
    onDropFile([this](const std::string& path) { Form_DropFile(path); });
    const std::pair<const platform::TextBoxRef*, Champ> data[] = {
        {&txtOrigine, Champ::Origine}, {&txtVp, Champ::Vp},       {&txtDepart, Champ::Depart},
        {&txtCarbu, Champ::Carburant}, {&txtConso, Champ::Conso}, {&txtReserve, Champ::Reserve}};
    // Not a structured binding: clang 14 cannot capture one in a lambda.
    for (const auto& entry : data) {
        const platform::TextBoxRef* box = entry.first;
        const Champ champ = entry.second;
        box->onKeyPress([this, box, champ](int& key) { dataKeyPress(*box, champ, key); });
        box->onChange([this, box, champ] { dataChange(*box, champ); });
        box->onLostFocus([this, box, champ] { dataLostFocus(*box, champ); });
        // The caret out of the legs: the row commands have no leg to act on.
        box->onGotFocus([this] { current_ = 0; });
    }
    for (const Colonne& colonne : colonnes_) {
        colonne.box.onKeyPress(
            [this, &colonne](int row, int& key) { legKeyPress(colonne, row, key); });
        colonne.box.onKeyDown([this, &colonne](int row, int& key, int shift) {
            legKeyDown(colonne, row, key, shift);
        });
        colonne.box.onChange([this, &colonne](int row) { legChange(colonne, row); });
        colonne.box.onLostFocus([this, &colonne](int row) { legLostFocus(colonne, row); });
        colonne.box.onGotFocus([this](int row) { current_ = row; });
    }
    optUSGall.onClick([this] { fuelUnitClick(UniteCarbu::USGall); });
    optLitres.onClick([this] { fuelUnitClick(UniteCarbu::Litres); });
    optLbs.onClick([this] { fuelUnitClick(UniteCarbu::Lbs); });
    optKilo.onClick([this] { fuelUnitClick(UniteCarbu::Kilo); });
    vscEtapes.onChange([this] { vscEtapes_Change(); });
    chkExact.onClick([this] { chkExact_Click(); });
    cmdAjouter.onClick([this] { cmdAjouter_Click(); });
    cmdInserer.onClick([this] { cmdInserer_Click(); });
    cmdSupprimer.onClick([this] { cmdSupprimer_Click(); });
    cmdMonter.onClick([this] { cmdMonter_Click(); });
    cmdDescendre.onClick([this] { cmdDescendre_Click(); });
    cmdOuvrir.onClick([this] { cmdOuvrir_Click(); });
    cmdImporter.onClick([this] { cmdImporter_Click(); });
    cmdEnregistrer.onClick([this] { cmdEnregistrer_Click(); });
    cmdImprimer.onClick([this] { cmdImprimer_Click(); });
    cmdExporter.onClick([this] { cmdExporter_Click(); });
    cmdQuit.onClick([this] { cmdQuit_Click(); });
    cmdAnnuler.onClick([this] { cmdAnnuler_Click(); });
    cmdTop.onClick([this] { cmdTop_Click(); });
    cmdTopDepart.onClick([this] { cmdTopDepart_Click(); });
    optHeureLocale.onClick([this] { optHeureLocale_Click(); });
    optHeureUTC.onClick([this] { optHeureUTC_Click(); });
    cmdVentSim.onClick([this] { cmdVentSim_Click(); });
    cmdVentSuivants.onClick([this] { cmdVentSuivants_Click(); });
    cmdVpSim.onClick([this] { cmdVpSim_Click(); });
    chkTopAuto.onClick([this] { chkTopAuto_Click(); });
}

void FrmLog::Form_Load() {
    path_.clear();
    noRecovery_ = false;
    deleted_.reset();
    bool recovered = false;
    loadFrom(recoveredOrNew(recovered));
    unsaved_ = recovered;
    showTitle();
}

FrmLog::StartingValues FrmLog::startingValues() const {
    StartingValues v = startFrom_ ? startFrom_() : StartingValues{};
    v.Vp = std::clamp(v.Vp, kVpMin, kVpMax);
    v.V = std::clamp(v.V, 0, kVMax);
    v.Vw = std::clamp(v.Vw, 0, kVwMax);
    return v;
}

// Shows `log` whole, as a new document: every box and figure, the first rows in view.
bool FrmLog::loadFrom(const LogNav& log) {
    log_ = log;
    resultat_ = CalculLog(log_);
    current_ = 0;
    first_ = 1;
    forgetDeletion();
    showData();
    for (int row = 1; row <= static_cast<int>(log_.etapes.size()); ++row) showLeg(row);
    showResults();
    showRows();
    forgetAircraft();
    showCurrentLeg();
    showSimCommands();
    return true;
}

void FrmLog::cmdQuit_Click() {
    if (Form_QueryUnload()) runtime().Unload(*this);
}

// Nothing of the log changes: its figures are written again from it, each text in the new
// language, and a fuel typed in a box, even one on its way to a value, keeps its digits with the
// new mark. The boxes are written as the window writes them, so their Change handlers stand by.
void FrmLog::Form_LanguageChange(common::Language previous) {
    {
        const FlagScope showing(showing_);
        // The fuel boxes: the only ones whose text holds a decimal mark.
        const platform::TextBoxRef* fuel[] = {&txtCarbu, &txtConso, &txtReserve};
        const common::Language now = common::CurrentLanguage();
        for (const platform::TextBoxRef* box : fuel) {
            const std::string& text = (*box)->text();
            // A lone mark is a number on its way, which no other text would let it be.
            const bool lone = text.size() == 1 && text[0] == common::DecimalMark(previous);
            const std::string retyped = lone ? std::string(1, common::DecimalMark(now))
                                             : common::RetypeNumber(text, previous, now);
            if (retyped != text) (*box)->setText(retyped);
        }
    }
    resultat_ = CalculLog(log_);
    showResults();
    showTitle();
    showClock();
    showCurrentLeg();
    showSimCommands();
}

std::string FrmLog::title() { return common::Tr("frmLog", "Log de navigation"); }

std::string FrmLog::documentName() const { return path_.empty() ? title() : baseName(path_); }

void FrmLog::error(const std::string& prompt) {
    runtime().MsgBox(prompt, platform::kWarningOk, common::Tr("frmLog", "Erreur"));
}

void FrmLog::showTitle() {
    std::string caption = title();
    if (!path_.empty()) caption += " - " + baseName(path_);
    setCaption((unsaved_ ? "*" : "") + caption);
}

void FrmLog::changed() {
    forgetDeletion();
    RecalculLog(log_, resultat_);
    showResults();
    unsaved_ = true;
    showTitle();
    keepRecovery();
    showCurrentLeg();
    showSimCommands();
}

// The keys.

bool FrmLog::refuse(const KeyVerdict& verdict, Champ champ) {
    // The words of platform::kNotANumber, which every window says, in the window's language.
    if (verdict.notANumber) error(common::Tr("frmLog", "Il faut entrer un nombre"));
    if (verdict.outOfRange) error(RangeText(champ));
    return verdict.key == 0;
}

// Escape closes the window from any of its boxes, as from anywhere else in it: unsaved changes
// are asked about first.
bool FrmLog::closeKey(int& key) {
    if (key != platform::kEscapeKey) return false;
    key = 0;
    cmdQuit_Click();
    return true;
}

void FrmLog::dataKeyPress(const platform::TextBoxRef& box, Champ champ, int& key) {
    if (closeKey(key)) return;
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
    if (closeKey(key)) return;
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
        refuse({0, lecture.notANumber, !lecture.notANumber && !lecture.quiet}, champ);
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
        case Champ::Origine: set(log_.origin, box->text()); break;
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
        refuse({0, lecture.notANumber, !lecture.notANumber && !lecture.quiet}, colonne.champ);
        showLeg(row);
        return;
    }
    const Etape before = etape;
    const int v = static_cast<int>(lecture.valeur);
    // An empty course or distance is one not given; «0» is a 0 given.
    const std::optional<int> given = text.empty() ? std::nullopt : std::optional<int>(v);
    switch (colonne.champ) {
        case Champ::Repere: etape.repere = text; break;
        case Champ::Rm: etape.Rm = given; break;
        case Champ::D: etape.D = given; break;
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

// A box left with a text that is not a value (on its way to one, or empty where empty is no
// figure) shows the log's value again, as a refused paste does, so that no box shows what the
// log does not use; a time shows as it was read («946» as «09:46»).

void FrmLog::dataLostFocus(const platform::TextBoxRef& box, Champ champ) {
    const Lecture lecture = LireChamp(champ, box->text());
    if (lecture.etat == Lecture::Etat::Valeur && !box->text().empty() && champ != Champ::Depart)
        return;
    const FlagScope showing(showing_);
    box->setText(dataText(champ));
}

void FrmLog::legLostFocus(const Colonne& colonne, int row) {
    if (row < 1 || row > static_cast<int>(log_.etapes.size())) return;
    const platform::ControlRef::Element box = colonne.box[row];
    const Lecture lecture = LireChamp(colonne.champ, box->text());
    const bool wind = colonne.champ == Champ::V || colonne.champ == Champ::Vw;
    if (lecture.etat == Lecture::Etat::Valeur && colonne.champ != Champ::HR &&
        !(wind && box->text().empty()))
        return;
    const FlagScope showing(showing_);
    box->setText(legText(colonne.champ, log_.etapes[static_cast<std::size_t>(row - 1)]));
}

void FrmLog::fuelUnitClick(UniteCarbu unite) {
    if (showing_ || log_.fuelUnit == unite) return;
    log_.fuelUnit = unite;
    changed();
}

// The exact triangle's columns are the log's to show: saved with it, and so a change of it.
void FrmLog::chkExact_Click() {
    const bool exact = chkExact->value() == 1;
    if (showing_ || log_.exactTriangle == exact) return;
    log_.exactTriangle = exact;
    showRows();
    changed();
}

// What the window shows.

std::string FrmLog::dataText(Champ champ) const {
    switch (champ) {
        case Champ::Origine: return log_.origin;
        case Champ::Vp: return TexteChamp(champ, log_.Vp);
        case Champ::Depart: return TexteChamp(champ, log_.departure);
        case Champ::Carburant: return TexteChamp(champ, log_.fuelAtDeparture);
        case Champ::Conso: return TexteChamp(champ, log_.fuelPerHour);
        case Champ::Reserve: return TexteChamp(champ, log_.finalReserve);
        default: return {};
    }
}

// A leg's course and distance show empty until given; every other value shows as held.
std::string FrmLog::legText(Champ champ, const Etape& e) {
    const auto given = [champ](const std::optional<int>& value) {
        return value ? TexteChamp(champ, *value) : std::string();
    };
    switch (champ) {
        case Champ::Repere: return e.repere;
        case Champ::Rm: return given(e.Rm);
        case Champ::D: return given(e.D);
        case Champ::V: return TexteChamp(champ, e.V);
        case Champ::Vw: return TexteChamp(champ, e.Vw);
        case Champ::HR: return e.HR ? HeureText(*e.HR) : std::string();
        default: return {};
    }
}

void FrmLog::showData() {
    const FlagScope showing(showing_);
    txtOrigine->setText(dataText(Champ::Origine));
    txtVp->setText(dataText(Champ::Vp));
    txtDepart->setText(dataText(Champ::Depart));
    txtCarbu->setText(dataText(Champ::Carburant));
    txtConso->setText(dataText(Champ::Conso));
    txtReserve->setText(dataText(Champ::Reserve));
    const platform::OptionRef* options[] = {&optUSGall, &optLitres, &optLbs, &optKilo};
    (*options[static_cast<int>(log_.fuelUnit)])->setSelected(true);
    chkExact->setValue(log_.exactTriangle ? 1 : 0);
    (log_.heureUTC ? optHeureUTC : optHeureLocale)->setSelected(true);
    chkTopAuto->setValue(log_.topAuto ? 1 : 0);
    showClock();
}

// A course, distance or actual time whose box reads as its value already keeps its text
// («090», «00», «946»), where the value's own text would move a typing person's caret. An empty
// course or distance box is one not given, whatever an empty box reads as.
void FrmLog::showLeg(int row) {
    const FlagScope showing(showing_);
    const Etape& e = log_.etapes[static_cast<std::size_t>(row - 1)];
    auto reads = [](const platform::Control& box, Champ champ, int value) {
        const Lecture shown = LireChamp(champ, box.text());
        return shown.etat == Lecture::Etat::Valeur && shown.valeur == value;
    };
    auto shows = [&reads](const platform::Control& box, Champ champ,
                          const std::optional<int>& value) {
        return box.text().empty() ? !value : value && reads(box, champ, *value);
    };
    for (const Colonne& c : colonnes_) {
        const platform::ControlRef::Element box = c.box[row];
        bool same = false;
        switch (c.champ) {
            case Champ::Rm: same = shows(*box, c.champ, e.Rm); break;
            case Champ::D: same = shows(*box, c.champ, e.D); break;
            case Champ::HR:
                same = e.HR ? reads(*box, c.champ, *e.HR)
                            : LireChamp(c.champ, box->text()).etat == Lecture::Etat::Incomplet;
                break;
            default: break;
        }
        if (!same) box->setText(legText(c.champ, e));
    }
}

// Every figure; setting a caption to the text it has writes nothing, so after one change only
// the labels whose text moved reach the views.
void FrmLog::showResults() {
    using platform::palette::kRed;
    const int count = static_cast<int>(resultat_.etapes.size());
    for (int row = 1; row <= count; ++row) showLegResults(row);
    const TotauxLog& t = resultat_.totaux;
    lblTotDist->setCaption(t.DText);
    lblTotTsv->setCaption(t.TsvText);
    lblTotTav->setCaption(t.TavText);
    lblTotCarbu->setCaption(t.CarburantText);
    lblArrivee->setCaption(t.ResteText);
    lblArrivee->setForeColour(t.belowReserve ? kRed : platform::kDefaultColour);
}

// A leg's figures show once its course and distance are given: before, they would be those of
// a course of 000 or of no distance, which mean nothing yet. An actual time that the figures
// take for a slip is marked, in red and for a screen reader. The exact triangle's «X», where no
// heading holds the course, has the reason in full as its note, which its narrow column cannot
// show: the pointer shows it and a screen reader says it.
void FrmLog::showLegResults(int row) {
    using platform::palette::kRed;
    const auto index = static_cast<std::size_t>(row - 1);
    const ResultatEtape& r = resultat_.etapes[index];
    const bool given = log_.etapes[index].Rm && log_.etapes[index].D;
    const std::string none;
    lblDerive[row]->setCaption(given ? r.DeriveText : none);
    lblCap[row]->setCaption(given ? r.CapText : none);
    lblVs[row]->setCaption(given ? r.VsText : none);
    lblCapExact[row]->setCaption(given ? r.CapExactText : none);
    lblVsExacte[row]->setCaption(given ? r.VsExacteText : none);
    const bool impossible = given && !r.exactPossible;
    for (const platform::LabelArrayRef* exact : {&lblCapExact, &lblVsExacte})
        (*exact)[row]->setToolTipText(impossible ? wind::CapImpossibleText() : none);
    lblVsR[row]->setCaption(given ? r.VsMadeGoodText : none);
    lblTsv[row]->setCaption(given ? r.TsvText : none);
    lblTav[row]->setCaption(given ? r.TavText : none);
    lblCumul[row]->setCaption(given ? r.CumulText : none);
    lblHE[row]->setCaption(given ? r.HEText : none);
    lblCarbu[row]->setCaption(given ? r.CarburantText : none);
    lblReste[row]->setCaption(given ? r.ResteText : none);
    lblReste[row]->setForeColour(given && r.belowReserve ? kRed : platform::kDefaultColour);
    txtHR[row]->setForeColour(r.actualSlip ? kRed : platform::kDefaultColour);
    txtHR[row]->setToolTipText(r.actualSlip ? SlipNote() : none);
}

// The rows of the legs from first_, kRangees of them, each at its slot; the others hidden. The
// exact triangle's columns show only when the log shows them, and the columns after them move
// to make room.
void FrmLog::showRows() {
    showExactColumns();
    const int count = static_cast<int>(log_.etapes.size());
    const int last = std::max(1, count - kRangees + 1);
    first_ = std::clamp(first_, 1, last);
    vscEtapes->setMax(last);
    vscEtapes->setValue(first_);
    const bool exact = log_.exactTriangle;
    const struct {
        const platform::ControlArrayRef* column;
        bool shown;  // when its leg is in view
        int shift;
    } columns[] = {{&txtRepere, true, 0},
                   {&txtRm, true, 0},
                   {&txtDist, true, 0},
                   {&txtV, true, 0},
                   {&txtVw, true, 0},
                   {&txtHR, true, 0},
                   {&lblDerive, true, 0},
                   {&lblCap, true, 0},
                   {&lblVs, true, 0},
                   {&lblCapExact, exact, 0},
                   {&lblVsExacte, exact, 0},
                   {&lblVsR, true, exact ? kExactShift : 0},
                   {&lblTsv, true, exact ? kExactShift : 0},
                   {&lblTav, true, exact ? kExactShift : 0},
                   {&lblCumul, true, exact ? kExactShift : 0},
                   {&lblHE, true, exact ? kExactShift : 0},
                   {&lblCarbu, true, exact ? kExactShift : 0},
                   {&lblReste, true, exact ? kExactShift : 0}};
    for (const auto& c : columns) {
        const platform::ControlArrayRef& column = *c.column;
        const int left = column[1]->design().left + c.shift;
        const int top = column[1]->design().top;
        const int pitch = column[1]->design().rowPitch;
        for (int row = 1; row <= column.rows(); ++row) {
            platform::Control& element = *column[row];
            const bool shown = c.shown && row <= count && row >= first_ && row < first_ + kRangees;
            if (shown) {
                element.setLeft(left);
                element.setTop(top + (row - first_) * pitch);
            }
            element.setVisible(shown);
        }
    }
}

// The window as wide as the columns it shows: with the exact triangle's, the captions after them,
// the bar and the window's edge move right by their room.
void FrmLog::showExactColumns() {
    const bool exact = log_.exactTriangle;
    const int shift = exact ? kExactShift : 0;
    setWidth(Design().width + shift);
    lblTitreCapExact->setVisible(exact);
    lblTitreVsExacte->setVisible(exact);
    const platform::LabelRef* moved[] = {&lblTitreVsR,   &lblTitreTsv,   &lblTitreTav,
                                         &lblTitreCumul, &lblTitreHE,    &lblTitreCarbu,
                                         &lblTitreReste, &lblTitreEtapes};
    for (const platform::LabelRef* caption : moved)
        (*caption)->setLeft((*caption)->design().left + shift);
    vscEtapes->setLeft(vscEtapes->design().left + shift);
}

}  // namespace ventrose::navlog
