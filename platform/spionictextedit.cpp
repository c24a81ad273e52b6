#include "platform/spionictextedit.h"

#include "platform/spionicmime.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

SpionicTextEdit::SpionicTextEdit(QWidget *parent) : QTextEdit(parent) {}

QMimeData *SpionicTextEdit::createMimeDataFromSelection() const
{
    if (QMimeData *data = spionicmime::fromRichText(textCursor().selection(), document()->defaultFont()))
        return data;
    return QTextEdit::createMimeDataFromSelection();
}

bool SpionicTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return QTextEdit::canInsertFromMimeData(source) || source->hasFormat(QLatin1String(spionicmime::RichTextType)) ||
           source->hasFormat(QLatin1String(spionicmime::KeysType));
}

void SpionicTextEdit::insertFromMimeData(const QMimeData *source)
{
    QTextCursor cursor = textCursor();
    if (!acceptRichText() || !spionicmime::insertOriginal(source, cursor)) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}
