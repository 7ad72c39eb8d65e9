// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the About window's picture: a floatplane flying low over water at dusk. The picture is
// drawn at build time rather than stored, so that it is ours and can be changed by editing code.
// Raster painting on a QImage needs no application object.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWidth = 281;
constexpr int kHeight = 173;
constexpr double kHorizon = 100.0;
constexpr QPointF kSun{206.0, 95.0};
constexpr double kSunRadius = 12.0;

// A fixed generator, so that every build draws exactly the same ripples.
class Random {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint64_t state_ = 0x5EEDF10A7ULL;
};

void drawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.00, QColor(0x24, 0x1a, 0x4a));
    sky.setColorAt(0.35, QColor(0x5c, 0x2f, 0x6e));
    sky.setColorAt(0.62, QColor(0xb4, 0x4c, 0x78));
    sky.setColorAt(0.85, QColor(0xf0, 0x84, 0x5a));
    sky.setColorAt(1.00, QColor(0xff, 0xc0, 0x6a));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon), sky);

    // The glow around a low sun spreads along the horizon more than upwards.
    p.save();
    p.translate(kSun);
    p.scale(2.4, 1.0);
    QRadialGradient glow(QPointF(0, 0), 48);
    glow.setColorAt(0.0, QColor(255, 236, 170, 220));
    glow.setColorAt(0.3, QColor(255, 190, 110, 120));
    glow.setColorAt(1.0, QColor(255, 150, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 48, 48);
    p.restore();
}

void drawClouds(QPainter& p) {
    // Long thin streaks, lit pink from below by the sun that has almost set.
    struct Streak {
        double x, y, w, h;
        QColor colour;
    };
    const Streak streaks[] = {
        {18, 22, 120, 5, QColor(0xd0, 0x74, 0x9a, 90)},
        {60, 27, 90, 3, QColor(0xf0, 0x9a, 0xa8, 110)},
        {150, 16, 110, 4, QColor(0xc8, 0x6c, 0x98, 80)},
        {180, 44, 95, 4, QColor(0xff, 0xb0, 0x90, 110)},
        {120, 50, 70, 3, QColor(0xff, 0xc0, 0xa0, 90)},
        {10, 58, 80, 3, QColor(0xf8, 0xa0, 0x88, 80)},
        {200, 66, 70, 2, QColor(0xff, 0xd0, 0x9c, 100)},
    };
    p.setPen(Qt::NoPen);
    for (const Streak& s : streaks) {
        QRadialGradient g(QPointF(s.x + s.w / 2, s.y + s.h / 2), s.w / 2);
        g.setColorAt(0.0, s.colour);
        QColor clear = s.colour;
        clear.setAlpha(0);
        g.setColorAt(1.0, clear);
        p.save();
        p.translate(s.x + s.w / 2, s.y + s.h / 2);
        p.scale(1.0, s.h / s.w);
        p.translate(-(s.x + s.w / 2), -(s.y + s.h / 2));
        p.setBrush(g);
        p.drawEllipse(QPointF(s.x + s.w / 2, s.y + s.h / 2), s.w / 2, s.w / 2);
        p.restore();
    }
}

void drawSun(QPainter& p) {
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, kHorizon));
    QRadialGradient disc(kSun, kSunRadius);
    disc.setColorAt(0.0, QColor(0xff, 0xfb, 0xe0));
    disc.setColorAt(0.7, QColor(0xff, 0xe6, 0x9a));
    disc.setColorAt(1.0, QColor(0xff, 0xc2, 0x60));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(kSun, kSunRadius, kSunRadius);
    p.restore();
}

void drawShore(QPainter& p) {
    // Far hills, bluish with distance, then a nearer wooded point on the left.
    QPainterPath far;
    far.moveTo(0, kHorizon);
    far.lineTo(0, kHorizon - 9);
    far.cubicTo(20, kHorizon - 15, 40, kHorizon - 8, 62, kHorizon - 11);
    far.cubicTo(82, kHorizon - 14, 100, kHorizon - 6, 128, kHorizon - 3);
    far.lineTo(140, kHorizon);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x3f, 0x6e));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, kHorizon + 1);
    near.lineTo(0, kHorizon - 5);
    Random random;
    for (double x = 0; x <= 70; x += 3) {
        // Tree tops: small bumps of varying height, lower towards the tip of the point.
        const double height = 4.0 + 3.0 * (1.0 - x / 70.0) + random.between(0.0, 2.0);
        near.lineTo(x + 1.5, kHorizon - height);
        near.lineTo(x + 3.0, kHorizon - height + 1.5);
    }
    near.lineTo(82, kHorizon - 1);
    near.lineTo(90, kHorizon + 1);
    near.closeSubpath();
    p.setBrush(QColor(0x3a, 0x22, 0x4a));
    p.drawPath(near);

    QPainterPath right;
    right.moveTo(kWidth, kHorizon);
    right.lineTo(kWidth, kHorizon - 6);
    right.cubicTo(kWidth - 12, kHorizon - 8, kWidth - 22, kHorizon - 4, kWidth - 34, kHorizon);
    right.closeSubpath();
    p.setBrush(QColor(0x5a, 0x33, 0x60));
    p.drawPath(right);
}

