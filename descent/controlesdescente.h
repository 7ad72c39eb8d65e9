#pragma once

#include <array>
#include <span>
#include <string_view>

#include "descent/modedescente.h"

namespace ventrose::descent {

// The input of EtatDescente that a bar feeds.
enum class Champ : std::uint8_t { AltA, AltB, Dist, Vs, Vz };

// One input bar of the descent window: where its value goes, where it is shown and how, and
// the value that loading the window gives it.
struct BarreEntree {
    std::string_view barre;
    std::string_view etiquette;
    ModeDescente mode;
    Champ champ;
    std::string_view pattern;
    int valeurChargement;
};

// The controls of one mode that receive a computation's result. Absent ones are empty.
struct ControlesMode {
    std::string_view option;
    std::string_view cadre;
    std::string_view alt;
    std::array<std::string_view, 3> traits;  // strokes 1, 2 and 3
    std::string_view pente;
    std::string_view penteDeg;
    std::string_view titre;     // mode Taux only
    std::string_view resultat;
    std::string_view tsv;
    std::string_view barreVz;   // not in mode Taux
};

// The four bars of a mode, in the order in which loading sets them.
std::span<const BarreEntree> Barres(ModeDescente mode);
const ControlesMode& Controles(ModeDescente mode);

inline constexpr std::array<ModeDescente, 3> kModes = {ModeDescente::ModeTaux, ModeDescente::ModeDist,
                                                       ModeDescente::ModeVs};

}  // namespace ventrose::descent
