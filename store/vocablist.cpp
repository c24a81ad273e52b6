#include "store/vocablist.h"
#include "store/textfile.h"
#include "store/textlines.h"

namespace store {

namespace {

const QString Separator = QStringLiteral("zx");

// Feeds lines one at a time: the first is the language, the rest items up to MaxItems.
struct ListBuilder {
    ListContent content;
    bool seenLanguage = false;

    bool add(QStringView line)
    {
        if (!seenLanguage) {
            content.language = line.toString();
            seenLanguage = true;
            return true;
        }
        if (content.items.size() >= MaxItems) {
            content.truncated = true;
            return false;
        }
        content.items.append(itemFromLine(line));
        return true;
    }
};

} // namespace

QString cutAtLineBreak(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            return text.left(i);
    }
    return text;
}

VocabItem itemFromLine(QStringView line)
{
    const qsizetype at = line.indexOf(Separator);
    if (at < 0)
        return {line.toString(), QString()};
    return {line.first(at).toString(), line.sliced(at + Separator.size()).toString()};
}

ListContent parseListLines(const QStringList &lines)
{
    ListBuilder builder;
    builder.content.items.reserve(qMin<qsizetype>(qMax<qsizetype>(lines.size() - 1, 0), MaxItems));
    for (const QString &line : lines) {
        if (!builder.add(line))
            break;
    }
    return std::move(builder.content);
}

namespace {
ListContent parseListText(const QString &text)
{
    // Walked as views: no list of whole lines is built on the way.
    ListBuilder builder;
    builder.content.items.reserve(qMin<qsizetype>(text.count(u'\n') + 1, MaxItems));
    forEachTextLine(text, [&builder](QStringView line) { return builder.add(line); });
    return std::move(builder.content);
}
} // namespace

ListContent parseListBytes(const QByteArray &bytes) { return parseListText(decodeTextFile(bytes)); }

QString readListText(const QString &path)
{
    // The language line, the items a list holds and one line more, which tells that there were
    // more: a list file of hundreds of megabytes costs no more than one at the limit.
    return decodeTextFile(readFileLines(path, MaxItems + 2));
}

ListContent readListFile(const QString &path) { return parseListText(readListText(path)); }

QStringList listFileLines(const QString &language, const QList<VocabItem> &items)
{
    QStringList lines;
    lines.reserve(items.size() + 1);
    lines.append(cutAtLineBreak(language));
    for (const VocabItem &item : items) {
        QString line = cutAtLineBreak(item.Item + Separator + item.Description);
        if (line.size() > 3)
            lines.append(std::move(line));
    }
    return lines;
}

QByteArray listFileBytes(const QString &language, const QList<VocabItem> &items)
{
    return joinTextLines(listFileLines(language, items));
}

void writeListFile(const QString &path, const QString &language, const QList<VocabItem> &items)
{
    writeFileAtomic(path, listFileBytes(language, items));
}

} // namespace store
