// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <functional>

namespace ventrose::platform::qt {

// A click is a press and a release over the same widget, as with the designs' own toolkit; it
// is reported through a callback, the view deciding what it means.
class ClickTracker {
public:
    void press(QMouseEvent* event);
    // True when the release completes a click inside `area`.
    bool release(QMouseEvent* event, const QRect& area);

private:
    bool pressed_ = false;
};

// Labels and the picture: plain text (never rich text), text at the top as in the designs.
class ClickableLabel : public QLabel {
public:
    explicit ClickableLabel(QWidget* parent);
    std::function<void()> onClick;
    // The picture scaled to the label; a missing picture shows nothing.
    void setPicture(const QString& resourcePath);
    // The picture in shades of red only, its lightness kept (for Nuit rouge).
    void setRedOnly(bool redOnly);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPicture();
    ClickTracker tracker_;
    QPixmap picture_;
    bool redOnly_ = false;
};

// The whole control area takes the click, not only the indicator and the text. Exclusive, so
// that screen readers meet a radio button, but a click never checks it by itself: the click goes
// to the model, which selects it (or not), and the view shows what the model says. Its indicator
// is drawn in the option's text colour (IndicatorStyle in widgets.cpp).
class OptionWidget : public QRadioButton {
public:
    explicit OptionWidget(QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override {}
};

// A check box as the options are: the whole area takes the click, which never ticks or unticks
// the box by itself; the model toggles its Value and the view shows it. Its box and tick are
// drawn in its text colour, as an option's ring.
class CheckWidget : public QCheckBox {
public:
    explicit CheckWidget(QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override {}
};

// A frame takes the clicks on its own area: they do not fall through to the window. It draws
// itself as the designs' frames look: an etched border, the caption over its top edge, the
// face flat in the frame's colour (the style's group box would shade it).
class FrameWidget : public QGroupBox {
public:
    explicit FrameWidget(QWidget* parent);
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker tracker_;
};

}  // namespace ventrose::platform::qt
