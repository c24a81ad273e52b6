// The Master List's widget-free units: the Greek sort key, the key order of both languages, the
// tables built from lists, the search over the entries, the self-test draw and caption.
#include "master/mastersearch.h"
#include "master/mastertables.h"
#include "master/mastertest.h"
#include "master/sortkey.h"
#include "platform/random.h"
#include "master_fixtures.h"
#include "store/apperror.h"
#include "store/textfile.h"
#include "store/textlines.h"
#include "store/vocablist.h"

#include <QLocale>
#include <QTest>

#include <clocale>

using namespace master;

namespace {
// One item of a list made in memory.
struct Line {
    QString list;
    QString language;
    QString item;
    QString description;
};
Line greek(const QString &item, const QString &list = QStringLiteral("G"))
{
    return {list, QStringLiteral("Greek"), item, item + QStringLiteral(" desc")};
}
Line latin(const QString &item, const QString &list = QStringLiteral("L"))
{
    return {list, QStringLiteral("Latin"), item, item + QStringLiteral(" desc")};
}
// Each line a list of its own, in the order given.
SharedReading readingOf(const QList<Line> &lines)
{
    auto reading = std::make_shared<SourceReading>();
    for (const Line &l : lines)
        reading->addList(l.list, l.language + u'\n' + l.item + QStringLiteral("zx") + l.description + u'\n');
    return reading;
}
QStringList items(const MasterTable &master)
{
    QStringList out;
    for (qsizetype i = 0; i < master.size(); ++i)
        out << master.item(i).toString();
    return out;
}
QStringList sortedItems(const QList<Line> &source, MasterLanguage language)
{
    MasterTables t;
    t.build(readingOf(source));
    return items(t.master(language));
}

// Sets Qt's default locale, and the C library's where the system has it, for one scope.
class LocaleScope {
public:
    LocaleScope(QLocale::Language language, QLocale::Territory territory, std::initializer_list<const char *> cNames)
        : m_previousC(std::setlocale(LC_ALL, nullptr))
    {
        QLocale::setDefault(QLocale(language, territory));
        for (const char *name : cNames)
            if (std::setlocale(LC_ALL, name))
                break;
    }
    ~LocaleScope()
    {
        std::setlocale(LC_ALL, m_previousC.constData());
        QLocale::setDefault(m_previous);
    }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_previous;
    QByteArray m_previousC;
};
} // namespace

class TestMasterUnits : public QObject {
    Q_OBJECT

private slots:
    void greekLetters_data();
    void greekLetters();
    void greekOrder();
    void latinOrder();
    void wordBeforeItsPhrases();
    void orderIgnoresTheLocale();
    void languagesSplitAndDuplicatesKept();
    void readingListsAndTheLimit();
    void readingSplitsAsTheListReader_data();
    void readingSplitsAsTheListReader();
    void tablesShownOutliveTheirReading();
    void unreadableListReported();
    void searchOverTheEntries();
    void drawCycles();
    void drawEmptiesAStaleRecord();
    void panelCaption_data();
    void panelCaption();
};

void TestMasterUnits::greekLetters_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("letters");
    QTest::newRow("whole alphabet") << "abgdezhqiklmncoprstufxyw" << "ABCDEFGHIJKLMNOPQRSTUVWX";
    QTest::newRow("capitals as small") << "ABGDEZHQIKLMNCOPRSTUFXYW" << "ABCDEFGHIJKLMNOPQRSTUVWX";
    QTest::newRow("accents, breathings, punctuation") << "70En a0rxh=| h]n o9 lo/gov." << "EMAQVGGMOKOCOR";
    QTest::newRow("final sigma j, v and s alike") << "lo/goj lo/gov lo/gos" << "KOCORKOCORKOCOR";
    QTest::newRow("koppa and digamma give nothing") << "VanaJ" << "AMA";
    QTest::newRow("digits and non-ASCII give nothing") << "12 \u00e9\u00df" << "";
}

