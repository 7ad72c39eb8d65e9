// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/design.h"

namespace ventrose::platform::qt {

// Draws a ring around whichever widget of its window has the keyboard focus, above every
// control and transparent to the mouse. The style marks the focus of some widgets faintly or
// not at all (a scroll bar shows nothing); the ring shows it alike on all of them.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget& window);

    // The ring's colour; kDefaultColour draws it in a darker shade of the style's highlight.
    void setColour(Colour colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QPointer<QWidget> target_;
    Colour colour_ = kDefaultColour;
};

}  // namespace ventrose::platform::qt