void drawWater(QPainter& p) {
    QLinearGradient water(0, kHorizon, 0, kHeight);
    water.setColorAt(0.0, QColor(0xd8, 0x8a, 0x78));
    water.setColorAt(0.18, QColor(0x9a, 0x52, 0x78));
    water.setColorAt(0.55, QColor(0x4a, 0x2c, 0x60));
    water.setColorAt(1.0, QColor(0x1c, 0x16, 0x38));
    p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), water);

    // The shore mirrored darkly just below the horizon.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x22, 0x4a, 120));
    p.drawRect(QRectF(0, kHorizon, 84, 3));

    // Ripples: short strokes, closer together near the horizon, as perspective has them.
    Random random;
    for (double y = kHorizon + 2; y < kHeight; y += 1.0 + (y - kHorizon) * 0.06) {
        const double depth = (y - kHorizon) / (kHeight - kHorizon);
        const int count = 6 + static_cast<int>(random.between(0, 4));
        for (int i = 0; i < count; ++i) {
            const double x = random.between(-10, kWidth);
            const double length = random.between(6, 18) * (0.6 + depth * 1.6);
            const bool light = random.next() < 0.55;
            QColor c = light ? QColor(0xff, 0xb8, 0xa0) : QColor(0x20, 0x12, 0x30);
            c.setAlpha(static_cast<int>((light ? 70 : 60) * (1.0 - depth * 0.5)));
            p.setPen(QPen(c, 0.6 + depth * 0.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, y), QPointF(x + length, y));
        }
    }

    // The sun's path on the water: bright dashes that widen and fade towards the viewer.
    for (double y = kHorizon + 1; y < kHeight; y += 1.2 + (y - kHorizon) * 0.05) {
        const double depth = (y - kHorizon) / (kHeight - kHorizon);
        const double halfWidth = kSunRadius * (0.9 + depth * 2.8);
        const int count = 2 + static_cast<int>(random.between(0, 3));
        for (int i = 0; i < count; ++i) {
            const double centre = kSun.x() + random.between(-halfWidth, halfWidth);
            const double length = random.between(3, 10) * (0.7 + depth * 1.5) *
                                  (1.0 - std::abs(centre - kSun.x()) / (halfWidth * 1.6));
            QColor c(0xff, 0xe0 - static_cast<int>(depth * 60),
                     0x90 - static_cast<int>(depth * 40));
            c.setAlpha(static_cast<int>(230 * (1.0 - depth * 0.75)));
            p.setPen(QPen(c, 0.8 + depth * 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(centre - length / 2, y), QPointF(centre + length / 2, y));
        }
    }
}

