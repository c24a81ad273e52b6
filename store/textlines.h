#pragma once
// The line-reading rules over decoded text, without building a list: callers that want something
// else than whole lines (the list reader) walk the lines as views.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace store {

// The part of a file that is read: everything before the first Ctrl+Z (byte 26), decoded.
QString decodeTextFile(const QByteArray &bytes);

// Calls f(QStringView line) for each line of text: a line ends at LF (a CR before it belongs to
// the line end), any other CR is dropped, and the end of the text is tested before each line, so
// text ending in a line end has no extra empty line after it. Returning false from f stops.
template <typename F>
void forEachTextLine(QStringView text, F &&f)
{
    qsizetype pos = 0;
    const qsizetype size = text.size();
    QString cleaned;
    while (pos < size) {
        qsizetype lf = text.indexOf(u'\n', pos);
        if (lf < 0)
            lf = size;
        QStringView line = text.sliced(pos, lf - pos);
        pos = lf + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.contains(u'\r')) {
            cleaned = line.toString();
            cleaned.remove(u'\r');
            line = cleaned;
        }
        if (!f(line))
            return;
    }
}

} // namespace store
