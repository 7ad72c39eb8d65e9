// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "navlog/calcullog.h"
#include "navlog/lognav.h"
#include "navlog/saisielog.h"
#include "platform/control_ref.h"
#include "platform/documents.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::navlog {

// The navigation log: the log's data, one row of boxes and results per leg (control arrays of
// kMaxEtapes rows, of which kRangees show at a time under the bar vscEtapes), the totals, and
// the file commands through `documents`. The window holds one LogNav and its ResultatLog; each
// accepted key changes the log, RecalculLog brings the figures up to date and only the labels
// whose text changed are written. Each opening starts from an empty log, or from the unsaved
// one a crash left behind if the person takes it back.
class FrmLog : public platform::Form {
public:
    FrmLog(platform::Runtime& runtime, platform::Documents& documents);

    static const platform::FormDesign& Design();
    // Leg rows shown at a time.
    static constexpr int kRangees = 12;
    // The file that keeps an unsaved log between a crash and the next opening.
    static constexpr const char* kRecoveryName = "log-en-cours.vlog";

    void Form_Load();
    // Whether the window may close: asks to save unsaved changes (Cancel keeps it open).
    bool Form_QueryUnload();

    void cmdAjouter_Click();
    void cmdInserer_Click();
    void cmdSupprimer_Click();
    void cmdMonter_Click();
    void cmdDescendre_Click();
    void cmdOuvrir_Click();
    // True when the log was saved.
    bool cmdEnregistrer_Click();
    void cmdImprimer_Click();
    void cmdExporter_Click();
    void cmdQuit_Click();
    void vscEtapes_Change();

    const LogNav& log() const { return log_; }
    const ResultatLog& resultat() const { return resultat_; }
    // The row the focus was last in (from 1), which the row commands act on; 0 before any.
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
    void legKeyPress(const Colonne& colonne, int row, int& key);
    void legChange(const Colonne& colonne, int row);
    bool refuse(const KeyVerdict& verdict, Champ champ);
    void fuelUnitClick(UniteCarbu unite);

    // After any change of the log: figures, title, and the copy kept against a crash.
    void changed();
    void showData();
    void showLeg(int row);
    void showResults();
    void showRows();
    void showTitle();
    void scrollTo(int row);
    void focusLeg(int row, const platform::TextBoxArrayRef& column);
    void afterRowsChanged(int row, const platform::TextBoxArrayRef& column);
    bool loadFrom(const LogNav& log);
    bool confirmLoss();
    void keepRecovery();
    void dropRecovery();
    std::string documentName() const;
    void error(const std::string& prompt);

    platform::Documents& documents_;
    LogNav log_;
    ResultatLog resultat_;
    int current_ = 0;
    int first_ = 1;  // the leg shown in the top row
    bool unsaved_ = false;
    bool showing_ = false;  // the window is writing its boxes: their Change handlers stand by
    std::string path_;

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
    platform::ScrollBarRef vscEtapes{*this, "vscEtapes"};

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
    platform::ButtonRef cmdEnregistrer{*this, "cmdEnregistrer"};
    platform::ButtonRef cmdImprimer{*this, "cmdImprimer"};
    platform::ButtonRef cmdExporter{*this, "cmdExporter"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};

    // The leg columns a person types in, in reading order.
    const Colonne colonnes_[6];
};

}  // namespace ventrose::navlog
