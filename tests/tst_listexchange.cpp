// Lists to and from the text files of flashcard programs and spreadsheets, and the notes as HTML:
// what is written, what is read back, and the files refused line by line with nothing written.
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "session/listdocument.h"
#include "session/listtransfer.h"
#include "session/notesexport.h"
#include "store/listexchange.h"
#include "store/spionic.h"
#include "store/textfile.h"
#include "store/vocablist.h"
#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace store;

namespace {

using Folder = WorkingFolder;

// Items in canonical SPIonic, with the characters each format has to quote or refuse.
QList<VocabItem> greekItems()
{
    return {{"lo&goj", "word, speech; reason"},
            {"'Aqh~nai", "Athens (\"the city\")"},
            {"zw~|on", "\"living being\", animal"},
            {"a)ll'", "but; elided"},
            {"9O qeo_j a)i5dioj.", "God is eternal: \u00e9t\u00e9 \u20ac 5"},
            {"r(h&twr", "orator"}};
}

QList<VocabItem> latinItems()
{
    return {{"arma", "arms, weapons"},
            {"\"quo\" vadis", "whither; goest thou"},
            {"caf\u00e9", "caf\u00e9 \u0152uvre \u2026 \u20ac \u201cquoted\u201d"},
            {"Troiae", "of Troy"}};
}

QList<VocabItem> withTab(QList<VocabItem> items)
{
    items.append(VocabItem{"tab", "before\tafter"});
    return items;
}

QString utf8(const QByteArray &bytes) { return QString::fromUtf8(bytes); }

} // namespace

class TestListExchange : public QObject {
    Q_OBJECT

private slots:
    void exportedText();
    void exportRoundTrip_data();
    void exportRoundTrip();
    void tabInTabSeparatedRefused();
    void readsOtherProgramsFiles_data();
    void readsOtherProgramsFiles();
    void faultsNamedByLine_data();
    void faultsNamedByLine();
    void importWritesThePairOrNothing();
    void notesAsHtml();
    void notesHtmlThroughLibreOffice();
};

void TestListExchange::exportedText()
{
    const QList<VocabItem> items = {{"lo&goj", "word, speech"}, {"qea&", "say \"goddess\"; not god"}};
    const QByteArray tsv = exportListText("Greek", items, ExchangeFormat::Tsv, "x.tsv");
    QCOMPARE(utf8(tsv), QStringLiteral("λόγος\tword, speech\r\nθεά\tsay \"goddess\"; not god\r\n"));
    const QByteArray csv = exportListText("Greek", items, ExchangeFormat::Csv, "x.csv");
    QCOMPARE(csv, QByteArray("\xEF\xBB\xBF")
                      + QStringLiteral("λόγος,\"word, speech\"\r\nθεά,\"say \"\"goddess\"\"; not god\"\r\n").toUtf8());
    // Latin headwords are not Greek keys; the lines a save leaves out are not exported either.
    QCOMPARE(utf8(exportListText("Latin", {{"logos", "w"}, {"a", ""}, {"", ""}}, ExchangeFormat::Tsv, "x.tsv")),
             QStringLiteral("logos\tw\r\n"));
    // A field that begins with a quote is quoted even between tabs, else importers take it as quoted.
    QCOMPARE(utf8(exportListText("Latin", {{"\"a\" b", "c \"d\""}}, ExchangeFormat::Tsv, "x.tsv")),
             QStringLiteral("\"\"\"a\"\" b\"\tc \"d\"\r\n"));
    // Greek headwords in NFC, final sigma, polytonic marks.
    const QString greek = utf8(exportListText("Greek", greekItems(), ExchangeFormat::Tsv, "x.tsv"));
    QVERIFY(greek.contains(QStringLiteral("Ἀθῆναι\t")));
    QVERIFY(greek.contains(QStringLiteral("Ὁ θεὸς ἀΐδιος.\t")));
    QCOMPARE(greek, greek.normalized(QString::NormalizationForm_C));
}

void TestListExchange::exportRoundTrip_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<VocabItem>>("items");
    QTest::addColumn<QString>("file");
    QTest::newRow("Greek, tsv") << "Greek" << greekItems() << "list.tsv";
    QTest::newRow("Greek, csv, with a tab") << "Greek" << withTab(greekItems()) << "list.csv";
    QTest::newRow("Latin, tsv") << "Latin" << latinItems() << "list.tsv";
    QTest::newRow("Latin, csv, with a tab") << "Latin" << withTab(latinItems()) << "list.csv";
}

