// Greek between SPIonic keys and Unicode, and the characters a list file cannot hold.
#include "quotes/quotationtable.h"
#include "store/spionic.h"
#include "store/vocablist.h"
#include "store/win1252.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <algorithm>

using namespace store;

namespace {

QString str(QStringView s)
{
    return s.toString();
}

QString nfc(const QString &s)
{
    return s.normalized(QString::NormalizationForm_C);
}

QString nfd(const QString &s)
{
    return s.normalized(QString::NormalizationForm_D);
}

// The sample lines of tests/data: SPIonic as typed <TAB> the same text in Unicode.
QList<QStringList> samples()
{
    const QByteArray dir = qgetenv("MNEMORA_TEST_DATA");
    QFile f(dir.isEmpty() ? QFINDTESTDATA(QStringLiteral("data/spionic-samples.txt"))
                          : QString::fromLocal8Bit(dir) + QStringLiteral("/spionic-samples.txt"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data spionic-samples.txt");
    QList<QStringList> lines;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line.split(u'\t');
    }
    return lines;
}

// Every Greek text the program ships: the headwords of the Greek sample lists and the Greek
// quotations, each named for the failure message.
QList<std::pair<QString, QString>> shippedGreek()
{
    QList<std::pair<QString, QString>> texts;
    const QDir samples(QStringLiteral(MNEMORA_SAMPLES));
    for (const QString &file : samples.entryList({QStringLiteral("*.vocab")}, QDir::Files, QDir::Name)) {
        const ListContent list = readListFile(samples.filePath(file));
        if (list.language != QLatin1String("Greek"))
            continue;
        for (const VocabItem &item : list.items)
            texts.append({file + QStringLiteral(": ") + item.Item, item.Item});
    }
    for (int n = 1; n <= QuotationCount; ++n) {
        const QuotationRow &row = quotationRow(n);
        if (QLatin1String(row.Language) != QLatin1String("G"))
            continue;
        // Verse lines one by one: a line break is not Greek.
        const QStringList lines = QString::fromLatin1(row.Quotation).split(QStringLiteral("\r\n"));
        for (const QString &line : lines)
            texts.append({QStringLiteral("quotation %1: %2").arg(n).arg(line), line});
    }
    return texts;
}

} // namespace

class TstSpionic : public QObject {
    Q_OBJECT

private slots:
    void samples_data();
    void samples();
    void letters_data();
    void letters();
    void keysDecodeToCanonical_data();
    void keysDecodeToCanonical();
    void everyGreekLetter();
    void leftAsTyped();
    void unencodable();
    void shippedGreekRoundTrips();
};

void TstSpionic::samples_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unicode");
    QTest::addColumn<QString>("canonical");
    // The one spelling written for each sample: narrow marks on ι υ ε, wide on α η ο ω, "j".
    const QHash<QString, QString> canonical = {
        {"Gnw~qi seauto&n.", "Gnw~qi seauto&n."},
        {"'Aeto_v ou0 qhreu/sei ta_v mui/av.", "'Aeto_j ou0 qhreu/sei ta_j mui/aj."},
        {"70En a0rxh=| h]n o9 lo/gov.", "'En a)rxh~| h}n o( lo&goj."},
        {"Ti/ e0stin a1nqrwpoj; zw|~on logiko/n: 9O qeo\\j a0i5dioj.",
         "Ti/ e0stin a!nqrwpoj; zw~|on logiko&n: 9O qeo_j a)i5dioj."},
        {"0A 9E 0H 9I 0O 9U 0W 9R 1A 3E ]H [W", "'A 9E 'H 9I 'O 9U 'W 9R 1A 3E ]H [W"},
        {"70Aqhnai=oi 3Ellhnev 9Ro/dov 71Ilion", "'Aqhnai=oi 3Ellhnej 9Ro&doj 1Ilion"},
        {"a0ll' e0gw/.", "a)ll' e0gw&."},
    };
    const QList<QStringList> lines = ::samples();
    QCOMPARE(lines.size(), canonical.size());
    for (const QStringList &line : lines) {
        QCOMPARE(line.size(), 2);
        QVERIFY2(canonical.contains(line[0]), qPrintable(line[0]));
        QTest::newRow(qPrintable(line[0])) << line[0] << line[1] << canonical[line[0]];
    }
}

