// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/display_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "platform/qt/appearance.h"

namespace ventrose::platform::qt {

namespace {

using preferences::Palette;

// Said where the entry is disabled: what stops it, and how to run Ventrose so that it works.
QString waylandReason() {
    return QTr("DisplayMenu",
               "Sous Wayland, une fenêtre ne peut pas se garder au premier plan : lancer Ventrose "
               "avec QT_QPA_PLATFORM=xcb");
}

// The palettes' own names, which the command line and the settings spell in French in both
// languages; an English menu says what they are beside them.
QString paletteText(Palette palette) {
    switch (palette) {
        case Palette::Jour: return QTr("DisplayMenu", "Jour");
        case Palette::Nuit: return QTr("DisplayMenu", "Nuit");
        case Palette::NuitRouge: return QTr("DisplayMenu", "Nuit rouge");
    }
    return ToQString(preferences::PaletteDisplayName(palette));
}

// Ctrl with a letter or a digit that no window uses: the text boxes keep Ctrl+A, C, V and X.
constexpr QKeyCombination kOnTopKey = Qt::CTRL | Qt::Key_T;
constexpr std::array<QKeyCombination, 3> kPaletteKeys = {Qt::CTRL | Qt::Key_1, Qt::CTRL | Qt::Key_2,
                                                         Qt::CTRL | Qt::Key_3};

std::size_t indexOf(Palette palette) { return static_cast<std::size_t>(palette); }

}  // namespace

bool CanKeepOnTop() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

DisplayMenu::DisplayMenu(bool canKeepOnTop) : canKeepOnTop_(canKeepOnTop) {
    onTop_ = new QAction(this);
    onTop_->setCheckable(true);
    onTop_->setShortcut(QKeySequence(kOnTopKey));
    onTop_->setShortcutVisibleInContextMenu(true);
    onTop_->setEnabled(canKeepOnTop_);
    QObject::connect(onTop_, &QAction::triggered, this, [this](bool checked) {
        if (onTopChosen) onTopChosen(checked);
    });

    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const Palette palette : preferences::kPalettes) {
        auto* action = new QAction(group);
        action->setCheckable(true);
        action->setShortcut(QKeySequence(kPaletteKeys[indexOf(palette)]));
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, this, [this, palette] {
            if (paletteChosen) paletteChosen(palette);
        });
        palettes_[indexOf(palette)] = action;
    }
    retranslate();
    show(false, Palette::Jour);
}

void DisplayMenu::retranslate() {
    onTop_->setText(QTr("DisplayMenu", "Toujours au premier plan"));
    if (!canKeepOnTop_) {
        onTop_->setToolTip(waylandReason());
        onTop_->setStatusTip(waylandReason());
    }
    for (const Palette palette : preferences::kPalettes)
        paletteAction(palette)->setText(paletteText(palette));
}

QAction* DisplayMenu::paletteAction(Palette palette) const { return palettes_[indexOf(palette)]; }

void DisplayMenu::addTo(QWidget& window) const {
    window.addAction(onTop_);
    for (QAction* action : palettes_) window.addAction(action);
}

void DisplayMenu::fill(QMenu& menu) const {
    menu.setToolTipsVisible(true);
    menu.addAction(onTop_);
    if (!canKeepOnTop_) {
        // The reason in the menu itself, for whoever does not hover over the entry.
        QAction* reason = menu.addAction(waylandReason());
        reason->setEnabled(false);
    }
    QMenu* colours = menu.addMenu(QTr("DisplayMenu", "Couleurs"));
    for (QAction* action : palettes_) colours->addAction(action);
    if (moreEntries) moreEntries(menu);
}

// setChecked() runs no callback: they follow triggered(), which only a person's choice emits.
void DisplayMenu::show(bool onTop, Palette palette) {
    onTop_->setChecked(onTop);
    paletteAction(palette)->setChecked(true);
}

}  // namespace ventrose::platform::qt
