#include "store/textfile.h"
#include "store/textlines.h"
#include "store/win1252.h"

namespace store {

QString decodeTextFile(const QByteArray &bytes)
{
    const qsizetype ctrlZ = bytes.indexOf('\x1A');
    return decodeWin1252(ctrlZ < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(ctrlZ));
}

QStringList splitTextLines(const QByteArray &bytes)
{
    const QString text = decodeTextFile(bytes);
    QStringList lines;
    lines.reserve(text.count(u'\n') + 1);
    forEachTextLine(text, [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

QStringList readTextLines(const QString &path)
{
    return splitTextLines(readFileBytes(path));
}

QByteArray joinTextLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text.append(line);
        text.append(u"\r\n");
    }
    return encodeWin1252(text);
}

void writeTextLines(const QString &path, const QStringList &lines)
{
    writeFileAtomic(path, joinTextLines(lines));
}

} // namespace store
