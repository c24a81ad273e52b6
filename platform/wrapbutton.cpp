#include "platform/wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}
