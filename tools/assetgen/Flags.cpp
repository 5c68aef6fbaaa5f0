#include "tools/assetgen/Flags.h"

#include <cmath>
#include <functional>
#include <numbers>

#include <QPainter>
#include <QPainterPath>

#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

// Field inside the frame: 14 x 9 pixels.
constexpr double kW = 14, kH = 9;
constexpr int kFlagScale = 8;

using Draw = std::function<void(QPainter&)>;

void HBands(QPainter& p, std::initializer_list<std::pair<double, QColor>> bands) {
    double y = 0;
    for (const auto& [height, colour] : bands) {
        p.fillRect(QRectF(0, y, kW, height), colour);
        y += height;
    }
}

void VBands(QPainter& p, std::initializer_list<std::pair<double, QColor>> bands) {
    double x = 0;
    for (const auto& [width, colour] : bands) {
        p.fillRect(QRectF(x, 0, width, kH), colour);
        x += width;
    }
}

QPainterPath Star(QPointF centre, double outer) {
    QPainterPath star;
    const double inner = outer * 0.382;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

QImage Framed(const Draw& draw) {
    QImage layer = MakeLayer(16, 11, kFlagScale);
    QPainter p;
    BeginOnLayer(p, layer, kFlagScale);
    p.setPen(Qt::NoPen);
    p.translate(1, 1);
    p.setClipRect(QRectF(0, 0, kW, kH));
    draw(p);
    p.end();
    QImage out = Flatten(Downsample(layer, kFlagScale), qRgb(255, 255, 255));
    for (int x = 0; x < 16; ++x) {
        out.setPixel(x, 0, qRgb(0, 0, 0));
        out.setPixel(x, 10, qRgb(0, 0, 0));
    }
    for (int y = 0; y < 11; ++y) {
        out.setPixel(0, y, qRgb(0, 0, 0));
        out.setPixel(15, y, qRgb(0, 0, 0));
    }
    return out;
}

// Saturated colours read best at this size; each is the flag's usual shade.
const QColor kBlack(0, 0, 0), kWhite(255, 255, 255);
const QColor kGermanRed(221, 0, 0), kGermanGold(255, 206, 0);
const QColor kAustrianRed(200, 16, 46);
const QColor kBelgianYellow(253, 218, 36), kBelgianRed(239, 51, 64);
const QColor kSpanishRed(198, 11, 30), kSpanishYellow(255, 196, 0);
const QColor kFinnishBlue(0, 47, 108);
const QColor kFrenchBlue(0, 35, 149), kFrenchRed(237, 41, 57);
const QColor kIrishGreen(22, 155, 98), kIrishOrange(255, 136, 62);
const QColor kItalianGreen(0, 146, 70), kItalianRed(206, 43, 55);
const QColor kLuxRed(237, 41, 57), kLuxBlue(0, 161, 222);
const QColor kDutchRed(174, 28, 40), kDutchBlue(33, 70, 139);
const QColor kPortGreen(0, 102, 0), kPortRed(255, 0, 0), kPortYellow(255, 229, 0);
const QColor kEuBlue(0, 51, 153), kEuYellow(255, 204, 0);
const QColor kUsRed(178, 34, 52), kUsBlue(20, 40, 110);
const QColor kUkBlue(1, 33, 105), kUkRed(200, 16, 46);
const QColor kJapanRed(188, 0, 45);

void UnionFlag(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), kUkBlue);
    QPen white(kWhite, 2.2), red(kUkRed, 1.0);
    // Saltires: white, then the red one offset as on the real flag.
    p.setPen(white);
    p.drawLine(QPointF(0, 0), QPointF(kW, kH));
    p.drawLine(QPointF(kW, 0), QPointF(0, kH));
    p.setPen(red);
    p.drawLine(QPointF(0, 0.35), QPointF(kW / 2, kH / 2 + 0.35));
    p.drawLine(QPointF(kW / 2, kH / 2 - 0.35), QPointF(kW, kH - 0.35));
    p.drawLine(QPointF(kW, 0.35), QPointF(kW / 2 + 0.2, kH / 2 - 0.1));
    p.drawLine(QPointF(kW / 2 - 0.2, kH / 2 + 0.1), QPointF(0, kH - 0.35));
    p.setPen(Qt::NoPen);
    // The St George's cross on its white border, pixel-aligned so it stays crisp.
    p.fillRect(QRectF(5, 0, 4, kH), kWhite);
    p.fillRect(QRectF(0, 3, kW, 3), kWhite);
    p.fillRect(QRectF(6, 0, 2, kH), kUkRed);
    p.fillRect(QRectF(0, 4, kW, 1), kUkRed);
}

