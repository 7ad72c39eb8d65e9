// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>

#include "navlog/frmlog.h"
#include "navlog/lognav.h"
#include "platform/design.h"
#include "platform/design_dialect.h"
#include "platform/palette.h"

namespace ventrose::navlog {

namespace {

using platform::Alignment;
using platform::Colour;
using platform::ControlDesign;
using platform::Font;
using platform::FormDesign;
using platform::kDefaultColour;

using namespace platform::dialect;
using namespace platform::palette;

constexpr Font kBold{.pointSize = 8, .bold = true};

// Under the log's data, a line for how the legs are shown; then the legs' table: a header line,
// then kRangees rows of kPitch pixels under it.
constexpr int kOptionsTop = 62;
constexpr int kHeaderTop = 92;
constexpr int kFirstRowTop = 110;
constexpr int kRowHeight = 20;
constexpr int kPitch = 23;
constexpr int kRows = static_cast<int>(kMaxEtapes);

ControlDesign onBlue(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kLightBlue, fore);
}

ControlDesign onWhite(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kWhite, fore);
}

struct Column {
    const char* name;
    const char* header;
    int left, width;
    bool box;
    Colour fore = kDefaultColour;
    bool exact = false;  // the exact triangle's, hidden unless chosen
};

// Left to right: what the pilot types, then what the window computes. The exact triangle's pair
// stands where Vs réelle does: shown, it takes that place and every column after it moves right
// by FrmLog::kExactShift (the pair's width and gaps).
constexpr Column kColumns[] = {
    {"txtRepere", "Repère", 8, 110, true},
    {"txtRm", "Rm", 122, 36, true},
    {"txtDist", "D", 162, 36, true},
    {"txtV", "V", 202, 36, true},
    {"txtVw", "Vw", 242, 36, true},
    {"txtHR", "HR", 282, 46, true},
    {"lblDerive", "Dérive", 334, 44, false},
    {"lblCap", "Cap", 382, 48, false, kRed},
    {"lblVs", "Vs", 434, 56, false, kRed},
    {"lblCapExact", "Cap exact", 494, 64, false, kDefaultColour, true},
    {"lblVsExacte", "Vs exacte", 562, 64, false, kDefaultColour, true},
    {"lblVsR", "Vs réelle", 494, 56, false},
    {"lblTsv", "Tsv", 554, 50, false},
    {"lblTav", "Tav", 608, 66, false},
    {"lblCumul", "Cumul", 678, 58, false},
    {"lblHE", "HE", 740, 44, false},
    {"lblCarbu", "Carbu.", 788, 54, false},
    {"lblReste", "Reste", 846, 60, false},
};