void TestMasterUnits::greekLetters()
{
    QFETCH(QString, item);
    QFETCH(QString, letters);
    // The key: the letters, one separator byte, the reading number.
    const QByteArray key = greekSortKey(item, 12);
    QCOMPARE(QString::fromLatin1(key.first(qMin(key.size(), letters.size()))), letters);
    QCOMPARE(key.size(), letters.size() + 3);
    QCOMPARE(key.sliced(letters.size() + 1), QByteArray("12"));
}

void TestMasterUnits::greekOrder()
{
    // Accents and punctuation apart, the separator before letters, reading numbers as text,
    // final sigma among the sigmas, digamma and koppa not counted.
    QList<Line> source;
    for (int i = 1; i <= 8; ++i)
        source << greek(QStringLiteral("filler%1").arg(i)); // letters FIKKER: after the rest
    source << greek("qeo/j") << greek("lo/gov") << greek("ab") << greek("...") << greek("qeologi/a")
           << greek("lo/gos") << greek("Va/nac") << greek("abg") << greek("logopoio/j") << greek("qeo\\v");
    const QStringList order = sortedItems(source, MasterLanguage::Greek);
    // "..." (#12) first, ab before abg; final sigma sorts as sigma, after lambda and pi:
    // θεολογία before θεός, λογοποιός before λόγος. qeo\v (#18) and qeo/j (#9), lo/gov (#10) and
    // lo/gos (#14) share their letters and go by their reading numbers as text.
    QCOMPARE(order.mid(0, 4), QStringList({"...", "ab", "abg", "Va/nac"}));
    QCOMPARE(order.mid(4, 3), QStringList({"qeologi/a", "qeo\\v", "qeo/j"}));
    QCOMPARE(order.mid(7, 3), QStringList({"logopoio/j", "lo/gov", "lo/gos"}));
    QCOMPARE(order.size(), 18);
    QVERIFY(order.at(10).startsWith("filler"));
}

void TestMasterUnits::latinOrder()
{
    QList<Line> source;
    source << latin("b") << latin("Amo") << latin("amo") << latin("a#b") << latin("a") << latin("Zephyrus")
           << latin("\u00e9t\u00e9") << latin("amor") << latin("abc") << latin("AMO") << latin("ab c") << latin("1a");
    const QStringList order = sortedItems(source, MasterLanguage::Latin);
    // Case ignored; items with equal letters in reading order as text (Amo #2, AMO #10, amo #3:
    // "10" < "2" < "3"); a digit before a letter; "#" in an item sorted as a character; an
    // accented letter with its base letter.
    QCOMPARE(order, QStringList({"1a", "a", "a#b", "ab c", "abc", "AMO", "Amo", "amo", "amor", "b",
                                 "\u00e9t\u00e9", "Zephyrus"}));
}

void TestMasterUnits::wordBeforeItsPhrases()
{
    // As in a dictionary, a word comes before every phrase it begins, whatever follows it (a
    // space, a stop, a hyphen) and whatever the reading numbers. The phrases are read first, and
    // the longer items reach past the keys' first 16 bytes.
    QList<Line> source;
    source << latin("ad hoc") << latin("in vino veritas") << latin("ab!") << latin("ab ovo") << latin("ab-")
           << latin("repetitio est mater studiorum") << latin("Ad Hoc") << latin("in.") << latin("ab\t")
           << latin("in") << latin("ab") << latin("ad") << latin("repetitio est mater") << latin("abc");
    source << greek("lo/goj tou= qeou=") << greek("kai\\ ga/r") << greek("filanqrwpi/a qew=n kai\\ a0nqrw/pwn")
           << greek("lo/goj") << greek("kai/") << greek("filanqrwpi/a qew=n");
    // Latin: "ab" (#11) before its phrases; the phrases by their next character (tab, space, "!",
    // "-"), then the longer word.
    QCOMPARE(sortedItems(source, MasterLanguage::Latin),
             QStringList({"ab", "ab\t", "ab ovo", "ab!", "ab-", "abc", "ad", "ad hoc", "Ad Hoc", "in",
                          "in vino veritas", "in.", "repetitio est mater", "repetitio est mater studiorum"}));
    // Greek: spaces give no letter, so a phrase's key goes on with the next word's letters.
    QCOMPARE(sortedItems(source, MasterLanguage::Greek),
             QStringList({"kai/", "kai\\ ga/r", "lo/goj", "lo/goj tou= qeou=", "filanqrwpi/a qew=n",
                          "filanqrwpi/a qew=n kai\\ a0nqrw/pwn"}));
}

