// The quotation table and the widget-free draw and reveal: the rows and their sources, well-formed
// SPIonic in every Greek row, cycles without repeats under each filter, the source's reveal.
#include "platform/random.h"
#include "quotes/quotationtable.h"
#include "quotes/quotedraw.h"

#include <QSet>
#include <QTest>

namespace {
bool isMarkKey(QChar c)
{
    return QStringLiteral("0123456789/\\=~&_()!@#$%^+\"<>[]{}|?").contains(c) && c != QLatin1Char('7');
}
bool isSmall(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool isCapital(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
bool isLetter(QChar c) { return isSmall(c) || isCapital(c); }
bool isBreathing(QChar c) { return QStringLiteral("0)9(1!2@]}3#4${[").contains(c); }
bool isVowel(QChar c) { return QStringLiteral("aehiouwAEHIOUW").contains(c); }

// Problems of a text as SPIonic: marks only after a small letter (with the marks that follow it)
// or before a capital; final sigma only at the end of a word, never a word-final "s"; a word that
// begins with a vowel or rho carries a breathing (on the second vowel of a diphthong).
QStringList spionicProblems(const QString &text)
{
    QStringList problems;
    const int n = int(text.size());
    auto at = [&](int i) { return i >= 0 && i < n ? text.at(i) : QChar(); };
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const auto where = QStringLiteral("'%1' at %2").arg(c).arg(i);
        if (isMarkKey(c)) {
            int j = i - 1;
            while (j >= 0 && isMarkKey(at(j)))
                --j;
            int k = i + 1;
            while (k < n && isMarkKey(at(k)))
                ++k;
            const bool afterSmall = isSmall(at(j));
            const bool beforeCapital = !isLetter(at(j)) && isCapital(at(k));
            if (!afterSmall && !beforeCapital)
                problems << QStringLiteral("stray mark ") + where;
        } else if (c == QLatin1Char('v') || c == QLatin1Char('j')) {
            if (isLetter(at(i + 1)) || isMarkKey(at(i + 1)))
                problems << QStringLiteral("final sigma inside a word ") + where;
        } else if (c == QLatin1Char('s')) {
            // An elided word keeps its medial sigma (glw~ss').
            if (!isSmall(at(i + 1)) && at(i + 1) != QLatin1Char('\''))
                problems << QStringLiteral("word-final s ") + where;
        }
        // Start of a word: a letter (or the marks before a capital) after a non-letter.
        const bool wordStart = isLetter(c) && !isLetter(at(i - 1)) && !isMarkKey(at(i - 1))
            && at(i - 1) != QLatin1Char('\'');
        const bool capitalWithMarks = isCapital(c) && (isMarkKey(at(i - 1)) || at(i - 1) == QLatin1Char('\''));
        if (wordStart || capitalWithMarks) {
            QString marksBefore;
            for (int j = i - 1; j >= 0 && (isMarkKey(at(j)) || at(j) == QLatin1Char('\'')); --j)
                marksBefore.prepend(at(j) == QLatin1Char('\'') ? QLatin1Char(')') : at(j));
            if (!(isVowel(c) || c.toLower() == QLatin1Char('r')))
                continue;
            // Marks on the first letter, and on the second when it closes a diphthong.
            QString marks = marksBefore;
            int k = i + 1;
            while (k < n && isMarkKey(at(k)))
                marks += at(k++);
            if (isVowel(c) && (at(k) == QLatin1Char('i') || at(k) == QLatin1Char('u')) && marks.isEmpty())
                for (++k; k < n && isMarkKey(at(k)); ++k)
                    marks += at(k);
            bool breathing = false;
            for (QChar m : marks)
                breathing = breathing || isBreathing(m);
            if (!breathing)
                problems << QStringLiteral("no breathing on the first vowel ") + where;
        }
    }
    return problems;
}
} // namespace

class TestQuotes : public QObject {
    Q_OBJECT

private slots:
    void tableRowsLanguagesAndSources();
    void givenRowsStandAsGiven();
    void greekRowsAreWellFormedSpionic();
    void spionicCheckCatchesFaults_data();
    void spionicCheckCatchesFaults();
    void bothCycleShowsEveryRowOnce();
    void languageCyclesShowThatLanguageOnly_data();
    void languageCyclesShowThatLanguageOnly();
    void filterChangeAndOpeningEmptyTheRecord();
    void pickNeverReturnsARecordedRow();
    void sourceRevealTiming();
};

void TestQuotes::tableRowsLanguagesAndSources()
{
    const QString languages = QStringLiteral("GGGGGLLLLL" "GGLGGLLLGL" "GLGLGLGLGL" "LGLGLGLGLG" "LGLGLGLGLG");
    const QStringList sources = {
        "Inscription said to have been placed on Plato's door.", "Euripides, Medea 1018", "Proverbial",
        "Attributed to Solon and others. It was inscribed in gold letters over the portico of the temple at Delphi.",
        "Aeschylus, Septem 596", "Proverbial", "Lucretius 1, 1", "Horace, Odes 1, 11, 7", "Cicero, Pro Caelio 30b",
        "Pliny, N.H. 8, 6", "Euripides, Hippolytus 612", "Euripides, Medea 516", "Vergil, Aeneid 9, 435",
        "Homer, Iliad 6, 146", "Homer, Iliad 6, 208", "Virgil, Aeneid 1, 203", "Virgil, Aeneid 2, 3",
        "Lucretius, 2, 1", "Sappho", "Horace, Odes 3, 7, 1", "Sophocles, Antigone 332",
        "Terence, Heauton Timorumenos, I.i.25", "Poetae Lyrici Graeci, Solon, 18", "Virgil, Aeneid 1, 1",
        "Euripides, Medea 14", "Horace, Odes 1, 5, 1", "Aeschylus, Agamemnon 10", "Cicero, Philippic 2, 118",
        "Demosthenes, De Corona, 169", "Virgil, Aeneid 6, 313", "Virgil, Aeneid 1, 461", "Aeschylus, Agamemnon 905",
        "Catullus, 5, 4", "Callimachus, Epigram 2, 6", "Pliny, 10, 96, 1", "Plato, OBGV 445",
        "Caesar, Gallic War, 4, 25", "Herodotus, 1, 32, 9", "Lucretius, 3, 894", "Thucydides, 2, 40, 1",
        "Virgil, Aeneid 6, 268", "Homer, Iliad 6, 482", "Cicero, Pro Milone 11", "Thucydides, 1, 22, 4",
        "Ovid, Heroides 1, 53", "Sophocles, Antigone 443", "Livy, 21, 4", "Plato, Apology 38A", "Lucretius 1, 101",
        "Euripides, Trojan Women 764"};
    QCOMPARE(sources.size(), QuotationCount);
    int greek = 0;
    for (int n = 1; n <= QuotationCount; ++n) {
        const QuotationRow &row = quotationRow(n);
        QCOMPARE(QString::fromUtf8(row.Language), QString(languages.at(n - 1)));
        QCOMPARE(QString::fromUtf8(row.Source), sources.at(n - 1));
        greek += languages.at(n - 1) == QLatin1Char('G');
        const QString quotation = QString::fromUtf8(row.Quotation);
        const QString translation = QString::fromUtf8(row.Translation);
        QVERIFY2(!quotation.trimmed().isEmpty() && !translation.trimmed().isEmpty(), qPrintable(QString::number(n)));
        // One paragraph of translation; verse lines end in CR LF and nowhere else is a break.
        QVERIFY(!translation.contains(QLatin1Char('\n')) && !translation.contains(QLatin1Char('\r')));
        QCOMPARE(quotation.count(QLatin1Char('\r')), quotation.count(QLatin1String("\r\n")));
        QCOMPARE(quotation.count(QLatin1Char('\n')), quotation.count(QLatin1String("\r\n")));
        // Plain ASCII, as SPIonic and the Latin are typed.
        for (QChar c : quotation)
            QVERIFY2(c.unicode() < 128, qPrintable(QStringLiteral("row %1").arg(n)));
    }
    QCOMPARE(greek, GreekQuotationCount);
    QCOMPARE(QuotationCount - greek, LatinQuotationCount);
}

void TestQuotes::givenRowsStandAsGiven()
{
    struct Given { int row; const char *language, *quotation, *translation, *source; };
    const Given given[] = {
        {3, "G", "'Aeto_v ou0 qhreu/sei ta_v mui/av.", "An eagle will not catch flies.", "Proverbial"},
        {6, "L", "A fronte praecipitium, a tergo lupus.", "In front a precipice, behind a wolf.", "Proverbial"},
        {10, "L", "Ex Africa semper aliquid novi.", "Always something new out of Africa.", "Pliny, N.H. 8, 6"},
    };
    for (const Given &g : given) {
        const QuotationRow &row = quotationRow(g.row);
        QCOMPARE(QByteArray(row.Language), QByteArray(g.language));
        QCOMPARE(QByteArray(row.Quotation), QByteArray(g.quotation));
        QCOMPARE(QByteArray(row.Translation), QByteArray(g.translation));
        QCOMPARE(QByteArray(row.Source), QByteArray(g.source));
    }
}

void TestQuotes::greekRowsAreWellFormedSpionic()
{
    for (int n = 1; n <= QuotationCount; ++n) {
        const QuotationRow &row = quotationRow(n);
        if (QByteArray(row.Language) != "G")
            continue;
        const QStringList problems = spionicProblems(QString::fromUtf8(row.Quotation));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("row %1: %2").arg(n).arg(problems.join("; "))));
    }
}

