// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/control_kinds.h"

#include <QPushButton>
#include <QScrollBar>

#include "platform/control.h"
#include "platform/qt/appearance.h"
#include "platform/qt/geometry.h"
#include "platform/qt/keyboard.h"
#include "platform/qt/mirror.h"
#include "platform/qt/painted_widgets.h"
#include "platform/qt/text_box.h"
#include "platform/qt/wheel_notches.h"
#include "platform/qt/widgets.h"
#include "platform/scroll_mapping.h"
#include "platform/user_actions.h"

namespace ventrose::platform::qt {

namespace {

// What the kinds share.

std::function<void()> clickOn(const ControlLink& link) {
    return [link] { link.act([](Control& c) { return Click(c); }); };
}

void takesNothing(QWidget&, const ControlLink&) {}

void showsCaption(QWidget& widget, const Control& control, double scale) {
    MirrorCaption(widget, control);
    MirrorPlace(widget, control, scale);
}

void filled(QWidget& widget, const Control& c, preferences::Palette palette) {
    ApplyColours(widget, c.design().backColour, c.foreColour(), palette);
}

int penWidth(const ControlDesign& design, double scale) {
    return ToPixels(design.borderWidth * kPx, scale);
}

// Label.

Qt::Alignment alignmentOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* createLabel(QWidget& parent, const ControlDesign& d, double) {
    auto* label = new ClickableLabel(&parent);
    label->setWordWrap(d.wordWrap);
    label->setAlignment(alignmentOf(d.alignment));
    return label;
}

void connectLabel(QWidget& widget, const ControlLink& link) {
    static_cast<ClickableLabel&>(widget).onClick = clickOn(link);
}

constexpr KindBehaviour kLabel{
    .create = createLabel, .colour = filled, .connect = connectLabel, .mirror = showsCaption};

// Command button.

QWidget* createButton(QWidget& parent, const ControlDesign&, double) {
    auto* button = new QPushButton(&parent);
    button->setAutoDefault(false);
    return button;
}

// The style draws the face: only the palette's roles, no fill.
void colourButton(QWidget& widget, const Control& c, preferences::Palette palette) {
    ApplyColours(widget, c.design().backColour, c.foreColour(), palette, Ground::Face);
}

void connectButton(QWidget& widget, const ControlLink& link) {
    auto& button = static_cast<QPushButton&>(widget);
    QObject::connect(&button, &QAbstractButton::clicked, &button, clickOn(link));
    PressWithEnter(button);
}

constexpr KindBehaviour kButton{.create = createButton,
                                .colour = colourButton,
                                .connect = connectButton,
                                .mirror = showsCaption};

// Scroll bars.

QWidget* createBar(QWidget& parent, Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation, &parent);
    // A drag changes the value once, at the release.
    bar->setTracking(false);
    // A right click opens the window's menu, which every control shares, not the bar's own.
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    return bar;
}

QWidget* createHBar(QWidget& parent, const ControlDesign&, double) {
    return createBar(parent, Qt::Horizontal);
}
QWidget* createVBar(QWidget& parent, const ControlDesign&, double) {
    return createBar(parent, Qt::Vertical);
}

void connectBar(QWidget& widget, const ControlLink& link) {
    auto* bar = static_cast<QScrollBar*>(&widget);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [link, bar](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                return link.act([](Control& c) { return ArrowClick(c, Toward::Max); });
            case QAbstractSlider::SliderSingleStepSub:
                return link.act([](Control& c) { return ArrowClick(c, Toward::Min); });
            case QAbstractSlider::SliderPageStepAdd:
                return link.act([](Control& c) { return TroughClick(c, Toward::Max); });
            case QAbstractSlider::SliderPageStepSub:
                return link.act([](Control& c) { return TroughClick(c, Toward::Min); });
            case QAbstractSlider::SliderToMinimum:
                return link.act([](Control& c) { return ThumbRelease(c, c.min()); });
            case QAbstractSlider::SliderToMaximum:
                return link.act([](Control& c) { return ThumbRelease(c, c.max()); });
            default:
                // A thumb being dragged moves only on the screen until it is released.
                if (!bar->isSliderDown()) link.mirror();
                return;
        }
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [link, bar] {
        // The model's value for where the person left the thumb.
        link.act([bar](Control& c) {
            return ThumbRelease(c, ValueAt(bar->sliderPosition(), c.min(), c.max()));
        });
    });
    bar->installEventFilter(new WheelNotches(bar, [link](Toward toward) {
        link.act([toward](Control& c) { return ArrowClick(c, toward); });
    }));
    StepWithKeys(*bar);
}