void TestMasterUnits::orderIgnoresTheLocale()
{
    // Both master lists as built under English, then under Turkish, whose capital of i is a
    // dotted İ that no Greek letter table lists and whose collation puts dotless ı before i.
    QList<Line> source;
    source << latin("item") << latin("Ibis") << latin("iam") << latin("IDEM") << latin("Italia") << latin("hic")
           << latin("jam") << latin("in") << latin("\u0130ta") << latin("\u0131ta");
    source << greek("i(/na") << greek("kai/") << greek("I)hsou=j") << greek("qi/v") << greek("h)/") << greek("fili/a")
           << greek("i)w/");
    // Latin case-insensitive, İ with I, ı among the other letters after z; Greek by its letters:
    // h G, qiv HIR, Ihsouj IGRTR, ina IMA, iw IX, kai JAI, filia UIKIA.
    const QStringList latinOrder = {"hic", "iam", "Ibis", "IDEM", "in", "\u0130ta", "Italia", "item", "jam",
                                    "\u0131ta"};
    const QStringList greekOrder = {"h)/", "qi/v", "I)hsou=j", "i(/na", "i)w/", "kai/", "fili/a"};
    {
        const LocaleScope english(QLocale::English, QLocale::UnitedStates, {"en_US.UTF-8", "C.UTF-8", "C"});
        QCOMPARE(sortedItems(source, MasterLanguage::Latin), latinOrder);
        QCOMPARE(sortedItems(source, MasterLanguage::Greek), greekOrder);
    }
    {
        const LocaleScope turkish(QLocale::Turkish, QLocale::Turkey, {"tr_TR.UTF-8", "tr_TR.utf8", "tr_TR"});
        QCOMPARE(QLocale().toUpper(QStringLiteral("i")), QStringLiteral("\u0130")); // the locale is in force
        QCOMPARE(sortedItems(source, MasterLanguage::Latin), latinOrder);
        QCOMPARE(sortedItems(source, MasterLanguage::Greek), greekOrder);
    }
}

void TestMasterUnits::languagesSplitAndDuplicatesKept()
{
    QList<Line> source;
    source << greek("lo/goj", "One") << Line{"Low", "greek", "lo/goj", "lower-case language"}
           << latin("aqua", "X") << greek("lo/goj", "Two") << Line{"Empty", "", "rosa", ""}
           << greek("lo/goj", "Three");
    MasterTables t;
    t.build(readingOf(source));
    QCOMPARE(t.count(MasterLanguage::Greek), 3);
    QCOMPARE(t.count(MasterLanguage::Latin), 3);
    const auto &g = t.master(MasterLanguage::Greek);
    QCOMPARE(QStringList({g.listName(0), g.listName(1), g.listName(2)}), QStringList({"One", "Two", "Three"}));
    QCOMPARE(items(t.master(MasterLanguage::Latin)), QStringList({"aqua", "lo/goj", "rosa"}));
    t.clear();
    QCOMPARE(t.count(MasterLanguage::Greek) + t.count(MasterLanguage::Latin), 0);
}

void TestMasterUnits::readingListsAndTheLimit()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "", "nolinezx", "a zx b zx c"});
    data.addList("Only language", "Greek", {});
    data.write("Orphan.vocab", crlf({"Latin", "orbuszxmissing notes"}));
    data.write("Notes only.rtf", "{\\rtf1 x}");
    SharedReading r = readAllLists();
    QCOMPARE(r->size(), 4);
    QVERIFY(!r->truncated());
    const auto &e = r->entries();
    QCOMPARE(r->listName(e[0]), QStringLiteral("Verbs"));
    QCOMPARE(r->item(e[3]), QStringLiteral("a "));
    QCOMPARE(r->description(e[3]), QStringLiteral(" b zx c"));
    QCOMPARE(r->item(e[1]).toString() + r->description(e[1]).toString(), QString());
    QVERIFY(r->cutLists().isEmpty());

    // A list file holding more than a list holds is read as far as a list holds, and named.
    data.addList("Long", "Latin", numberedItems(10001));
    data.addList("Full", "Latin", numberedItems(10000));
    r = readAllLists();
    QCOMPARE(r->size(), 4 + 20000);
    QCOMPARE(r->cutLists(), QStringList{"Long"});
    QCOMPARE(cutListsMessage(r->cutLists()),
             QStringLiteral("The list \"Long\" holds more than 10000 items. The Master List shows its first 10000."));
    QVERIFY(QFile::remove(data.path("Long.vocab")) && QFile::remove(data.path("Full.vocab")));

    // Eleven lists of 10000: reading stops at 100000 entries.
    for (int i = 0; i < 11; ++i)
        data.addList(QStringLiteral("Big%1").arg(i, 2, 10, QLatin1Char('0')), "Latin", numberedItems(10000));
    r = readAllLists();
    QCOMPARE(r->size(), MaxMasterEntries);
    QVERIFY(r->truncated());
}

