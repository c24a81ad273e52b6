#pragma once
// Reading and changing the character format of the notes box's selection. A change is made to
// every run of the selection on its own, so that what it does not touch (the Greek font of one
// run, the colour of another) stays; without a selection the format of the insertion point
// changes, which is what is typed next.
#include <QColor>
#include <QString>
#include <optional>

class QTextEdit;

// The character format of a selection as the format bar reads and sets it.
struct NotesCharStyle {
    QString family;
    int points = 0;
    std::optional<QColor> colour; // none: the window text colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

enum class StyleFlag { Bold, Italic, Underline };
constexpr int MinNotesPoints = 8;
constexpr int MaxNotesPoints = 24;

// The format of the selection: that of its first character, or of the insertion point.
NotesCharStyle selectionStyle(const QTextEdit *box);
// The colour shown for a style (the window text colour when it has none of its own).
QColor shownColour(const QTextEdit *box, const NotesCharStyle &style);
void applyStyle(QTextEdit *box, const NotesCharStyle &style);
// The first character's style, toggled, becomes the style of the whole selection; a struck-out
// selection keeps its style.
void toggleStyle(QTextEdit *box, StyleFlag flag);
// The colour, or back to the window text colour when the selection shows it already.
void toggleColour(QTextEdit *box, const QColor &colour);
void setSelectionFamily(QTextEdit *box, const QString &family);
void setSelectionPoints(QTextEdit *box, int points);
