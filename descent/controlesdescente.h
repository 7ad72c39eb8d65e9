// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "descent/modedescente.h"
#include "platform/control_ref.h"

namespace ventrose::descent {

class FrmDescente;

// The input of EtatDescente that a bar feeds.
enum class Champ : std::uint8_t { AltA, AltB, Dist, Vs, Vz };

// One input bar of the descent window: where its value goes, where it is shown and how (the
// pattern in French, whose unit the window shows in the current language), and the value that
// loading the window gives it.
struct BarreEntree {
    platform::ScrollBarRef barre;
    platform::LabelRef etiquette;
    ModeDescente mode;
    Champ champ;
    std::string_view pattern;
    int valeurChargement;
};

// The controls of one mode that receive a computation's result.
struct ControlesMode {
    platform::OptionRef option;
    platform::FrameRef cadre;
    platform::LabelRef alt;
    std::array<platform::LineRef, 3> traits;  // strokes 1, 2 and 3
    platform::LabelRef pente;
    platform::LabelRef penteDeg;
    std::optional<platform::LabelRef> titre;  // mode Taux only
    platform::LabelRef resultat;
    platform::LabelRef tsv;
    std::optional<platform::ScrollBarRef> barreVz;  // not in mode Taux
};

// The descent window's bars and result controls, mode by mode: references to the window's own
// controls, so that one handler serves the bars and results of every mode.
class ControlesDescente {
public:
    explicit ControlesDescente(const FrmDescente& form);

    // The four bars of a mode, in the order in which loading sets them.
    std::span<const BarreEntree> barres(ModeDescente mode) const;
    const ControlesMode& controles(ModeDescente mode) const;
    // The entry of one of the window's input bars.
    const BarreEntree& entree(const platform::ScrollBarRef& barre) const;

private:
    std::array<BarreEntree, 4> taux_;
    std::array<BarreEntree, 4> dist_;
    std::array<BarreEntree, 4> vs_;
    std::array<ControlesMode, 3> controles_;
};

inline constexpr std::array<ModeDescente, 3> kModes = {
    ModeDescente::ModeTaux, ModeDescente::ModeDist, ModeDescente::ModeVs};

}  // namespace ventrose::descent