void TstSpionic::samples()
{
    QFETCH(QString, typed);
    QFETCH(QString, unicode);
    QFETCH(QString, canonical);
    QCOMPARE(spionicToUnicode(typed), unicode);
    QCOMPARE(unicodeToSpionic(spionicToUnicode(typed)), canonical);
    QCOMPARE(unicodeToSpionic(unicode), canonical);
    QCOMPARE(unicodeToSpionic(nfd(unicode)), canonical);
    QCOMPARE(spionicToUnicode(canonical), unicode);
    // Converting on every keystroke never changes keys already typed.
    QCOMPARE(unicodeToSpionic(typed), typed);
    QVERIFY(!containsGreekToConvert(typed));
    QVERIFY(containsGreekToConvert(unicode));
}

void TstSpionic::letters_data()
{
    QTest::addColumn<QString>("unicode");
    QTest::addColumn<QString>("spionic");
    QTest::newRow("capitals, breathing and accent") << "Ἄ Ὁ Ὦ Ἀ Ῥ Ά Ὰ Ἕ" << "1A 9O ]W 'A 9R /A \\A 3E";
    QTest::newRow("capital inside a word") << "ὁἌ λἈ" << "o(71A l70A";
    QTest::newRow("capital after a no-break space") << "\u00a0Ἄ\u00a0Ἀ" << "771A770A";
    QTest::newRow("capital, marks after") << "ᾈ ᾼ Ϊ Ϋ Ᾱ" << "'A| A| I+ U\" A>";
    QTest::newRow("iota subscript") << "ᾳ ῷ ᾄ ῇ" << "a| w~| a!| h~|";
    QTest::newRow("diaeresis") << "ϊ ΐ ΰ ῒ ῗ" << "i+ i5 u5 i6 i+=";
    QTest::newRow("final sigma") << "λόγος σοφὸς Σ" << "lo&goj sofo_j S";
    QTest::newRow("elision") << "ἀλλ’ ἐγώ, δ’ Ἀ" << "a)ll' e0gw&, d' 'A";
    QTest::newRow("elision then capital") << "ἀλλ’Ἄ ἀλλ’Α" << "a)ll'1A a)ll'A";
    QTest::newRow("Greek and ASCII punctuation") << "Τί ἐστιν; ζῷον λογικόν· οὐ, ναί." << "Ti/ e0stin; zw~|on logiko&n: ou0, nai/.";
    QTest::newRow("rho, macron, dot below, overline") << "ῥήτωρ ῑ ᾱ α̣ ι̅" << "r(h&twr i< a> a? i8";
    QTest::newRow("koppa, sampi, digamma") << "ϙ Ϝ ϡ" << "J V `";
    QTest::newRow("marks standing alone") << "\u00a0\u0313 \u00a0\u0342" << "70 7=";
}

void TstSpionic::letters()
{
    QFETCH(QString, unicode);
    QFETCH(QString, spionic);
    QCOMPARE(unicodeToSpionic(unicode), spionic);
    QCOMPARE(unicodeToSpionic(nfd(unicode)), spionic);
    QCOMPARE(spionicToUnicode(spionic), nfc(unicode));
}

