#include "quotes/quotespicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {
constexpr int kWidth = 153;
constexpr int kHeight = 408;
constexpr qreal kCentre = kWidth / 2.0;

const QColor kOutline(0x6b, 0x62, 0x53);
const QColor kMarbleLight(0xfb, 0xf8, 0xf0);
const QColor kMarbleMid(0xe6, 0xe0, 0xd2);
const QColor kMarbleDark(0xbd, 0xb3, 0xa0);

// Marble lit from the upper left, across a horizontal span.
QLinearGradient marble(qreal left, qreal right)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, kMarbleDark);
    g.setColorAt(0.3, kMarbleLight);
    g.setColorAt(0.55, kMarbleMid);
    g.setColorAt(1.0, kMarbleDark);
    return g;
}

void drawShaft(QPainter &p, qreal top, qreal bottom)
{
    const qreal halfTop = 33, halfBottom = 39;
    QPainterPath shaft;
    shaft.moveTo(kCentre - halfTop, top);
    shaft.lineTo(kCentre + halfTop, top);
    shaft.lineTo(kCentre + halfBottom, bottom);
    shaft.lineTo(kCentre - halfBottom, bottom);
    shaft.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(marble(kCentre - halfBottom, kCentre + halfBottom));
    p.drawPath(shaft);
    // Flutes: shallow grooves, darker on their shaded side.
    const int flutes = 9;
    for (int i = 1; i < flutes; ++i) {
        const qreal t = qreal(i) / flutes;
        const qreal xTop = kCentre - halfTop + 2 * halfTop * t;
        const qreal xBottom = kCentre - halfBottom + 2 * halfBottom * t;
        p.setPen(QPen(QColor(0x9c, 0x92, 0x7f, 150), 1.1));
        p.drawLine(QPointF(xTop, top + 4), QPointF(xBottom, bottom - 4));
        p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
        p.drawLine(QPointF(xTop + 1.3, top + 4), QPointF(xBottom + 1.4, bottom - 4));
    }
    // Apophyge rings where the shaft meets capital and base.
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(marble(kCentre - halfTop - 3, kCentre + halfTop + 3));
    p.drawRoundedRect(QRectF(kCentre - halfTop - 3, top - 1, 2 * halfTop + 6, 5), 2, 2);
    p.setBrush(marble(kCentre - halfBottom - 3, kCentre + halfBottom + 3));
    p.drawRoundedRect(QRectF(kCentre - halfBottom - 3, bottom - 4, 2 * halfBottom + 6, 5), 2, 2);
}

