#include "descent/controlesdescente.h"

namespace ventrose::descent {

namespace {

using enum ModeDescente;

constexpr BarreEntree kTaux[] = {
    {"hscPtA", "lblPtA", ModeTaux, Champ::AltA, "0 '", 1000},
    {"hscPtB", "lblPtB", ModeTaux, Champ::AltB, "0 '", 0},
    {"hscDist", "lblDist", ModeTaux, Champ::Dist, " 0 NM", 10},
    {"hscVs", "lblVs", ModeTaux, Champ::Vs, "0 kts", 60},
};

constexpr BarreEntree kDist[] = {
    {"hscPtA2", "lblPtA2", ModeDist, Champ::AltA, "0 '", 1000},
    {"hscPtB2", "lblPtB2", ModeDist, Champ::AltB, "0 '", 0},
    {"hscVz2", "lblVz2", ModeDist, Champ::Vz, "0 ft/mn", 200},
    {"hscVs2", "lblVs2", ModeDist, Champ::Vs, "0 kts", 60},
};

constexpr BarreEntree kVs[] = {
    {"hscPtA3", "lblPtA3", ModeVs, Champ::AltA, "0 '", 1000},
    {"hscPtB3", "lblPtB3", ModeVs, Champ::AltB, "0 '", 0},
    {"hscVz3", "lblVz3", ModeVs, Champ::Vz, "0 ft/mn", 200},
    {"hscDist3", "lblDist3", ModeVs, Champ::Dist, " 0 NM", 10},
};

// Mode Vs numbers its strokes from the right: stroke 1 is Line9, stroke 3 is Line7.
constexpr ControlesMode kControles[] = {
    {"optTaux", "Frame1", "lblAlt", {"Line1", "Line2", "Line3"}, "lblPente", "lblPenteDeg", "Label16", "lblVz",
     "lblTsv", ""},
    {"optDist", "Frame2", "lblAlt2", {"Line4", "Line5", "Line6"}, "lblPente2", "lblPenteDeg2", "", "lblDist2",
     "lblTsv2", "hscVz2"},
    {"optVs", "Frame3", "lblAlt3", {"Line9", "Line8", "Line7"}, "lblPente3", "lblPenteDeg3", "", "lblVs3",
     "lblTsv3", "hscVz3"},
};

}  // namespace

std::span<const BarreEntree> Barres(ModeDescente mode) {
    switch (mode) {
        case ModeDist:
            return kDist;
        case ModeVs:
            return kVs;
        case ModeTaux:
            break;
    }
    return kTaux;
}

const ControlesMode& Controles(ModeDescente mode) { return kControles[static_cast<int>(mode)]; }

}  // namespace ventrose::descent
