#include "platform/panellabel.h"

PanelLabel::PanelLabel(QWidget *parent) : ClickLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}
