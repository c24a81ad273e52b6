// Notes files as other programs write and read them: files saved by LibreOffice and Windows
// editors load with the text those programs show, SPIonic Greek survives a trip through
// LibreOffice, and background colours (white text on black) are kept both ways.
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QByteArray sample(const QString &name)
{
    const QByteArray dir = qgetenv("MNEMORA_TEST_DATA");
    QFile f(dir.isEmpty() ? QFINDTESTDATA(QStringLiteral("data/rtf/") + name)
                          : QString::fromLocal8Bit(dir) + QStringLiteral("/rtf/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return f.readAll();
}

QStringList paragraphs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

QString familyOf(const QTextDocument &doc, const QString &text)
{
    const QTextCursor c = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    return c.isNull() ? QStringLiteral("<not found>") : c.charFormat().fontFamilies().toStringList().value(0);
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The first line of the Iliad in SPIonic keys, and the same in Unicode.
const QString kIliad = QStringLiteral("mh~nin a!eide qea_ Phlhi+a&dew 'Axilh~oj");

} // namespace

class TestRtfInterop : public QObject
{
    Q_OBJECT

private slots:
    void loadsOtherProgramsFiles_data();
    void loadsOtherProgramsFiles();
    void writesSpionicAsSymbolFont();
    void keepsBackgroundColours();
    void libreOfficeShowsTheSameText();
};

void TestRtfInterop::loadsOtherProgramsFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("paras");
    QTest::addColumn<QStringList>("families"); // "text=family"
    QTest::newRow("SPIonic re-saved as private-use characters")
        << "spionic-pua-min.rtf" << QStringList{"Greek: mh=nin end"}
        << QStringList{"mh=nin=SPIonic", "Greek: =Tahoma"};
    QTest::newRow("notes re-saved by LibreOffice")
        << "lo-resaved-wordpad-style.rtf"
        << QStringList{"Notes on the Iliad, book one.", "red words and blue words and green words",
                       "mh=nin a)/eide qea/ Phlhi+a/dew 'Axilh=ov", "italic underlined struck", "centred heading",
                       "right aligned small", u("Arial café “quoted” € 5 αβ end"), ""}
        << QStringList{"a)/eide=SPIonic", "Iliad=Tahoma", "quoted=Arial"};
    QTest::newRow("font charset over document code page")
        << "greek-ansicpg-fcharset0.rtf" << QStringList{u("café naïve € αβγ end")}
        << QStringList{u("αβγ=Tahoma")};
    QTest::newRow("footnote and page number")
        << "footnote-chftn.rtf" << QStringList{"Word1[1 The note text.] and page 1."} << QStringList{};
    QTest::newRow("text in a frame")
        << "lo-frame-text.rtf" << QStringList{"Frame follows: text in a frame", " after frame."}
        << QStringList{"text in a frame=Liberation Serif"};
    QTest::newRow("list bullets")
        << "bullets-symbol.rtf"
        << QStringList{u("•\tfirst item"), u("•\tsecond item"), u("•\tLibreOffice list item")}
        << QStringList{u("•=Calibri")};
}

void TestRtfInterop::loadsOtherProgramsFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, paras);
    QFETCH(QStringList, families);
    QTextDocument doc;
    rtf::read(sample(file), &doc);
    QCOMPARE(paragraphs(doc), paras);
    for (const QString &f : families) {
        const qsizetype eq = f.lastIndexOf(QLatin1Char('='));
        QCOMPARE(familyOf(doc, f.left(eq)), f.mid(eq + 1));
    }
}

