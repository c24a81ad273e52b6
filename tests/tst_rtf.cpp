// RTF reader and writer: what the notes box saves comes back the same, files from WordPad, Word and
// LibreOffice load with their text and formatting, and no input can crash or hang the reader.
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>
#include <random>

namespace {

// A document set up as the notes box sets it: Tahoma, 17 pixels.
struct Notes {
    QTextDocument doc;
    Notes()
    {
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(17);
        doc.setDefaultFont(f);
    }
};

// A character format as the file stores it: family, size in half points, colour or "auto", then
// b i u s for the styles that are on. Unset family and size mean the document's default font.
QStringList families(const QTextCharFormat &f)
{
    return f.property(QTextFormat::FontFamilies).toStringList();
}

QString describe(const QTextCharFormat &f, const QTextDocument &doc)
{
    QString family = families(f).value(0);
    if (family.isEmpty())
        family = doc.defaultFont().family();
    double pt = f.fontPointSize();
    if (!(pt > 0))
        pt = doc.defaultFont().pixelSize() * 0.75;
    QString s = family + QLatin1Char(' ') + QString::number(qRound(pt * 2) / 2.0);
    s += f.hasProperty(QTextFormat::ForegroundBrush) ? QLatin1Char(' ') + f.foreground().color().name()
                                                      : QStringLiteral(" auto");
    if (f.fontWeight() >= QFont::DemiBold)
        s += QStringLiteral(" b");
    if (f.fontItalic())
        s += QStringLiteral(" i");
    if (f.fontUnderline())
        s += QStringLiteral(" u");
    if (f.fontStrikeOut())
        s += QStringLiteral(" s");
    return s;
}

QChar alignmentLetter(const QTextBlock &b)
{
    const Qt::Alignment a = b.blockFormat().alignment();
    if (a & Qt::AlignHCenter)
        return QLatin1Char('C');
    if (a & Qt::AlignRight)
        return QLatin1Char('R');
    if (a & Qt::AlignJustify)
        return QLatin1Char('J');
    return QLatin1Char('L');
}

// One line per paragraph: alignment, then each run of equal format as [text]{format}; an empty
// paragraph shows the format of its mark.
QStringList describe(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line = alignmentLetter(b) + QLatin1Char('|');
        if (b.length() <= 1) {
            line += QStringLiteral("<empty>{") + describe(b.charFormat(), doc) + QLatin1Char('}');
        } else {
            QString text, format;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QString f = describe(it.fragment().charFormat(), doc);
                if (f != format && !text.isEmpty()) {
                    line += QLatin1Char('[') + text + QStringLiteral("]{") + format + QLatin1Char('}');
                    text.clear();
                }
                format = f;
                text += it.fragment().text();
            }
            line += QLatin1Char('[') + text + QStringLiteral("]{") + format + QLatin1Char('}');
        }
        out << line;
    }
    return out;
}

QStringList paragraphs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

// The format of the first occurrence of text, or "mixed" when it is not one run.
QString formatOf(const QTextDocument &doc, const QString &text)
{
    const QTextCursor found = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QStringLiteral("<not found>");
    QString first;
    for (int pos = found.selectionStart() + 1; pos <= found.selectionEnd(); ++pos) {
        QTextCursor c(const_cast<QTextDocument *>(&doc));
        c.setPosition(pos);
        const QString f = describe(c.charFormat(), doc);
        if (first.isEmpty())
            first = f;
        else if (f != first)
            return QStringLiteral("mixed");
    }
    return first;
}

// One letter (L C R J) per paragraph.
QString alignments(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out += alignmentLetter(b);
    return out;
}

QTextCharFormat charFormat(const QString &family, double pt, std::optional<QColor> color, int styles)
{
    QTextCharFormat f;
    if (!family.isEmpty())
        f.setFontFamilies({family});
    if (pt > 0)
        f.setFontPointSize(pt);
    if (color)
        f.setForeground(*color);
    if (styles & 1)
        f.setFontWeight(QFont::Bold);
    if (styles & 2)
        f.setFontItalic(true);
    if (styles & 4)
        f.setFontUnderline(true);
    if (styles & 8)
        f.setFontStrikeOut(true);
    return f;
}

