// Loading and saving a 1 MB notes document (many paragraphs, mixed fonts, sizes, colours, styles,
// Greek and accented text), each beside the cost of reading the same bytes from a file.
#include "benchutil.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

namespace {

void setNotesFont(QTextDocument &doc)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(17);
    doc.setDefaultFont(f);
}

void fillNotes(QTextDocument &doc, qsizetype targetBytes)
{
    const QString families[] = {QStringLiteral("Tahoma"), QStringLiteral("SPIonic"), QStringLiteral("Arial"),
                                QStringLiteral("Times New Roman")};
    const QColor colors[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0), QColor(255, 255, 255)};
    const QString texts[] = {
        QStringLiteral("lo/gos, o(, the word; a)/nqrwpos, o(, a human being "),
        QString::fromUtf8("λόγος, ὁ — the word; ἄνθρωπος, ὁ — a human being "),
        QStringLiteral("Remember the accent moves to the antepenult in the genitive plural. "),
        QString::fromUtf8("café, naïve, façade, déjà vu, € 5, “quoted” "),
        QStringLiteral("{see also} chapter 12\\section 3 "),
    };
    QTextCursor c(&doc);
    int k = 0;
    while (true) {
        for (int run = 0; run < 6; ++run, ++k) {
            QTextCharFormat f;
            if (k % 3 != 0) {
                f.setFontFamilies({families[k % 4]});
                f.setFontPointSize(8 + k % 17);
            }
            if (k % 5 == 1)
                f.setForeground(colors[k % 4]);
            if (k % 2)
                f.setFontWeight(QFont::Bold);
            if (k % 7 == 3)
                f.setFontItalic(true);
            if (k % 11 == 5)
                f.setFontUnderline(true);
            if (k % 13 == 6)
                f.setFontStrikeOut(true);
            c.insertText(texts[k % 5], f);
        }
        if (k % 60 == 0) // the size check costs a save; do it now and then
            if (rtf::write(&doc).size() >= targetBytes)
                return;
        QTextBlockFormat b;
        b.setAlignment(k % 9 == 0 ? Qt::AlignHCenter : k % 9 == 3 ? Qt::AlignRight : Qt::AlignLeft);
        c.insertBlock(b, QTextCharFormat());
        if (k % 4 == 0)
            c.insertBlock(QTextBlockFormat(), QTextCharFormat()); // an empty line between entries
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTextDocument source;
    setNotesFont(source);
    fillNotes(source, 1024 * 1024);
    const QByteArray bytes = rtf::write(&source);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.rtf"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    const double rawMs = bench::medianMs(7, [&] {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            (void)f.readAll();
    });

    QTextDocument doc;
    setNotesFont(doc);
    const double loadMs = bench::medianMs(7, [&] { rtf::read(bytes, &doc); });
    QByteArray saved;
    const double saveMs = bench::medianMs(7, [&] { saved = rtf::write(&doc); });

    std::printf("notes document: %lld bytes of RTF, %d paragraphs, %d characters\n", (long long)bytes.size(),
                doc.blockCount(), doc.characterCount());
    bench::report("load 1 MB of RTF notes (rtf::read)", loadMs, "QFile readAll", rawMs, 100);
    bench::report("save 1 MB of RTF notes (rtf::write)", saveMs, "QFile readAll", rawMs, 100);
    return saved == bytes ? 0 : 2; // the loaded notes must save to the same bytes
}
