// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "navlog/calcullog.h"
#include "navlog/lognav.h"
#include "navlog/saisielog.h"
#include "platform/clock.h"
#include "platform/control_ref.h"
#include "platform/documents.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "simlink/link_state.h"
#include "simlink/sim_values.h"
#include "waypointpass/leg_line.h"
#include "waypointpass/passage.h"

namespace ventrose::navlog {

// The navigation log: the log's data, one row of boxes and results per leg (control arrays of
// kMaxEtapes rows, of which kRangees show at a time under the bar vscEtapes), the totals, and
// the file commands through `documents`. The window holds one LogNav and its ResultatLog; each
// accepted key changes the log, RecalculLog brings the figures up to date and only the labels
// whose text changed are written. Each opening starts from an empty log with the main window's
// airspeed, or from the unsaved one a crash left behind if the person takes it back. A flight
// plan imported (cmdImporter, or a plan file dropped on the window) becomes the log's legs, with
// the magnetic variation of the date `clock` reads.
//
// Its code is in five files: the log's data, its boxes and figures (frmlog.cpp); the legs'
// rows, their commands, the undoing of a deletion and the keys that move between legs
// (frmlog_legs.cpp); the files, the crash copy and the question before changes are lost
// (frmlog_files.cpp); the import of a flight plan and the files dropped on the window
// (frmlog_import.cpp); the design (frmlog_design.cpp).
class FrmLog : public platform::Form {
public:
    FrmLog(platform::Runtime& runtime, platform::Documents& documents, platform::Clock& clock);

    static const platform::FormDesign& Design();
    // Leg rows shown at a time.
    static constexpr int kRangees = 12;
    // How far the columns right of Vs, the bar and the window's right edge move when the exact
    // triangle's pair of columns shows after Vs: the pair's width and gaps, in twips.
    static constexpr int kExactShift = 136 * platform::kPx;
    // What an import left out or cut is told with the information icon: nothing failed.
    static constexpr int kNoticeStyle = 64;
    // The file that keeps an unsaved log between a crash and the next opening, and where one
    // that cannot be read again is put aside (-2, -3... when the name is taken).
    static constexpr const char* kRecoveryName = "log-en-cours.vlog";
    static constexpr const char* kAsideName = "log-illisible";

    // What a new log starts from: the main window's airspeed, and its wind for the first leg.
    struct StartingValues {
        int Vp = kVpDefaut;
        int V = 0;
        int Vw = 0;
    };
    // Read each time a new log or its first leg needs them; without it, 120 kt and no wind.
    void startFrom(std::function<StartingValues()> values) { startFrom_ = std::move(values); }

    void Form_Load();
    // The language changed: every text the window wrote is written again in the new one (the
    // legs' figures, the clock line, the current leg, the notes, the title) and the fuel typed
    // in its boxes takes the new decimal mark. The log, its figures and whether it is saved stay.
    void Form_LanguageChange(common::Language previous);
    // Whether the window may close: asks to save unsaved changes (Cancel keeps it open).
    bool Form_QueryUnload();

    void cmdAjouter_Click();
    void cmdInserer_Click();
    void cmdSupprimer_Click();
    void cmdMonter_Click();
    void cmdDescendre_Click();
    void cmdOuvrir_Click();
    // A flight plan chosen in a file dialog becomes the log's legs.
    void cmdImporter_Click();
    // A log dropped on the window opens; any other file is imported as a flight plan.
    void Form_DropFile(const std::string& path);
    // True when the log was saved.
    bool cmdEnregistrer_Click();
    void cmdImprimer_Click();
    void cmdExporter_Click();
    void cmdQuit_Click();
    // Puts back the leg deleted last, where it was; offered until the log changes again.
    void cmdAnnuler_Click();
    void vscEtapes_Change();
    void chkExact_Click();

