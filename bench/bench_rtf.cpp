// What the user waits for with rich-text notes: a notes file on disk read, parsed and painted in a
// shown notes box (1 MB, and larger files to show the cost grows linearly), the same notes saved to
// disk, and a file whose font table holds many fonts. Each figure stands beside the raw cost of the
// same bytes: reading them from the file, or writing them to it.
#include "benchutil.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "store/textfile.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QFont notesFont()
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(17);
    return f;
}

// Vocabulary notes: many paragraphs with mixed fonts, sizes, colours and styles, SPIonic Greek,
// Unicode Greek and accented text, about targetBytes of RTF once saved.
void fillNotes(QTextDocument &doc, qsizetype targetBytes)
{
    const QString families[] = {QStringLiteral("Tahoma"), QStringLiteral("SPIonic"), QStringLiteral("Arial"),
                                QStringLiteral("Times New Roman")};
    const QColor colors[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0), QColor(255, 255, 255)};
    const QString texts[] = {
        QStringLiteral("lo/goj, o9, the word; a1nqrwpoj, o9, a human being "),
        QString::fromUtf8("λόγος, ὁ — the word; ἄνθρωπος, ὁ — a human being "),
        QStringLiteral("Remember the accent moves to the antepenult in the genitive plural. "),
        QString::fromUtf8("café, naïve, façade, déjà vu, € 5, “quoted” "),
        QStringLiteral("{see also} chapter 12\\section 3 "),
    };
    QTextCursor c(&doc);
    c.beginEditBlock();
    int k = 0;
    qsizetype estimate = 0;
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
            estimate += texts[k % 5].size() * 2;
        }
        if (estimate >= targetBytes) { // the size check costs a save; do it only near the end
            c.endEditBlock();
            if (rtf::write(&doc).size() >= targetBytes)
                return;
            estimate = rtf::write(&doc).size();
            c.beginEditBlock();
        }
        QTextBlockFormat b;
        b.setAlignment(k % 9 == 0 ? Qt::AlignHCenter : k % 9 == 3 ? Qt::AlignRight : Qt::AlignLeft);
        c.insertBlock(b, QTextCharFormat());
        if (k % 4 == 0)
            c.insertBlock(QTextBlockFormat(), QTextCharFormat()); // an empty line between entries
    }
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// The notes box as the main window shows it: a QTextEdit of its size with its font.
struct NotesBox {
    QTextEdit edit;
    NotesBox()
    {
        edit.resize(736, 282);
        edit.document()->setDefaultFont(notesFont());
        edit.show();
    }
    // File to painted box: what happens when the user opens a list.
    void open(const QString &path)
    {
        rtf::read(readFile(path), edit.document());
        (void)edit.grab();
    }
};

void notesBoxFigures(const QString &dir)
{
    NotesBox box;
    QByteArray oneMb;
    double oneMbMs = 0;
    for (int mb : {1, 2, 5, 10}) {
        QTextDocument source;
        source.setDefaultFont(notesFont());
        fillNotes(source, qsizetype(mb) * 1024 * 1024);
        const QByteArray bytes = rtf::write(&source);
        const QString path = dir + QStringLiteral("/notes%1.rtf").arg(mb);
        writeRaw(path, bytes);

        const int reps = mb >= 5 ? 3 : 7;
        const double rawMs = bench::medianMs(reps, [&] { (void)readFile(path); });
        const double openMs = bench::medianMs(reps, [&] { box.open(path); });
        const double layoutMs = bench::medianMs(reps, [&] {
            box.open(path);
            (void)box.edit.document()->documentLayout()->documentSize(); // lay out to the end
        });
        char what[96];
        std::snprintf(what, sizeof what, "%d MB notes file to painted notes box", mb);
        bench::report(what, openMs, "read the file", rawMs, 100.0 * mb);
        std::printf("  laid out to the end as well (Qt's layout, after the box is shown): %.2f ms\n", layoutMs);
        if (mb == 1) {
            oneMb = bytes;
            oneMbMs = openMs;
            std::printf("  1 MB document: %lld bytes of RTF, %d paragraphs, %d characters\n",
                        (long long)bytes.size(), box.edit.document()->blockCount(),
                        box.edit.document()->characterCount());
        } else {
            std::printf("  %d MB / 1 MB: x%.1f\n", mb, openMs / oneMbMs);
        }
    }

    // Save: the document to bytes on disk, beside writing the same bytes raw.
    box.open(dir + QStringLiteral("/notes1.rtf"));
    const QString savePath = dir + QStringLiteral("/saved.rtf");
    QByteArray saved;
    const double saveMs = bench::medianMs(7, [&] {
        saved = rtf::write(box.edit.document());
        store::writeFileAtomic(savePath, saved);
    });
    const QString rawPath = dir + QStringLiteral("/raw.rtf");
    const double rawWriteMs = bench::medianMs(7, [&] { writeRaw(rawPath, saved); });
    bench::report("save 1 MB of notes to disk", saveMs, "write the bytes", rawWriteMs, 100);
    if (saved != oneMb)
        std::printf("  !! the loaded notes did not save to the same bytes\n");
}

// A font table of n fonts, or a colour table of n colours, each used once in the text.
QByteArray manyEntries(int n, bool colours)
{
    QByteArray table = colours ? "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;"
                               : "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    QByteArray body;
    for (int i = 0; i < n; ++i) {
        const QByteArray num = QByteArray::number(i);
        if (colours) {
            table += "\\red" + QByteArray::number(i % 256) + "\\green" + QByteArray::number(i / 256 % 256)
                     + "\\blue" + QByteArray::number(i / 65536) + ';';
            body += "\\cf" + QByteArray::number(i + 1) + " word " + num + ' ';
        } else {
            table += "{\\f" + num + "\\fnil\\fcharset0 Font " + num + ";}";
            body += "\\f" + num + " word " + num + ' ';
        }
        if (i % 10 == 9)
            body += "\\par\r\n";
    }
    return table + "}\r\n" + body + '}';
}

void manyEntryFigures(const QString &dir)
{
    for (bool colours : {false, true}) {
        for (int n : {20000, 100000}) {
            const QByteArray bytes = manyEntries(n, colours);
            const QString path = dir + QStringLiteral("/table%1.rtf").arg(n);
            writeRaw(path, bytes);
            const double rawMs = bench::medianMs(3, [&] { (void)readFile(path); });
            QTextDocument doc;
            doc.setDefaultFont(notesFont());
            const double loadMs = bench::medianMs(3, [&] { rtf::read(readFile(path), &doc); });
            char what[96];
            std::snprintf(what, sizeof what, "load %d %s, each used (%lld KB)", n, colours ? "colours" : "fonts",
                          (long long)bytes.size() / 1024);
            bench::report(what, loadMs, "read the file", rawMs, n / 200.0);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    // "notes" or "fonts" runs only that part.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only.isEmpty() || only == QLatin1String("notes"))
        notesBoxFigures(dir.path());
    if (only.isEmpty() || only == QLatin1String("fonts"))
        manyEntryFigures(dir.path());
    return 0;
}