void newParagraph(QTextCursor &c, Qt::Alignment align, bool first = false)
{
    if (!first)
        c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    QTextBlockFormat bf;
    bf.setAlignment(align);
    c.setBlockFormat(bf);
}

// Every combination the notes box can make: each colour (and none) with each of the sixteen style
// combinations in each alignment, fonts and sizes cycling through them; each font at each size;
// empty paragraphs with their own formats; text that needs escaping or lies outside the code page.
void fillWithEveryFormat(QTextDocument &doc)
{
    const QStringList fonts = {QStringLiteral("Tahoma"), QStringLiteral("SPIonic"), QStringLiteral("Arial"),
                               QStringLiteral("Times New Roman"), QStringLiteral("Courier New")};
    const std::optional<QColor> colors[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0),
                                            QColor(255, 255, 255), std::nullopt};
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const QString texts[] = {
        QStringLiteral("plain words "),
        QStringLiteral("a1nqrwpoj kai\\ lo/goj "), // SPIonic keys, with a backslash
        QString::fromUtf8("Ἐν ἀρχῇ ἦν ὁ λόγος "),
        QString::fromUtf8("café über € ß ñ "),
        QString::fromUtf8("‘single’ “double” – — … ™ œ Ÿ • "),
        QStringLiteral("{braces} and \\backslash\\ "),
        QString::fromUtf8("漢字 😀 \u00a0nbsp\u00adsoft "),
        QStringLiteral("tab\there line") + QChar(QChar::LineSeparator) + QStringLiteral("break "),
        QStringLiteral("123 digits after a word "),
        QString(QChar(0x0081)) + QStringLiteral(" unassigned byte "),
    };
    QTextCursor c(&doc);
    newParagraph(c, Qt::AlignLeft, true); // the notes begin with an empty line
    int k = 0;
    for (Qt::Alignment align : aligns) {
        for (const auto &color : colors) {
            newParagraph(c, align);
            for (int styles = 0; styles < 16; ++styles, ++k)
                c.insertText(texts[k % 10], charFormat(fonts[k % 5], 8 + k % 17, color, styles));
        }
    }
    for (const QString &font : fonts) {
        newParagraph(c, Qt::AlignLeft);
        for (int pt = 8; pt <= 24; ++pt)
            c.insertText(QStringLiteral("%1 pt ").arg(pt), charFormat(font, pt, std::nullopt, 0));
    }
    // Unset properties fall back to the default font; a run may set only some of them.
    newParagraph(c, Qt::AlignLeft);
    c.insertText(QStringLiteral("default "), QTextCharFormat());
    c.insertText(QStringLiteral("only bold "), charFormat(QString(), 0, std::nullopt, 1));
    c.insertText(QStringLiteral("only size "), charFormat(QString(), 20, std::nullopt, 0));
    c.insertText(QStringLiteral("only family"), charFormat(QStringLiteral("Arial"), 0, std::nullopt, 0));
    // Empty paragraphs, each alignment, with and without a format of their own.
    for (Qt::Alignment align : aligns) {
        newParagraph(c, align);
        newParagraph(c, align);
        c.setBlockCharFormat(charFormat(QStringLiteral("SPIonic"), 22, QColor(0, 0, 255), 5));
    }
    newParagraph(c, Qt::AlignHCenter);
    c.insertText(QStringLiteral("after the empty lines"), charFormat(QStringLiteral("Arial"), 9, QColor(0, 128, 0), 10));
    newParagraph(c, Qt::AlignLeft); // the notes end with an empty line
}

// ---- Samples written the way the producers write them (tests/data/rtf) ----

