#include "platform/trackedtextedit.h"

#include <QMimeData>
#include <QPointer>

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

TrackedTextEdit::TrackedTextEdit(QWidget *parent) : QTextEdit(parent) {}

void TrackedTextEdit::wrapFor(QStringView text)
{
    const QTextOption::WrapMode mode =
        hasLongRun(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

void TrackedTextEdit::showPlainText(const QString &text)
{
    // Chosen before the text goes in: the box lays the text out as it is set.
    wrapFor(text);
    setPlainText(text);
}

void TrackedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && hasLongRun(source->text()))
        setWordWrapMode(QTextOption::WrapAnywhere);
    QTextEdit::insertFromMimeData(source);
}

template <class Fn>
void TrackedTextEdit::watch(Fn &&fn)
{
    QPointer<QTextDocument> doc = document();
    const int before = doc->revision();
    const qsizetype sizeBefore = doc->characterCount();
    fn();
    if (doc && doc == document() && (doc->revision() != before || doc->characterCount() != sizeBefore))
        emit userEdited();
}

void TrackedTextEdit::keyPressEvent(QKeyEvent *event) { watch([&] { QTextEdit::keyPressEvent(event); }); }
void TrackedTextEdit::inputMethodEvent(QInputMethodEvent *event) { watch([&] { QTextEdit::inputMethodEvent(event); }); }
void TrackedTextEdit::contextMenuEvent(QContextMenuEvent *event) { watch([&] { QTextEdit::contextMenuEvent(event); }); }
void TrackedTextEdit::dropEvent(QDropEvent *event) { watch([&] { QTextEdit::dropEvent(event); }); }
void TrackedTextEdit::mouseReleaseEvent(QMouseEvent *event) { watch([&] { QTextEdit::mouseReleaseEvent(event); }); }