void TstSpionic::keysDecodeToCanonical_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("narrow and wide keys") << "a0 a) i) i0 o/ e& u_ w=" << "a) a) i0 i0 o& e/ u\\ w~";
    QTest::newRow("capital's marks, with or without 7") << "70A 0A 'A A) 7!A 9R" << "'A 'A 'A 'A 1A 9R";
    QTest::newRow("marks in any order") << "w|~ a|1 i/+" << "w~| a!| i5";
    QTest::newRow("v and j") << "lo/gov lo/goj" << "lo&goj lo&goj";
    QTest::newRow("mark with no letter") << "0 " << "70 ";
    // A capital right after marks standing alone takes all its own marks before it, on a "7":
    // written after it, they would make the loose ones its own when read back.
    QTest::newRow("loose mark, then a capital with marks") << "~7+A 7/7|H" << "7=7+A 7/7|H";
    QTest::newRow("loose mark that is the capital's") << "~A 7=A\"" << "=A =A\"";
    // An elision mark before a capital with marks keeps them in front, or it would read as the
    // capital's breathing; before a capital without marks no keys say it, so it stays ’.
    QTest::newRow("elision before a capital") << "?7'+A 7'+A" << "7?7'+A 7'+A";
}

void TstSpionic::keysDecodeToCanonical()
{
    QFETCH(QString, typed);
    QFETCH(QString, canonical);
    QCOMPARE(unicodeToSpionic(spionicToUnicode(typed)), canonical);
    QCOMPARE(unicodeToSpionic(u"\u2019\u0391"), QStringLiteral("\u2019A"));
}

void TstSpionic::everyGreekLetter()
{
    // Written with the keys of another character: letter variants, and spacing marks (which come
    // back on a no-break space or as the elision mark).
    const QSet<char32_t> folded = {0x03D0, 0x03D1, 0x03D5, 0x03D6, 0x03D8, 0x03F0, 0x03F1, 0x03F4,
                                   0x03F5, 0x037A, 0x0384, 0x0385, 0x1FBD, 0x1FBF, 0x1FC0, 0x1FC1,
                                   0x1FCD, 0x1FCE, 0x1FCF, 0x1FDD, 0x1FDE, 0x1FDF, 0x1FED, 0x1FEE,
                                   0x1FEF, 0x1FFD, 0x1FFE};
    int written = 0;
    for (const auto &[first, last] : {std::pair{0x0370u, 0x03FFu}, std::pair{0x1F00u, 0x1FFFu}}) {
        for (char32_t c = first; c <= last; ++c) {
            const QString letter = QString::fromUcs4(&c, 1);
            const QString keys = unicodeToSpionic(letter);
            if (keys == letter || folded.contains(c))
                continue;
            ++written;
            QVERIFY2(std::all_of(keys.begin(), keys.end(), [](QChar k) { return k.unicode() < 128; }), qPrintable(keys));
            QCOMPARE(spionicToUnicode(keys), nfc(letter));
            QCOMPARE(unicodeToSpionic(nfd(letter)), keys);
        }
    }
    QCOMPARE(written, 286); // the letters of both blocks but breve forms, ϝ ϛ ϲ, Coptic, ...
}

void TstSpionic::leftAsTyped()
{
    // ASCII is SPIonic keys already; Latin and symbols are not Greek.
    for (const QString &s : QStringList{"a:b?(c) 7 \"q\"", "café → naïve", "e\u0301"})
        QCOMPARE(unicodeToSpionic(s), s);
    QVERIFY(!containsGreekToConvert(u"café → naïve"));
    // Greek the keys cannot write stays, for the caller to find; the rest of the text converts.
    QCOMPARE(unicodeToSpionic(u"ϝάναξ ϛ ᾰ α\u0306 ά\u0301 ϲ"), str(u"ϝa&nac ϛ ᾰ α\u0306 ά\u0301 ϲ"));
    QCOMPARE(unicodeToSpionic(u"ϑεός ϐ ϕ"), str(u"qeo&j b f"));
    // Spacing breathings and accents: the capital's marks before it, else the apostrophe or "7".
    QCOMPARE(unicodeToSpionic(u"᾿Αθῆναι ῾Ο ἀλλ᾿ ῎Α ῾"), str(u"'Aqh~nai 9O a)ll' 1A 79"));
    // Decoding: letters and signs by their keys, the rest as it is.
    QCOMPARE(spionicToUnicode(u"s- v: J V ` * →"), str(u"σ\u2013 ς\u00b7 ϙ Ϝ ϡ * →"));
    QCOMPARE(spionicToUnicode(u"a0ll'"), str(u"ἀλλ’"));
}