void TestQuotes::spionicCheckCatchesFaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("worked example") << QStringLiteral("70En a0rxh=| h]n o9 lo/gov.") << true;
    QTest::newRow("capital with marks") << QStringLiteral("9O qeo\\v a0i5dioj. 1Erov, 'Aeto_v, Ai9 de_") << true;
    QTest::newRow("elision") << QStringLiteral("a0ll' ei]nai") << true;
    QTest::newRow("mark after a capital") << QStringLiteral("A0nqrwpov") << false;
    QTest::newRow("mark after a space") << QStringLiteral("ou0 /ti") << false;
    QTest::newRow("final sigma inside") << QStringLiteral("qeovi") << false;
    QTest::newRow("word-final s") << QStringLiteral("qeo/s.") << false;
    QTest::newRow("final s at the end") << QStringLiteral("lo/gos") << false;
    QTest::newRow("missing breathing") << QStringLiteral("kai\\ a/nqrwpov") << false;
    QTest::newRow("missing breathing, diphthong") << QStringLiteral("ou/k") << false;
    QTest::newRow("missing breathing, capital") << QStringLiteral("Aeto_v") << false;
    QTest::newRow("rho without breathing") << QStringLiteral("ro/dov") << false;
}

void TestQuotes::spionicCheckCatchesFaults()
{
    QFETCH(QString, text);
    QFETCH(bool, wellFormed);
    QCOMPARE(spionicProblems(text).isEmpty(), wellFormed);
}