void TestListExchange::exportRoundTrip()
{
    QFETCH(QString, language);
    QFETCH(QList<VocabItem>, items);
    QFETCH(QString, file);
    const QByteArray listFile = listFileBytes(language, items);
    const ListContent read = parseListLines(splitTextLines(listFile));
    const QByteArray text = exportListText(read.language, read.items, *exchangeFormatOf(file), file);
    const ImportedText back = parseImportText(text, language, file);
    QCOMPARE(back.items, items);
    QCOMPARE(listFileBytes(language, back.items), listFile);
    QCOMPARE(back.encoding, QStringLiteral("UTF-8"));
    QCOMPARE(back.separator, file.endsWith(".csv") ? QChar(u',') : QChar(u'\t'));
}

void TestListExchange::tabInTabSeparatedRefused()
{
    const QString message = errorOf([] { exportListText("Latin", withTab(latinItems()), ExchangeFormat::Tsv, "out.tsv"); });
    QVERIFY2(message.contains("\"out.tsv\"") && message.contains("item 5 \"tab\"") && message.contains(".csv"),
             qPrintable(message));
}

void TestListExchange::readsOtherProgramsFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<VocabItem>>("items");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("separator");
    const QList<VocabItem> greek = {{"lo&goj", "word"}, {"'Aqh~nai", "Athens"}};
    QTest::newRow("flashcard header, LF")
        << QStringLiteral("#separator:tab\n#html:false\n#columns:Front\tBack\nλόγος\tword\nἈθῆναι\tAthens\n").toUtf8()
        << "Greek" << greek << "UTF-8" << "tab";
    QTest::newRow("header names a semicolon, decomposed Greek")
        << QStringLiteral("#separator:Semicolon\r\n#deck:Greek\r\n%1;word\r\nἈθῆναι;Athens")
               .arg(QStringLiteral("λόγος").normalized(QString::NormalizationForm_D))
               .toUtf8()
        << "Greek" << greek << "UTF-8" << "semicolon";
    QTest::newRow("byte-order mark, quoted fields, blank lines")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"λόγος\",\"word\"\r\n\r\nἈθῆναι,Athens\r\n\r\n").toUtf8()
        << "Greek" << greek << "UTF-8" << "comma";
    QTest::newRow("SPIonic keys are taken as typed")
        << QByteArray("lo/gov\tword\n'Aqhnai=\tAthens\n") << "Greek"
        << QList<VocabItem>{{"lo/gov", "word"}, {"'Aqhnai=", "Athens"}} << "UTF-8" << "tab";
    QTest::newRow("Windows-1252, semicolons, commas unquoted")
        << QByteArray("caf\xe9;coffee, \x80 2\r\nna\xefve;artless, simple\r\n") << "Latin"
        << QList<VocabItem>{{"caf\u00e9", "coffee, \u20ac 2"}, {"na\u00efve", "artless, simple"}} << "Windows-1252"
        << "semicolon";
    QTest::newRow("commas, a semicolon unquoted, empty trailing columns")
        << QByteArray("amo,I love; to love,,\nvideo,I see,\n") << "Latin"
        << QList<VocabItem>{{"amo", "I love; to love"}, {"video", "I see"}} << "UTF-8" << "comma";
    QTest::newRow("a quote inside an unquoted field is a quote")
        << QByteArray("say \"hi\",greet\n\"a\"b,c\n\"open,shut\n") << "Latin"
        << QList<VocabItem>{{"say \"hi\"", "greet"}, {"\"a\"b", "c"}, {"\"open", "shut"}} << "UTF-8" << "comma";
}

void TestListExchange::readsOtherProgramsFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, language);
    QFETCH(QList<VocabItem>, items);
    QFETCH(QString, encoding);
    QFETCH(QString, separator);
    const ImportedText text = parseImportText(bytes, language, "in.txt");
    QCOMPARE(text.items, items);
    QCOMPARE(text.encoding, encoding);
    QCOMPARE(separatorName(text.separator), separator);
}