void TstSpionic::unencodable()
{
    QCOMPARE(unencodableCharacters(u"café ÿ € ‘x’ — œ"), QString());
    QCOMPARE(unencodableCharacters(u"a → b"), str(u"→"));
    QCOMPARE(unencodableCharacters(u"ā → ā →"), str(u"ā→"));
    QCOMPARE(unencodableCharacters(u"x😀y😀z"), str(u"😀"));
    QCOMPARE(unencodableCharacters(u"end\x001A"), str(u"\x001A"));
    QCOMPARE(unencodableCharacters(u"cafe\u0301 λόγος, λόγος"), str(u"\u0301λόγος"));
    const char16_t lone[] = {u'a', 0xD83D, u'b', 0xDE00, 0xD83D, 0};
    QCOMPARE(unencodableCharacters(QStringView(lone)), QString(QChar(0xD83D)) + QChar(0xDE00));

    // Exactly the characters that do not come back from a written file are named.
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    const QString decoded = decodeWin1252(bytes);
    // Byte for byte what the system's converter gives, in a long text too.
    QCOMPARE(decoded, QStringDecoder("windows-1252").decode(bytes));
    QCOMPARE(decodeWin1252(bytes.repeated(300)), decoded.repeated(300));
    const QSet<QChar> readable(decoded.begin(), decoded.end());
    for (int c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(char32_t(c)))
            continue;
        const QChar ch{char16_t(c)};
        const bool kept = readable.contains(ch) && c != 0x1A;
        if (unencodableCharacters(QStringView(&ch, 1)).isEmpty() != kept)
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0'))));
        if (kept)
            QCOMPARE(decodeWin1252(encodeWin1252(QStringView(&ch, 1))), QString(ch));
    }
}

void TstSpionic::shippedGreekRoundTrips()
{
    // The shipped texts were typed by hand, with the keys each typist likes (narrow or wide marks,
    // "v" for final sigma, "7" before a capital); their one written spelling is canonical.
    // In the sample list: a narrow circumflex on eta, a wide breathing on upsilon, wide acutes on
    // epsilon and iota. (The quotations use "v" for final sigma throughout.)
    const QStringList typedOtherwise = {"Homer Iliad 1.vocab: mh=nin", "Homer Iliad 1.vocab: 'Axilh=oj",
                                        "Homer Iliad 1.vocab: ou)lome&nhn", "Homer Iliad 1.vocab: muri&a"};
    QStringList otherwise;
    int greek = 0, quotations = 0;
    for (const auto &[where, typed] : shippedGreek()) {
        const QString unicode = spionicToUnicode(typed);
        const QString canonical = unicodeToSpionic(unicode);
        // SPIonic -> Unicode -> SPIonic is the identity on the canonical spelling ...
        QVERIFY2(unicodeToSpionic(spionicToUnicode(canonical)) == canonical, qPrintable(where));
        // ... which means what was typed,
        QVERIFY2(spionicToUnicode(canonical) == unicode, qPrintable(where));
        // and Unicode -> SPIonic -> Unicode is the identity on the NFC text.
        QVERIFY2(unicode == nfc(unicode), qPrintable(where));
        QVERIFY2(spionicToUnicode(unicodeToSpionic(unicode)) == unicode, qPrintable(where));
        QVERIFY2(spionicToUnicode(unicodeToSpionic(nfd(unicode))) == unicode, qPrintable(where));
        QVERIFY2(std::all_of(canonical.begin(), canonical.end(), [](QChar c) { return c.unicode() < 128; }),
                 qPrintable(where));
        ++greek;
        if (where.startsWith(QLatin1String("quotation")))
            ++quotations;
        else if (typed != canonical)
            otherwise << where;
    }
    QCOMPARE(otherwise.join(u'\n'), typedOtherwise.join(u'\n'));
    QVERIFY(quotations >= GreekQuotationCount);
    QVERIFY(greek > quotations);
}

QTEST_GUILESS_MAIN(TstSpionic)
#include "tst_spionic.moc"
