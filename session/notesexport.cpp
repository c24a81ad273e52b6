#include "session/notesexport.h"

#include "store/spionic.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <memory>

namespace {

bool isSpionic(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return std::any_of(families.begin(), families.end(), [](const QString &family) {
        return family.compare(QLatin1String("SPIonic"), Qt::CaseInsensitive) == 0;
    });
}

QTextCharFormat withoutFont(QTextCharFormat format)
{
    format.clearProperty(QTextFormat::FontFamilies);
    format.clearProperty(QTextFormat::FontFamily);
    return format;
}

struct Piece {
    int position;
    int length;
    QString text; // the Unicode that replaces it
    QTextCharFormat format;
};

// The SPIonic runs of one block as the pieces that replace them. Each fragment keeps its own
// format, unless a letter and its marks were formatted apart (a bold letter with a plain accent):
// then the run is converted whole, in the format of its first fragment.
void collectPieces(const QTextBlock &block, QList<Piece> &pieces)
{
    QList<QTextFragment> run;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        QString keys;
        QList<Piece> apart;
        for (const QTextFragment &f : std::as_const(run)) {
            keys += f.text();
            apart.append({f.position(), f.length(), store::spionicToUnicode(f.text()), withoutFont(f.charFormat())});
        }
        const QString whole = store::spionicToUnicode(keys);
        QString joined;
        for (const Piece &p : std::as_const(apart))
            joined += p.text;
        if (joined.normalized(QString::NormalizationForm_C) == whole) {
            pieces += apart;
        } else {
            const QTextFragment &first = run.first();
            const int end = run.last().position() + run.last().length();
            pieces.append({first.position(), end - first.position(), whole, withoutFont(first.charFormat())});
        }
        run.clear();
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.isValid() && isSpionic(f.charFormat()))
            run.append(f);
        else
            flush();
    }
    flush();
}

} // namespace

QString notesHtml(const QTextDocument *notes, const QString &title)
{
    const std::unique_ptr<QTextDocument> copy(notes->clone());
    QList<Piece> pieces;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next())
        collectPieces(block, pieces);
    // From the end, so the positions of the pieces not yet replaced stay true.
    QTextCursor cursor(copy.get());
    for (auto it = pieces.crbegin(); it != pieces.crend(); ++it) {
        cursor.setPosition(it->position);
        cursor.setPosition(it->position + it->length, QTextCursor::KeepAnchor);
        cursor.insertText(it->text, it->format);
    }
    copy->setMetaInformation(QTextDocument::DocumentTitle, title);
    return copy->toHtml();
}