void TestMasterUnits::readingSplitsAsTheListReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("Latin\r\namarezxto love\r\n\r\nzxno headword\r\nnolinezx\r\n");
    QTest::newRow("LF, no end of line") << QByteArray("Greek\nlo/gojzxword\nzx\nzxzxzx\nqeo/j");
    QTest::newRow("stray CRs inside lines") << QByteArray("Lat\rin\r\nam\rozxto\r love\r\r\nrosa\r\n\r\r\nlast\r");
    QTest::newRow("a CR after the last LF") << QByteArray("Latin\r\naquazxwater\r\n\r");
    QTest::newRow("Ctrl+Z ends the text") << QByteArray("Latin\r\naquazxwater\r\n\x1a" "hidden\r\n");
    QTest::newRow("code page characters") << QByteArray("Latin\r\n\xe9t\xe9zx\x93summer\x94\r\n");
    QTest::newRow("language only") << QByteArray("Greek");
    QTest::newRow("empty") << QByteArray();
    QByteArray many = "Latin\n";
    for (int i = 0; i <= store::MaxItems; ++i)
        many += "item" + QByteArray::number(i) + "zxdesc\n";
    QTest::newRow("more than a list holds") << many;
}

void TestMasterUnits::readingSplitsAsTheListReader()
{
    // Whatever the line ends, each entry is the item the list shows when it is opened.
    QFETCH(QByteArray, bytes);
    const store::ListContent list = store::parseListLines(store::splitTextLines(bytes));
    SourceReading reading;
    QVERIFY(reading.addList(QStringLiteral("List"), store::decodeTextFile(bytes)));
    QCOMPARE(reading.lists().size(), size_t(1));
    if (!bytes.isEmpty())
        QCOMPARE(reading.lists().front().language, list.language);
    QCOMPARE(reading.size(), list.items.size());
    for (qsizetype i = 0; i < list.items.size(); ++i) {
        const SourceEntry &e = reading.entries()[size_t(i)];
        QCOMPARE(reading.item(e), list.items[i].Item);
        QCOMPARE(reading.description(e), list.items[i].Description);
        QCOMPARE(reading.listName(e), QStringLiteral("List"));
    }
}

void TestMasterUnits::tablesShownOutliveTheirReading()
{
    // A table copied for a view keeps its entries and texts while the tables are rebuilt in the
    // same memory from another reading and then cleared.
    MasterTables t;
    t.build(readingOf({greek("lo/goj", "Old"), latin("aqua", "Old"), latin("rosa", "Old")}));
    const MasterTable shown = t.master(MasterLanguage::Latin);
    const MasterEntry before = shown.entry(1);
    t.build(readingOf({latin("vinum", "New"), latin("bellum", "New"), latin("amor", "New")}));
    QCOMPARE(items(t.master(MasterLanguage::Latin)), QStringList({"amor", "bellum", "vinum"}));
    t.clear();
    QCOMPARE(items(shown), QStringList({"aqua", "rosa"}));
    QCOMPARE(shown.entry(1), before);
    QCOMPARE(before, (MasterEntry{"Old", "rosa", "rosa desc"}));
    QCOMPARE(shown.rowInReadingOrder(0), 0);
}

