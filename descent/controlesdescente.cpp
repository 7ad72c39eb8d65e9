// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/controlesdescente.h"

#include <stdexcept>

#include "common/tr.h"
#include "descent/frmdescente.h"

namespace ventrose::descent {

using enum ModeDescente;

// Mode Vs numbers its strokes from the right: stroke 1 is Line9, stroke 3 is Line7.
ControlesDescente::ControlesDescente(const FrmDescente& f)
    : taux_{{
          {f.hscPtA, f.lblPtA, ModeTaux, Champ::AltA, "0 '", 1000},
          {f.hscPtB, f.lblPtB, ModeTaux, Champ::AltB, "0 '", 0},
          {f.hscDist, f.lblDist, ModeTaux, Champ::Dist, " 0 NM", 10},
          {f.hscVs, f.lblVs, ModeTaux, Champ::Vs, common::TrNoop("frmDescente", "0 kts"), 60},
      }},
      dist_{{
          {f.hscPtA2, f.lblPtA2, ModeDist, Champ::AltA, "0 '", 1000},
          {f.hscPtB2, f.lblPtB2, ModeDist, Champ::AltB, "0 '", 0},
          {f.hscVz2, f.lblVz2, ModeDist, Champ::Vz, common::TrNoop("frmDescente", "0 ft/mn"), 200},
          {f.hscVs2, f.lblVs2, ModeDist, Champ::Vs, common::TrNoop("frmDescente", "0 kts"), 60},
      }},
      vs_{{
          {f.hscPtA3, f.lblPtA3, ModeVs, Champ::AltA, "0 '", 1000},
          {f.hscPtB3, f.lblPtB3, ModeVs, Champ::AltB, "0 '", 0},
          {f.hscVz3, f.lblVz3, ModeVs, Champ::Vz, common::TrNoop("frmDescente", "0 ft/mn"), 200},
          {f.hscDist3, f.lblDist3, ModeVs, Champ::Dist, " 0 NM", 10},
      }},
      controles_{{
          {f.optTaux,
           f.Frame1,
           f.lblAlt,
           {f.Line1, f.Line2, f.Line3},
           f.lblPente,
           f.lblPenteDeg,
           f.Label16,
           f.lblVz,
           f.lblTsv,
           std::nullopt},
          {f.optDist,
           f.Frame2,
           f.lblAlt2,
           {f.Line4, f.Line5, f.Line6},
           f.lblPente2,
           f.lblPenteDeg2,
           std::nullopt,
           f.lblDist2,
           f.lblTsv2,
           f.hscVz2},
          {f.optVs,
           f.Frame3,
           f.lblAlt3,
           {f.Line9, f.Line8, f.Line7},
           f.lblPente3,
           f.lblPenteDeg3,
           std::nullopt,
           f.lblVs3,
           f.lblTsv3,
           f.hscVz3},
      }} {}

std::span<const BarreEntree> ControlesDescente::barres(ModeDescente mode) const {
    switch (mode) {
        case ModeDist: return dist_;
        case ModeVs: return vs_;
        case ModeTaux: break;
    }
    return taux_;
}

const ControlesMode& ControlesDescente::controles(ModeDescente mode) const {
    return controles_[static_cast<std::size_t>(mode)];
}

const BarreEntree& ControlesDescente::entree(const platform::ScrollBarRef& barre) const {
    for (const ModeDescente mode : kModes) {
        for (const BarreEntree& b : barres(mode)) {
            if (b.barre.row() == barre.row()) return b;
        }
    }
    throw std::logic_error("the descent window has no input bar " + barre.name());
}

}  // namespace ventrose::descent