QByteArray sample(const char *name)
{
    const QByteArray dir = qgetenv("MNEMORA_TEST_DATA");
    QFile f(dir.isEmpty() ? QFINDTESTDATA(QStringLiteral("data/rtf/") + QLatin1String(name))
                          : QString::fromLocal8Bit(dir) + QStringLiteral("/rtf/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return f.readAll();
}

QByteArray rtfOf(const char *body)
{
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}") + body + '}';
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatRichEditWrites();
    void roundTripKeepsEveryFormat();
    void readsProducerFiles_data();
    void readsProducerFiles();
    void decodesCharacters_data();
    void decodesCharacters();
    void reducesDestinationsToVisibleText_data();
    void reducesDestinationsToVisibleText();
    void readsCharacterProperties();
    void readsFontTable();
    void loadsPlainText_data();
    void loadsPlainText();
    void survivesHostileInput_data();
    void survivesHostileInput();
    void survivesMutatedInput();
};

void TestRtf::writesWhatRichEditWrites()
{
    Notes n;
    QTextCursor c(&n.doc);
    c.insertText(QStringLiteral("Hello "));
    c.insertText(QStringLiteral("bold"), charFormat(QString(), 0, std::nullopt, 1));
    c.insertText(QStringLiteral(" end"), QTextCharFormat());
    newParagraph(c, Qt::AlignHCenter);
    c.insertText(QStringLiteral("red"), charFormat(QStringLiteral("Arial"), 12, QColor(255, 0, 0), 0));
    newParagraph(c, Qt::AlignLeft);
    newParagraph(c, Qt::AlignRight);
    c.insertText(u("é€α😀 {x}\\") + QStringLiteral("\ta") + QChar(QChar::LineSeparator) + QStringLiteral("b"));

    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}"
        "{\\f1\\fnil\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1 \r\n"
        "\\pard\\f0\\fs26 Hello \\b bold\\b0  end\\par\r\n"
        "\\pard\\qc\\cf1\\f1\\fs24 red\\par\r\n"
        "\\pard\\cf0\\f0\\fs26\\par\r\n"
        "\\pard\\qr\\'e9\\'80\\u945?\\u-10179?\\u-8704? \\{x\\}\\\\\\tab a\\line b\\par\r\n"
        "}\r\n";
    QCOMPARE(rtf::write(&n.doc), expected);
}