void TestListExchange::faultsNamedByLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected"); // parts of the message
    QTest::newRow("a byte that is not UTF-8")
        << QStringLiteral("λόγος\tword\nθεά\tgoddess\nbad\x01\tx").toUtf8().replace('\x01', '\xff') << "Greek"
        << QStringList{"line 3 ", "0xff", "not UTF-8"};
    QTest::newRow("a byte Windows-1252 leaves undefined")
        << QByteArray("caf\xe9\tcoffee\nx\x81y\tz\n") << "Latin" << QStringList{"line 2 ", "0x81"};
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEl\0") << "Latin" << QStringList{"UTF-16"};
    QTest::newRow("no separator, an empty headword, an empty description")
        << QByteArray("amo\tI love\nvideo I see\n\tnothing\nlaudo\t \nrego\n") << "Latin"
        << QStringList{"lines 2, 5: no separator (tab)", "line 3: an empty headword", "line 4: an empty description"};
    QTest::newRow("Greek in a description, Greek the keys cannot write")
        << QStringLiteral("λόγος\tword, λόγος\nϝάναξ\tlord\n").toUtf8() << "Greek"
        << QStringList{"line 1: the description holds", "λ ό γ ο ς", "line 2: the headword holds", "ϝ"};
    QTest::newRow("a zero-width no-break space inside a field")
        << QByteArray("amo\tI love\nvideo\tI\xEF\xBB\xBF see\n") << "Latin"
        << QStringList{"line 2: the description holds characters a list file cannot hold"};
    QTest::newRow("Greek headword in a Latin list")
        << QStringLiteral("arma\tarms\nλόγος\tword\n").toUtf8() << "Latin" << QStringList{"line 2: the headword holds"};
    QTest::newRow("a line break inside a quoted field")
        << QByteArray("amo,I love\nvideo,\"I see\nyou\"\nrego,I rule\n") << "Latin"
        << QStringList{"lines 2-3: a line break inside a field"};
    QTest::newRow("the list file's separator in a headword")
        << QByteArray("gazza\tmagpie\nazx\tb\n") << "Latin" << QStringList{"line 2: the headword holds \"zx\""};
    QTest::newRow("a third field") << QByteArray("a\tb\tc\nd\te\n") << "Latin" << QStringList{"line 1: more than two fields"};
    QTest::newRow("a separator this program does not read")
        << QByteArray("#separator:Pipe\na|b\n") << "Latin" << QStringList{"\"Pipe\""};
    QByteArray many = "#separator:tab\n";
    for (int k = 1; k <= MaxItems + 1; ++k)
        many += "w" + QByteArray::number(k) + "\td\n";
    QTest::newRow("10,001 items") << many << "Latin" << QStringList{"line 10002: 10001 items in all", "10000 at most"};
}

void TestListExchange::faultsNamedByLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    const QString message = errorOf([&] { parseImportText(bytes, language, "words.tsv"); });
    QVERIFY2(message.contains("\"words.tsv\"") && message.contains("othing was written"), qPrintable(message));
    for (const QString &part : expected)
        QVERIFY2(message.contains(part), qPrintable(part + " in: " + message));
}

void TestListExchange::importWritesThePairOrNothing()
{
    Folder folder;
    putFile("in.csv", QStringLiteral("λόγος,\"word, speech\"\nἈθῆναι,Athens\n").toUtf8());
    putFile("bad.tsv", "amo\tI love\nvideo\n");
    const QStringList before = folder.files();

    // Refused: a name the list-name rules refuse, a bad file, no language to tell, an unknown one.
    QString message = errorOf([] { importList("in.csv", "ab", "Greek", false); });
    QVERIFY2(message.contains("\"in.csv\"") && message.contains("Name too short."), qPrintable(message));
    message = errorOf([] { importList("in.csv", "con", "Greek", false); });
    QVERIFY2(message.contains("\"in.csv\"") && message.contains("device"), qPrintable(message));
    message = errorOf([] { importList("bad.tsv", "Verbs", "Latin", false); });
    QVERIFY2(message.contains("\"bad.tsv\"") && message.contains("line 2"), qPrintable(message));
    message = errorOf([] { importList("bad.tsv", "Verbs", "", false); });
    QVERIFY2(message.contains("Greek or a Latin"), qPrintable(message));
    message = errorOf([] { importList("in.csv", "Words", "Hebrew", false); });
    QVERIFY2(message.contains("Hebrew"), qPrintable(message));
    message = errorOf([] { importList("missing.tsv", "Words", "Latin", false); });
    QVERIFY2(message.contains("missing.tsv"), qPrintable(message));
    QCOMPARE(folder.files(), before);

    // Greek letters tell the language; the pair is written with a new list's notes.
    const ImportOutcome made = importList("in.csv", "Words", "", false);
    QCOMPARE(made.language, QStringLiteral("Greek"));
    QCOMPARE(made.items, 2);
    QVERIFY(!made.replaced);
    QCOMPARE(fileBytes("Words.vocab"), QByteArray("Greek\r\nlo&gojzxword, speech\r\n'Aqh~naizxAthens\r\n"));
    QCOMPARE(fileBytes("Words.rtf"), ListDocument::emptyNotes());

    // An existing list is replaced only when asked.
    putFile("Words.rtf", "{\\rtf1 my notes}");
    message = errorOf([] { importList("in.csv", "Words", "Greek", false); });
    QVERIFY2(message.contains("already there"), qPrintable(message));
    QCOMPARE(fileBytes("Words.rtf"), QByteArray("{\\rtf1 my notes}"));
    QVERIFY(importList("in.csv", "Words", "greek", true).replaced);
    QCOMPARE(fileBytes("Words.rtf"), ListDocument::emptyNotes());
}