    // In flight (frmlog_top.cpp): the clock's time of day as the first untimed leg's HR, or as
    // the departure time; which clock a Top reads, local time or UTC.
    void cmdTop_Click();
    void cmdTopDepart_Click();
    void optHeureLocale_Click();
    void optHeureUTC_Click();

    // The simulator link, told as the calculators are told (WindowsFeed): the simulator chosen
    // or none, whether its values are coming, and each new set of them. The window keeps them
    // while it is not loaded, and shows them when it loads.
    void LierSimulateur(std::optional<simlink::Simulator> simulateur);
    void EtatSimulateur(std::string_view etat, bool recoit);
    void SuivreSimulateur(const simlink::SimValues& values);

    // The simulator's figures into the log, and the automatic Top (frmlog_sim.cpp).
    void cmdVentSim_Click();
    void cmdVentSuivants_Click();
    void cmdVpSim_Click();
    void chkTopAuto_Click();

    const LogNav& log() const { return log_; }
    const ResultatLog& resultat() const { return resultat_; }
    // The leg whose box the caret is in, or was in last (from 1), which the row commands act
    // on; 0 before any, and once the caret is in a box of the log's data.
    int currentRow() const { return current_; }
    bool unsaved() const { return unsaved_; }
    const std::string& path() const { return path_; }

private:
    struct Colonne {
        const platform::TextBoxArrayRef& box;
        Champ champ;
    };

    void dataKeyPress(const platform::TextBoxRef& box, Champ champ, int& key);
    void dataChange(const platform::TextBoxRef& box, Champ champ);
    void dataLostFocus(const platform::TextBoxRef& box, Champ champ);
    void legKeyPress(const Colonne& colonne, int row, int& key);
    void legKeyDown(const Colonne& colonne, int row, int& key, int shift);
    void legChange(const Colonne& colonne, int row);
    void legLostFocus(const Colonne& colonne, int row);
    bool closeKey(int& key);
    bool refuse(const KeyVerdict& verdict, Champ champ);
    void fuelUnitClick(UniteCarbu unite);

    // After any change of the log: figures, title, and the copy kept against a crash.
    void changed();
    void showData();
    std::string dataText(Champ champ) const;
    static std::string legText(Champ champ, const Etape& e);
    void showLeg(int row);
    void showResults();
    void showLegResults(int row);
    void showRows();
    void showExactColumns();
    void showTitle();
    void scrollTo(int row);
    void focusLeg(int row, const platform::TextBoxArrayRef& column);
    void afterRowsChanged(int row, const platform::TextBoxArrayRef& column);
    bool loadFrom(const LogNav& log);
    void openLog(const std::string& path, const std::string& bytes);
    void importPlan(const std::string& path, const std::string& bytes);
    // A file's bytes for a command, or nothing when it cannot be read (said already).
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes);
    bool confirmLoss();
    LogNav recoveredOrNew(bool& recovered);
    void putAside(const std::string& recovery, const std::string& why,
                  const std::optional<std::string>& bytes);
    StartingValues startingValues() const;
    Etape newLeg() const;
    void forgetDeletion();
    void keepRecovery();
    void dropRecovery();
    std::string documentName() const;
    // The window's name in the current language: its title and its messages' title.
    static std::string title();
    // The file's name without its folder, for titles and messages.
    static std::string baseName(const std::string& path);
    void error(const std::string& prompt);

