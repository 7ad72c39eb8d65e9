// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QString>

namespace ventrose::app {

namespace {

constexpr std::array<common::Language, 2> kLanguages = {common::Language::French,
                                                        common::Language::English};

std::size_t indexOf(common::Language language) {
    return language == common::Language::English ? 1 : 0;
}

}  // namespace

LanguageMenu::LanguageMenu() {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const common::Language language : kLanguages) {
        auto* action =
            new QAction(language == common::Language::English ? QStringLiteral("English")
                                                              : QStringLiteral("Français"),
                        group);
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, this, [this, language] {
            if (languageChosen) languageChosen(language);
        });
        actions_[indexOf(language)] = action;
    }
    show(common::CurrentLanguage());
}

QAction* LanguageMenu::action(common::Language language) const {
    return actions_[indexOf(language)];
}

void LanguageMenu::fill(QMenu& menu) const {
    QMenu* languages = menu.addMenu(QStringLiteral("Langue / Language"));
    for (QAction* action : actions_) languages->addAction(action);
}

// setChecked() runs no callback: languageChosen follows triggered(), which only a person emits.
void LanguageMenu::show(common::Language language) { action(language)->setChecked(true); }

}  // namespace ventrose::app