void TestRtf::roundTripKeepsEveryFormat()
{
    Notes original;
    fillWithEveryFormat(original.doc);
    const QByteArray saved = rtf::write(&original.doc);

    Notes loaded;
    rtf::read(saved, &loaded.doc);
    QCOMPARE(describe(loaded.doc), describe(original.doc));
    QCOMPARE(rtf::write(&loaded.doc), saved);

    // Runs without a colour stay without one: "default" follows the editor's palette.
    const QTextCursor plain = loaded.doc.find(QStringLiteral("default "));
    QVERIFY(!plain.isNull());
    QVERIFY(!plain.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(families(plain.charFormat()).value(0), QStringLiteral("Tahoma"));
    QCOMPARE(plain.charFormat().fontPointSize(), 13.0); // 17 px at 96 dpi, to the half point
    QVERIFY(!loaded.doc.isModified());
    QVERIFY(!loaded.doc.isUndoAvailable());

    // Empty notes come back as one empty paragraph, not as none or two.
    Notes empty;
    rtf::read(rtf::write(&empty.doc), &loaded.doc);
    QCOMPARE(paragraphs(loaded.doc), QStringList{QString()});
    QCOMPARE(rtf::write(&loaded.doc), rtf::write(&empty.doc));
}

void TestRtf::readsProducerFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("paras");
    QTest::addColumn<QString>("aligns");
    QTest::addColumn<QStringList>("formats"); // "text=its format"
    const QString ls(QChar(QChar::LineSeparator));
    QTest::newRow("WordPad")
        << "wordpad.rtf"
        << QStringList{"Plain bold italic under struck", "Centre red", "αβγ café € €", "•\tbullet item",
                       "a1nqrwpoj" + ls + "second line\ttabbed", ""}
        << "LCRLLL"
        << QStringList{"Plain =Calibri 11 auto", "bold=Calibri 11 auto b", "italic=Calibri 11 auto i",
                       "under=Calibri 11 auto u", "struck=Calibri 11 auto s", "Centre red=Calibri 14 #ff0000",
                       "αβγ=Tahoma 13 #0000ff", " café € €=Calibri 11 auto", "a1nqrwpoj=SPIonic 16 #008000",
                       "second line=Calibri 11 auto"};
    QTest::newRow("Word")
        << "word.rtf"
        << QStringList{"Normal text, bold, italic and struck.", "Centred red 14", "It’s “quoted” — see the site.",
                       "αβ and γδ", "Cell A1\tCell B1", "After the table."}
        << "LCLLLL"
        << QStringList{"Normal text, =Calibri 11 auto", "bold=Calibri 11 auto b", "italic=Calibri 11 auto i",
                       "struck=Calibri 11 auto s", "Centred red 14=Calibri 14 #ff0000",
                       "the site=Calibri 11 #0563c1 u", "αβ=Calibri 11 auto", "γδ=Times New Roman Greek 11 auto",
                       "Cell A1=Calibri 11 auto"};
    QTest::newRow("LibreOffice")
        << "libreoffice.rtf"
        << QStringList{"Plain Liberation Serif bold italic underlined struck", "Centred Tahoma", "café € αβ", "",
                       "Line one" + ls + "Line two\tafter tab a link"}
        << "LCRLL"
        << QStringList{"Plain Liberation Serif =Liberation Serif 12 auto", "bold=Liberation Serif 12 auto b",
                       "italic=Liberation Serif 12 auto i", "underlined=Liberation Serif 12 auto u",
                       "struck=Liberation Serif 12 auto s", "Centred Tahoma=Tahoma 16 #ff0000",
                       "café € αβ=Liberation Serif 12 #008000", "a link=Liberation Serif 12 #0000ff u"};
}

void TestRtf::readsProducerFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, paras);
    QFETCH(QString, aligns);
    QFETCH(QStringList, formats);
    Notes n;
    rtf::read(sample(qPrintable(file)), &n.doc);
    QCOMPARE(paragraphs(n.doc), paras);
    QCOMPARE(alignments(n.doc), aligns);
    for (const QString &f : formats) {
        const qsizetype eq = f.lastIndexOf(QLatin1Char('='));
        QCOMPARE(formatOf(n.doc, f.left(eq)), f.mid(eq + 1));
    }
}

