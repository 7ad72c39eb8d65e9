#include "descent/frmdescente.h"

#include "platform/design.h"
#include "platform/palette.h"

namespace ventrose::descent {

namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FormDesign;

using namespace platform::palette;

// Inside a frame: captions on the left, bars in the middle, values on the right.
constexpr int kCaptionX = 8;
constexpr int kBarX = 150;
constexpr int kValueX = 352;
constexpr int kValueW = 84;
constexpr int kRowH = 17;

ControlDesign caption(const char* name, const char* container, const char* text, int x, int y, int w, int h = kRowH) {
    return {.kind = ControlKind::Label, .name = name, .container = container, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kLightBlue};
}

ControlDesign value(const char* name, const char* container, int x, int y, int w = kValueW, int h = kRowH,
                    const char* text = "") {
    return {.kind = ControlKind::Label, .name = name, .container = container, .caption = text,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = h * kPx,
            .backColour = kWhite, .alignment = Alignment::Center, .wordWrap = false};
}

ControlDesign bar(const char* name, const char* container, int x, int y, int w, int min, int max, int small, int large,
                  int start) {
    return {.kind = ControlKind::HScrollBar, .name = name, .container = container,
            .left = x * kPx, .top = y * kPx, .width = w * kPx, .height = kRowH * kPx,
            .min = min, .max = max, .smallChange = small, .largeChange = large, .value = start};
}

ControlDesign altitudeBar(const char* name, const char* container, int y) {
    return bar(name, container, kBarX, y, kValueX - kBarX - 6, 0, 25000, 50, 500, 0);
}

ControlDesign slope(ControlDesign design) {
    design.foreColour = kMagenta;
    return design;
}

ControlDesign large(ControlDesign design, int pointSize) {
    design.foreColour = kRed;
    design.font = {.pointSize = pointSize, .bold = true};
    return design;
}

// Coordinates in twips within the frame, y growing downward.
ControlDesign stroke(const char* name, const char* container, int x1, int y1, int x2, int y2) {
    return {.kind = ControlKind::Line, .name = name, .container = container,
            .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .foreColour = kNavy, .borderWidth = 2};
}

ControlDesign labelledBy(const char* label, ControlDesign design) {
    design.labelledBy = label;
    return design;
}

struct FrameNames {
    const char* frame;
    const char* frameCaption;
    int left, top;  // pixels
    const char* description;
    const char* descriptionText;
    const char* altCaption;
    const char* alt;
    const char* strokes[3];  // rising, falling, rising again
    const char* ptACaption;
    const char* ptA;
    const char* ptALabel;
    const char* ptBCaption;
    const char* ptB;
    const char* ptBLabel;
    const char* firstCaption;
    const char* firstText;
    ControlDesign firstBar;
    const char* firstLabel;
    const char* penteCaption;
    const char* pente;
    const char* penteDegCaption;
    const char* penteDeg;
    const char* secondCaption;
    const char* secondText;
    ControlDesign secondBar;
    const char* secondLabel;
    const char* resultCaption;
    const char* resultText;
    const char* result;
    const char* tsvCaption;
    const char* tsv;
};

constexpr const char* kDistanceCaption = "Distance entre A et B ( miles nautiques )";
constexpr const char* kVarioCaption = "Vario de montée ou descente ( pieds / mn )";
constexpr const char* kVitesseCaption = "Vitesse sol en neuds ";

// Rows from the top of the frame, in pixels.
constexpr int kDescriptionY = 16;
constexpr int kAltY = 60;
constexpr int kPtAY = 92;
constexpr int kPtBY = 116;
constexpr int kFirstY = 142;
constexpr int kPenteY = 188;
constexpr int kSecondY = 214;
constexpr int kResultY = 264;
constexpr int kTsvY = 302;
constexpr int kInputBarW = kValueX - kCaptionX - 6;

void addFrame(FormDesign& d, const FrameNames& n) {
    auto add = [&](ControlDesign c) { d.controls.push_back(std::move(c)); };
    const char* in = n.frame;
    add({.kind = ControlKind::Frame, .name = n.frame, .caption = n.frameCaption,
         .left = n.left * kPx, .top = n.top * kPx, .width = 6675, .height = 5475,
         .backColour = kLightBlue, .font = {.pointSize = 8, .bold = true}});
    add(caption(n.description, in, n.descriptionText, kCaptionX, kDescriptionY, 428, 42));

    // The caption may take a second line on a large font; the sign stands right of the value.
    add(caption(n.altCaption, in, "Changement d'altitude ( pieds )", kCaptionX, kAltY - 2, 196, 30));
    add(value(n.alt, in, 206, kAltY, 80));
    add(stroke(n.strokes[0], in, 4380, 1140, 4500, 900));
    add(stroke(n.strokes[1], in, 4620, 1140, 4500, 900));
    add(stroke(n.strokes[2], in, 4620, 1140, 4740, 900));

    add(caption(n.ptACaption, in, "Altitude point A", kCaptionX, kPtAY, kBarX - kCaptionX - 4));
    add(altitudeBar(n.ptA, in, kPtAY));
    // A point's value stands beyond its bar, and the result's caption is written by the window:
    // each is named by its caption all the same.
    add(labelledBy(n.ptACaption, value(n.ptALabel, in, kValueX, kPtAY)));
    add(caption(n.ptBCaption, in, "Altitude point B", kCaptionX, kPtBY, kBarX - kCaptionX - 4));
    add(altitudeBar(n.ptB, in, kPtBY));
    add(labelledBy(n.ptBCaption, value(n.ptBLabel, in, kValueX, kPtBY, kValueW, kRowH, "0 '")));

    add(caption(n.firstCaption, in, n.firstText, kCaptionX, kFirstY, 428));
    add(n.firstBar);
    add(value(n.firstLabel, in, kValueX, kFirstY + 18));

    add(slope(caption(n.penteCaption, in, "Pente en pourcentage", kCaptionX, kPenteY, 150)));
    add(slope(value(n.pente, in, 160, kPenteY, 66)));
    add(slope(caption(n.penteDegCaption, in, "Pente en degrés", 236, kPenteY, 112)));
    add(slope(value(n.penteDeg, in, kValueX, kPenteY)));

    add(caption(n.secondCaption, in, n.secondText, kCaptionX, kSecondY, 428));
    add(n.secondBar);
    add(value(n.secondLabel, in, kValueX, kSecondY + 18));

    add(large(caption(n.resultCaption, in, n.resultText, kCaptionX, kResultY + 2, 262, 24), 10));
    add(labelledBy(n.resultCaption, large(value(n.result, in, 276, kResultY, 160, 28), 12)));
    add(large(caption(n.tsvCaption, in, "Tsv - Temps sans vent", kCaptionX, kTsvY + 2, 262, 24), 10));
    add(large(value(n.tsv, in, 276, kTsvY, 160, 28), 12));
}

ControlDesign distanceBar(const char* name, const char* container, int y) {
    return bar(name, container, kCaptionX, y, kInputBarW, 0, 150, 1, 10, 1);
}

ControlDesign vitesseBar(const char* name, const char* container, int y) {
    return bar(name, container, kCaptionX, y, kInputBarW, 60, 1800, 1, 10, 60);
}

ControlDesign varioBar(const char* name, const char* container, int y) {
    return bar(name, container, kCaptionX, y, kInputBarW, 0, 7000, 10, 100, 100);
}

ControlDesign option(const char* name, const char* text, int y) {
    return {.kind = ControlKind::OptionButton, .name = name, .caption = text,
            .left = 12 * kPx, .top = y * kPx, .width = 236 * kPx, .height = 22 * kPx,
            .backColour = kLightBlue};
}

ControlDesign button(const char* name, const char* text, int x, platform::Colour back) {
    return {.kind = ControlKind::CommandButton, .name = name, .caption = text,
            .left = x * kPx, .top = 460 * kPx, .width = 110 * kPx, .height = 26 * kPx,
            .backColour = back, .font = {.pointSize = 8, .bold = true}};
}

FormDesign makeDesign() {
    FormDesign d{.name = "frmDescente", .caption = "Taux, distance, Vs, Tsv    montée / descente ",
                 .width = 7020, .height = 7365, .backColour = kLightBlue};

    d.controls.push_back(option("optTaux", "Taux montée / descente", 8));
    d.controls.push_back(option("optDist", "Distance montée / descente", 32));
    d.controls.push_back(option("optVs", "Vitesse sol montée / descente", 56));
    ControlDesign title = caption("Label26", "", " Du point A au point B", 256, 30, 204, 24);
    title.font = {.pointSize = 10, .bold = true};
    d.controls.push_back(title);

    // Frame1 stands at the working position; the other two are designed outside the client
    // area and brought there when their mode is selected.
    addFrame(d, {"Frame1", "Taux - montée / descente", 12, 88,
                 "Label1",
                 "Calcul du taux de montée Vz ( vitesse verticale ) ou de descente à adopter pour rejoindre à un "
                 "point donné, une altitude donnée.",
                 "Label2", "lblAlt", {"Line1", "Line2", "Line3"},
                 "Label3", "hscPtA", "lblPtA", "Label4", "hscPtB", "lblPtB",
                 "Label5", kDistanceCaption, distanceBar("hscDist", "Frame1", kFirstY + 18), "lblDist",
                 "Label6", "lblPente", "Label27", "lblPenteDeg",
                 "Label7", kVitesseCaption, vitesseBar("hscVs", "Frame1", kSecondY + 18), "lblVs",
                 "Label16", "", "lblVz", "Label9", "lblTsv"});
    addFrame(d, {"Frame2", "Distance - montée / descente", 480, 380,
                 "Label8",
                 "Calcul de la distance requise en fonction du taux de montée ou de descente adopté pour rejoindre "
                 "une altitude donnée.",
                 "Label10", "lblAlt2", {"Line4", "Line5", "Line6"},
                 "Label14", "hscPtA2", "lblPtA2", "Label15", "hscPtB2", "lblPtB2",
                 "Label11", kVarioCaption, varioBar("hscVz2", "Frame2", kFirstY + 18), "lblVz2",
                 "Label13", "lblPente2", "Label31", "lblPenteDeg2",
                 "Label12", kVitesseCaption, vitesseBar("hscVs2", "Frame2", kSecondY + 18), "lblVs2",
                 "Label18", "Distance requise", "lblDist2", "Label21", "lblTsv2"});
    addFrame(d, {"Frame3", "Vitesse sol - montée / descente", 480, 8,
                 "Label17",
                 "Calcul de la vitesse sol à afficher en fonction du taux de montée ou de descente, du vario et la "
                 "distance souhaités.",
                 "Label29", "lblAlt3", {"Line9", "Line8", "Line7"},
                 "Label25", "hscPtA3", "lblPtA3", "Label24", "hscPtB3", "lblPtB3",
                 "Label19", kDistanceCaption, distanceBar("hscDist3", "Frame3", kFirstY + 18), "lblDist3",
                 "Label20", "lblPente3", "Label30", "lblPenteDeg3",
                 "Label23", kVarioCaption, varioBar("hscVz3", "Frame3", kSecondY + 18), "lblVz3",
                 "Label28", "Vitesse sol requise", "lblVs3", "Label22", "lblTsv3"});

    d.controls.push_back(button("cmdClear", "Rafraichir", 12, kLightCyan));
    d.controls.push_back(button("cmdQuit", "Quitter", 346, kLightOrange));
    return d;
}

}  // namespace

const platform::FormDesign& FrmDescente::Design() {
    static const platform::FormDesign design = makeDesign();
    return design;
}

}  // namespace ventrose::descent