void mirrorBar(QWidget& widget, const Control& control, double scale) {
    MirrorRange(static_cast<QScrollBar&>(widget), control);
    MirrorPlace(widget, control, scale);
}

constexpr KindBehaviour kHBar{
    .create = createHBar, .colour = filled, .connect = connectBar, .mirror = mirrorBar};
constexpr KindBehaviour kVBar{
    .create = createVBar, .colour = filled, .connect = connectBar, .mirror = mirrorBar};

// Option button.

QWidget* createOption(QWidget& parent, const ControlDesign&, double) {
    return new OptionWidget(&parent);
}

void connectOption(QWidget& widget, const ControlLink& link) {
    auto* option = static_cast<OptionWidget*>(&widget);
    QObject::connect(option, &QAbstractButton::clicked, option, clickOn(link));
    // A screen reader's "toggle" action checks the option without a click.
    QObject::connect(option, &QAbstractButton::toggled, option, [link](bool checked) {
        if (checked) link.act([](Control& c) { return Click(c); });
    });
}

void mirrorOption(QWidget& widget, const Control& control, double scale) {
    MirrorCaption(widget, control);
    MirrorChecked(static_cast<OptionWidget&>(widget), control);
    MirrorPlace(widget, control, scale);
}

constexpr KindBehaviour kOption{.create = createOption,
                                .colour = filled,
                                .connect = connectOption,
                                .mirror = mirrorOption,
                                .exclusive = true};

// Check box.

QWidget* createCheck(QWidget& parent, const ControlDesign&, double) {
    return new CheckWidget(&parent);
}

void connectCheck(QWidget& widget, const ControlLink& link) {
    auto* check = static_cast<CheckWidget*>(&widget);
    QObject::connect(check, &QAbstractButton::clicked, check, clickOn(link));
    // A screen reader's "toggle" action ticks or unticks the box without a click: the model
    // toggles it as a click would, or refuses, and the box shows the model again either way.
    QObject::connect(check, &QAbstractButton::toggled, check, clickOn(link));
}

void mirrorCheck(QWidget& widget, const Control& control, double scale) {
    MirrorCaption(widget, control);
    MirrorChecked(static_cast<CheckWidget&>(widget), control);
    MirrorPlace(widget, control, scale);
}

constexpr KindBehaviour kCheck{
    .create = createCheck, .colour = filled, .connect = connectCheck, .mirror = mirrorCheck};

// Text box.

QWidget* createBox(QWidget& parent, const ControlDesign&, double) { return new TextBox(&parent); }

void colourBox(QWidget& widget, const Control& c, preferences::Palette palette) {
    ApplyColours(widget, c.design().backColour, c.foreColour(), palette, Ground::Field);
}

