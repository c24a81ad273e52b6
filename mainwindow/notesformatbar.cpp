#include "mainwindow/notesformatbar.h"

#include "mainwindow/windowstate.h"
#include "platform/colourtext.h"
#include "platform/desktop.h"
#include "platform/dropdowncombo.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/layoutstyle.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);
} // namespace

NotesFormatBar::NotesFormatBar(WindowState &state, const Widgets &widgets, QObject *parent)
    : QObject(parent), m_state(state), w(widgets)
{
    connectGuarded(w.bold, &QPushButton::clicked, this, [this] { styleButton(StyleFlag::Bold); });
    connectGuarded(w.italic, &QPushButton::clicked, this, [this] { styleButton(StyleFlag::Italic); });
    connectGuarded(w.underline, &QPushButton::clicked, this, [this] { styleButton(StyleFlag::Underline); });
    connectGuarded(w.red, &QPushButton::clicked, this, [this] { colourButton(Red); });
    connectGuarded(w.blue, &QPushButton::clicked, this, [this] { colourButton(Blue); });
    connectGuarded(w.green, &QPushButton::clicked, this, [this] { colourButton(Green); });
    connectGuarded(w.bigger, &QPushButton::clicked, this, [this] { stepSize(+1); });
    connectGuarded(w.smaller, &QPushButton::clicked, this, [this] { stepSize(-1); });
    connectGuarded(w.fontList, &DropDownCombo::dropDown, this, &NotesFormatBar::fontListDroppedDown);
    connectGuarded(w.fontList, &DropDownCombo::closeUp, this, &NotesFormatBar::fontListClosed);
    connectGuarded(w.fontList, &QComboBox::activated, this, [this] { fontPicked(); });
    connectGuarded(w.copyFormat, &QPushButton::clicked, this, &NotesFormatBar::copyFormat);
    connectGuarded(w.notesBox, &QTextEdit::cursorPositionChanged, this, &NotesFormatBar::showSelectionFont);
    connectGuarded(w.notesBox, &QTextEdit::selectionChanged, this, &NotesFormatBar::showSelectionFont);
    connectGuarded(&m_blink, &QTimer::timeout, this, &NotesFormatBar::blinkTick);
    for (QObject *watched : std::initializer_list<QObject *>{w.red, w.blue, w.green, w.bigger, w.smaller})
        watched->installEventFilter(this);
}

bool NotesFormatBar::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    guarded([&] {
        if (t == QEvent::Enter) {
            if (watched == w.red)
                showSwatch(Red);
            else if (watched == w.blue)
                showSwatch(Blue);
            else if (watched == w.green)
                showSwatch(Green);
            else if (watched == w.bigger)
                sizeButtonEntered(+1);
            else if (watched == w.smaller)
                sizeButtonEntered(-1);
        } else if (t == QEvent::Leave && (watched == w.red || watched == w.blue || watched == w.green)) {
            w.colourSwatch->hide();
        }
    });
    return false;
}

void NotesFormatBar::setLimits(bool bigger, bool smaller)
{
    if (bigger == m_biggerAtLimit && smaller == m_smallerAtLimit)
        return;
    m_biggerAtLimit = bigger;
    m_smallerAtLimit = smaller;
    emit stateChanged();
}

void NotesFormatBar::styleButton(StyleFlag flag)
{
    if (!w.notesBox->textCursor().hasSelection())
        return;
    toggleStyle(w.notesBox, flag);
    emit notesFocusWanted();
}

void NotesFormatBar::colourButton(const QColor &colour)
{
    if (!w.notesBox->textCursor().hasSelection())
        return;
    toggleColour(w.notesBox, colour);
    emit notesFocusWanted();
}

void NotesFormatBar::showSwatch(const QColor &colour)
{
    if (!w.notesBox->textCursor().hasSelection())
        return;
    setBackgroundColour(w.colourSwatch, fromQColor(colour));
    w.colourSwatch->show();
}

// Increase (+1) or Decrease (-1). A button stopped at its limit comes back by a click on the
// other one or when the format bar is offered again.
void NotesFormatBar::stepSize(int step)
{
    QPushButton *self = step > 0 ? w.bigger : w.smaller;
    setLimits(step > 0 && m_biggerAtLimit, step < 0 && m_smallerAtLimit);
    if (!w.notesBox->textCursor().hasSelection())
        return;
    int points = selectionStyle(w.notesBox).points;
    const bool within = step > 0 ? points < MaxNotesPoints : points > MinNotesPoints;
    if (within) {
        points += step;
        setSelectionPoints(w.notesBox, points);
    } else {
        setLimits(step > 0 || m_biggerAtLimit, step < 0 || m_smallerAtLimit);
    }
    self->setToolTip(QStringLiteral("Size = %1").arg(points));
    emit notesFocusWanted();
}

