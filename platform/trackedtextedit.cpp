#include "platform/trackedtextedit.h"

#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Longer runs without a blank are broken anywhere, so that laying them out stays linear.
constexpr qsizetype LongestWrappedRun = 512;
// From this length on, a text the program puts into the box keeps its layout (see showPlainText).
constexpr qsizetype LongText = 64 * 1024;

bool hasLongRun(QStringView text)
{
    qsizetype run = 0;
    for (const QChar ch : text) {
        run = ch.isSpace() ? 0 : run + 1;
        if (run > LongestWrappedRun)
            return true;
    }
    return false;
}
} // namespace

void colourTextRanges(QTextDocument *document, const QList<std::pair<qsizetype, qsizetype>> &ranges, const QColor &colour)
{
    if (ranges.isEmpty())
        return;
    QTextCharFormat coloured;
    coloured.setForeground(colour);
    // One edit for all ranges: the text is laid out again once, not once per range.
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const auto &[start, length] : ranges) {
        cursor.setPosition(int(start));
        cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(coloured);
    }
    cursor.endEditBlock();
}

TrackedTextEdit::TrackedTextEdit(QWidget *parent) : QTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &TrackedTextEdit::contentsChanged);
}

void TrackedTextEdit::contentsChanged(int position, int removed, int added)
{
    // The document tells of a change before it lays the change out, so the blocks of a long text
    // still get to keep their layout.
    if (m_keepLayout)
        for (QTextBlock b = document()->findBlock(position); b.isValid() && b.position() <= position + added; b = b.next())
            b.layout()->setCacheEnabled(true);
    if (!m_programChange && (removed > 0 || added > 0))
        emit userEdited();
}

void TrackedTextEdit::wrapFor(QStringView text)
{
    const QTextOption::WrapMode mode =
        hasLongRun(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

// A long text is drawn without kerning and ligatures: shaping it costs as much as laying it out,
// and nobody reads megabytes of text by the gaps between its letters.
void TrackedTextEdit::setTextFont(qsizetype length)
{
    QFont shown = font();
    if (length >= LongText)
        shown.setStyleStrategy(QFont::PreferNoShaping);
    if (document()->defaultFont() != shown)
        document()->setDefaultFont(shown);
}

void TrackedTextEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event); // a new font of the box becomes the text's
    if (event->type() == QEvent::FontChange)
        setTextFont(document()->characterCount());
}

void TrackedTextEdit::showPlainText(const QString &text)
{
    const QScopedValueRollback programChange(m_programChange, true);
    // The text before goes first, so nothing is laid out again for it. No colour of it passes to
    // this one: the box gives what is put into it the format of its insertion point.
    clear();
    setCurrentCharFormat(QTextCharFormat());
    // Chosen before the text goes in: the box lays the text out as it is set.
    wrapFor(text);
    // A long text is laid out once and its layout kept while it is shown: otherwise placing the
    // caret at its start, and every painting, would break all of it into items again (for a
    // description of megabytes, as long as the layout itself). Short texts are left as the box
    // handles them.
    const QScopedValueRollback keepLayout(m_keepLayout, text.size() >= LongText);
    setTextFont(text.size());
    setPlainText(text);
}

void TrackedTextEdit::colourRanges(const QList<std::pair<qsizetype, qsizetype>> &ranges, const QColor &colour)
{
    const QScopedValueRollback programChange(m_programChange, true);
    colourTextRanges(document(), ranges, colour);
    QTextCursor start(document());
    start.movePosition(QTextCursor::Start);
    setTextCursor(start);
}

void TrackedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && hasLongRun(source->text()))
        setWordWrapMode(QTextOption::WrapAnywhere);
    QTextEdit::insertFromMimeData(source);
}
