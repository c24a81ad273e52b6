// The widget-free rules of the list searches (the main window's and the Master List's) and the
// self-test draw.
#include "session/testdraw.h"
#include "session/wordmatch.h"

#include <QTest>

class TestMatching : public QObject {
    Q_OBJECT

private slots:
    void asciiCheck();
    void caselessIndex();
    void searchFinds_data();
    void searchFinds();
    void localeDecidesOnlyForNonAscii();
    void occurrences_data();
    void occurrences();
    void drawRejectsUsedNumbersAndNeverHangs();
};

void TestMatching::asciiCheck()
{
    // Characters are checked four at a time and the rest one by one: a non-ASCII character is
    // found in either part, whatever its bits (U+0100 has none of the low byte's upper bit).
    QVERIFY(isAscii(u""));
    QVERIFY(isAscii(u"\u007f~ plain ASCII, 31 characters"));
    for (const char16_t c : {u'\u0080', u'\u00e9', u'\u0100', u'\u03b1', u'\uff41', char16_t(0xd83d)}) {
        for (qsizetype at = 0; at < 9; ++at) {
            QString s(9, u'a');
            s[at] = QChar(c);
            QVERIFY2(!isAscii(s), qPrintable(QStringLiteral("U+%1 at %2").arg(int(c), 4, 16, QLatin1Char('0')).arg(at)));
            QVERIFY(isAscii(QStringView(s).left(at)));
        }
    }
}

void TestMatching::caselessIndex()
{
    QCOMPARE(indexOfAsciiCaseless(u"a House", u"hOUSE"), 2);
    QCOMPARE(indexOfAsciiCaseless(u"house house", u"house", 1), 6);
    QCOMPARE(indexOfAsciiCaseless(u"ox", u"ox", 2), -1);
    QCOMPARE(indexOfAsciiCaseless(u"o", u"ox"), -1); // the needle would run past the end
    QCOMPARE(indexOfAsciiCaseless(u"ox", u"ox", -1), -1);
    QCOMPARE(indexOfAsciiCaseless(u"ox", u""), -1);
    QCOMPARE(indexOfAsciiCaseless(u"[ox] @ox", u"@OX"), 5); // signs beside the letters stay exact
    QCOMPARE(indexOfAsciiCaseless(u"{ox", u"[ox"), -1);
    QCOMPARE(indexOfAsciiCaseless(u"CAF\u00c9 caf\u00e9", u"caf\u00e9"), 5);
}

void TestMatching::searchFinds_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<bool>("whole");
    QTest::newRow("ox / an ox") << "an ox" << "ox" << true << true;
    QTest::newRow("ox / oxen") << "oxen" << "ox" << true << false;
    QTest::newRow("ox / box, ox") << "box, ox" << "ox" << true << true;
    QTest::newRow("ox / (ox)") << "(ox)" << "ox" << true << true;
    QTest::newRow("ox / oxford") << "oxford" << "ox" << true << false;
    QTest::newRow("house / farmhouse") << "farmhouse" << "house" << true << false;
    QTest::newRow("to / toto") << "toto" << "to" << true << false;
    QTest::newRow("OX / An Ox") << "An Ox" << "OX" << true << true;
    QTest::newRow("house / a HOUSE, a House") << "a HOUSE, a House" << "house" << true << true;
    QTest::newRow("house / houses house") << "houses house" << "house" << true << true;
    QTest::newRow("ros / ros\u00e9") << "ros\u00e9" << "ros" << true << true;
    QTest::newRow("caf\u00e9 / CAF\u00c9") << "CAF\u00c9 au lait" << "caf\u00e9" << true << false;
    // The locale's upper case of \u00df is SS; the whole-word test compares the characters.
    QTest::newRow("ss / stra\u00dfe") << "stra\u00dfe" << "ss" << true << false;
    QTest::newRow("house / a non-ASCII description") << "\u03bf\u1f36\u03ba\u03bf\u03c2, HOUSE" << "house" << true << true;
    // Found only by upper-casing: long s (\u017f) upper-cases to S; no whole word is coloured.
    QTest::newRow("house / hou\u017fe") << "hou\u017fe" << "house" << true << false;
    QTest::newRow("signs beside the letter ranges") << "@ox[ `ox{" << "ox" << true << true;
    QTest::newRow("digit before") << "2ox" << "ox" << true << true;
    QTest::newRow("12 / page 12, line 3") << "page 12, line 3" << "12" << true << true;
    QTest::newRow("12 / x12") << "x12" << "12" << true << false;
    // The first occurrence begins inside a word; an overlapping later one stands alone.
    QTest::newRow("la la / lala la la") << "lala la la" << "la la" << true << true;
    QTest::newRow("absent") << "a bull" << "ox" << false << false;
    QTest::newRow("empty search text") << "anything" << "" << false << false;
}