    // The Top and its clock (frmlog_top.cpp): lblHorloge says which clock a Top reads; a Top
    // writes `minutes` (after midnight) as leg `row`'s HR, as if typed, and brings the row into
    // view.
    void showClock();
    void topLeg(int row, int minutes);
    // The time of day a Top writes, in seconds after midnight: the simulator's while it sends
    // the one the log keeps (local or UTC), otherwise the computer's.
    double clockSeconds();
    void chooseUtc(bool utc);
    int localOffsetMinutes();
    // The simulator's figures and the automatic Top (frmlog_sim.cpp): which commands can act
    // now, and what the latest values change.
    void showSimCommands();
    void followAircraft();
    // The leg flown now (from 1), which F6 and the automatic Top act on: the first without HR
    // after the legs passed abeam; 0 when every leg has its time.
    int currentLeg() const;
    // The line of leg `row`'s pass, from the previous waypoint (or the origin) to its own: none
    // when either has no position.
    const waypointpass::LegLine* legLine(int row);
    // The aircraft's fix on the clock the automatic Top judges by (UTC, else local time).
    std::optional<waypointpass::Fix> aircraftFix() const;
    void judgePass(const waypointpass::Fix& fix);
    // A time of day on the clock the automatic Top judged by, on the log's clock instead.
    std::optional<double> onLogClock(double seconds) const;
    // lblEnCours and the mark on the current leg's waypoint, while a simulator is linked.
    void showCurrentLeg();
    void forgetAircraft();

    platform::Documents& documents_;
    platform::Clock& clock_;
    LogNav log_;
    ResultatLog resultat_;
    int current_ = 0;
    int first_ = 1;  // the leg shown in the top row
    bool unsaved_ = false;
    bool showing_ = false;  // the window is writing its boxes: their Change handlers stand by
    // A copy against a crash would overwrite a file that could not be put aside: none is kept.
    bool noRecovery_ = false;
    std::string path_;
    std::function<StartingValues()> startFrom_;
    // The leg deleted last and where it stood, while cmdAnnuler can put it back.
    struct Deleted {
        Etape etape;
        int row = 0;
    };
    std::optional<Deleted> deleted_;
    // The link: the simulator chosen, whether its values are coming, and the latest of them
    // (none while nothing comes).
    std::optional<simlink::Simulator> simulateur_;
    bool recoit_ = false;
    std::optional<simlink::SimValues> simValues_;
    // The automatic Top: the aircraft's previous fix, and whether it was in UTC (else local
    // time); the legs up to this row were passed abeam, and the next untimed one is current; the
    // simulator's latest UTC and local time read together, which turn one into the other.
    std::optional<waypointpass::Fix> previousFix_;
    bool previousFixUtc_ = true;
    int passedAbeam_ = 0;
    struct Clocks {
        double utc;
        double local;
    };
    std::optional<Clocks> clocks_;
    // The current leg's line, worked out once for the leg and its two positions.
    struct CachedLine {
        int row = 0;
        std::optional<common::LatLon> start;
        common::LatLon waypoint;
        std::optional<waypointpass::LegLine> line;
    };
    std::optional<CachedLine> line_;
    // The aircraft's distance to go on the current leg, and the row marked as current.
    std::optional<double> toGoNm_;
    int markedRow_ = 0;

    platform::TextBoxRef txtOrigine{*this, "txtOrigine"};
    platform::TextBoxRef txtVp{*this, "txtVp"};
    platform::TextBoxRef txtDepart{*this, "txtDepart"};
    platform::TextBoxRef txtCarbu{*this, "txtCarbu"};
    platform::TextBoxRef txtConso{*this, "txtConso"};
    platform::TextBoxRef txtReserve{*this, "txtReserve"};
    platform::OptionRef optUSGall{*this, "optUSGall"};
    platform::OptionRef optLitres{*this, "optLitres"};
    platform::OptionRef optLbs{*this, "optLbs"};
    platform::OptionRef optKilo{*this, "optKilo"};