void connectBox(QWidget& widget, const ControlLink& link) {
    auto& box = static_cast<TextBox&>(widget);
    box.onKey = [link](int code) { link.act([code](Control& c) { return KeyPress(c, code); }); };
    box.onKeyDown = [link](int code, int shift) {
        int key = code;
        link.act([&key, shift](Control& c) { return KeyDown(c, key, shift); });
        return key == 0;
    };
    box.onDelete = [link] { link.act([](Control& c) { return DeleteKey(c); }); };
    box.onPaste = [link](const QString& text) {
        link.act([text = ToUtf8(text)](Control& c) { return Paste(c, text); });
    };
    box.onSelect = [link](int anchor, int length) {
        const Control* c = link.current();
        if (c == nullptr || (c->anchor() == anchor && c->caret() == anchor + length)) return;
        link.act([anchor, length](Control& c) { return Select(c, anchor, length); });
    };
    // Any other way into the line edit (an accessibility client setting its text, say) is
    // undone: the box shows the model's text and nothing else.
    box.onStrayEdit = [link] { link.mirror(); };
    box.onMenu = [link](QMenu& menu) { link.addWindowEntries(menu); };
}

void mirrorBox(QWidget& widget, const Control& control, double scale) {
    MirrorText(widget, control);
    MirrorPlace(widget, control, scale);
}

constexpr KindBehaviour kBox{
    .create = createBox, .colour = colourBox, .connect = connectBox, .mirror = mirrorBox};

// Frame.

QWidget* createFrame(QWidget& parent, const ControlDesign&, double) {
    return new FrameWidget(&parent);
}

// A frame's own click runs nothing in the model, but it must not fall through to the window.
void connectFrame(QWidget& widget, const ControlLink& link) {
    static_cast<FrameWidget&>(widget).onClick = clickOn(link);
}

constexpr KindBehaviour kFrame{
    .create = createFrame, .colour = filled, .connect = connectFrame, .mirror = showsCaption};

// Line.

QWidget* createLine(QWidget& parent, const ControlDesign& d, double scale) {
    return new LineWidget(&parent, penWidth(d, scale));
}

void colourLine(QWidget& widget, const Control& c, preferences::Palette palette) {
    filled(widget, c, palette);
    static_cast<LineWidget&>(widget).setColour(StrokeColour(c.foreColour(), palette));
}

// A line has no place of its own: its two ends place it.
constexpr KindBehaviour kLine{
    .create = createLine, .colour = colourLine, .connect = takesNothing, .mirror = MirrorLine};

// Image.

QWidget* createImage(QWidget& parent, const ControlDesign& d, double) {
    auto* image = new ClickableLabel(&parent);
    image->setAlignment(Qt::AlignCenter);
    image->setPicture(ToQString(d.picture));
    return image;
}

// A picture keeps its colours, but in Nuit rouge, where nothing may be another hue than red.
void colourImage(QWidget& widget, const Control& c, preferences::Palette palette) {
    filled(widget, c, palette);
    static_cast<ClickableLabel&>(widget).setRedOnly(palette == preferences::Palette::NuitRouge);
}

constexpr KindBehaviour kImage{
    .create = createImage, .colour = colourImage, .connect = connectLabel, .mirror = MirrorPlace};

// Shape.

QWidget* createShape(QWidget& parent, const ControlDesign& d, double scale) {
    return new ShapeWidget(&parent, penWidth(d, scale));
}

void colourShape(QWidget& widget, const Control& c, preferences::Palette palette) {
    filled(widget, c, palette);
    static_cast<ShapeWidget&>(widget).setColour(StrokeColour(c.foreColour(), palette));
}

constexpr KindBehaviour kShape{
    .create = createShape, .colour = colourShape, .connect = takesNothing, .mirror = MirrorPlace};

}  // namespace

// No default: a kind added to ControlKind without its entry fails the build.
const KindBehaviour& BehaviourOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return kLabel;
        case ControlKind::CommandButton: return kButton;
        case ControlKind::HScrollBar: return kHBar;
        case ControlKind::VScrollBar: return kVBar;
        case ControlKind::OptionButton: return kOption;
        case ControlKind::TextBox: return kBox;
        case ControlKind::Frame: return kFrame;
        case ControlKind::Line: return kLine;
        case ControlKind::Image: return kImage;
        case ControlKind::Shape: return kShape;
        case ControlKind::CheckBox: return kCheck;
    }
    return kShape;  // only a value outside ControlKind comes here: an inert box
}

}  // namespace ventrose::platform::qt