void TestMatching::searchFinds()
{
    QFETCH(QString, description);
    QFETCH(QString, search);
    QFETCH(bool, plain);
    QFETCH(bool, whole);
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(DescriptionMatcher(search, false, english).matches(description), plain);
    QCOMPARE(DescriptionMatcher(search, true, english).matches(description), whole);
    // A whole-word hit is a description in which something is coloured.
    QCOMPARE(plain && !highlightRanges(description, search, true).isEmpty(), whole);
    // A non-ASCII character after a space takes the locale's way in place of the ASCII one; the
    // answers are the same.
    const QString nonAscii = description + QStringLiteral(" \u00e9");
    QCOMPARE(DescriptionMatcher(search, false, english).matches(nonAscii), plain);
    QCOMPARE(DescriptionMatcher(search, true, english).matches(nonAscii), whole);
}

void TestMatching::localeDecidesOnlyForNonAscii()
{
    // The ASCII way must give what upper-casing gives; in a Turkish locale small i upper-cases to
    // a dotted capital, which a capital I does not contain.
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QVERIFY(!DescriptionMatcher("milk", false, turkish).matches("MILK"));
    QVERIFY(!DescriptionMatcher("milk", true, turkish).matches("MILK"));
    QVERIFY(DescriptionMatcher("milk", true, turkish).matches("milk and honey"));
    QVERIFY(DescriptionMatcher("milk", false, QLocale::c()).matches("MILK"));
    QVERIFY(!DescriptionMatcher("", false, QLocale::c()).matches("anything"));
}

void TestMatching::occurrences_data()
{
    using R = QList<TextRange>;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<R>("coloured");
    QTest::addColumn<R>("found");
    QTest::newRow("box, OX") << "box, OX" << "ox" << false << R{{1, 2}, {5, 2}} << R{{1, 2}, {5, 2}};
    QTest::newRow("box, OX whole") << "box, OX" << "ox" << true << R{{5, 2}} << R{{5, 2}};
    QTest::newRow("toto") << "toto" << "to" << false << R{{0, 2}, {2, 2}} << R{{0, 2}, {2, 2}};
    QTest::newRow("toto whole") << "toto" << "to" << true << R{} << R{};
    QTest::newRow("banana: behind the previous one") << "banana" << "ana" << false << R{{1, 3}} << R{{1, 3}};
    QTest::newRow("banana whole") << "banana" << "ana" << true << R{} << R{};
    QTest::newRow("houses house") << "houses house" << "House" << false << R{{0, 5}, {7, 5}} << R{{0, 5}, {7, 5}};
    QTest::newRow("houses house whole") << "houses house" << "House" << true << R{{7, 5}} << R{{7, 5}};
    QTest::newRow("ox ox ox whole") << "ox ox ox" << "OX" << true << R{{0, 2}, {3, 2}, {6, 2}} << R{{0, 2}, {3, 2}, {6, 2}};
    QTest::newRow("x12 12 whole") << "x12 12" << "12" << true << R{{4, 2}} << R{{4, 2}};
    // Whole occurrences overlap when coloured, not when found.
    QTest::newRow("a-a-a") << "a-a-a" << "a-a" << false << R{{0, 3}} << R{{0, 3}};
    QTest::newRow("a-a-a whole") << "a-a-a" << "a-a" << true << R{{0, 3}, {2, 3}} << R{{0, 3}};
    // An occurrence that is not whole hides no whole one that overlaps it.
    QTest::newRow("lala la la") << "lala la la" << "la la" << false << R{{2, 5}} << R{{2, 5}};
    QTest::newRow("lala la la whole") << "lala la la" << "la la" << true << R{{5, 5}} << R{{5, 5}};
    // Only ASCII letters compare without regard to case.
    QTest::newRow("CAF\u00c9") << "CAF\u00c9" << "caf\u00e9" << false << R{} << R{};
    QTest::newRow("empty needle") << "abc" << "" << false << R{} << R{};
}

void TestMatching::occurrences()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, whole);
    QFETCH(QList<TextRange>, coloured);
    QFETCH(QList<TextRange>, found);
    QCOMPARE(highlightRanges(text, needle, whole), coloured);
    QCOMPARE(findOccurrences(text, needle, whole), found);
}

void TestMatching::drawRejectsUsedNumbersAndNeverHangs()
{
    QList<int> script = {2, 2, 0, 2, 1, 1, 3};
    auto next = [&](int) { return script.takeFirst(); };
    QList<int> used;
    QCOMPARE(drawTestItem(used, 3, next), 3);
    QCOMPARE(drawTestItem(used, 3, next), 1); // 3 again is drawn anew
    QCOMPARE(drawTestItem(used, 3, next), 2);
    QVERIFY(used.isEmpty()); // the cycle is complete
    QCOMPARE(drawTestItem(used, 3, next), 2); // the next may begin with the last one
    QCOMPARE(drawTestItem(used, 4, next), 4); // an item added in a cycle is drawn in it
    // A record left from a longer list (every number used, one beyond the list) is emptied first.
    used = {1, 2, 3, 7};
    QCOMPARE(drawTestItem(used, 3, [](int n) { return n - 1; }), 3);
    QCOMPARE(used, QList<int>({3}));
}

QTEST_MAIN(TestMatching)
#include "tst_matching.moc"
