// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/frmdescente.h"

#include <utility>

#include "platform/design_dialect.h"
#include "platform/palette.h"

namespace ventrose::descent {

namespace {

using platform::Colour;
using platform::ControlDesign;
using platform::FormDesign;
using platform::kDefaultColour;

using namespace platform::dialect;
using namespace platform::palette;

// Inside a frame: captions on the left, bars in the middle, values on the right.
constexpr int kCaptionX = 8 * kPx;
constexpr int kBarX = 150 * kPx;
constexpr int kValueX = 352 * kPx;
constexpr int kValueW = 84 * kPx;
constexpr int kRowH = 17 * kPx;
constexpr int kFullW = 428 * kPx;  // a caption across the frame

// Rows from the top of the frame.
constexpr int kDescriptionY = 16 * kPx;
constexpr int kAltY = 60 * kPx;
constexpr int kPtAY = 92 * kPx;
constexpr int kPtBY = 116 * kPx;
constexpr int kFirstY = 142 * kPx;
constexpr int kPenteY = 188 * kPx;
constexpr int kSecondY = 214 * kPx;
constexpr int kResultY = 264 * kPx;
constexpr int kTsvY = 302 * kPx;

// A point's bar stops short of its value; an input's bar runs under its caption from the left.
constexpr int kPointBarW = kValueX - kBarX - 6 * kPx;
constexpr int kInputBarW = kValueX - kCaptionX - 6 * kPx;

// The stored altitude is twice the bar's value: 0 to 50000 ft.
constexpr Range kAltitudeRange{
    .min = 0, .max = 25000, .smallChange = 50, .largeChange = 500, .value = 0};
constexpr Range kDistanceRange{
    .min = 0, .max = 150, .smallChange = 1, .largeChange = 10, .value = 1};
constexpr Range kVitesseRange{
    .min = 60, .max = 1800, .smallChange = 1, .largeChange = 10, .value = 60};
constexpr Range kVarioRange{
    .min = 0, .max = 7000, .smallChange = 10, .largeChange = 100, .value = 100};

constexpr platform::Font kBold{.pointSize = 8, .bold = true};
constexpr platform::Font kLargeCaption{.pointSize = 10, .bold = true};
constexpr platform::Font kLargeValue{.pointSize = 12, .bold = true};

constexpr const char* kDistanceCaption = "Distance entre A et B ( miles nautiques )";
constexpr const char* kVarioCaption = "Vario de montée ou descente ( pieds / mn )";
constexpr const char* kVitesseCaption = "Vitesse sol en neuds ";

// Captions stand on the window's light blue and values on white; the slopes are written in
// magenta and the results a pilot reads first in red.
ControlDesign onBlue(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kLightBlue, fore);
}

ControlDesign onWhite(ControlDesign design, Colour fore = kDefaultColour) {
    return Colours(std::move(design), kWhite, fore);
}

// A caption with the text it shows.
struct Text {
    const char* name;
    const char* text;
};

// A caption and the value label beside it.
struct Readout {
    const char* caption;
    const char* value;
};

// The trend sign drawn right of the altitude change, stroke by stroke from the left.
struct Strokes {
    const char* left;
    const char* middle;
    const char* right;
};

// An altitude: its caption, its bar and the label that shows the bar's value.
struct Point {
    const char* caption;
    const char* bar;
    const char* value;
};

// One of the frame's two other inputs, with a caption line of its own above its bar.
struct Input {
    const char* caption;
    const char* text;
    const char* bar;
    Range range;
    const char* value;
};

struct Result {
    const char* caption;
    const char* text;
    const char* value;
};

// The names and texts of one mode's frame; the three frames share one layout.
struct ModeFrame {
    const char* frame;
    const char* title;
    int left, top;
    Text description;
    Readout altitude;
    Strokes strokes;
    Point pointA;
    Point pointB;
    Input first;
    Readout slopePercent;
    Readout slopeDegrees;
    Input second;
    Result result;
    Readout tsv;
};

void addFrame(FormDesign& d, const ModeFrame& n) {
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };
    const char* in = n.frame;
    add(WithFont(onBlue(Frame(n.frame, "", n.title, {n.left, n.top, 445 * kPx, 365 * kPx})),
                 kBold));
    add(onBlue(Caption(n.description.name, in, n.description.text,
                       {kCaptionX, kDescriptionY, kFullW, 42 * kPx})));

