#include "platform/textfind.h"

#include <QTextCursor>
#include <QTextDocument>

int countDocumentOccurrences(const QTextDocument &document, const QString &text)
{
    if (text.isEmpty())
        return 0;
    int count = 0;
    int position = 0;
    for (;;) {
        const QTextCursor found = document.find(text, position);
        if (found.isNull())
            return count;
        ++count;
        position = found.selectionEnd();
    }
}