    platform::TextBoxArrayRef txtRepere{*this, "txtRepere"};
    platform::TextBoxArrayRef txtRm{*this, "txtRm"};
    platform::TextBoxArrayRef txtDist{*this, "txtDist"};
    platform::TextBoxArrayRef txtV{*this, "txtV"};
    platform::TextBoxArrayRef txtVw{*this, "txtVw"};
    platform::TextBoxArrayRef txtHR{*this, "txtHR"};
    platform::LabelArrayRef lblDerive{*this, "lblDerive"};
    platform::LabelArrayRef lblCap{*this, "lblCap"};
    platform::LabelArrayRef lblVs{*this, "lblVs"};
    platform::LabelArrayRef lblVsR{*this, "lblVsR"};
    platform::LabelArrayRef lblTsv{*this, "lblTsv"};
    platform::LabelArrayRef lblTav{*this, "lblTav"};
    platform::LabelArrayRef lblCumul{*this, "lblCumul"};
    platform::LabelArrayRef lblHE{*this, "lblHE"};
    platform::LabelArrayRef lblCarbu{*this, "lblCarbu"};
    platform::LabelArrayRef lblReste{*this, "lblReste"};
    platform::LabelArrayRef lblCapExact{*this, "lblCapExact"};
    platform::LabelArrayRef lblVsExacte{*this, "lblVsExacte"};
    platform::ScrollBarRef vscEtapes{*this, "vscEtapes"};
    platform::CheckBoxRef chkExact{*this, "chkExact"};
    // The captions that show or move with the exact triangle's columns.
    platform::LabelRef lblTitreCapExact{*this, "lblTitreCapExact"};
    platform::LabelRef lblTitreVsExacte{*this, "lblTitreVsExacte"};
    platform::LabelRef lblTitreVsR{*this, "lblTitreVsR"};
    platform::LabelRef lblTitreTsv{*this, "lblTitreTsv"};
    platform::LabelRef lblTitreTav{*this, "lblTitreTav"};
    platform::LabelRef lblTitreCumul{*this, "lblTitreCumul"};
    platform::LabelRef lblTitreHE{*this, "lblTitreHE"};
    platform::LabelRef lblTitreCarbu{*this, "lblTitreCarbu"};
    platform::LabelRef lblTitreReste{*this, "lblTitreReste"};
    platform::LabelRef lblTitreEtapes{*this, "lblTitreEtapes"};

    platform::LabelRef lblTotDist{*this, "lblTotDist"};
    platform::LabelRef lblTotTsv{*this, "lblTotTsv"};
    platform::LabelRef lblTotTav{*this, "lblTotTav"};
    platform::LabelRef lblTotCarbu{*this, "lblTotCarbu"};
    platform::LabelRef lblArrivee{*this, "lblArrivee"};

    platform::ButtonRef cmdAjouter{*this, "cmdAjouter"};
    platform::ButtonRef cmdInserer{*this, "cmdInserer"};
    platform::ButtonRef cmdSupprimer{*this, "cmdSupprimer"};
    platform::ButtonRef cmdMonter{*this, "cmdMonter"};
    platform::ButtonRef cmdDescendre{*this, "cmdDescendre"};
    platform::ButtonRef cmdOuvrir{*this, "cmdOuvrir"};
    platform::ButtonRef cmdImporter{*this, "cmdImporter"};
    platform::ButtonRef cmdEnregistrer{*this, "cmdEnregistrer"};
    platform::ButtonRef cmdImprimer{*this, "cmdImprimer"};
    platform::ButtonRef cmdExporter{*this, "cmdExporter"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};
    platform::ButtonRef cmdAnnuler{*this, "cmdAnnuler"};
    platform::OptionRef optHeureLocale{*this, "optHeureLocale"};
    platform::OptionRef optHeureUTC{*this, "optHeureUTC"};
    platform::LabelRef lblHorloge{*this, "lblHorloge"};
    platform::CheckBoxRef chkTopAuto{*this, "chkTopAuto"};
    platform::LabelRef lblEnCours{*this, "lblEnCours"};
    platform::ButtonRef cmdTop{*this, "cmdTop"};
    platform::ButtonRef cmdTopDepart{*this, "cmdTopDepart"};
    platform::ButtonRef cmdVentSim{*this, "cmdVentSim"};
    platform::ButtonRef cmdVentSuivants{*this, "cmdVentSuivants"};
    platform::ButtonRef cmdVpSim{*this, "cmdVpSim"};

    // The leg columns a person types in, in reading order.
    const Colonne colonnes_[6];
};

}  // namespace ventrose::navlog