void TestQuotes::bothCycleShowsEveryRowOnce()
{
    RandomGenerator random;
    random.seed(20240115);
    QuoteDraw draw(random);
    draw.open();
    QCOMPARE(draw.CycleSize, 50);
    QSet<int> seen;
    for (int i = 1; i <= 50; ++i) {
        const int n = draw.drawNext();
        QVERIFY(n >= 1 && n <= 50);
        QVERIFY2(!seen.contains(n), qPrintable(QStringLiteral("row %1 again at draw %2").arg(n).arg(i)));
        seen.insert(n);
        QCOMPARE(draw.shownCount(), i % 50); // the 50th closes the cycle
    }
    // A second cycle: again all 50, each once.
    seen.clear();
    for (int i = 0; i < 50; ++i)
        seen.insert(draw.drawNext());
    QCOMPARE(seen.size(), 50);
}

void TestQuotes::languageCyclesShowThatLanguageOnly_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("Greek") << QStringLiteral("G");
    QTest::newRow("Latin") << QStringLiteral("L");
}

void TestQuotes::languageCyclesShowThatLanguageOnly()
{
    QFETCH(QString, filter);
    RandomGenerator random;
    random.seed(7);
    QuoteDraw draw(random);
    draw.open();
    draw.drawNext();
    draw.setFilter(filter);
    QCOMPARE(draw.CycleSize, 25);
    QCOMPARE(draw.shownCount(), 0);
    for (int cycle = 0; cycle < 2; ++cycle) {
        QSet<int> seen;
        for (int i = 1; i <= 25; ++i) {
            const int n = draw.drawNext();
            QCOMPARE(QString::fromUtf8(quotationRow(n).Language), filter);
            QCOMPARE(draw.CurrentLanguage, filter);
            QVERIFY(!seen.contains(n));
            seen.insert(n);
            // The record holds only rows of the filter's language.
            for (int slot = 1; slot <= draw.shownCount(); ++slot)
                QCOMPARE(QString::fromUtf8(quotationRow(draw.shownAt(slot)).Language), filter);
        }
        QCOMPARE(draw.shownCount(), 0);
    }
}

