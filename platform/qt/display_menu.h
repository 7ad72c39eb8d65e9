// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "preferences/palette.h"

class QAction;
class QMenu;
class QWidget;

namespace ventrose::platform::qt {

// Whether the window system lets a window keep itself above other applications' windows: not
// under Wayland, where only the compositor decides.
bool CanKeepOnTop();

// The entries every window's context menu offers for how the windows are shown: keeping them
// above other applications (Ctrl+T) and their colours (Ctrl+1, Ctrl+2, Ctrl+3). There is one
// action of each for the whole application, so that a check mark reads the same in every
// window; each window gets all of them, so that their shortcuts work in whichever window a
// person is in.
class DisplayMenu : public QObject {
public:
    // Without `canKeepOnTop` the entry is shown disabled, with the reason and the way out.
    explicit DisplayMenu(bool canKeepOnTop = CanKeepOnTop());

    // The shortcuts work in `window` from now on.
    void addTo(QWidget& window) const;
    // Appends "Toujours au premier plan" and the "Couleurs" submenu to `menu`, then whatever
    // moreEntries adds.
    void fill(QMenu& menu) const;
    // Shows the choices in force, without calling back.
    void show(bool onTop, preferences::Palette palette);
    // Its entries' texts in the current language (the submenus are made in it when a menu
    // opens).
    void retranslate();

    // A person's choice, through a menu or a shortcut.
    std::function<void(bool onTop)> onTopChosen;
    std::function<void(preferences::Palette palette)> paletteChosen;
    // The application's own entries, added after the display's each time a menu opens; the
    // view does not know what they do.
    std::function<void(QMenu& menu)> moreEntries;

    QAction* onTopAction() const { return onTop_; }
    QAction* paletteAction(preferences::Palette palette) const;

private:
    QAction* onTop_;
    std::array<QAction*, 3> palettes_{};
    bool canKeepOnTop_;
};

}  // namespace ventrose::platform::qt