void TestRtf::decodesCharacters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("1252 by default") << rtfOf("\\f0 caf\\'e9 \\'80\\'85\\'9f") << u("café €…Ÿ");
    QTest::newRow("unassigned 1252 byte") << rtfOf("\\'81") << QString(QChar(0x81));
    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}") << u("При");
    QTest::newRow("ansicpg UTF-8") << QByteArray("{\\rtf1\\ansi\\ansicpg65001 caf\\'c3\\'a9 \xe2\x82\xac}") << u("café €");
    QTest::newRow("unknown ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg99999 \\'e9}") << u("é");
    QTest::newRow("mac") << QByteArray("{\\rtf1\\mac\\deff0{\\fonttbl{\\f0 Helvetica;}}\\f0 caf\\'8e}") << u("café");
    QTest::newRow("raw 8-bit bytes") << rtfOf("caf\xe9") << u("café");
    QTest::newRow("charset 161 Greek")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil\\fcharset161 Arial;}}"
                      "\\f1\\'e1\\'e2\\f0\\'e1}")
        << u("αβá");
    QTest::newRow("charset 204 Cyrillic")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset204 Arial;}}\\f1\\'cf\\'f0\\'e8}") << u("При");
    QTest::newRow("charset 238 Central European")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset238 Arial;}}\\f1\\'b9\\'9e}") << u("ąž");
    QTest::newRow("charset 162 Turkish")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset162 Arial;}}\\f1\\'fd\\'f0}") << u("ığ");
    QTest::newRow("charset 0 is 1252 whatever the ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0\\fcharset0 Tahoma;}{\\f1 Tahoma;}{\\f2\\fcharset1 Tahoma;}}"
                      "\\f0 caf\\'e9 \\'80\\f1\\'e1\\f2\\'e2}")
        << u("café €αβ");
    QTest::newRow("symbol private use in symbol and SPIonic fonts")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset0 spionic;}}"
                      "\\f1\\u61537?\\u61695?\\f2\\u61549?\\u61501?\\u61471?\\u61696?\\f0\\u61549?}")
        << u("a\u00ffm=\uf01f\uf100\uf06d");
    QTest::newRow("charset 2 symbol")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1 a\\'b7\\'80}") << u("a·\u0080");
    QTest::newRow("charset 128 double-byte")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1\\'93\\'fa\\'96\\'7b\\'83A}")
        << u("日本ア");
    QTest::newRow("deff decides the code page")
        << QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}\\'cf\\plain\\'cf}")
        << u("ПП");
    // \uN with its substitute characters
    QTest::newRow("uc1") << rtfOf("\\uc1\\u945?\\u946?") << u("αβ");
    QTest::newRow("uc2 skips escaped bytes") << rtfOf("\\uc2\\u945\\'e1\\'e2x") << u("αx");
    QTest::newRow("uc0") << rtfOf("\\uc0\\u945 x") << u("αx");
    QTest::newRow("negative") << rtfOf("\\u-3913?") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair") << rtfOf("\\u-10179?\\u-8704?") << u("😀");
    QTest::newRow("group end stops skipping") << rtfOf("\\uc3\\u945{b}c") << u("αbc");
    QTest::newRow("uc belongs to the group") << rtfOf("{\\uc2\\u945??}x\\u946?y") << u("αxβy");
    QTest::newRow("out of range ignored") << rtfOf("\\u70000?x\\u-40000?y") << u("xy");
}

void TestRtf::decodesCharacters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(doc.toPlainText(), text);
}

