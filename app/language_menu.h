// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "common/tr.h"

class QAction;
class QMenu;

namespace ventrose::app {

// The «Langue / Language» submenu of every window's context menu: «Français» and «English», the
// language in force checked. Its texts are the same in both languages, so that a person who
// reads only one of them finds the way to it.
class LanguageMenu : public QObject {
public:
    LanguageMenu();

    // Appends the submenu to `menu`.
    void fill(QMenu& menu) const;
    // Shows the language in force, without calling back.
    void show(common::Language language);

    // A person's choice.
    std::function<void(common::Language language)> languageChosen;

    QAction* action(common::Language language) const;

private:
    std::array<QAction*, 2> actions_{};
};

}  // namespace ventrose::app