Place at(int left, int top, int width, int height) {
    return {left * kPx, top * kPx, width * kPx, height * kPx};
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmLog",
                 .caption = "Log de navigation",
                 .width = 956 * kPx,
                 .height = 518 * kPx,
                 .backColour = kLightBlue};
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };

    // The log's data: each box under its caption. The origin first, as wide as a waypoint's
    // box: where the route starts, above the legs that leave it.
    struct Data {
        const char* caption;
        const char* box;
        int left, width;
    };
    constexpr Data kData[] = {{"De", "txtOrigine", 8, 110},     {"Vp (kt)", "txtVp", 126, 52},
                              {"Départ", "txtDepart", 186, 52}, {"Carburant", "txtCarbu", 246, 70},
                              {"Conso/h", "txtConso", 324, 70}, {"Réserve", "txtReserve", 402, 70}};
    for (const Data& data : kData) {
        add(onBlue(Caption(std::string("Label") + data.box, "", data.caption,
                           at(data.left, 12, data.width, 16))));
        add(Box(data.box, "", at(data.left, 30, data.width, 22)));
    }
    add(WithFont(onBlue(Frame("fraUnite", "", "Unité de carburant", at(482, 6, 434, 50))), kBold));
    add(onBlue(Option("optUSGall", "fraUnite", "US Gallons", at(8, 22, 100, 20), true)));
    add(onBlue(Option("optLitres", "fraUnite", "Litres", at(112, 22, 96, 20))));
    add(onBlue(Option("optLbs", "fraUnite", "Pounds (Lbs)", at(212, 22, 108, 20))));
    add(onBlue(Option("optKilo", "fraUnite", "Kilogrammes", at(324, 22, 106, 20))));
    // Whether the exact triangle's heading and ground speed show beside the method's, on the
    // line under the data.
    add(onBlue(Check("chkExact", "", "Triangle exact", at(8, kOptionsTop, 114, 20))));
    // On the same line, the clock a Top reads: local time or UTC, and from which source; then
    // the automatic Top, offered only while a simulator is linked.
    add(onBlue(Option("optHeureLocale", "", "Heure locale", at(140, kOptionsTop, 104, 20), true)));
    add(onBlue(Option("optHeureUTC", "", "UTC", at(248, kOptionsTop, 56, 20))));
    add(onBlue(Caption("lblHorloge", "", "Horloge : ordinateur, heure locale",
                       at(312, kOptionsTop + 2, 300, 16))));
    add(Hidden(onBlue(Check("chkTopAuto", "", "Top automatique", at(620, kOptionsTop, 140, 20)))));

    // The legs: a header caption over each column, every row hidden until its leg exists. Each
    // column is named after its header, wherever the columns have moved (the exact pair's
    // header hidden with it).
    for (const Column& column : kColumns) {
        const std::string header = std::string("lblTitre") + (column.name + 3);
        ControlDesign caption =
            Aligned(WithFont(onBlue(Caption(header, "", column.header,
                                            at(column.left, kHeaderTop, column.width, 16))),
                             kBold),
                    Alignment::Center);
        add(column.exact ? Hidden(std::move(caption)) : std::move(caption));
        const Place first = at(column.left, kFirstRowTop, column.width, kRowHeight);
        ControlDesign element = column.box ? Box(column.name, "", first)
                                           : onWhite(Value(column.name, "", first), column.fore);
        add(LabelledBy(
            WheelScrolls(Rows(Hidden(std::move(element)), kRows, kPitch * kPx), "vscEtapes"),
            header));
    }
    // The bar that scrolls the legs, under a caption of its own, which names it for a screen
    // reader.
    add(Aligned(
        WithFont(onBlue(Caption("lblTitreEtapes", "", "Étapes", at(906, kHeaderTop, 44, 16))),
                 kBold),
        Alignment::Center));
    add(LabelledBy(
        VBar("vscEtapes", "",
             at(919, kFirstRowTop, 17, FrmLog::kRangees * kPitch - (kPitch - kRowHeight)),
             {.min = 1, .max = 1, .smallChange = 1, .largeChange = FrmLog::kRangees, .value = 1}),
        "lblTitreEtapes"));

    // Totals, each after its caption.
    struct Total {
        const char* caption;
        const char* value;
        int left, captionWidth;
    };
    constexpr Total kTotals[] = {{"Distance totale", "lblTotDist", 8, 96},
                                 {"Tsv total", "lblTotTsv", 186, 62},
                                 {"Tav total", "lblTotTav", 330, 62},
                                 {"Consommé", "lblTotCarbu", 480, 70},
                                 {"À l'arrivée", "lblArrivee", 632, 76}};
    // Under the legs, the leg flown now and where the aircraft is on it.
    const int currentTop = kFirstRowTop + FrmLog::kRangees * kPitch + 4;
    add(onBlue(Caption("lblEnCours", "", "", at(8, currentTop, 900, 16))));
    const int totalsTop = currentTop + 24;
    for (const Total& total : kTotals) {
        add(WithFont(onBlue(Caption(std::string("Label") + total.value, "", total.caption,
                                    at(total.left, totalsTop + 2, total.captionWidth, 16))),
                     kBold));
        add(onWhite(
            Value(total.value, "", at(total.left + total.captionWidth + 4, totalsTop, 70, 20))));
    }
    // Shown only while the leg deleted last can be put back.
    add(Shortcut(
        Hidden(Button("cmdAnnuler", "", "Annuler la suppression", at(796, totalsTop - 2, 150, 24))),
        "Ctrl+Z"));

    // The commands along the bottom, each with its keys.
    struct Command {
        const char* name;
        const char* caption;
        const char* keys;
    };
    constexpr Command kCommands[] = {
        {"cmdAjouter", "Ajouter", "Ctrl+N"},
        {"cmdInserer", "Insérer", "Alt+Ins"},
        {"cmdSupprimer", "Supprimer", "Alt+Del"},
        {"cmdMonter", "Monter", "Alt+Up"},
        {"cmdDescendre", "Descendre", "Alt+Down"},
        {"cmdOuvrir", "Ouvrir...", "Ctrl+O"},
        {"cmdImporter", "Importer...", "Ctrl+I"},
        {"cmdEnregistrer", "Enregistrer", "Ctrl+S"},
        {"cmdImprimer", "Imprimer...", "Ctrl+P"},
        {"cmdExporter", "Export CSV...", "Ctrl+E"},
        {"cmdQuit", "Quitter", ""},
    };
    const int buttonsTop = totalsTop + 32;
    int index = 0;
    for (const Command& command : kCommands) {
        ControlDesign button =
            Button(command.name, "", command.caption, at(8 + index * 86, buttonsTop, 82, 28));
        if (std::string_view(command.name) == "cmdQuit")
            button = WithFont(Colours(std::move(button), kLightOrange), kBold);
        add(Shortcut(std::move(button), command.keys));
        ++index;
    }
    // Under them, the commands of a log flown: the Top, and the simulator's figures.
    struct FlightCommand {
        const char* name;
        const char* caption;
        const char* keys;
        int width;
    };
    constexpr FlightCommand kFlightCommands[] = {
        {"cmdTop", "Top", "F5", 82},
        {"cmdTopDepart", "Top départ", "Shift+F5", 100},
        {"cmdVentSim", "Vent du simulateur", "F6", 150},
        {"cmdVentSuivants", "Ce vent aux étapes suivantes", "Shift+F6", 200},
        {"cmdVpSim", "Vp du simulateur", "", 140},
    };
    int left = 8;
    for (const FlightCommand& command : kFlightCommands) {
        add(Shortcut(
            Button(command.name, "", command.caption, at(left, buttonsTop + 34, command.width, 28)),
            command.keys));
        left += command.width + 4;
    }
    return d;
}

}  // namespace

const platform::FormDesign& FrmLog::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::navlog