void TestRtf::reducesDestinationsToVisibleText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("paras");
    QTest::newRow("picture") << rtfOf("a{\\pict\\pngblip\\picw10\\pich10 89504e470d0a}b") << QStringList{"ab"};
    QTest::newRow("shape picture")
        << rtfOf("a{\\*\\shppict{\\pict\\pngblip 89}}{\\nonshppict{\\pict\\wmetafile8 01}}b") << QStringList{"ab"};
    QTest::newRow("object shows its result")
        << rtfOf("a{\\object\\objemb{\\*\\objclass Paint.Picture}{\\objdata 0105000002}{\\result {\\pict 00}shown}}b")
        << QStringList{"ashownb"};
    QTest::newRow("field shows its result")
        << rtfOf("see {\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt {\\ul link}}} now")
        << QStringList{"see link now"};
    QTest::newRow("field code without star") << rtfOf("{\\field{\\fldinst PAGE}{\\fldrslt 7}}") << QStringList{"7"};
    QTest::newRow("upr shows the unicode part") << rtfOf("{\\upr{ansi}{\\*\\ud{uni\\u945?}}}") << QStringList{u("uniα")};
    QTest::newRow("binary data") << rtfOf("a{\\*\\blob\\bin4 {}\\x}b\\bin3 {}cd") << QStringList{"abd"};
    QTest::newRow("unknown optional destination") << rtfOf("a{\\*\\foo text {nested}}b") << QStringList{"ab"};
    QTest::newRow("unknown words skipped") << rtfOf("a\\foo12 b\\bar-3 c{\\baz d}") << QStringList{"abcd"};
    QTest::newRow("header tables")
        << QByteArray("{\\rtf1{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author A}}{\\*\\listtable{\\list x}}"
                      "{\\listoverridetable{\\listoverride y}}{\\*\\generator Gen;}text}")
        << QStringList{"text"};
    QTest::newRow("headers, footers, footnotes")
        << rtfOf("{\\header head}a{\\footnote note}b{\\footer foot}") << QStringList{"a[note]b"};
    QTest::newRow("footnote marks and paragraphs")
        << rtfOf("a{\\super\\chftn}{\\*\\footnote\\pard\\plain{\\super\\chftn} one\\par two\\par}b"
                 "{\\chftn}{\\footnote\\ftnalt{\\chftn} end\\par}, page \\chpgn\\par")
        << QStringList{"a1[1 one two]b2[2 end], page 1"};
    QTest::newRow("frame and shape text")
        << rtfOf("a{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt in shape\\par}}"
                 "{\\shprslt{\\pict 00}}}b")
        << QStringList{"ain shape", "b"};
    QTest::newRow("list labels")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Wingdings;}}"
                      "{\\pntext\\f1\\'a7\\tab}x\\par{\\pntext 2.\\tab}y\\par{\\listtext\\pard\\plain iv)\\tab}z\\par"
                      "{\\listtext\\u61623?\\tab}w\\par{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}v}")
        << QStringList{u("•\tx"), "2.\ty", "iv)\tz", u("•\tw"), "v"};
    QTest::newRow("column break") << rtfOf("a\\column b") << QStringList{u("a\u2028b")};
    QTest::newRow("hidden text") << rtfOf("a{\\v hidden}b\\v c\\v0 d") << QStringList{"abd"};
    QTest::newRow("table rows")
        << rtfOf("\\trowd\\cellx1000\\cellx2000\\intbl A\\cell B\\cell\\row"
                 "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl \\cell D\\cell \\cell\\row\\pard after\\par")
        << QStringList{"A\tB", "\tD", "after"};
    QTest::newRow("special characters")
        << rtfOf("\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\-\\_\\{\\}\\\\")
        << QStringList{u("—–•‘’“”\u00a0\u00ad\u2011{}\\")};
    QTest::newRow("breaks") << rtfOf("a\\line b\\tab c\\\nd\\par e") << QStringList{u("a\u2028b\tc"), "d", "e"};
    QTest::newRow("last paragraph mark adds no line") << rtfOf("a\\par") << QStringList{"a"};
    QTest::newRow("empty lines kept") << rtfOf("a\\par\\par\\par b\\par\\par") << QStringList{"a", "", "", "b", ""};
    QTest::newRow("page and section breaks")
        << rtfOf("a\\page b\\par\\sect c\\sect\\sect") << QStringList{"a", "b", "c"};
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b") << QStringList{"a"};
}

void TestRtf::reducesDestinationsToVisibleText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, paras);
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(paragraphs(doc), paras);
}

