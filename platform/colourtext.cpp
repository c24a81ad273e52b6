#include "platform/colourtext.h"

#include "store/apperror.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
constexpr ColourValue sys(int index) { return 0xFF000000u + ColourValue(index); }
} // namespace

const ColourIdent ColourIdentTable[52] = {
    {"clBlack", 0x00000000},   {"clMaroon", 0x00000080},     {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},   {"clNavy", 0x00800000},       {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},    {"clGray", 0x00808080},       {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},     {"clLime", 0x0000FF00},       {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},    {"clFuchsia", 0x00FF00FF},    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},   {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},   {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", sys(10)}, {"clActiveCaption", sys(2)}, {"clAppWorkSpace", sys(12)},
    {"clBackground", sys(1)},    {"clBtnFace", sys(15)},      {"clBtnHighlight", sys(20)},
    {"clBtnShadow", sys(16)},    {"clBtnText", sys(18)},      {"clCaptionText", sys(9)},
    {"clDefault", clDefault},    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)}, {"clGrayText", sys(17)}, {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)}, {"clHotLight", sys(26)},    {"clInactiveBorder", sys(11)},
    {"clInactiveCaption", sys(3)}, {"clInactiveCaptionText", sys(19)}, {"clInfoBk", sys(24)},
    {"clInfoText", sys(23)},     {"clMenu", sys(4)},          {"clMenuBar", sys(30)},
    {"clMenuHighlight", sys(29)}, {"clMenuText", sys(7)},     {"clNone", clNone},
    {"clScrollBar", sys(0)},     {"cl3DDkShadow", sys(21)},   {"cl3DLight", sys(22)},
    {"clWindow", sys(5)},        {"clWindowFrame", sys(6)},   {"clWindowText", sys(8)},
};

QString ColorToString(ColourValue colour)
{
    for (const ColourIdent &c : ColourIdentTable)
        if (c.value == colour)
            return QString::fromLatin1(c.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

ColourValue StringToColor(const QString &text)
{
    for (const ColourIdent &c : ColourIdentTable)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    const QString t = text.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || t != text || v < INT32_MIN || v > UINT32_MAX)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return ColourValue(quint32(v));
}

QColor toQColor(ColourValue colour)
{
    if ((colour & 0xFF000000u) == 0xFF000000u) {
        const QPalette pal = QGuiApplication::palette();
        switch (colour & 0xFFu) {
        case 1: case 12: return pal.color(QPalette::Dark);
        case 2: case 13: case 26: case 27: case 29: return pal.color(QPalette::Highlight);
        case 5: return pal.color(QPalette::Base);
        case 6: case 21: return pal.color(QPalette::Shadow);
        case 7: case 8: case 18: return pal.color(QPalette::Text);
        case 9: case 14: return pal.color(QPalette::HighlightedText);
        case 16: return pal.color(QPalette::Mid);
        case 17: return pal.color(QPalette::Disabled, QPalette::Text);
        case 20: return pal.color(QPalette::Light);
        case 22: return pal.color(QPalette::Midlight);
        case 23: return pal.color(QPalette::ToolTipText);
        case 24: return pal.color(QPalette::ToolTipBase);
        default: return pal.color(QPalette::Button);
        }
    }
    if (colour == clNone || colour == clDefault)
        return QGuiApplication::palette().color(QPalette::Window);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColourValue fromQColor(const QColor &colour)
{
    return ColourValue(colour.red()) | (ColourValue(colour.green()) << 8) | (ColourValue(colour.blue()) << 16);
}
