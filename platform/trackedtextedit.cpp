#include "platform/trackedtextedit.h"

#include <QPointer>

TrackedTextEdit::TrackedTextEdit(QWidget *parent) : QTextEdit(parent) {}

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