void TestRtf::readsCharacterProperties()
{
    Notes n;
    rtf::read(QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Verdana;}{\\f2\\fnil Times New Roman;}}"
                         "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                         "plain {\\b\\i\\ul\\strike all}{\\b1\\b0 nob}{\\ul\\ul0 noul}{\\uldb dbl}{\\ul\\ulnone noul2}"
                         "{\\f2\\fs17\\cf2 tnr}{\\cf2\\cf0 auto}{\\cf9 bad}{\\fs0 zero}{\\fs99999999999 huge}"
                         "{\\cf1\\b\\f0\\plain reset}{\\f77 nofont}\\par"
                         "\\qc c\\par\\pard {\\qr r}\\par\\qr x\\pard y\\par \\qj j}"),
             &n.doc);
    QCOMPARE(formatOf(n.doc, QStringLiteral("plain")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("all")), QStringLiteral("Verdana 12 auto b i u s"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("nob")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("noul")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("dbl")), QStringLiteral("Verdana 12 auto u"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("noul2")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("tnr")), QStringLiteral("Times New Roman 8.5 #0000ff"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("auto")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("bad")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("zero")), QStringLiteral("Verdana 12 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("huge")), QStringLiteral("Verdana 1638 auto"));
    QCOMPARE(formatOf(n.doc, QStringLiteral("reset")), QStringLiteral("Verdana 12 auto"));
    QVERIFY(!n.doc.find(QStringLiteral("auto")).charFormat().hasProperty(QTextFormat::ForegroundBrush));
    // A font number missing from the table names no family: the default font shows.
    QVERIFY(families(n.doc.find(QStringLiteral("nofont")).charFormat()).isEmpty());
    // Alignment is the one in force at the paragraph mark, and it belongs to the group.
    QCOMPARE(paragraphs(n.doc).mid(1), (QStringList{"c", "r", "xy", "j"}));
    QCOMPARE(alignments(n.doc), QStringLiteral("LCLLJ"));
}

void TestRtf::readsFontTable()
{
    QTextDocument doc;
    rtf::read(QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"
                         "{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman{\\*\\falt Tms Rmn};}"
                         "{\\f1\\fnil\\fcharset161 \\'c1\\'f1\\'e9\\'e1\\'eb;}"
                         "{\\f2 \\u922?\\u945?li;}"
                         "{\\f3  Spaced Name  ;}"
                         "{\\f4 No Semicolon}"
                         "{\\f5\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}"
                         "{\\upr{\\f6 Ansi Name;}{\\*\\ud{\\f6 Uni \\u945?;}}}}"
                         "\\f0 a\\f1 b\\f2 c\\f3 d\\f4 e\\f5 f\\f6 g}"),
             &doc);
    QStringList used;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            used << families(it.fragment().charFormat()).value(0);
    }
    QCOMPARE(used, (QStringList{"Times New Roman", u("Αριαλ"), u("Καli"), "Spaced Name", "No Semicolon",
                                    u("ＭＳ Mincho"), u("Uni α")}));
    // Old files list the fonts without a group for each.
    rtf::read(QByteArray("{\\rtf1\\mac\\deff0{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}\\f1 x}"), &doc);
    QCOMPARE(families(doc.begin().begin().fragment().charFormat()), QStringList{"Courier"});
}

void TestRtf::loadsPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("paras");
    QTest::newRow("empty") << QByteArray() << QStringList{QString()};
    QTest::newRow("CR LF, LF and CR") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank lines") << QByteArray("a\r\n\r\n\n\rb\r\n") << QStringList{"a", "", "", "", "b", ""};
    QTest::newRow("Windows-1252") << QByteArray("caf\xe9 \x80 \x93q\x94 \x81") << QStringList{u("café € “q” \u0081")};
    QTest::newRow("tabs kept, NUL dropped") << QByteArray("a\tb\0c", 5) << QStringList{"a\tbc"};
    QTest::newRow("almost RTF") << QByteArray("{\\rt x}") << QStringList{"{\\rt x}"};
    QTest::newRow("RTF not at the start") << QByteArray(" {\\rtf1 x}") << QStringList{" {\\rtf1 x}"};
}

void TestRtf::loadsPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, paras);
    Notes n;
    rtf::read(rtf::write(&n.doc), &n.doc); // old content and formats must go
    rtf::read(bytes, &n.doc);
    QCOMPARE(paragraphs(n.doc), paras);
    QCOMPARE(n.doc.begin().charFormat().properties().size(), 0);
}

