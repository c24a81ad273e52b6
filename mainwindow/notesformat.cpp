// Reading and changing the character format of the notes box's selection.
#include "mainwindow/notesformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

namespace {

// Changes the format of every run of the selection on its own, so that what the change does not
// touch (the Greek font of one run, the colour of another) stays as it was. Without a selection
// the format of the insertion point changes, which is what is typed next.
void editFormat(QTextEdit *box, const std::function<void(QTextCharFormat &)> &edit)
{
    QTextCursor selection = box->textCursor();
    if (!selection.hasSelection()) {
        QTextCharFormat f = box->currentCharFormat();
        edit(f);
        box->setCurrentCharFormat(f);
        return;
    }
    QTextDocument *doc = box->document();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    struct Run {
        int from, to;
        QTextCharFormat format;
    };
    QList<Run> runs;
    for (QTextBlock b = doc->findBlock(start); b.isValid() && b.position() <= end; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            const int from = qMax(piece.position(), start);
            const int to = qMin(piece.position() + piece.length(), end);
            if (from < to)
                runs.append({from, to, piece.charFormat()});
        }
    }
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (Run &run : runs) {
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        edit(run.format);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

void setFamily(QTextCharFormat &f, const QString &family)
{
    f.clearProperty(QTextFormat::FontFamily);
    f.setFontFamilies(QStringList{family});
}

int pointsOfFont(const QFont &font)
{
    return qRound(font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75);
}

} // namespace

NotesCharStyle selectionStyle(const QTextEdit *box)
{
    const QTextCursor selection = box->textCursor();
    QTextCharFormat f;
    if (selection.hasSelection()) {
        // The format of the first character: the one before the position just after it.
        QTextCursor first(box->document());
        first.setPosition(selection.selectionStart() + 1);
        f = first.charFormat();
    } else {
        f = box->currentCharFormat();
    }
    const QFont def = box->document()->defaultFont();
    NotesCharStyle style;
    const QStringList families = f.fontFamilies().toStringList();
    style.family = !families.isEmpty() ? families.first()
                   : f.hasProperty(QTextFormat::FontFamily) ? f.stringProperty(QTextFormat::FontFamily)
                                                            : def.family();
    const double points = f.fontPointSize();
    style.points = points > 0 ? qRound(points) : pointsOfFont(def);
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        style.colour = f.foreground().color();
    style.bold = f.fontWeight() >= QFont::Bold;
    style.italic = f.fontItalic();
    style.underline = f.fontUnderline();
    style.strike = f.fontStrikeOut();
    return style;
}

QColor shownColour(const QTextEdit *box, const NotesCharStyle &style)
{
    return style.colour.value_or(box->palette().color(QPalette::Text));
}

void applyStyle(QTextEdit *box, const NotesCharStyle &style)
{
    editFormat(box, [&](QTextCharFormat &f) {
        setFamily(f, style.family);
        f.setFontPointSize(style.points);
        if (style.colour)
            f.setForeground(*style.colour);
        else
            f.clearForeground();
        f.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(style.italic);
        f.setFontUnderline(style.underline);
        f.setFontStrikeOut(style.strike);
    });
}

void toggleStyle(QTextEdit *box, StyleFlag flag)
{
    NotesCharStyle style = selectionStyle(box);
    if (style.strike)
        return; // a struck-out selection keeps its style
    switch (flag) {
    case StyleFlag::Bold: style.bold = !style.bold; break;
    case StyleFlag::Italic: style.italic = !style.italic; break;
    case StyleFlag::Underline: style.underline = !style.underline; break;
    }
    // The first character's style, toggled, becomes the style of the whole selection.
    editFormat(box, [&](QTextCharFormat &f) {
        f.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(style.italic);
        f.setFontUnderline(style.underline);
    });
}

void toggleColour(QTextEdit *box, const QColor &colour)
{
    const bool same = shownColour(box, selectionStyle(box)) == colour;
    editFormat(box, [&](QTextCharFormat &f) {
        // Back to the window text colour: the text has no colour of its own (RTF's automatic).
        if (same)
            f.clearForeground();
        else
            f.setForeground(colour);
    });
}

void setSelectionFamily(QTextEdit *box, const QString &family)
{
    editFormat(box, [&](QTextCharFormat &f) { setFamily(f, family); });
}

void setSelectionPoints(QTextEdit *box, int points)
{
    editFormat(box, [&](QTextCharFormat &f) { f.setFontPointSize(points); });
}
