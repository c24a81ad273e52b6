#include "platform/spionicmime.h"

#include "platform/rtfcommon.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/spionic.h"

#include <QBuffer>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <vector>

namespace spionicmime {
namespace {

const QString SpionicFamily = QStringLiteral("SPIonic");

QString familyOf(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return !families.isEmpty() ? families.first() : format.stringProperty(QTextFormat::FontFamily);
}

struct Piece {
    int start;
    QString text;
    QTextCharFormat format;
};

// The runs of one paragraph drawn in SPIonic, each a list of neighbouring pieces.
std::vector<std::vector<Piece>> spionicRuns(const QTextDocument &doc)
{
    std::vector<std::vector<Piece>> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        bool open = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!isSpionicRun(fragment.charFormat())) {
                open = false;
                continue;
            }
            if (!open)
                runs.emplace_back();
            runs.back().push_back({fragment.position(), fragment.text(), fragment.charFormat()});
            open = true;
        }
    }
    return runs;
}

void replace(QTextDocument &doc, const Piece &piece, const QString &text)
{
    QTextCharFormat format = piece.format;
    // Unicode Greek is drawn by the font of the text around it, never by SPIonic.
    format.clearProperty(QTextFormat::FontFamilies);
    format.clearProperty(QTextFormat::FontFamily);
    QTextCursor cursor(&doc);
    cursor.setPosition(piece.start);
    cursor.setPosition(piece.start + int(piece.text.size()), QTextCursor::KeepAnchor);
    cursor.insertText(text, format);
}

// Each SPIonic run in Unicode. Pieces of a run (a word half bold) keep their own formats unless
// a letter and its marks lie in two pieces; such a run takes the format of its first piece.
void convertRuns(QTextDocument &doc, const std::vector<std::vector<Piece>> &runs)
{
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        QString keys;
        QString pieceByPiece;
        std::vector<QString> converted;
        for (const Piece &piece : *run) {
            keys += piece.text;
            converted.push_back(store::spionicToUnicode(piece.text));
            pieceByPiece += converted.back();
        }
        const QString whole = store::spionicToUnicode(keys);
        if (whole != pieceByPiece) {
            Piece all = run->front();
            all.text = keys;
            replace(doc, all, whole);
            continue;
        }
        for (std::size_t i = run->size(); i-- > 0;)
            replace(doc, (*run)[i], converted[i]);
    }
}

QByteArray odfOf(const QTextDocumentFragment &fragment)
{
    QBuffer buffer;
    QTextDocumentWriter writer(&buffer, "ODF");
    writer.write(fragment);
    return buffer.data();
}

} // namespace

bool isSpionicRun(const QTextCharFormat &format) { return rtf::detail::isSpionicFamily(familyOf(format)); }

QMimeData *fromKeys(const QString &keys)
{
    auto *data = new QMimeData;
    data->setText(store::spionicToUnicode(keys));
    data->setData(QLatin1String(KeysType), keys.toUtf8());
    return data;
}

std::optional<QString> keysIn(const QMimeData *data)
{
    if (!data || !data->hasFormat(QLatin1String(KeysType)))
        return std::nullopt;
    return QString::fromUtf8(data->data(QLatin1String(KeysType)));
}

QMimeData *fromRichText(const QTextDocumentFragment &selection, const QFont &defaultFont)
{
    QTextDocument doc;
    doc.setDefaultFont(defaultFont);
    QTextCursor(&doc).insertFragment(selection);
    const auto runs = spionicRuns(doc);
    if (runs.empty())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(QLatin1String(RichTextType), rtf::write(&doc));
    const QString original = doc.toPlainText();
    qsizetype spionicLength = 0;
    for (const auto &run : runs)
        for (const Piece &piece : run)
            spionicLength += piece.text.size();
    if (spionicLength == original.size())
        data->setData(QLatin1String(KeysType), original.toUtf8());

    convertRuns(doc, runs);
    const QTextDocumentFragment unicode(&doc);
    data->setHtml(unicode.toHtml());
    data->setData(QStringLiteral("application/vnd.oasis.opendocument.text"), odfOf(unicode));
    data->setData(QLatin1String(RtfType), rtf::write(&doc));
    data->setText(unicode.toPlainText());
    return data;
}

bool insertOriginal(const QMimeData *data, QTextCursor &cursor)
{
    if (!data)
        return false;
    if (data->hasFormat(QLatin1String(RichTextType))) {
        QTextDocument doc;
        doc.setDefaultFont(cursor.document()->defaultFont());
        rtf::read(data->data(QLatin1String(RichTextType)), &doc);
        cursor.insertFragment(QTextDocumentFragment(&doc));
        return true;
    }
    if (const std::optional<QString> keys = keysIn(data)) {
        QTextCharFormat format = cursor.charFormat();
        format.clearProperty(QTextFormat::FontFamily);
        format.setFontFamilies(QStringList{SpionicFamily});
        cursor.insertText(*keys, format);
        return true;
    }
    return false;
}

} // namespace spionicmime
