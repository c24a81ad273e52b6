// The widget-free rules of the list search and the self-test draw.
#include "session/testdraw.h"
#include "session/wordmatch.h"

#include <QTest>

class TestMatching : public QObject {
    Q_OBJECT

private slots:
    void searchFinds_data();
    void searchFinds();
    void colouredRanges();
    void drawRejectsUsedNumbersAndNeverHangs();
};

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
    QTest::newRow("to / toto") << "toto" << "to" << true << false;
    QTest::newRow("OX / An Ox") << "An Ox" << "OX" << true << true;
    QTest::newRow("ros / rosé") << "rosé" << "ros" << true << true;
    QTest::newRow("café / CAFÉ") << "CAFÉ au lait" << "café" << true << false;
    QTest::newRow("signs beside the letter ranges") << "@ox[ `ox{" << "ox" << true << true;
    QTest::newRow("digit before") << "2ox" << "ox" << true << true;
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
}

void TestMatching::colouredRanges()
{
    using R = QList<TextRange>;
    QCOMPARE(highlightRanges("box, OX", "ox", false), R({{1, 2}, {5, 2}}));
    QCOMPARE(highlightRanges("box, OX", "ox", true), R({{5, 2}}));
    QCOMPARE(highlightRanges("toto", "to", false), R({{0, 2}, {2, 2}}));
    QCOMPARE(highlightRanges("toto", "to", true), R());
    // Occurrences overlap only with the whole-word option.
    QCOMPARE(highlightRanges("- - -", "- -", false), R({{0, 3}}));
    QCOMPARE(highlightRanges("- - -", "- -", true), R({{0, 3}, {2, 3}}));
    // Only ASCII letters compare without regard to case: nothing is coloured in CAFÉ.
    QCOMPARE(highlightRanges("CAFÉ", "café", false), R());
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