void UnitedStates(QPainter& p) {
    for (int i = 0; i < 9; ++i) p.fillRect(QRectF(0, i, kW, 1), i % 2 == 0 ? kUsRed : kWhite);
    p.fillRect(QRectF(0, 0, 6, 5), kUsBlue);
    // The stars as single white pixels, staggered as on the canton.
    for (const QPoint star : {QPoint(1, 1), QPoint(3, 1), QPoint(2, 2), QPoint(4, 2), QPoint(1, 3), QPoint(3, 3)})
        p.fillRect(QRectF(star, QSizeF(1, 1)), kWhite);
}

void Portugal(QPainter& p) {
    VBands(p, {{5.6, kPortGreen}, {8.4, kPortRed}});
    // The armillary sphere and the shield on the border of the two fields.
    p.setBrush(kPortYellow);
    p.drawEllipse(QPointF(5.6, 4.5), 2.3, 2.3);
    p.setBrush(kPortRed);
    p.drawRoundedRect(QRectF(4.6, 3.3, 2.0, 2.5), 0.6, 0.6);
    p.setBrush(kWhite);
    p.drawRect(QRectF(5.1, 3.9, 1.0, 1.3));
}

void Spain(QPainter& p) {
    HBands(p, {{2, kSpanishRed}, {5, kSpanishYellow}, {2, kSpanishRed}});
    // The arms, toward the hoist: a small red and gold shield.
    p.setBrush(QColor(173, 21, 25));
    p.drawRoundedRect(QRectF(3.1, 3.0, 2.2, 3.0), 0.5, 0.5);
    p.setBrush(QColor(200, 150, 40));
    p.drawRect(QRectF(3.6, 3.5, 1.2, 1.1));
}

}  // namespace

QPainterPath EuropeanStars(double centreX, double centreY, double height) {
    QPainterPath stars;
    const double ring = height / 3, outer = height / 18;
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        stars.addPath(Star(QPointF(centreX + ring * std::sin(a), centreY - ring * std::cos(a)), outer));
    }
    stars.setFillRule(Qt::WindingFill);
    return stars;
}

std::vector<Flag> AllFlags() {
    const double third = kH / 3;
    std::vector<Flag> flags;
    auto add = [&](const char* code, const char* country, const Draw& draw) {
        flags.push_back({code, country, Framed(draw)});
    };
    add("DEM", "Germany", [&](QPainter& p) { HBands(p, {{3, kBlack}, {3, kGermanRed}, {3, kGermanGold}}); });
    add("ATS", "Austria", [&](QPainter& p) { HBands(p, {{3, kAustrianRed}, {3, kWhite}, {3, kAustrianRed}}); });
    add("BEF", "Belgium", [&](QPainter& p) { VBands(p, {{5, kBlack}, {4, kBelgianYellow}, {5, kBelgianRed}}); });
    add("ESP", "Spain", Spain);
    add("FIM", "Finland", [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, kW, kH), kWhite);
        p.fillRect(QRectF(0, 3, kW, 3), kFinnishBlue);
        p.fillRect(QRectF(4, 0, 3, kH), kFinnishBlue);
    });
    add("FRF", "France", [&](QPainter& p) { VBands(p, {{5, kFrenchBlue}, {4, kWhite}, {5, kFrenchRed}}); });
    add("IEP", "Ireland", [&](QPainter& p) { VBands(p, {{5, kIrishGreen}, {4, kWhite}, {5, kIrishOrange}}); });
    add("ITL", "Italy", [&](QPainter& p) { VBands(p, {{5, kItalianGreen}, {4, kWhite}, {5, kItalianRed}}); });
    add("LUF", "Luxembourg", [&](QPainter& p) { HBands(p, {{third, kLuxRed}, {third, kWhite}, {third, kLuxBlue}}); });
    add("NLG", "Netherlands", [&](QPainter& p) { HBands(p, {{third, kDutchRed}, {third, kWhite}, {third, kDutchBlue}}); });
    add("PTE", "Portugal", Portugal);
    add("EUR", "European Union", [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, kW, kH), kEuBlue);
        // At this size each star is one pixel of the ring, the twelve placed
        // at the nearest pixels to their true places, with blue between them.
        for (const QPoint star : {QPoint(7, 1), QPoint(9, 1), QPoint(10, 2), QPoint(10, 4), QPoint(10, 6), QPoint(9, 7),
                                  QPoint(7, 7), QPoint(5, 7), QPoint(4, 6), QPoint(4, 4), QPoint(4, 2), QPoint(5, 1)})
            p.fillRect(QRectF(star, QSizeF(1, 1)), kEuYellow);
    });
    add("USD", "United States", UnitedStates);
    add("GBP", "United Kingdom", UnionFlag);
    add("JPY", "Japan", [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, kW, kH), kWhite);
        p.setBrush(kJapanRed);
        p.drawEllipse(QPointF(kW / 2, kH / 2), kH * 0.3, kH * 0.3);
    });
    return flags;
}

}  // namespace tresilva