void TestQuotes::filterChangeAndOpeningEmptyTheRecord()
{
    RandomGenerator random;
    random.seed(99);
    QuoteDraw draw(random);
    draw.open();
    draw.setFilter(QStringLiteral("G"));
    for (int i = 0; i < 10; ++i)
        draw.drawNext();
    QCOMPARE(draw.shownCount(), 10);
    // Greek to Latin mid-cycle: the next 25 Latin rows are all different.
    draw.setFilter(QStringLiteral("L"));
    QCOMPARE(draw.shownCount(), 0);
    QSet<int> latin;
    for (int i = 0; i < 25; ++i)
        latin.insert(draw.drawNext());
    QCOMPARE(latin.size(), 25);
    for (int i = 0; i < 3; ++i)
        draw.drawNext();
    // Opening again: both languages, an empty record, the full cycle.
    draw.open();
    QCOMPARE(draw.LanguageFilter, QStringLiteral("Both"));
    QCOMPARE(draw.shownCount(), 0);
    QCOMPARE(draw.CycleSize, 50);
    QSet<QString> languages;
    for (int i = 0; i < 50; ++i)
        languages.insert(QString::fromUtf8(quotationRow(draw.drawNext()).Language));
    QCOMPARE(languages.size(), 2);
}

void TestQuotes::pickNeverReturnsARecordedRow()
{
    RandomGenerator random;
    random.seed(3);
    QuoteDraw draw(random);
    draw.open();
    for (int i = 0; i < 49; ++i)
        draw.drawNext();
    QCOMPARE(draw.shownCount(), 49);
    int missing = 0;
    for (int n = 1; n <= 50; ++n)
        if (!draw.isShown(n))
            missing = n;
    for (int i = 0; i < 20; ++i)
        QCOMPARE(draw.PickUnshownNumber(), missing);
    draw.ResetShownQuotations();
    QCOMPARE(draw.shownCount(), 0);
    QCOMPARE(draw.shownAt(1), 0);
}

void TestQuotes::sourceRevealTiming()
{
    SourceReveal reveal;
    reveal.PendingSource = QStringLiteral("Proverbial");
    reveal.start();
    for (int tick = 1; tick <= 7; ++tick) {
        QVERIFY(reveal.tick());
        QCOMPARE(reveal.caption(), QString());
        QCOMPARE(reveal.RevealDelayTicks, tick);
    }
    for (int tick = 8; tick <= 17; ++tick) {
        const bool goesOn = reveal.tick();
        QCOMPARE(reveal.caption(), QStringLiteral("Proverbial").left(tick - 7));
        QCOMPARE(goesOn, tick < 17); // complete after 17 ticks: the timer stops itself
    }
    // A new quotation mid-reveal starts the pause again for its own source.
    reveal.PendingSource = QStringLiteral("Sappho");
    reveal.start();
    QCOMPARE(reveal.caption(), QString());
    int ticks = 0;
    while (reveal.tick())
        ++ticks;
    QCOMPARE(ticks + 1, 7 + 6);
    QCOMPARE(reveal.caption(), QStringLiteral("Sappho"));
}

QTEST_GUILESS_MAIN(TestQuotes)
#include "tst_quotes.moc"