// SPIonic is listed as a symbol font, as Windows editors list it, so that no reader decodes its
// bytes through a code page; the private-use form other programs make of it reads back the same.
void TestRtfInterop::writesSpionicAsSymbolFont()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma")));
    QTextCursor c(&doc);
    QTextCharFormat greek;
    greek.setFontFamilies({QStringLiteral("SPIonic")});
    c.insertText(kIliad + u(" é€ÿ\u0081"), greek);
    c.insertText(u(" café €"), QTextCharFormat());
    const QByteArray rtf = rtf::write(&doc);
    QVERIFY2(rtf.contains("{\\f0\\fnil\\fcharset0 Tahoma;}{\\f1\\fnil\\fcharset2 SPIonic;}"), rtf.constData());
    // In the symbol font a byte is its own code: only Latin-1 letters go out as bytes there.
    QVERIFY2(rtf.contains("\\f1\\fs24 mh~nin a!eide qea_ Phlhi+a&dew 'Axilh~oj \\'e9\\u8364?\\'ff\\u129?\\f0 "
                          " caf\\'e9 \\'80"),
             rtf.constData());

    QTextDocument back;
    rtf::read(rtf, &back);
    QCOMPARE(back.toPlainText(), doc.toPlainText());
    QCOMPARE(familyOf(back, kIliad), QStringLiteral("SPIonic"));

    QByteArray pua = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 SPIonic;}}\\uc1\\f0 ";
    for (QChar ch : kIliad)
        pua += "\\u" + QByteArray::number(0xF000 + ch.unicode()) + "\\'3f";
    rtf::read(pua + '}', &back);
    QCOMPARE(back.toPlainText(), kIliad);
}

void TestRtfInterop::keepsBackgroundColours()
{
    QTextDocument doc;
    rtf::read("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue0;"
              "\\red255\\green255\\blue0;}\\pard\\cbpat2\\cf1 white on black\\par\\pard plain "
              "{\\highlight3 marked}{\\chcbpat2\\cf1 shaded}{\\highlight0 none}\\par}",
              &doc);
    QCOMPARE(paragraphs(doc), (QStringList{"white on black", "plain markedshadednone"}));
    const auto check = [](const QTextDocument &d) {
        QCOMPARE(d.begin().blockFormat().background().color(), QColor(Qt::black));
        QCOMPARE(d.find(QStringLiteral("white")).charFormat().foreground().color(), QColor(Qt::white));
        QVERIFY(!d.begin().next().blockFormat().hasProperty(QTextFormat::BackgroundBrush));
        QCOMPARE(d.find(QStringLiteral("marked")).charFormat().background().color(), QColor(Qt::yellow));
        QCOMPARE(d.find(QStringLiteral("shaded")).charFormat().background().color(), QColor(Qt::black));
        QVERIFY(!d.find(QStringLiteral("none")).charFormat().hasProperty(QTextFormat::BackgroundBrush));
        QVERIFY(!d.find(QStringLiteral("plain")).charFormat().hasProperty(QTextFormat::BackgroundBrush));
    };
    check(doc);
    if (QTest::currentTestFailed())
        return;
    const QByteArray saved = rtf::write(&doc);
    QTextDocument back;
    rtf::read(saved, &back);
    check(back);
    QCOMPARE(rtf::write(&back), saved);
}

// Our file, opened and saved again by LibreOffice, loads with the same text and fonts.
void TestRtfInterop::libreOfficeShowsTheSameText()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma")));
    QTextCursor c(&doc);
    QTextCharFormat greek;
    greek.setFontFamilies({QStringLiteral("SPIonic")});
    c.insertText(kIliad, greek);
    c.insertBlock();
    c.insertText(QStringLiteral("ou0lome/nhn, h4 muri/' 'Axaioi=j a1lge' e1qhke,"), greek);
    c.insertText(u(" café € “quoted” ἄνθρωπος"), QTextCharFormat());
    QFile in(dir.filePath(QStringLiteral("notes.rtf")));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(rtf::write(&doc));
    in.close();

    QProcess lo;
    lo.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("rtf"),
                       QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), in.fileName()});
    QVERIFY(lo.waitForFinished(180000));
    QFile out(dir.filePath(QStringLiteral("out/notes.rtf")));
    QVERIFY2(out.open(QIODevice::ReadOnly), lo.readAllStandardError().constData());
    const QByteArray resaved = out.readAll();
    QVERIFY(resaved.contains("\\u61549")); // LibreOffice writes the Greek in the private-use form

    QTextDocument back;
    rtf::read(resaved, &back);
    QCOMPARE(paragraphs(back), paragraphs(doc));
    QCOMPARE(familyOf(back, kIliad), QStringLiteral("SPIonic"));
    QCOMPARE(familyOf(back, u("ἄνθρωπος")), QStringLiteral("Tahoma"));
}

QTEST_MAIN(TestRtfInterop)
#include "tst_rtfinterop.moc"