// A volute: a spiral band rolled inwards to its eye.
void drawVolute(QPainter &p, QPointF eye, qreal radius, bool left)
{
    QPainterPath spiral;
    const int steps = 140;
    const qreal turns = 2.6;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal angle = -M_PI / 2 + t * turns * 2 * M_PI; // starts at the top
        const qreal r = radius * (1.0 - 0.82 * t);
        const qreal dx = r * qCos(angle) * (left ? -1 : 1);
        const QPointF pt(eye.x() + dx, eye.y() + r * qSin(angle));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    QRadialGradient g(eye - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    g.setColorAt(0, kMarbleLight);
    g.setColorAt(1, kMarbleMid);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(g);
    p.drawEllipse(eye, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spiral);
    p.setBrush(QColor(0x8a, 0x7f, 0x6b));
    p.setPen(Qt::NoPen);
    p.drawEllipse(eye, 2.2, 2.2);
}

void drawCapital(QPainter &p, qreal top)
{
    // Abacus: the thin slab the owl stands on.
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(marble(6, kWidth - 6));
    p.drawRect(QRectF(12, top, kWidth - 24, 8));
    // Cushion joining the volutes.
    p.setBrush(marble(18, kWidth - 18));
    p.drawRect(QRectF(18, top + 8, kWidth - 36, 11));
    // Echinus with egg-and-dart between the volutes.
    const QRectF echinus(kCentre - 40, top + 17, 80, 14);
    p.setBrush(marble(echinus.left(), echinus.right()));
    p.drawRoundedRect(echinus, 6, 6);
    p.setBrush(QColor(0xd3, 0xca, 0xb6));
    for (int i = 0; i < 5; ++i) {
        const qreal x = echinus.left() + 10 + i * 15;
        p.setPen(QPen(kOutline, 0.8));
        p.drawEllipse(QRectF(x - 4.5, echinus.top() + 2.5, 9, 10));
        if (i < 4) {
            p.setPen(QPen(kOutline, 0.9));
            p.drawLine(QPointF(x + 7.5, echinus.top() + 3), QPointF(x + 7.5, echinus.bottom() - 2));
        }
    }
    drawVolute(p, QPointF(24, top + 24), 15, true);
    drawVolute(p, QPointF(kWidth - 24, top + 24), 15, false);
}

void drawBase(QPainter &p, qreal top)
{
    p.setPen(QPen(kOutline, 1.0));
    // Upper torus, scotia, lower torus, plinth.
    p.setBrush(marble(kCentre - 46, kCentre + 46));
    p.drawRoundedRect(QRectF(kCentre - 46, top, 92, 9), 4.5, 4.5);
    p.setBrush(marble(kCentre - 42, kCentre + 42));
    p.drawRect(QRectF(kCentre - 42, top + 9, 84, 6));
    p.setBrush(marble(kCentre - 54, kCentre + 54));
    p.drawRoundedRect(QRectF(kCentre - 54, top + 15, 108, 11), 5.5, 5.5);
    p.setBrush(marble(kCentre - 60, kCentre + 60));
    p.drawRect(QRectF(kCentre - 60, top + 26, 120, 12));
}

void drawLeaf(QPainter &p, QPointF base, qreal angleDegrees, qreal length)
{
    p.save();
    p.translate(base);
    p.rotate(angleDegrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.2, length * 0.75, -length * 0.16, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.16, length * 0.3, length * 0.2, 0, 0);
    QLinearGradient g(0, -length * 0.2, 0, length * 0.2);
    g.setColorAt(0, QColor(0x8f, 0xa8, 0x6a));
    g.setColorAt(1, QColor(0x55, 0x6b, 0x3a));
    p.setPen(QPen(QColor(0x3f, 0x50, 0x2a), 0.7));
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(0xc4, 0xd1, 0xa6), 0.6));
    p.drawLine(QPointF(1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

// An olive sprig laid across the foot of the shaft.
void drawOliveSprig(QPainter &p)
{
    QPainterPath twig;
    twig.moveTo(24, 352);
    twig.cubicTo(52, 330, 90, 318, 132, 286);
    p.setPen(QPen(QColor(0x6e, 0x55, 0x3a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(twig);
    struct Leaf { qreal t; qreal angle; qreal length; };
    const Leaf leaves[] = {
        {0.10, -75, 19}, {0.18, 35, 20}, {0.30, -85, 21}, {0.40, 20, 21}, {0.52, -95, 20},
        {0.62, 5, 20},   {0.74, -105, 19}, {0.84, -10, 18}, {0.97, -40, 16},
    };
    for (const Leaf &l : leaves)
        drawLeaf(p, twig.pointAtPercent(l.t), l.angle, l.length);
    // Ripe olives.
    const QPointF olives[] = {twig.pointAtPercent(0.35) + QPointF(3, 7), twig.pointAtPercent(0.57) + QPointF(4, 8),
                              twig.pointAtPercent(0.79) + QPointF(4, 7)};
    for (const QPointF &o : olives) {
        QRadialGradient g(o - QPointF(1.5, 1.5), 5);
        g.setColorAt(0, QColor(0x7a, 0x5c, 0x8a));
        g.setColorAt(1, QColor(0x2e, 0x1f, 0x38));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(o, 3.6, 4.6);
    }
}

// The little owl of Athena standing on the abacus.
void drawOwl(QPainter &p, qreal feetY)
{
    const QColor feather(0x8b, 0x6f, 0x4e);
    const QColor featherDark(0x5e, 0x47, 0x30);
    const QColor breast(0xd9, 0xc7, 0xa4);
    const qreal cx = kCentre;
    // Tail and body.
    p.setPen(QPen(featherDark, 1.0));
    p.setBrush(featherDark);
    p.drawPolygon(QPolygonF({QPointF(cx - 7, feetY - 8), QPointF(cx + 7, feetY - 8), QPointF(cx + 4, feetY + 4),
                             QPointF(cx - 4, feetY + 4)}));
    QRadialGradient body(QPointF(cx - 6, feetY - 34), 30);
    body.setColorAt(0, QColor(0xa8, 0x8a, 0x63));
    body.setColorAt(1, feather);
    p.setBrush(body);
    p.drawEllipse(QRectF(cx - 20, feetY - 50, 40, 48));
    // Pale breast with streaks.
    p.setBrush(breast);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(cx - 12, feetY - 38, 24, 33));
    p.setPen(QPen(QColor(0x8b, 0x6f, 0x4e), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 4; ++row)
        for (int col = -1; col <= 1; ++col) {
            const qreal x = cx + col * 6 + (row % 2 ? 3 : 0) - 1.5;
            const qreal y = feetY - 32 + row * 7;
            if (qAbs(x - cx) < 10)
                p.drawLine(QPointF(x, y), QPointF(x + 0.6, y + 3));
        }
    // Wings folded at the sides, with white spots.
    p.setPen(QPen(featherDark, 1.0));
    p.setBrush(feather.darker(110));
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(cx + side * 12, feetY - 40);
        wing.cubicTo(cx + side * 25, feetY - 32, cx + side * 22, feetY - 10, cx + side * 12, feetY - 4);
        wing.cubicTo(cx + side * 15, feetY - 18, cx + side * 14, feetY - 30, cx + side * 12, feetY - 40);
        p.drawPath(wing);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf3, 0xea, 0xd8));
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(cx + side * (17 - i), feetY - 31 + i * 8), 1.3, 1.3);
    // Head: round, spotted, with the wide yellow eyes.
    const QPointF head(cx, feetY - 58);
    QRadialGradient hg(head - QPointF(6, 6), 24);
    hg.setColorAt(0, QColor(0xa8, 0x8a, 0x63));
    hg.setColorAt(1, feather);
    p.setPen(QPen(featherDark, 1.0));
    p.setBrush(hg);
    p.drawEllipse(head, 17, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf3, 0xea, 0xd8));
    for (qreal a : {-2.5, -2.0, -1.5, -1.1, -0.6})
        p.drawEllipse(head + QPointF(13 * qCos(a), 11 * qSin(a)), 1.1, 1.1);
    // Facial disc and white brows.
    p.setBrush(breast);
    p.drawEllipse(QRectF(head.x() - 14, head.y() - 7, 28, 17));
    p.setPen(QPen(QColor(0xf7, 0xf1, 0xe4), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 14, head.y() - 8, 13, 10), 20 * 16, 140 * 16);
    p.drawArc(QRectF(head.x() + 1, head.y() - 8, 13, 10), 20 * 16, 140 * 16);
    for (int side : {-1, 1}) {
        const QPointF eye(head.x() + side * 7, head.y() + 1);
        p.setPen(QPen(featherDark, 0.8));
        p.setBrush(QColor(0xf2, 0xc2, 0x2e));
        p.drawEllipse(eye, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(eye, 2.6, 2.6);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-1, -1), 0.9, 0.9);
    }
    // Beak.
    p.setBrush(QColor(0xc9, 0xb3, 0x6e));
    p.setPen(QPen(featherDark, 0.6));
    p.drawPolygon(QPolygonF({QPointF(head.x() - 2.5, head.y() + 4), QPointF(head.x() + 2.5, head.y() + 4),
                             QPointF(head.x(), head.y() + 10)}));
    // Feet gripping the abacus.
    p.setPen(QPen(QColor(0x9a, 0x86, 0x5c), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int toe = -1; toe <= 1; ++toe)
            p.drawLine(QPointF(cx + side * 6, feetY - 3), QPointF(cx + side * 6 + toe * 2.5, feetY + 1));
}
} // namespace

QPixmap quotesPicture(qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(kWidth, kHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal capitalTop = 84;
    drawShaft(p, capitalTop + 30, 368);
    drawCapital(p, capitalTop);
    drawBase(p, 366);
    drawOliveSprig(p);
    drawOwl(p, capitalTop);
    p.end();
    return pixmap;
}
