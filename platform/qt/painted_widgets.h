// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace ventrose::platform::qt {

// Drawn decorations take no mouse input: a click on them reaches what lies beneath, as the
// model routes a click on a drawn shape to its window.

// A line between two points of its container, in pixels; the widget covers their bounding box.
// Lines and shapes are drawn in black until given their colour.
class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, int penWidth);
    void setLine(const QLine& line);
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int penWidth_;
    QLine line_;
};

// A rectangle's border drawn inside the widget's area.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, int penWidth);
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int penWidth_;
};

}  // namespace ventrose::platform::qt
