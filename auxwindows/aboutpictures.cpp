#include "auxwindows/aboutpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QImage drawOwlCoin(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(236, 233, 224));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    // The coin: worn silver, a little off round as struck coins are.
    QRadialGradient silver(QPointF(40, 35), 70);
    silver.setColorAt(0, QColor(238, 238, 240));
    silver.setColorAt(0.6, QColor(184, 186, 192));
    silver.setColorAt(1, QColor(120, 122, 130));
    p.setPen(QPen(QColor(96, 98, 106), 1.2));
    p.setBrush(silver);
    p.drawEllipse(QRectF(5, 6, 90, 88));
    const QColor relief(86, 88, 98);
    const QColor light(222, 223, 228);
    // Body.
    p.setBrush(QColor(160, 162, 170));
    p.setPen(QPen(relief, 1.4));
    QPainterPath body;
    body.moveTo(36, 48);
    body.cubicTo(26, 62, 30, 80, 46, 84);
    body.cubicTo(56, 86, 66, 78, 66, 64);
    body.cubicTo(66, 54, 62, 48, 58, 46);
    body.closeSubpath();
    p.drawPath(body);
    // Feathers of the breast.
    p.setPen(QPen(relief, 0.9));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3 - (r == 3); ++c)
            p.drawArc(QRectF(38 + c * 7 + (r % 2) * 3.5, 56 + r * 6, 7, 6), 200 * 16, 140 * 16);
    // Wing.
    p.setBrush(QColor(140, 142, 152));
    p.setPen(QPen(relief, 1.1));
    QPainterPath wing;
    wing.moveTo(58, 52);
    wing.cubicTo(70, 58, 70, 76, 62, 86);
    wing.cubicTo(60, 74, 58, 64, 54, 58);
    wing.closeSubpath();
    p.drawPath(wing);
    // Head, facing out of the coin, with the two ears.
    p.setBrush(QColor(170, 172, 180));
    p.setPen(QPen(relief, 1.4));
    QPainterPath head;
    head.moveTo(30, 26);
    head.lineTo(36, 33);
    head.cubicTo(42, 30, 52, 30, 58, 33);
    head.lineTo(64, 26);
    head.cubicTo(68, 36, 66, 48, 58, 52);
    head.cubicTo(52, 55, 42, 55, 36, 52);
    head.cubicTo(28, 48, 26, 36, 30, 26);
    p.drawPath(head);
    // The great eyes.
    for (qreal x : {40.0, 54.0}) {
        p.setBrush(light);
        p.setPen(QPen(relief, 1.2));
        p.drawEllipse(QPointF(x, 41), 6, 6);
        p.setBrush(QColor(40, 40, 48));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x + 0.5, 41.5), 2.6, 2.6);
    }
    // Beak.
    p.setBrush(QColor(110, 100, 80));
    QPainterPath beak;
    beak.moveTo(45.5, 45);
    beak.lineTo(48.5, 45);
    beak.lineTo(47, 50);
    beak.closeSubpath();
    p.drawPath(beak);
    // Olive sprig and crescent behind the owl, as on the coin.
    p.setPen(QPen(QColor(90, 110, 70), 1.2));
    p.drawLine(QPointF(14, 36), QPointF(28, 26));
    p.setBrush(QColor(120, 140, 90));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(16 + i * 4.5, 33.5 - i * 3.2), 3.2, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 132, 140));
    QPainterPath moon;
    moon.addEllipse(QPointF(20, 22), 5, 5);
    QPainterPath bite;
    bite.addEllipse(QPointF(22.5, 20.5), 4.4, 4.4);
    p.drawPath(moon.subtracted(bite));
    // The city's name down the right.
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(relief);
    const QString name = QString::fromUtf8("ΑΘΕ");
    for (int i = 0; i < name.size(); ++i)
        p.drawText(QRectF(72, 34 + i * 12, 14, 12), Qt::AlignCenter, name.mid(i, 1));
    return image;
}

QImage drawTempleLandscape(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.scale(w / 500.0, h / 136.0);
    // Evening sky.
    QLinearGradient sky(0, 0, 0, 96);
    sky.setColorAt(0, QColor(54, 74, 130));
    sky.setColorAt(0.55, QColor(236, 150, 92));
    sky.setColorAt(1, QColor(252, 214, 140));
    p.fillRect(QRectF(0, 0, 500, 96), sky);
    // The setting sun and its road on the water.
    QRadialGradient glow(QPointF(120, 92), 46);
    glow.setColorAt(0, QColor(255, 244, 200, 230));
    glow.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(120, 92), 46, 46);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(120, 92), 13, 13);
    QLinearGradient sea(0, 92, 0, 136);
    sea.setColorAt(0, QColor(70, 92, 140));
    sea.setColorAt(1, QColor(28, 42, 84));
    p.fillRect(QRectF(0, 92, 500, 44), sea);
    p.setPen(QPen(QColor(255, 226, 160, 200), 1.2));
    for (int i = 0; i < 9; ++i) {
        const qreal y = 96 + i * 4.5, half = 14 - i * 1.2;
        p.drawLine(QPointF(120 - half, y), QPointF(120 + half, y));
    }
    // Distant islands.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 96, 120, 180));
    QPainterPath islands;
    islands.moveTo(0, 93);
    islands.cubicTo(20, 84, 46, 84, 70, 93);
    islands.moveTo(170, 93);
    islands.cubicTo(190, 87, 214, 86, 236, 93);
    p.drawPath(islands);
    // The headland.
    p.setBrush(QColor(62, 48, 52));
    QPainterPath cape;
    cape.moveTo(250, 136);
    cape.cubicTo(280, 104, 300, 82, 340, 76);
    cape.lineTo(470, 74);
    cape.cubicTo(486, 80, 494, 96, 500, 100);
    cape.lineTo(500, 136);
    cape.closeSubpath();
    p.drawPath(cape);
    // The temple, lit from the west: steps, columns, architrave and what is left of the pediment.
    const QColor marble(250, 226, 196), shade(200, 160, 140);
    p.setBrush(marble);
    p.drawRect(QRectF(330, 70, 136, 4));
    p.drawRect(QRectF(334, 67, 128, 3));
    for (int i = 0; i < 9; ++i) {
        const qreal x = 338 + i * 15;
        if (i == 6)
            continue; // a fallen column
        const qreal top = i == 7 ? 46 : 32;
        QLinearGradient col(x, 0, x + 7, 0);
        col.setColorAt(0, marble);
        col.setColorAt(1, shade);
        p.setBrush(col);
        p.drawRect(QRectF(x, top, 7, 67 - top));
        p.setBrush(marble);
        p.drawRect(QRectF(x - 1.5, top - 2, 10, 2.5));
    }
    p.setBrush(marble);
    p.drawRect(QRectF(334, 25, 100, 5));
    p.setBrush(shade);
    p.drawRect(QRectF(334, 30, 100, 2));
    return image;
}
