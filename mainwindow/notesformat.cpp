// The format bar of the notes box: reading the selection's format, the style and colour toggles,
// the size steps, the font list and the format painter.
#include "mainwindow/noteseditor.h"

#include "mainwindow/itemarea.h"
#include "mainwindow/maincontext.h"
#include "platform/colourtext.h"
#include "platform/layoutstyle.h"
#include "ui_tform1.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
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

NotesCharStyle NotesEditor::selectionStyle() const
{
    QTextEdit *box = c.ui->RedTranslation;
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

QColor NotesEditor::shownColour(const NotesCharStyle &style) const
{
    return style.colour.value_or(c.ui->RedTranslation->palette().color(QPalette::Text));
}

void NotesEditor::applyStyle(const NotesCharStyle &style)
{
    editFormat(c.ui->RedTranslation, [&](QTextCharFormat &f) {
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

void NotesEditor::ToggleStyle(StyleFlag flag)
{
    NotesCharStyle style = selectionStyle();
    if (style.strike)
        return; // a struck-out selection keeps its style
    switch (flag) {
    case StyleFlag::Bold: style.bold = !style.bold; break;
    case StyleFlag::Italic: style.italic = !style.italic; break;
    case StyleFlag::Underline: style.underline = !style.underline; break;
    }
    // The first character's style, toggled, becomes the style of the whole selection.
    editFormat(c.ui->RedTranslation, [&](QTextCharFormat &f) {
        f.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(style.italic);
        f.setFontUnderline(style.underline);
    });
}

void NotesEditor::ToggleColour(const QColor &colour)
{
    const bool same = shownColour(selectionStyle()) == colour;
    editFormat(c.ui->RedTranslation, [&](QTextCharFormat &f) {
        // Back to the window text colour: the text has no colour of its own (RTF's automatic).
        if (same)
            f.clearForeground();
        else
            f.setForeground(colour);
    });
}

void NotesEditor::formatButtonStyle(StyleFlag flag)
{
    if (!c.ui->RedTranslation->textCursor().hasSelection())
        return;
    ToggleStyle(flag);
    focusNotes();
    c.area->MarkListModified();
}

void NotesEditor::formatButtonColour(const QColor &colour)
{
    if (!c.ui->RedTranslation->textCursor().hasSelection())
        return;
    ToggleColour(colour);
    focusNotes();
    c.area->MarkListModified();
}

void NotesEditor::colourButtonEnter(const QColor &colour)
{
    if (!c.ui->RedTranslation->textCursor().hasSelection())
        return;
    setBackgroundColour(c.ui->ShpColour, fromQColor(colour));
    c.ui->ShpColour->show();
}

// Increase (+1) or Decrease (-1). A button disabled at its limit comes back only by a click on
// the other one or by the format bar being enabled.
void NotesEditor::stepSize(int step)
{
    Ui::TForm1 *ui = c.ui;
    QPushButton *self = step > 0 ? ui->BtnFormatFontIncrease : ui->BtnFormatFontDecrease;
    QPushButton *other = step > 0 ? ui->BtnFormatFontDecrease : ui->BtnFormatFontIncrease;
    other->setEnabled(true);
    if (!ui->RedTranslation->textCursor().hasSelection())
        return;
    int points = selectionStyle().points;
    const bool within = step > 0 ? points < MaxPoints : points > MinPoints;
    if (within) {
        points += step;
        editFormat(ui->RedTranslation, [&](QTextCharFormat &f) { f.setFontPointSize(points); });
    } else {
        self->setEnabled(false);
    }
    self->setToolTip(QStringLiteral("Size = %1").arg(points));
    c.area->MarkListModified();
    focusNotes();
}

void NotesEditor::sizeButtonEnter(int step)
{
    Ui::TForm1 *ui = c.ui;
    const int points = selectionStyle().points;
    if (step > 0) {
        if (points < MaxPoints)
            ui->BtnFormatFontIncrease->setToolTip(QStringLiteral("Increase selected font size"));
        else
            ui->BtnFormatFontIncrease->setEnabled(false);
    } else {
        if (points > MinPoints)
            ui->BtnFormatFontDecrease->setToolTip(QStringLiteral("Decrease selected font size"));
        else
            ui->BtnFormatFontDecrease->setEnabled(false);
    }
}

void NotesEditor::setSelectionFamily(const QString &family)
{
    editFormat(c.ui->RedTranslation, [&](QTextCharFormat &f) { setFamily(f, family); });
}

// The font list. While it is down, its selection in the notes blinks white; the blink is drawn
// over the text as an extra selection and never changes the document, so closing the list leaves
// every character's text, colour and font as they were.
void NotesEditor::CmbFontDropDown()
{
    const QTextCursor selection = c.ui->RedTranslation->textCursor();
    m_snapshotStart = selection.selectionStart();
    m_snapshotEnd = selection.selectionEnd();
    m_fontListOpen = true;
    m_blinkWhite = false;
    blinkTick(); // white at once
    m_blink.start();
}

void NotesEditor::blinkTick()
{
    if (!m_fontListOpen)
        return;
    QTextEdit *box = c.ui->RedTranslation;
    m_blinkWhite = !m_blinkWhite;
    QList<QTextEdit::ExtraSelection> extras;
    if (m_blinkWhite && m_snapshotEnd > m_snapshotStart) {
        QTextEdit::ExtraSelection white;
        white.cursor = QTextCursor(box->document());
        white.cursor.setPosition(m_snapshotStart);
        white.cursor.setPosition(m_snapshotEnd, QTextCursor::KeepAnchor);
        white.format.setForeground(QColor(255, 255, 255));
        white.format.setBackground(box->palette().color(QPalette::Base));
        extras.append(white);
    }
    box->setExtraSelections(extras);
    m_blink.setInterval(m_blinkWhite ? 600 : 400);
}

void NotesEditor::CmbFontClick()
{
    setSelectionFamily(c.ui->CmbFont->currentText());
    c.area->MarkListModified();
}

void NotesEditor::endFontList()
{
    m_fontListOpen = false;
    m_blink.stop();
    c.ui->RedTranslation->setExtraSelections({});
    if (!c.mode.updateMode)
        c.ui->ShpUpdate->hide();
}

void NotesEditor::CmbFontCloseUp()
{
    if (!m_fontListOpen)
        return;
    endFontList();
    focusNotes();
}

bool NotesEditor::CmbFontKeyDown(QKeyEvent *event)
{
    // Esc only undoes a list opened this time: the selection it blinked is selected again.
    if (c.ui->PnlHideBottomHalf->isVisible() || event->key() != Qt::Key_Escape || !m_fontListOpen)
        return false;
    endFontList();
    focusNotes();
    QTextCursor selection(c.ui->RedTranslation->document());
    const int end = qMin(m_snapshotEnd, selection.document()->characterCount() - 1);
    selection.setPosition(qMin(m_snapshotStart, end));
    selection.setPosition(end, QTextCursor::KeepAnchor);
    c.ui->RedTranslation->setTextCursor(selection);
    return false;
}

void NotesEditor::RedTranslationSelectionChange()
{
    const NotesCharStyle style = selectionStyle();
    // Showing the selection's font is no pick: only activated() is one.
    c.ui->CmbFont->setCurrentIndex(c.ui->CmbFont->findText(style.family, Qt::MatchFixedString));
}

// The format painter copies the format of the selection when Copy Format is clicked and gives it
// to the selection (or the insertion point) at the next release of a mouse button in the box.
void NotesEditor::BtnCopyFormatClick()
{
    m_copiedFormat = selectionStyle();
    m_painterArmed = true;
    c.ui->BtnCopyFormat->setEnabled(false);
}

void NotesEditor::RedTranslationMouseUp()
{
    if (!m_painterArmed)
        return;
    m_painterArmed = false;
    if (c.mode.normal() && !c.ui->RedTranslation->isReadOnly())
        applyStyle(m_copiedFormat);
    if (c.ui->CmbFont->isEnabled()) {
        c.ui->BtnCopyFormat->setEnabled(true);
        c.area->MarkListModified();
    }
}
