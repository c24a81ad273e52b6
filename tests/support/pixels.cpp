#include "support/pixels.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QWidget>

namespace {
// The writing area of a box: the line of a drop-down's edit box, the viewport of a scrolled box.
QWidget *writingArea(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        return combo->lineEdit();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}

bool covered(QWidget *window, QPoint spot)
{
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        if (child->isVisibleTo(window) && QRect(child->mapTo(window, QPoint()), child->size()).contains(spot))
            return true;
    return false;
}

QColor bareSpotColour(QWidget *window)
{
    const QImage image = window->grab().toImage();
    for (int y = 4; y < window->height() - 4; y += 4)
        for (int x = 4; x < window->width() - 4; x += 4)
            if (!covered(window, QPoint(x, y)))
                return image.pixelColor(x, y);
    qFatal("no spot of %s without a control", qPrintable(window->objectName()));
}

QColor mostPaintedColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> counts;
    QRect inside = widget->rect();
    if (inside.width() > 12 && inside.height() > 12)
        inside.adjust(3, 3, -3, -3); // the frame aside
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    return QColor::fromRgb(most);
}
} // namespace

QColor paintedColour(QWidget *widget)
{
    return widget->isWindow() ? bareSpotColour(widget) : mostPaintedColour(writingArea(widget));
}

bool whiteish(const QColor &colour) { return colour.lightness() >= 220; }
