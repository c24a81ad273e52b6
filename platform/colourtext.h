#pragma once
// Colours as the program stores them: a 32-bit value, 0x00BBGGRR for an ordinary colour and
// 0xFF000000 plus an index for a colour of the desktop's scheme, written as an identifier
// ("clMoneyGreen") where one exists, else as "$" and eight capital hex digits.
#include <QColor>
#include <QString>

using ColourValue = quint32;

constexpr ColourValue clNone = 0x1FFFFFFF;
constexpr ColourValue clDefault = 0x20000000;

struct ColourIdent {
    const char *name;
    ColourValue value;
};

// The 52 identifiers in their fixed order.
extern const ColourIdent ColourIdentTable[52];

QString ColorToString(ColourValue colour);
// Throws AppError "'text' is not a valid integer value" when the text is not a colour.
ColourValue StringToColor(const QString &text);

// What a value looks like on this desktop (scheme colours through the application palette).
QColor toQColor(ColourValue colour);
// The stored value of a colour the picker returned (always an ordinary colour).
ColourValue fromQColor(const QColor &colour);
