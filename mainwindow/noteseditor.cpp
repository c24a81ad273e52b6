#include "mainwindow/noteseditor.h"

#include "mainwindow/notesformat.h"
#include "mainwindow/windowstate.h"
#include "platform/guard.h"
#include "session/listdocument.h"
#include "session/wordmatch.h"

#include <QCheckBox>
#include <algorithm>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

NotesEditor::NotesEditor(ListDocument &document, WindowState &state, const Widgets &widgets, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), w(widgets)
{
    connectGuarded(w.expandButton, &QPushButton::clicked, this, &NotesEditor::toggleEnlarged);
    connectGuarded(w.wholeWordBox, &QCheckBox::clicked, this, [this] { countOccurrences(); });
    connectGuarded(w.nextButton, &QPushButton::clicked, this, &NotesEditor::findNext);
    for (QObject *watched : std::initializer_list<QObject *>{w.notesBox, w.notesBox->viewport(), w.expandButton})
        watched->installEventFilter(this);
}

bool NotesEditor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    guarded([&] {
        if (watched == w.notesBox->viewport()) {
            if (t == QEvent::MouseButtonPress)
                showStyleHint();
            else if (t == QEvent::MouseButtonRelease) {
                if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                    w.notesBox->setToolTip(QString());
                    m_state.setLastEditBox(EditBox::Notes);
                }
                emit mouseReleased();
            }
        } else if (watched == w.notesBox && t == QEvent::Enter) {
            w.notesBox->setToolTip(QString());
        } else if (watched == w.expandButton && t == QEvent::Enter) {
            w.expandButton->setToolTip(m_state.mode().notesEnlarged ? QStringLiteral("Click to reduce")
                                                                    : QStringLiteral("Click to expand"));
        }
    });
    return false;
}

void NotesEditor::focusNotes()
{
    if (w.notesBox->isEnabled())
        w.notesBox->setFocus();
}

// Nothing selected, the caret at the start of what was selected, whichever way it was selected.
void NotesEditor::collapseSelection()
{
    QTextCursor cursor = w.notesBox->textCursor();
    if (cursor.hasSelection()) {
        cursor.setPosition(cursor.selectionStart());
        w.notesBox->setTextCursor(cursor);
    }
}

void NotesEditor::showStyleHint()
{
    if (!w.notesBox->hasFocus()) {
        w.notesBox->setToolTip(QString());
        return;
    }
    const NotesCharStyle style = selectionStyle(w.notesBox);
    w.notesBox->setToolTip(QStringLiteral("%1, %2").arg(style.points).arg(style.family));
}

// Every change the keys make to the notes is a change of the notes document, which the open
// list counts as unsaved work by itself.
bool NotesEditor::notesKeyDown(QKeyEvent *event)
{
    const MainMode &mode = m_state.mode();
    if (mode.updateMode || !mode.normal())
        return false;
    m_state.setLastEditBox(EditBox::Notes);
    const int key = event->key();
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_S:
        emit offeredSaveRequested();
        return true;
    case Qt::Key_T:
        // Back to the font before Greek; before any Ctrl+G there is none to go back to.
        if (!m_fontBeforeGreek.isEmpty())
            setSelectionFamily(w.notesBox, m_fontBeforeGreek);
        return true;
    case Qt::Key_G:
        m_fontBeforeGreek = selectionStyle(w.notesBox).family;
        setSelectionFamily(w.notesBox, QStringLiteral("SPIonic"));
        return true;
    case Qt::Key_E:
    case Qt::Key_L:
    case Qt::Key_R: {
        QTextBlockFormat align;
        align.setAlignment(key == Qt::Key_E ? Qt::AlignHCenter : key == Qt::Key_L ? Qt::AlignLeft : Qt::AlignRight);
        QTextCursor cursor = w.notesBox->textCursor();
        cursor.mergeBlockFormat(align);
        return true;
    }
    case Qt::Key_B:
        toggleStyle(w.notesBox, StyleFlag::Bold);
        return true;
    case Qt::Key_U:
        toggleStyle(w.notesBox, StyleFlag::Underline);
        return true;
    default:
        return false;
    }
}

bool NotesEditor::notesKeyPress(QKeyEvent *)
{
    if (m_state.mode().normal())
        m_state.setLastEditBox(EditBox::Notes);
    return false;
}

void NotesEditor::toggleEnlarged()
{
    MainMode mode = m_state.mode();
    mode.notesEnlarged = !mode.notesEnlarged;
    m_state.setMode(mode);
    focusNotes();
}

// --- notes search ---------------------------------------------------------------------------------

void NotesEditor::startSearch()
{
    w.wholeWordBox->setChecked(false);
    m_searchShown = countOccurrences() > 0;
    emit searchChanged();
}

// The notes are searched as the descriptions are: ASCII letters without regard to case, the
// same whole-word rule. The raw text holds one character for each position of the document.
QList<TextRange> NotesEditor::occurrences() const
{
    const QString text = m_document.notes()->toRawText();
    return findOccurrences(text, m_document.list().searchText(), w.wholeWordBox->isChecked());
}

// Counts without moving the selection of the notes.
int NotesEditor::countOccurrences()
{
    m_findCount = int(occurrences().size());
    m_findIndex = 0;
    m_nextStarted = false;
    w.wholeWordBox->setText(QStringLiteral("Whole word  [%1]").arg(m_findCount));
    emit searchChanged();
    return m_findCount;
}

void NotesEditor::findNext()
{
    QTextEdit *box = w.notesBox;
    const QList<TextRange> found = occurrences();
    const qsizetype from = m_nextStarted ? box->textCursor().selectionEnd() : 0;
    m_nextStarted = true;
    focusNotes();
    if (found.isEmpty())
        return;
    // The first at or after the end of the selection; after the last, the first again.
    const auto next = std::find_if(found.cbegin(), found.cend(), [from](const TextRange &r) { return r.start >= from; });
    const qsizetype index = next == found.cend() ? 0 : next - found.cbegin();
    const TextRange &range = found.at(index);
    QTextCursor cursor(box->document());
    cursor.setPosition(int(range.start));
    cursor.setPosition(int(range.start + range.length), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    // The number of the occurrence selected, whatever the user selected between two Nexts.
    m_findIndex = int(index) + 1;
    w.wholeWordBox->setText(QStringLiteral("Whole word  [%1/%2]").arg(m_findIndex).arg(m_findCount));
}