void NotesFormatBar::sizeButtonEntered(int step)
{
    const int points = selectionStyle(w.notesBox).points;
    if (step > 0) {
        if (points < MaxNotesPoints)
            w.bigger->setToolTip(QStringLiteral("Increase selected font size"));
        else
            setLimits(true, m_smallerAtLimit);
    } else {
        if (points > MinNotesPoints)
            w.smaller->setToolTip(QStringLiteral("Decrease selected font size"));
        else
            setLimits(m_biggerAtLimit, true);
    }
}

void NotesFormatBar::resetLimits() { setLimits(false, false); }

// The font list. While it is down, its selection in the notes blinks white; the blink is drawn
// over the text as an extra selection and never changes the document, so closing the list leaves
// every character's text, colour and font as they were.
void NotesFormatBar::fontListDroppedDown()
{
    const QTextCursor selection = w.notesBox->textCursor();
    m_snapshotStart = selection.selectionStart();
    m_snapshotEnd = selection.selectionEnd();
    m_fontListOpen = true;
    m_blinkWhite = false;
    blinkTick(); // white at once
    m_blink.start();
}

void NotesFormatBar::blinkTick()
{
    if (!m_fontListOpen)
        return;
    QTextEdit *box = w.notesBox;
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

void NotesFormatBar::fontPicked() { setSelectionFamily(w.notesBox, w.fontList->currentText()); }

void NotesFormatBar::endFontList()
{
    m_fontListOpen = false;
    m_blink.stop();
    w.notesBox->setExtraSelections({});
}

void NotesFormatBar::fontListClosed()
{
    if (!m_fontListOpen)
        return;
    endFontList();
    emit notesFocusWanted();
}

bool NotesFormatBar::fontListKeyDown(QKeyEvent *event)
{
    // Esc only undoes a list opened this time: the selection it blinked is selected again.
    if (m_state.mode().updateMode || event->key() != Qt::Key_Escape || !m_fontListOpen)
        return false;
    endFontList();
    emit notesFocusWanted();
    QTextCursor selection(w.notesBox->document());
    const int end = qMin(m_snapshotEnd, selection.document()->characterCount() - 1);
    selection.setPosition(qMin(m_snapshotStart, end));
    selection.setPosition(end, QTextCursor::KeepAnchor);
    w.notesBox->setTextCursor(selection);
    return false;
}

void NotesFormatBar::showNoFont() { w.fontList->setCurrentIndex(-1); }

void NotesFormatBar::showSelectionFont()
{
    // Showing the selection's font is no pick: only activated() is one.
    w.fontList->setCurrentIndex(w.fontList->findText(selectionStyle(w.notesBox).family, Qt::MatchFixedString));
}

// The format painter copies the format of the selection when Copy Format is clicked and gives it
// to the selection (or the insertion point) at the next release of a mouse button in the box.
void NotesFormatBar::copyFormat()
{
    m_copiedFormat = selectionStyle(w.notesBox);
    m_painterArmed = true;
    emit stateChanged();
}

void NotesFormatBar::notesMouseReleased()
{
    if (!m_painterArmed)
        return;
    m_painterArmed = false;
    if (m_state.mode().normal() && !w.notesBox->isReadOnly())
        applyStyle(w.notesBox, m_copiedFormat);
    emit stateChanged();
}

void NotesFormatBar::fillFontList()
{
    static const char *const candidates[] = {
        "Arial", "Comic Sans MS", "Courier New", "Lucida Console", "Times New Roman", "Calibri",
        "Arial Black", "Arial Narrow", "Bookman Old Style", "Bradley Hand ITC", "Cambria", "Century Gothic",
        "Harrington", "Lucida Calligraphy", "Lucida Handwriting", "Monotype Corsiva", "Squire", "Stencil",
        "Tahoma", "Verdana", "Rockwell", "Kristen ITC", "Papyrus"};
    const QStringList families = desktop().installedFontFamilies();
    for (const char *name : candidates)
        if (fontInstalled(QLatin1String(name), families))
            w.fontList->addSorted(QLatin1String(name));
}