void TestRtf::survivesHostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("header only") << QByteArray("{\\rtf") << QString();
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1{{{{\\b x") << QStringLiteral("x");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}}}b") << QStringLiteral("a");
    QTest::newRow("deep nesting")
        << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}" << QStringLiteral("xy");
    QTest::newRow("lone backslash") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("cut hex escape") << QByteArray("{\\rtf1 a\\'4") << QStringLiteral("a");
    QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 a\\'zz}") << QStringLiteral("azz");
    QTest::newRow("huge numbers")
        << QByteArray("{\\rtf1\\fs99999999999999999999\\cf-99999999999\\f99999999999\\uc99999999999 a\\u99999999999 b}")
        << QStringLiteral("a");
    QTest::newRow("huge uc") << QByteArray("{\\rtf1{\\uc2147483647\\u945 skipped}c}") << u("αc");
    QTest::newRow("bin beyond the end") << QByteArray("{\\rtf1 a\\bin999999999 bcd") << QStringLiteral("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("long control word") << QByteArray("{\\rtf1\\") + QByteArray(100000, 'x') + " a}" << QStringLiteral("a");
    QTest::newRow("long number") << QByteArray("{\\rtf1\\fs") + QByteArray(100000, '9') + " a}" << QStringLiteral("a");
    QTest::newRow("unclosed font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial") << QString();
    QTest::newRow("control characters") << QByteArray("{\\rtf1 a\x01\x0b\x7f\\'0d\\'0a\\u8233?\\u64976?\\u65532?b}")
                                         << QStringLiteral("ab");
}

void TestRtf::survivesHostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(doc.toPlainText(), text);
}

// Thousands of damaged and random inputs: the reader returns with a document no bigger than its
// input, and whatever it loaded saves, loads and saves again to the same bytes.
void TestRtf::survivesMutatedInput()
{
    std::mt19937 rng(20240305);
    auto pick = [&rng](size_t n) { return size_t(std::uniform_int_distribution<size_t>(0, n - 1)(rng)); };

    Notes every;
    fillWithEveryFormat(every.doc);
    const QByteArray corpus[] = {sample("wordpad.rtf"), sample("word.rtf"), sample("libreoffice.rtf"), rtf::write(&every.doc).left(6000),
                                 rtfOf("a{\\object{\\result b}}{\\upr{c}{\\*\\ud d}}\\trowd e\\cell\\row")};
    const char *const dictionary[] = {
        "{", "}", "\\", "\\'", "\\'e", "\\'9f", "\\u", "\\u-", "\\u945?", "\\uc", "\\uc0", "\\uc9999", "\\bin",
        "\\bin99999999", "\\*", "\\par", "\\pard", "\\plain", "\\f", "\\f1", "\\fs", "\\fs-2", "\\cf", "\\cf1",
        "\\fonttbl", "\\colortbl", "\\object", "\\result", "\\upr", "\\ud", "\\pict", "\\field", "\\fldrslt",
        "\\fldinst", "\\cell", "\\row", "\\line", "\\tab", "\\qc", "\\b", "\\v", ";", "99999999999999", "-",
        "\\fcharset128", "\\fcharset161", "\\fcharset2", "\\ansicpg932", "\\'82\\'a0", "\\red300", " ", "\r\n"};

    Notes doc, again;
    for (int round = 0; round < 20000; ++round) {
        QByteArray input;
        if (round % 10 == 9) { // random bytes, half of them behind an RTF header
            input = round % 20 == 19 ? QByteArray("{\\rtf1") : QByteArray();
            const size_t n = pick(400);
            for (size_t i = 0; i < n; ++i)
                input += char(pick(256));
        } else {
            input = corpus[pick(std::size(corpus))];
            const int mutations = 1 + int(pick(4));
            for (int m = 0; m < mutations && !input.isEmpty(); ++m) {
                const qsizetype at = qsizetype(pick(size_t(input.size())));
                switch (pick(6)) {
                case 0: input[at] = char(input[at] ^ (1 << pick(8))); break;
                case 1: input.truncate(at); break;
                case 2: input.insert(at, dictionary[pick(std::size(dictionary))]); break;
                case 3: input.insert(at, input.mid(at, qsizetype(pick(200)))); break;
                case 4: input.remove(at, qsizetype(pick(200))); break;
                case 5: input[at] = char(pick(256)); break;
                }
            }
        }
        rtf::read(input, &doc.doc);
        QVERIFY2(doc.doc.characterCount() <= input.size() + 1, qPrintable(QStringLiteral("round %1").arg(round)));
        if (round % 4 == 0) {
            const QByteArray saved = rtf::write(&doc.doc);
            rtf::read(saved, &again.doc);
            QVERIFY2(rtf::write(&again.doc) == saved, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