    // The caption may take a second line on a large font; the sign stands right of the value.
    add(onBlue(Caption(n.altitude.caption, in, "Changement d'altitude ( pieds )",
                       {kCaptionX, kAltY - 2 * kPx, 196 * kPx, 30 * kPx})));
    add(onWhite(Value(n.altitude.value, in, {206 * kPx, kAltY, 80 * kPx, kRowH})));
    // Within the frame, y growing downward.
    add(Stroke(n.strokes.left, in, 4380, 1140, 4500, 900, kNavy, 2));
    add(Stroke(n.strokes.middle, in, 4620, 1140, 4500, 900, kNavy, 2));
    add(Stroke(n.strokes.right, in, 4620, 1140, 4740, 900, kNavy, 2));

    // A point's value stands beyond its bar: it is named by its caption all the same.
    const auto addPoint = [&](const Point& p, const char* text, int y, const char* placeholder) {
        add(onBlue(
            Caption(p.caption, in, text, {kCaptionX, y, kBarX - kCaptionX - 4 * kPx, kRowH})));
        add(HBar(p.bar, in, {kBarX, y, kPointBarW, kRowH}, kAltitudeRange));
        add(LabelledBy(onWhite(Value(p.value, in, {kValueX, y, kValueW, kRowH}, placeholder)),
                       p.caption));
    };
    addPoint(n.pointA, "Altitude point A", kPtAY, "");
    addPoint(n.pointB, "Altitude point B", kPtBY, "0 '");

    const auto addInput = [&](const Input& i, int y) {
        add(onBlue(Caption(i.caption, in, i.text, {kCaptionX, y, kFullW, kRowH})));
        add(HBar(i.bar, in, {kCaptionX, y + 18 * kPx, kInputBarW, kRowH}, i.range));
        add(onWhite(Value(i.value, in, {kValueX, y + 18 * kPx, kValueW, kRowH})));
    };
    addInput(n.first, kFirstY);

    add(onBlue(Caption(n.slopePercent.caption, in, "Pente en pourcentage",
                       {kCaptionX, kPenteY, 150 * kPx, kRowH}),
               kMagenta));
    add(onWhite(Value(n.slopePercent.value, in, {160 * kPx, kPenteY, 66 * kPx, kRowH}), kMagenta));
    add(onBlue(Caption(n.slopeDegrees.caption, in, "Pente en degrés",
                       {236 * kPx, kPenteY, 112 * kPx, kRowH}),
               kMagenta));
    add(onWhite(Value(n.slopeDegrees.value, in, {kValueX, kPenteY, kValueW, kRowH}), kMagenta));

    addInput(n.second, kSecondY);

    // The results a pilot reads first: large and red, each value right of its caption. The
    // result's caption may be written by the window; it names the result all the same.
    const auto resultCaption = [&](const char* name, const char* text, int y) {
        return WithFont(
            onBlue(Caption(name, in, text, {kCaptionX, y + 2 * kPx, 262 * kPx, 24 * kPx}), kRed),
            kLargeCaption);
    };
    const auto resultValue = [&](const char* name, int y) {
        return WithFont(onWhite(Value(name, in, {276 * kPx, y, 160 * kPx, 28 * kPx}), kRed),
                        kLargeValue);
    };
    add(resultCaption(n.result.caption, n.result.text, kResultY));
    add(LabelledBy(resultValue(n.result.value, kResultY), n.result.caption));
    add(resultCaption(n.tsv.caption, "Tsv - Temps sans vent", kTsvY));
    add(resultValue(n.tsv.value, kTsvY));
}

ControlDesign modeOption(const char* name, const char* text, int top) {
    return onBlue(Option(name, "", text, {12 * kPx, top, 236 * kPx, 22 * kPx}));
}

