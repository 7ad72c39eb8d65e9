// SPDX-License-Identifier: GPL-3.0-or-later
// The legs' rows of the navigation log: scrolling them, the commands that add, insert, delete
// and move a leg, the undoing of a deletion, and the keys that move the caret between legs.
#include <algorithm>

#include "common/tr.h"
#include "navlog/frmlog.h"
#include "platform/text.h"
#include "platform/user_actions.h"

namespace ventrose::navlog {

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

// Up and Down go to the same column of the leg above or below; Tab from a leg's last box goes
// to the next leg's first, and Shift+Tab from its first to the previous leg's last, the rows
// scrolling to show it, its text selected as Tab selects it anywhere. Past the first or the
// last leg the key is left to the window: Tab then goes on to the controls after the legs.
void FrmLog::legKeyDown(const Colonne& colonne, int row, int& key, int shift) {
    const Colonne& first = colonnes_[0];
    const Colonne& last = colonnes_[std::size(colonnes_) - 1];
    const platform::TextBoxArrayRef* column = &colonne.box;
    int to = 0;
    if (key == platform::kUpKey) {
        to = row - 1;
    } else if (key == platform::kDownKey) {
        to = row + 1;
    } else if (key == platform::kTabKey && shift == 0 && &colonne == &last) {
        to = row + 1;
        column = &first.box;
    } else if (key == platform::kTabKey && shift != 0 && &colonne == &first) {
        to = row - 1;
        column = &last.box;
    }
    if (to < 1 || to > static_cast<int>(log_.etapes.size())) return;
    key = 0;
    if (column != &colonne.box) {
        platform::Control& box = *(*column)[to];
        box.setSelection(0, platform::CharacterCount(box.text()));
    }
    focusLeg(to, *column);
}

// The leg that a command adds: the wind of the leg before it, or the main window's for the
// first.
Etape FrmLog::newLeg() const {
    if (!log_.etapes.empty()) return NouvelleEtape(log_);
    const StartingValues start = startingValues();
    Etape etape;
    etape.V = start.V;
    etape.Vw = start.Vw;
    return etape;
}

// The commands on rows. Those that act on a leg act on currentRow(): nothing while the caret
// is out of the legs.

void FrmLog::cmdAjouter_Click() {
    if (log_.etapes.size() >= kMaxEtapes) {
        error(common::Arg(common::Tr("frmLog", "Le log compte déjà %1 étapes."),
                          {std::to_string(kMaxEtapes)}));
        return;
    }
    log_.etapes.push_back(newLeg());
    current_ = static_cast<int>(log_.etapes.size());
    afterRowsChanged(current_, txtRepere);
}

// A leg before the current one, with the wind of the leg before it (of the first leg, at the
// top); in a log without legs, its first leg.
void FrmLog::cmdInserer_Click() {
    if (log_.etapes.empty()) return cmdAjouter_Click();
    if (current_ < 1 || current_ > static_cast<int>(log_.etapes.size())) return;
    if (log_.etapes.size() >= kMaxEtapes) {
        error(common::Arg(common::Tr("frmLog", "Le log compte déjà %1 étapes."),
                          {std::to_string(kMaxEtapes)}));
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

// A deleted leg can be put back at once (cmdAnnuler, Ctrl+Z), rather than asked about first: a
// pilot deleting legs in flight answers no question, and one deleted by mistake costs one key.
void FrmLog::cmdSupprimer_Click() {
    const int count = static_cast<int>(log_.etapes.size());
    if (current_ < 1 || current_ > count) return;
    const Deleted deleted{log_.etapes[static_cast<std::size_t>(current_ - 1)], current_};
    log_.etapes.erase(log_.etapes.begin() + current_ - 1);
    afterRowsChanged(current_, txtRepere);
    deleted_ = deleted;
    cmdAnnuler->setVisible(true);
}

void FrmLog::cmdAnnuler_Click() {
    if (!deleted_ || log_.etapes.size() >= kMaxEtapes) return;
    const Deleted deleted = *deleted_;
    const int row = std::min(deleted.row, static_cast<int>(log_.etapes.size()) + 1);
    log_.etapes.insert(log_.etapes.begin() + row - 1, deleted.etape);
    current_ = row;
    afterRowsChanged(row, txtRepere);
}

// Any change but the deletion itself, or another log, and the deleted leg is gone for good.
void FrmLog::forgetDeletion() {
    deleted_.reset();
    if (loaded()) cmdAnnuler->setVisible(false);
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

}  // namespace ventrose::navlog