void TestListExchange::notesAsHtml()
{
    QTextDocument notes;
    QTextCursor cursor(&notes);
    QTextCharFormat spionic;
    spionic.setFontFamilies({QStringLiteral("SPIonic")});
    QTextCharFormat boldGreek = spionic;
    boldGreek.setFontWeight(QFont::Bold);
    boldGreek.setForeground(QColor(255, 0, 0));
    QTextCharFormat italicGreek = spionic;
    italicGreek.setFontItalic(true);
    QTextCharFormat tahoma;
    tahoma.setFontFamilies({QStringLiteral("Tahoma")});
    tahoma.setForeground(QColor(0, 0, 255));
    cursor.insertText(QStringLiteral("mh~nin a!eide"), boldGreek);
    cursor.insertText(QStringLiteral(" - "), spionic);
    cursor.insertText(QStringLiteral("qea&"), italicGreek);
    cursor.insertText(QStringLiteral(" Sing, goddess"), tahoma);
    cursor.insertBlock();
    // A letter and its accent formatted apart are converted as one.
    cursor.insertText(QStringLiteral("lo"), boldGreek);
    cursor.insertText(QStringLiteral("&goj"), spionic);

    // Written and read as a notes file, as an export reads it.
    QTextDocument read;
    rtf::read(rtf::write(&notes), &read);
    const QString html = notesHtml(&read, QStringLiteral("Homer"));
    QVERIFY2(!html.contains(QStringLiteral("SPIonic"), Qt::CaseInsensitive), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("<title>Homer</title>")));
    QVERIFY(html.contains(QStringLiteral("charset=\"utf-8\"")) || html.contains(QStringLiteral("charset=utf-8")));

    // The converted runs keep their formats, the Tahoma run its font.
    QTextDocument back;
    back.setHtml(html);
    QCOMPARE(back.toPlainText(), QStringLiteral("μῆνιν ἄειδε \u2013 θεά Sing, goddess\nλόγος"));
    const auto formatAt = [&back](int position) {
        QTextCursor c(&back);
        c.setPosition(position + 1);
        return c.charFormat();
    };
    QCOMPARE(formatAt(0).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(0).foreground().color(), QColor(255, 0, 0));
    // The Greek in spans that name no font.
    QVERIFY2(html.contains(QStringLiteral("<span style=\" font-weight:700; color:#ff0000;\">μῆνιν ἄειδε</span>")),
             qPrintable(html));
    QVERIFY(formatAt(15).fontItalic());
    QVERIFY(!formatAt(15).fontWeight() || formatAt(15).fontWeight() == QFont::Normal);
    QCOMPARE(formatAt(20).fontFamilies().toStringList(), QStringList{QStringLiteral("Tahoma")});
    QCOMPARE(formatAt(20).foreground().color(), QColor(0, 0, 255));
}

void TestListExchange::notesHtmlThroughLibreOffice()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    Folder folder;
    putFile("Homer.vocab", "Greek\r\nlo&gojzxword\r\n");
    putFile("Homer.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}{\\f1\\fcharset2 SPIonic;}}"
                         "\\f1\\b mh~nin a!eide qea&\\b0\\f0  Sing\\par}");
    exportList("Homer", "Homer.html");
    QProcess office;
    office.start(soffice, {"--headless", "-env:UserInstallation=file://" + folder.dir.path() + "/profile",
                           "--convert-to", "txt:Text (encoded):UTF8", "Homer.html"});
    QVERIFY(office.waitForFinished(120000));
    QCOMPARE(office.exitCode(), 0);
    const QString text = utf8(fileBytes("Homer.txt"));
    QVERIFY2(text.contains(QStringLiteral("μῆνιν ἄειδε θεά")), qPrintable(text));
}

QTEST_MAIN(TestListExchange)
#include "tst_listexchange.moc"
