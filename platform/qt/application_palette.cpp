// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/application_palette.h"

#include <QApplication>
#include <QToolTip>

#include "platform/qt/appearance.h"
#include "preferences/recolour.h"

namespace ventrose::platform::qt {

namespace {

using preferences::Palette;
using preferences::Role;

// `a` moved towards `b` by `t` (0 to 1), channel by channel: between a ground and a stroke of
// Nuit rouge, still a red.
QColor mixed(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

struct Saved {
    QPalette toolTips;
    bool replaced = false;
};

// What the style gave before any night palette replaced it.
Saved& saved() {
    static Saved styles{QToolTip::palette()};
    return styles;
}

}  // namespace

QPalette ApplicationPalette(Palette palette) {
    if (palette == Palette::Jour) return QPalette();
    const auto shown = [palette](Role role) {
        return ToQColor(preferences::Recolour(palette, kDefaultColour, role));
    };
    const QColor window = shown(Role::MessageBackground);
    const QColor text = shown(Role::MessageText);
    const QColor field = shown(Role::Background);
    const QColor face = shown(Role::ControlFace);
    const QColor stroke = shown(Role::Stroke);
    const QColor black(Qt::black);
    // The bevels and etched edges the style draws lie between the grounds and the lines, so that
    // they show without glaring.
    const QColor light = mixed(window, stroke, 0.4);
    const QColor midlight = mixed(window, stroke, 0.25);
    const QColor mid = mixed(window, stroke, 0.15);
    const QColor dark = mixed(window, black, 0.5);
    // Disabled entries (keeping on top under Wayland, a log command that has nothing to act on)
    // are dimmer, and no other hue, yet a pilot reads them at night: 3:1 at least.
    const QColor dimmed = mixed(text, window, 0.2);

    QPalette result;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const auto set = [&](QPalette::ColorRole role, const QColor& colour) {
            result.setColor(group, role, colour);
        };
        set(QPalette::Window, window);
        set(QPalette::WindowText, disabled ? dimmed : text);
        set(QPalette::Base, field);
        set(QPalette::AlternateBase, field);
        set(QPalette::Text, disabled ? dimmed : shown(Role::Text));
        set(QPalette::Button, face);
        set(QPalette::ButtonText, disabled ? dimmed : shown(Role::Text));
        set(QPalette::BrightText, shown(Role::Text));
        set(QPalette::PlaceholderText, dimmed);
        set(QPalette::Light, light);
        set(QPalette::Midlight, midlight);
        set(QPalette::Mid, mid);
        set(QPalette::Dark, dark);
        set(QPalette::Shadow, black);
        set(QPalette::Highlight, shown(Role::SelectionBackground));
        set(QPalette::HighlightedText, shown(Role::SelectionText));
        set(QPalette::ToolTipBase, shown(Role::ToolTipBackground));
        set(QPalette::ToolTipText, shown(Role::ToolTipText));
        set(QPalette::Link, shown(Role::Text));
        set(QPalette::LinkVisited, shown(Role::Text));
    }
    return result;
}

void ShowApplicationIn(Palette palette) {
    Saved& styles = saved();
    if (palette == Palette::Jour) {
        // Nothing to undo at start-up: Jour must cost nothing and change nothing then.
        if (!styles.replaced) return;
        // An empty palette gives the application the style's own again.
        QApplication::setPalette(QPalette());
        QToolTip::setPalette(styles.toolTips);
        styles.replaced = false;
        return;
    }
    const QPalette night = ApplicationPalette(palette);
    QApplication::setPalette(night);
    QToolTip::setPalette(night);
    styles.replaced = true;
}

}  // namespace ventrose::platform::qt