void TestMasterUnits::unreadableListReported()
{
    DataFolder data;
    data.addList("Fine", "Latin", {"aquazxwater"});
    data.addList("Locked", "Latin", {"rosazxrose"});
    if (!makeUnreadable(data, "Locked.vocab"))
        QSKIP("no way to make a file unreadable here");
    try {
        readAllLists();
        QFAIL("an unreadable list must be reported");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains("Locked.vocab"), qPrintable(e.message()));
    }
}

void TestMasterUnits::searchOverTheEntries()
{
    MasterTables t;
    t.build(readingOf({{"L", "Latin", "a", "one house"}, {"L", "Latin", "b", "wine"}, {"L", "Latin", "c", "HOUSES"}}));
    const MasterTable &master = t.master(MasterLanguage::Latin);
    QCOMPARE(searchMaster(master, DescriptionMatcher("house", false)), QList<int>({0, 2}));
    QCOMPARE(searchMaster(master, DescriptionMatcher("house", true)), QList<int>({0}));
    // Read in another order than the master list's: the hits still come in master-list order.
    t.build(readingOf({{"L", "Latin", "d", "house"}, {"L", "Latin", "b", "wine"}, {"L", "Latin", "a", "HOUSE"},
                       {"L", "Latin", "c", "a house"}}));
    QCOMPARE(items(t.master(MasterLanguage::Latin)), QStringList({"a", "b", "c", "d"}));
    QCOMPARE(searchMaster(t.master(MasterLanguage::Latin), DescriptionMatcher("house", true)), QList<int>({0, 2, 3}));
    QVERIFY(isValidMasterSearchText("ab") && !isValidMasterSearchText("a"));
}

void TestMasterUnits::drawCycles()
{
    programRandom().seed(7);
    auto random = [](int n) { return programRandom().next(n); };
    QList<int> used;
    QCOMPARE(drawMasterTestPosition(used, 1, random), 0);
    QCOMPARE(drawMasterTestPosition(used, 0, random), 0);
    // Two entries alternate within each cycle.
    for (int cycle = 0; cycle < 5; ++cycle) {
        const int first = drawMasterTestPosition(used, 2, random);
        QCOMPARE(used, QList<int>({first}));
        QCOMPARE(drawMasterTestPosition(used, 2, random), 3 - first);
        QVERIFY(used.isEmpty());
    }
    // Five entries: every one once per cycle.
    QList<int> seen;
    for (int i = 0; i < 5; ++i)
        seen << drawMasterTestPosition(used, 5, random);
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, QList<int>({1, 2, 3, 4, 5}));
}

void TestMasterUnits::drawEmptiesAStaleRecord()
{
    // Drawn from a list of 5 that now has 3 entries: the record covers more than the list.
    QList<int> used = {1, 2, 3, 5};
    const int k = drawMasterTestPosition(used, 3, [](int) { return 1; });
    QCOMPARE(k, 2);
    QCOMPARE(used, QList<int>({2}));
    used = {1, 2, 3}; // every position used: the draw still ends
    QCOMPARE(drawMasterTestPosition(used, 3, [](int) { return 0; }), 1);
}

void TestMasterUnits::panelCaption_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("points");
    const QString fifty = QString(50, QLatin1Char('x'));
    QTest::newRow("50 characters") << fifty << fifty.left(42) + "..." << 22;
    QTest::newRow("29 characters") << QString(29, 'y') << QString(29, 'y') << 30;
    QTest::newRow("30 characters") << QString(30, 'y') << QString(30, 'y') << 22;
    QTest::newRow("ampersand shown once") << "a&b" << "a&b" << 30;
    QTest::newRow("ampersands count twice") << QString(15, '&') << QString(15, '&') << 22;
    QTest::newRow("ampersand cut in half left out") << QString(41, 'z') + "&b" << QString(41, 'z') + "..." << 22;
}

void TestMasterUnits::panelCaption()
{
    QFETCH(QString, item);
    QFETCH(QString, shown);
    QFETCH(int, points);
    const MasterPanelCaption c = masterPanelCaption(item);
    QCOMPARE(c.text, shown);
    QCOMPARE(c.pointSize, points);
}

QTEST_MAIN(TestMasterUnits)
#include "tst_master_units.moc"
