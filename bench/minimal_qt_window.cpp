// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for ventrose's start-up: the least a Qt 6 Widgets program can do to show a
// window with as many widgets of the same kinds as the main window (frmMainCalc): 45 labels,
// 6 scroll bars, 2 radio buttons, 6 push buttons, 3 group boxes, with a few of them hidden as the
// main window hides one mode's controls. Whatever ventrose spends beyond this is the cost of its
// forms runtime, its view and its own start-up.
//
// With --exit-when-mapped the program quits as soon as its window is exposed, so that a
// benchmark can measure it without killing it.

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstring>

namespace {

const QColor kLightBlue(0xCC, 0xE0, 0xFF);

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* label(QWidget* parent, const char* text, int x, int y, int w, int h, bool value) {
    auto* widget = new QLabel(QString::fromUtf8(text), parent);
    widget->setGeometry(x, y, w, h);
    widget->setWordWrap(!value);
    if (value) {
        widget->setAlignment(Qt::AlignCenter);
    }
    paintBackground(widget, value ? QColor(Qt::white) : kLightBlue);
    return widget;
}

QScrollBar* bar(QWidget* parent, int x, int y, int max) {
    auto* widget = new QScrollBar(Qt::Horizontal, parent);
    widget->setGeometry(x, y, 290, 17);
    widget->setRange(0, max);
    widget->setPageStep(10);
    widget->setTracking(false);
    return widget;
}

QGroupBox* group(QWidget* parent, const char* title, int x, int y, int w, int h) {
    auto* widget = new QGroupBox(QString::fromUtf8(title), parent);
    widget->setGeometry(x, y, w, h);
    paintBackground(widget, kLightBlue);
    return widget;
}

void build(QWidget& window) {
    window.setWindowTitle(QStringLiteral("Ventrose minimal window"));
    window.setFixedSize(895, 515);
    paintBackground(&window, kLightBlue);
    label(&window, "Influence du vent - Calcul de dérive - Vol à l'estime", 10, 8, 875, 24, false);

    QGroupBox* inputs = group(&window, "Entrée des données", 10, 40, 430, 422);
    for (int row = 0; row < 4; ++row) {
        label(inputs, "Légende de la barre", 12, 22 + row * 44, 400, 17, false);
        bar(inputs, 12, 40 + row * 44, 360);
        label(inputs, "0", 310, 40 + row * 44, 100, 17, true);
    }

    QGroupBox* leg = group(inputs, "Calcul du Temps de vol ou de la Distance", 8, 202, 414, 210);
    auto* time = new QRadioButton(QStringLiteral("Temps"), leg);
    time->setGeometry(14, 24, 100, 20);
    time->setChecked(true);
    (new QRadioButton(QStringLiteral("Distance"), leg))->setGeometry(130, 24, 100, 20);
    // Both modes' controls exist; one set is hidden, as in the main window.
    for (bool shown : {true, false}) {
        label(leg, "Distance à parcourir", 12, 52, 390, 17, false)->setVisible(shown);
        bar(leg, 12, 72, 999)->setVisible(shown);
        label(leg, "0", 306, 72, 96, 17, true)->setVisible(shown);
        label(leg, "TEMPS SANS VENT", 12, 100, 290, 34, false)->setVisible(shown);
        label(leg, "0", 306, 106, 96, 20, true)->setVisible(shown);
    }
    label(leg, "Temps avec vent", 12, 152, 290, 17, false);
    label(leg, "0", 306, 150, 96, 20, true);

    QGroupBox* results = group(&window, "Résultats", 450, 40, 435, 422);
    for (int row = 0; row < 13; ++row) {
        label(results, "Résultat", 12, 24 + row * 27, 300, 17, false);
        label(results, "0", 320, 24 + row * 27, 100, 17, true);
    }

    const char* buttons[] = {"Conversions",  "IAS to TAS", "Taux Descente",
                             "A propos ...", "Rafraichir", "Quitter"};
    for (int i = 0; i < 6; ++i) {
        (new QPushButton(QString::fromUtf8(buttons[i]), &window))
            ->setGeometry(10 + i * 147, 472, 138, 32);
    }
}

// Quits once the native window is exposed: that is when a person first sees it.
class QuitWhenExposed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    bool exitWhenMapped = false;
    for (int i = 1; i < argc; ++i) {
        exitWhenMapped = exitWhenMapped || std::strcmp(argv[i], "--exit-when-mapped") == 0;
    }
    QApplication app(argc, argv);
    QWidget window;
    build(window);
    window.show();
    QuitWhenExposed quitter;
    if (exitWhenMapped) {
        window.windowHandle()->installEventFilter(&quitter);
    }
    return app.exec();
}