ControlDesign bottomButton(const char* name, const char* text, int left, Colour back) {
    return WithFont(Colours(Button(name, "", text, {left, 460 * kPx, 110 * kPx, 26 * kPx}), back),
                    kBold);
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmDescente",
                 .caption = "Taux, distance, Vs, Tsv    montée / descente ",
                 .width = 7020,
                 .height = 7365,
                 .backColour = kLightBlue};

    d.controls.push_back(modeOption("optTaux", "Taux montée / descente", 8 * kPx));
    d.controls.push_back(modeOption("optDist", "Distance montée / descente", 32 * kPx));
    d.controls.push_back(modeOption("optVs", "Vitesse sol montée / descente", 56 * kPx));
    d.controls.push_back(WithFont(onBlue(Caption("Label26", "", " Du point A au point B",
                                                 {256 * kPx, 30 * kPx, 204 * kPx, 24 * kPx})),
                                  kLargeCaption));
    // The simulator's link, shown only while one is chosen: the link's state above the title of
    // the right side, the box under it.
    d.controls.push_back(
        Hidden(onBlue(Caption("lblSimulateur", "", "", {260 * kPx, 8 * kPx, 200 * kPx, kRowH}))));
    d.controls.push_back(Hidden(onBlue(Check("chkSuivre", "", "Suivre le simulateur",
                                             {260 * kPx, 60 * kPx, 200 * kPx, 22 * kPx}))));

    // Frame1 stands at the working position; the other two are designed outside the client
    // area and brought there when their mode is selected.
    addFrame(
        d,
        {.frame = "Frame1",
         .title = "Taux - montée / descente",
         .left = 12 * kPx,
         .top = 88 * kPx,
         .description =
             {.name = "Label1",
              .text = "Calcul du taux de montée Vz ( vitesse verticale ) ou de descente à adopter "
                      "pour rejoindre à un point donné, une altitude donnée."},
         .altitude = {.caption = "Label2", .value = "lblAlt"},
         .strokes = {.left = "Line1", .middle = "Line2", .right = "Line3"},
         .pointA = {.caption = "Label3", .bar = "hscPtA", .value = "lblPtA"},
         .pointB = {.caption = "Label4", .bar = "hscPtB", .value = "lblPtB"},
         .first = {.caption = "Label5",
                   .text = kDistanceCaption,
                   .bar = "hscDist",
                   .range = kDistanceRange,
                   .value = "lblDist"},
         .slopePercent = {.caption = "Label6", .value = "lblPente"},
         .slopeDegrees = {.caption = "Label27", .value = "lblPenteDeg"},
         .second = {.caption = "Label7",
                    .text = kVitesseCaption,
                    .bar = "hscVs",
                    .range = kVitesseRange,
                    .value = "lblVs"},
         .result = {.caption = "Label16", .text = "", .value = "lblVz"},
         .tsv = {.caption = "Label9", .value = "lblTsv"}});
    addFrame(
        d,
        {.frame = "Frame2",
         .title = "Distance - montée / descente",
         .left = 480 * kPx,
         .top = 380 * kPx,
         .description =
             {.name = "Label8",
              .text = "Calcul de la distance requise en fonction du taux de montée ou de descente "
                      "adopté pour rejoindre une altitude donnée."},
         .altitude = {.caption = "Label10", .value = "lblAlt2"},
         .strokes = {.left = "Line4", .middle = "Line5", .right = "Line6"},
         .pointA = {.caption = "Label14", .bar = "hscPtA2", .value = "lblPtA2"},
         .pointB = {.caption = "Label15", .bar = "hscPtB2", .value = "lblPtB2"},
         .first = {.caption = "Label11",
                   .text = kVarioCaption,
                   .bar = "hscVz2",
                   .range = kVarioRange,
                   .value = "lblVz2"},
         .slopePercent = {.caption = "Label13", .value = "lblPente2"},
         .slopeDegrees = {.caption = "Label31", .value = "lblPenteDeg2"},
         .second = {.caption = "Label12",
                    .text = kVitesseCaption,
                    .bar = "hscVs2",
                    .range = kVitesseRange,
                    .value = "lblVs2"},
         .result = {.caption = "Label18", .text = "Distance requise", .value = "lblDist2"},
         .tsv = {.caption = "Label21", .value = "lblTsv2"}});
    addFrame(
        d, {.frame = "Frame3",
            .title = "Vitesse sol - montée / descente",
            .left = 480 * kPx,
            .top = 8 * kPx,
            .description =
                {.name = "Label17",
                 .text = "Calcul de la vitesse sol à afficher en fonction du taux de montée ou de "
                         "descente, du vario et la distance souhaités."},
            .altitude = {.caption = "Label29", .value = "lblAlt3"},
            .strokes = {.left = "Line9", .middle = "Line8", .right = "Line7"},
            .pointA = {.caption = "Label25", .bar = "hscPtA3", .value = "lblPtA3"},
            .pointB = {.caption = "Label24", .bar = "hscPtB3", .value = "lblPtB3"},
            .first = {.caption = "Label19",
                      .text = kDistanceCaption,
                      .bar = "hscDist3",
                      .range = kDistanceRange,
                      .value = "lblDist3"},
            .slopePercent = {.caption = "Label20", .value = "lblPente3"},
            .slopeDegrees = {.caption = "Label30", .value = "lblPenteDeg3"},
            .second = {.caption = "Label23",
                       .text = kVarioCaption,
                       .bar = "hscVz3",
                       .range = kVarioRange,
                       .value = "lblVz3"},
            .result = {.caption = "Label28", .text = "Vitesse sol requise", .value = "lblVs3"},
            .tsv = {.caption = "Label22", .value = "lblTsv3"}});

    d.controls.push_back(bottomButton("cmdClear", "Rafraichir", 12 * kPx, kLightCyan));
    d.controls.push_back(bottomButton("cmdQuit", "Quitter", 346 * kPx, kLightOrange));
    return d;
}

}  // namespace

const platform::FormDesign& FrmDescente::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::descent
