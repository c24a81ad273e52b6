#include "auxwindows/keyboardmappicture.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The kind of each key that is not a letter or a sign showing itself.
KeyCellKind kindOf(char key)
{
    switch (key) {
    case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '9':
    case '/': case '\\': case '=': case '+': case '<': case '[': case ']': case '8':
        return KeyCellKind::MarkNarrow;
    case ')': case '(': case '!': case '@': case '#': case '$': case '%': case '^': case '&':
    case '_': case '~': case '"': case '>': case '{': case '}':
        return KeyCellKind::MarkWide;
    case '|': case '?':
        return KeyCellKind::MarkBelow;
    case '7':
        return KeyCellKind::Space;
    default:
        return KeyCellKind::Letter;
    }
}

QList<KeyCell> row(const char *keys)
{
    QList<KeyCell> cells;
    for (const char *k = keys; *k; ++k)
        cells.append({*k, kindOf(*k)});
    return cells;
}

constexpr int Columns = 13;
constexpr int CapHeight = 26;

void drawCap(QPainter &p, const QRectF &r, char key)
{
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(250, 250, 252));
    shade.setColorAt(1, QColor(196, 200, 210));
    QPainterPath cap;
    cap.addRoundedRect(r.adjusted(2, 2, -2, -1), 4, 4);
    p.fillPath(cap, shade);
    p.setPen(QPen(QColor(120, 124, 136), 1));
    p.drawPath(cap);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 44, 60));
    p.drawText(r.adjusted(7, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString(QLatin1Char(key)));
}

void drawCell(QPainter &p, const QRectF &r, const KeyCell &cell, const QFont &greek)
{
    p.setPen(QPen(QColor(170, 170, 178), 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(2, 0, -2, -3));
    if (cell.kind == KeyCellKind::Space) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(QColor(90, 90, 100));
        p.drawText(r.adjusted(2, 0, -2, -3), Qt::AlignCenter, QStringLiteral("non-\nbreaking\nspace"));
        return;
    }
    p.setFont(greek);
    const QFontMetricsF fm(greek);
    const QString key(QLatin1Char(cell.key));
    const qreal baseline = r.top() + r.height() * 0.66;
    if (cell.kind == KeyCellKind::Letter) {
        if (!fm.inFont(QLatin1Char(cell.key)))
            return; // a key the font leaves empty stays an empty cell
        p.setPen(Qt::black);
        p.drawText(QPointF(r.center().x() - fm.horizontalAdvance(key) / 2, baseline), key);
        return;
    }
    // A mark sits over (or under) the letter typed before it: shown on a grey letter.
    const QString carrier = cell.kind == KeyCellKind::MarkNarrow ? QStringLiteral("i")
                            : cell.kind == KeyCellKind::MarkWide ? QStringLiteral("a")
                                                                 : QStringLiteral("w");
    const qreal left = r.center().x() - fm.horizontalAdvance(carrier) / 2;
    p.setPen(QColor(175, 175, 185));
    p.drawText(QPointF(left, baseline), carrier);
    p.setPen(QColor(150, 20, 20));
    p.drawText(QPointF(left + fm.horizontalAdvance(carrier), baseline), key);
}

} // namespace

QList<QList<KeyCell>> keyboardMapRows()
{
    return {row("`1234567890-="), row("~!@#$%^&*()_+"), row("qwertyuiop[]\\"), row("QWERTYUIOP{}|"),
            row("asdfghjkl;'"),   row("ASDFGHJKL:\""),  row("zxcvbnm,./"),    row("ZXCVBNM<>?")};
}

QImage drawKeyboardMap(const QString &fontFamily)
{
    QImage image(KeyboardMapWidth, KeyboardMapHeight, QImage::Format_RGB32);
    image.fill(QColor(232, 234, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont greek(fontFamily);
    greek.setPixelSize(30);
    const QList<QList<KeyCell>> rows = keyboardMapRows();
    const qreal colWidth = qreal(KeyboardMapWidth - 6) / Columns;
    const qreal bandHeight = qreal(KeyboardMapHeight - 6) / rows.size();
    // The rows are set off to the right as on a keyboard.
    static const qreal indent[] = {0, 0, 0, 0, 0.5, 0.5, 1, 1};
    for (int b = 0; b < rows.size(); ++b) {
        const qreal top = 3 + b * bandHeight;
        if (b % 2 == 0 && b > 0) {
            p.setPen(QPen(QColor(150, 154, 170), 1));
            p.drawLine(QPointF(3, top), QPointF(KeyboardMapWidth - 3, top));
        }
        const QList<KeyCell> &cells = rows[b];
        for (int i = 0; i < cells.size(); ++i) {
            const qreal x = 3 + (i + indent[b]) * colWidth;
            drawCap(p, QRectF(x, top + 2, colWidth, CapHeight), cells[i].key);
            drawCell(p, QRectF(x, top + 2 + CapHeight, colWidth, bandHeight - CapHeight - 2), cells[i], greek);
        }
    }
    return image;
}