// The aircraft in its own coordinates: nose to the left at x = 0, fuselage axis at y = 0,
// floats below; about 100 units long. Lit from behind and to the right by the low sun.
void drawAircraft(QPainter& p) {
    const QColor outline(0x2a, 0x1c, 0x36);
    const QPen thin(outline, 0.6);

    QLinearGradient body(0, -14, 0, 8);
    body.setColorAt(0.0, QColor(0xff, 0xde, 0xbc));
    body.setColorAt(0.45, QColor(0xd8, 0xb4, 0xb0));
    body.setColorAt(1.0, QColor(0x6a, 0x4c, 0x72));
    QLinearGradient floatShade(0, 19, 0, 28);
    floatShade.setColorAt(0.0, QColor(0xe8, 0xc8, 0xb8));
    floatShade.setColorAt(1.0, QColor(0x58, 0x42, 0x66));
    const QColor strut(0x3c, 0x2c, 0x4a);

    // The far float and its struts first, darker and a little up and behind.
    QPainterPath floatPath;
    floatPath.moveTo(0, 20.5);
    floatPath.cubicTo(3, 19.0, 8, 18.8, 14, 19.0);
    floatPath.lineTo(70, 20.0);
    floatPath.lineTo(76, 22.5);
    floatPath.lineTo(48, 26.0);
    floatPath.lineTo(46, 27.6);
    floatPath.lineTo(14, 27.6);
    floatPath.cubicTo(6, 27.4, 2, 24.0, 0, 20.5);

    p.save();
    p.translate(5, -3);
    p.setPen(QPen(strut.darker(130), 1.2));
    p.drawLine(QPointF(13, 19), QPointF(16, 6));
    p.drawLine(QPointF(41, 20), QPointF(40, 7));
    p.setPen(thin);
    p.setBrush(QColor(0x50, 0x3a, 0x5c));
    p.drawPath(floatPath);
    p.restore();

    // Tail plane and fin behind the fuselage.
    QPainterPath fin;
    fin.moveTo(78, -7);
    fin.lineTo(88, -23);
    fin.lineTo(96, -23.5);
    fin.lineTo(98, -6);
    fin.closeSubpath();
    p.setPen(thin);
    p.setBrush(body);
    p.drawPath(fin);
    p.setBrush(QColor(0xb8, 0x32, 0x3a));
    QPainterPath rudderStripe;
    rudderStripe.moveTo(88, -23);
    rudderStripe.lineTo(96, -23.5);
    rudderStripe.lineTo(96.4, -19);
    rudderStripe.lineTo(86, -19.5);
    rudderStripe.closeSubpath();
    p.drawPath(rudderStripe);

    // Fuselage: cowling, cabin, then the boom tapering to the tail.
    QPainterPath fuselage;
    fuselage.moveTo(5, -2);
    fuselage.cubicTo(5, -6, 7, -8, 12, -8);
    fuselage.lineTo(22, -8.5);
    fuselage.lineTo(29, -14);
    fuselage.lineTo(50, -14);
    fuselage.cubicTo(66, -11, 82, -8, 99, -6.5);
    fuselage.lineTo(99, -3.5);
    fuselage.cubicTo(80, -1, 62, 3, 48, 6.5);
    fuselage.lineTo(24, 7.5);
    fuselage.cubicTo(14, 7.5, 7, 5, 5, -2);
    p.setBrush(body);
    p.drawPath(fuselage);

    // A red cheat line along the side, following the fuselage.
    QPainterPath stripe;
    stripe.moveTo(6, 0.5);
    stripe.lineTo(48, 0.5);
    stripe.cubicTo(66, -2.5, 84, -4.5, 99, -5.0);
    stripe.lineTo(99, -3.8);
    stripe.cubicTo(84, -2.8, 66, -0.5, 48, 2.6);
    stripe.lineTo(6, 2.6);
    stripe.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0x32, 0x3a));
    p.drawPath(stripe);

    // Cabin windows: the windscreen and the side glass, catching the orange sky.
    QLinearGradient glass(0, -13, 0, -5);
    glass.setColorAt(0.0, QColor(0xff, 0xb0, 0x78));
    glass.setColorAt(1.0, QColor(0x3a, 0x28, 0x52));
    p.setBrush(glass);
    p.setPen(QPen(outline, 0.5));
    QPolygonF windscreen;
    windscreen << QPointF(23.5, -8.2) << QPointF(29.5, -12.8) << QPointF(31.5, -12.8)
               << QPointF(30.5, -5.5) << QPointF(25, -5.5);
    p.drawPolygon(windscreen);
    p.drawRoundedRect(QRectF(33, -12.8, 7.5, 7), 1, 1);
    p.drawRoundedRect(QRectF(42, -12.8, 7, 7), 1, 1);

    // High wing on top of the cabin, with its strut down to the lower fuselage.
    QPainterPath wing;
    wing.moveTo(24, -15.2);
    wing.cubicTo(25, -18.5, 30, -18.8, 36, -18.6);
    wing.lineTo(56, -17.6);
    wing.lineTo(56, -15.6);
    wing.lineTo(26, -14.2);
    wing.closeSubpath();
    QLinearGradient wingShade(0, -19, 0, -14);
    wingShade.setColorAt(0.0, QColor(0xff, 0xe8, 0xc8));
    wingShade.setColorAt(1.0, QColor(0x8a, 0x66, 0x84));
    p.setPen(thin);
    p.setBrush(wingShade);
    p.drawPath(wing);
    p.setPen(QPen(strut, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, -15.5), QPointF(30, 6.5));

    // Horizontal tail plane, seen edge on.
    QPainterPath tailplane;
    tailplane.moveTo(80, -5.8);
    tailplane.cubicTo(84, -7.8, 96, -7.6, 104, -6.6);
    tailplane.lineTo(104, -5.4);
    tailplane.lineTo(82, -4.6);
    tailplane.closeSubpath();
    p.setPen(thin);
    p.setBrush(wingShade);
    p.drawPath(tailplane);

    // Near float with its N struts.
    p.setPen(QPen(strut, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 19.2), QPointF(15, 7));
    p.drawLine(QPointF(41, 19.8), QPointF(40, 7));
    p.drawLine(QPointF(15, 7), QPointF(41, 19.8));
    p.setPen(thin);
    p.setBrush(floatShade);
    p.drawPath(floatPath);
    p.setPen(QPen(QColor(0xff, 0xe0, 0xc0, 150), 0.6));
    p.drawLine(QPointF(10, 20.0), QPointF(68, 20.8));

    // Spinner and the spinning propeller, a translucent disc seen nearly edge on.
    p.setPen(thin);
    p.setBrush(QColor(0xb8, 0x32, 0x3a));
    QPainterPath spinner;
    spinner.moveTo(5.2, -3.5);
    spinner.cubicTo(1.5, -3, 0.5, -1, 0.5, -0.5);
    spinner.cubicTo(0.5, 0, 1.5, 2, 5.2, 2.5);
    spinner.closeSubpath();
    p.drawPath(spinner);
    QRadialGradient disc(QPointF(3, -0.5), 16);
    disc.setColorAt(0.0, QColor(255, 240, 220, 40));
    disc.setColorAt(0.85, QColor(255, 230, 200, 90));
    disc.setColorAt(1.0, QColor(255, 230, 200, 20));
    p.setPen(QPen(QColor(255, 235, 210, 120), 0.5));
    p.setBrush(disc);
    p.drawEllipse(QPointF(3, -0.5), 2.6, 15);

    // A warm rim along the top edges, where the sun behind catches the paint.
    p.setPen(QPen(QColor(0xff, 0xd8, 0x90, 170), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(50, -14.1), QPointF(29, -14.1));
    QPainterPath spine;
    spine.moveTo(50, -13.9);
    spine.cubicTo(66, -10.9, 82, -7.9, 99, -6.4);
    p.drawPath(spine);
}

