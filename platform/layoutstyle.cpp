#include "platform/layoutstyle.h"

#include <QWidget>

namespace {
void applyOne(QWidget *w)
{
    const QVariant px = w->property("pixelSize");
    if (px.isValid()) {
        QFont f = w->font();
        f.setPixelSize(px.toInt());
        w->setFont(f);
    }
    const QVariant colour = w->property("colour");
    if (colour.isValid())
        setBackgroundColour(w, StringToColor(colour.toString()));
    const QVariant text = w->property("fontColour");
    if (text.isValid())
        setTextColour(w, StringToColor(text.toString()));
}
} // namespace

void applyLayoutStyle(QWidget *root)
{
    applyOne(root);
    const auto children = root->findChildren<QWidget *>();
    for (QWidget *w : children)
        applyOne(w);
}

void setBackgroundColour(QWidget *widget, ColourValue colour)
{
    // A window's colour is its own background: the labels, buttons and plain panels on it take
    // it with the Window role, while the text boxes and lists keep their Base. A control given a
    // colour paints it as its background and, being a box, as its Base too.
    QPalette pal = widget->palette();
    const QColor c = toQColor(colour);
    pal.setColor(QPalette::Window, c);
    if (!widget->isWindow())
        pal.setColor(QPalette::Base, c);
    widget->setPalette(pal);
    widget->setProperty("colourValue", QVariant::fromValue(quint32(colour)));
    if (!widget->isWindow())
        widget->setAutoFillBackground(true);
}

ColourValue backgroundColour(const QWidget *widget)
{
    const QVariant v = widget->property("colourValue");
    return v.isValid() ? ColourValue(v.toUInt()) : fromQColor(widget->palette().color(QPalette::Window));
}

void setTextColour(QWidget *widget, ColourValue colour)
{
    // As with the background: a window's text colour reaches its labels, not its boxes' text.
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, toQColor(colour));
    if (!widget->isWindow())
        pal.setColor(QPalette::Text, toQColor(colour));
    widget->setPalette(pal);
}
