#include "platform/trackedtextedit.h"

#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Longer runs without a blank are broken anywhere, so that laying them out stays linear.
constexpr qsizetype LongestWrappedRun = 512;

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
    QTextCharFormat coloured;
    coloured.setForeground(colour);
    for (const auto &[start, length] : ranges) {
        QTextCursor cursor(document);
        cursor.setPosition(int(start));
        cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(coloured);
    }
}

TrackedTextEdit::TrackedTextEdit(QWidget *parent) : QTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &TrackedTextEdit::contentsChanged);
}

void TrackedTextEdit::contentsChanged(int, int removed, int added)
{
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

void TrackedTextEdit::showPlainText(const QString &text)
{
    const QScopedValueRollback programChange(m_programChange, true);
    // The text before goes first, so nothing is laid out again for it. No colour of it passes to
    // this one: the box gives what is put into it the format of its insertion point.
    clear();
    setCurrentCharFormat(QTextCharFormat());
    // Chosen before the text goes in: the box lays the text out as it is set.
    wrapFor(text);
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