void placeAircraft(QPainter& p) {
    // Close to the camera and a little nose up, climbing away just after take-off.
    p.translate(62, 80);
    p.rotate(4);
    p.scale(1.05, 1.05);
}

void drawReflection(QPainter& p) {
    // The aircraft mirrored in the water below it, broken into wavy lines and faint.
    QImage mirror(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    mirror.fill(Qt::transparent);
    {
        QPainter m(&mirror);
        m.setRenderHint(QPainter::Antialiasing);
        constexpr double kSurface = 117.0;  // where the water lies beneath the aircraft
        m.translate(0, 2 * kSurface);
        m.scale(1, -1);
        placeAircraft(m);
        drawAircraft(m);
    }
    QImage broken(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    broken.fill(Qt::transparent);
    for (int y = static_cast<int>(kHorizon); y < kHeight; ++y) {
        if (y % 3 == 2) {
            continue;  // gaps between the wavelets
        }
        const int shift = static_cast<int>(std::lround(1.6 * std::sin(y * 0.9)));
        const auto* from = reinterpret_cast<const QRgb*>(mirror.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(broken.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int source = x - shift;
            if (source >= 0 && source < kWidth) {
                to[x] = from[source];
            }
        }
    }
    p.save();
    p.setOpacity(0.35);
    p.drawImage(0, 0, broken);
    p.restore();
}

void drawBirds(QPainter& p) {
    p.setPen(QPen(QColor(0x2a, 0x1a, 0x3a, 200), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF birds[] = {{176, 34}, {186, 39}, {168, 41}};
    for (const QPointF& b : birds) {
        QPainterPath path;
        path.moveTo(b + QPointF(-3, -1));
        path.quadTo(b + QPointF(-1.5, -2), b);
        path.quadTo(b + QPointF(1.5, -2), b + QPointF(3, -1));
        p.drawPath(path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawSky(p);
        drawClouds(p);
        drawSun(p);
        drawShore(p);
        drawWater(p);
        drawBirds(p);
        drawReflection(p);
        placeAircraft(p);
        drawAircraft(p);
    }
    if (!image.convertToFormat(QImage::Format_RGB32).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
