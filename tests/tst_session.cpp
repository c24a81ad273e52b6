// The open list without any window: opening, saving the pair, the item operations, their limits
// and refusals, search and the self-test draw; saving under another name, making, deleting and
// naming lists.
#include "session/listsession.h"
#include "store/apperror.h"
#include "store/listfiles.h"
#include "store/listname.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Folder : WorkingFolder {
    static void write(const QString &name, const QByteArray &bytes) { putFile(name, bytes); }
    static QByteArray read(const QString &name) { return fileBytes(name); }
};

QByteArray listBytes(const QByteArray &language, const QList<QByteArray> &lines)
{
    QByteArray out = language + "\r\n";
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

QStringList headwords(const ListSession &s)
{
    QStringList out;
    for (const VocabItem &item : s.items())
        out << item.Item;
    return out;
}
} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void openReadsListNotesAndBacksUp();
    void openThatFailsLeavesTheOpenList();
    void savingWritesBothFilesAndReportsState();
    void editsFollowTheCurrentItem();
    void refusalsChangeNothing();
    void aFullListTakesNoMore();
    void searchAndDraw();
    void saveAsAndCreateWriteThePairUnderOneName();
    void deletingAListRemovesItsPairOnly();
    void listNameChecks_data();
    void listNameChecks();
};

void TestSession::openReadsListNotesAndBacksUp()
{
    Folder folder;
    Folder::write("Verbs.vocab", listBytes("Latin", {"amarezxto love", "esse"}));
    Folder::write("Verbs.rtf", "{\\rtf1 notes}");
    ListSession s;
    QSignalSpy saved(&s, &ListSession::savedChanged);
    const ListSession::Opened opened = s.open("Verbs");
    QVERIFY(s.isOpen());
    QCOMPARE(s.name(), QStringLiteral("Verbs"));
    QVERIFY(s.isLatin() && !s.isGreek());
    QCOMPARE(s.itemCount(), 2);
    QCOMPARE(s.currentItem(), 1);
    QCOMPARE(s.item(2), (VocabItem{"esse", ""})); // a line without the separator is all headword
    QCOMPARE(opened.notes.value(), QByteArray("{\\rtf1 notes}"));
    QVERIFY(!opened.truncated);
    QCOMPARE(Folder::read("Backups/Verbs.vocab"), Folder::read("Verbs.vocab"));
    QCOMPARE(Folder::read("Backups/Verbs.rtf"), QByteArray("{\\rtf1 notes}"));
    QVERIFY(s.isSaved());
    QCOMPARE(saved.count(), 0);

    // An empty list has no current item; a list without notes says so.
    Folder::write("Empty.vocab", "Greek\r\n");
    const ListSession::Opened empty = s.open("Empty");
    QCOMPARE(s.itemCount(), 0);
    QCOMPARE(s.currentItem(), 0);
    QVERIFY(s.current() == nullptr);
    QVERIFY(s.isGreek());
    QVERIFY(!empty.notes.has_value());
}

void TestSession::openThatFailsLeavesTheOpenList()
{
    Folder folder;
    Folder::write("Verbs.vocab", listBytes("Latin", {"amarezxto love"}));
    ListSession s;
    s.open("Verbs");
    // No list file, then no backups folder: each is an error and the open list stays as it was.
    QVERIFY_THROWS_EXCEPTION(AppError, s.open("Missing"));
    QVERIFY(QDir("Backups").removeRecursively());
    Folder::write("Nouns.vocab", listBytes("Latin", {"rosazxrose"}));
    QVERIFY_THROWS_EXCEPTION(AppError, s.open("Nouns"));
    QCOMPARE(s.name(), QStringLiteral("Verbs"));
    QCOMPARE(headwords(s), QStringList{"amare"});
}

void TestSession::savingWritesBothFilesAndReportsState()
{
    Folder folder;
    Folder::write("Verbs.vocab", listBytes("Latin", {"amarezxto love"}));
    Folder::write("Verbs.RTF", "old"); // notes made on Windows keep their file name
    ListSession s;
    s.open("Verbs");
    QSignalSpy saved(&s, &ListSession::savedChanged);
    QCOMPARE(s.addAfterCurrent("esse", "to be"), EntryRefusal::None);
    QVERIFY(!s.isSaved());
    s.save("{\\rtf1 new}");
    QVERIFY(s.isSaved());
    QCOMPARE(saved.count(), 2);
    QCOMPARE(Folder::read("Verbs.vocab"), listBytes("Latin", {"amarezxto love", "essezxto be"}));
    QCOMPARE(Folder::read("Verbs.RTF"), QByteArray("{\\rtf1 new}"));
    QVERIFY(!QFile::exists("Verbs.rtf"));

    // A save that cannot write keeps the work unsaved and the files as they were.
    s.markModified();
    QVERIFY(QFile::remove("Verbs.RTF"));
    QVERIFY(QDir().mkdir("Verbs.rtf")); // a folder in the way of the notes file
    QVERIFY_THROWS_EXCEPTION(AppError, s.save("{\\rtf1 newer}"));
    QVERIFY(!s.isSaved());
    QCOMPARE(Folder::read("Verbs.vocab"), listBytes("Latin", {"amarezxto love", "essezxto be"}));
}

void TestSession::editsFollowTheCurrentItem()
{
    Folder folder;
    Folder::write("N.vocab", listBytes("Latin", {"azxone", "bzxtwo", "czxthree"}));
    ListSession s;
    s.open("N");
    QSignalSpy current(&s, &ListSession::currentChanged);
    s.setCurrentItem(2);
    QCOMPARE(s.addAfterCurrent("bb", "two and a half"), EntryRefusal::None);
    QCOMPARE(headwords(s), QStringList({"a", "b", "bb", "c"}));
    QCOMPARE(s.currentItem(), 3);
    s.moveCurrent(-1);
    QCOMPARE(headwords(s), QStringList({"a", "bb", "b", "c"}));
    QCOMPARE(s.currentItem(), 2);
    s.setCurrentItem(1);
    s.moveCurrent(-1); // nothing above the first
    QCOMPARE(headwords(s), QStringList({"a", "bb", "b", "c"}));
    s.setCurrentItem(4);
    s.removeCurrent(); // the last goes: the new last is current
    QCOMPARE(headwords(s), QStringList({"a", "bb", "b"}));
    QCOMPARE(s.currentItem(), 3);
    // Line breaks are cut, headwords as descriptions, so one item stays one line of the file.
    QCOMPARE(s.replaceCurrent("beta\r\nrest", "second\nrest"), EntryRefusal::None);
    QCOMPARE(s.item(3), (VocabItem{"beta", "second"}));
    QVERIFY(current.count() >= 4);
    while (s.itemCount() > 0)
        s.removeCurrent();
    QCOMPARE(s.currentItem(), 0);
    s.removeCurrent(); // nothing to remove
    QCOMPARE(s.addAfterCurrent("first", "into an empty list"), EntryRefusal::None);
    QCOMPARE(s.currentItem(), 1);
}

void TestSession::refusalsChangeNothing()
{
    Folder folder;
    Folder::write("N.vocab", listBytes("Latin", {"azxone"}));
    ListSession s;
    s.open("N");
    // Too short is judged after the cut at a line break, for Add and for replacing alike.
    for (const auto &[head, descr] : QList<std::pair<QString, QString>>{
             {"x", "long enough"}, {"ok", "y"}, {"ok", "\nafter the break"}, {"\r\nok", "long enough"}}) {
        QCOMPARE(s.addAfterCurrent(head, descr), EntryRefusal::TooShort);
        QCOMPARE(s.replaceCurrent(head, descr), EntryRefusal::TooShort);
    }
    QCOMPARE(headwords(s), QStringList{"a"});
    QCOMPARE(s.item(1).Description, QStringLiteral("one"));
    QVERIFY(s.isSaved());
    QVERIFY(s.hasHeadword("a"));
    QVERIFY(!s.hasHeadword("A")); // duplicates are exact
}

void TestSession::aFullListTakesNoMore()
{
    Folder folder;
    QByteArray bytes = "Latin\r\n";
    for (int i = 0; i < store::MaxItems + 5; ++i)
        bytes += "w" + QByteArray::number(i) + "zxd\r\n";
    Folder::write("Big.vocab", bytes);
    ListSession s;
    QVERIFY(s.open("Big").truncated);
    QCOMPARE(s.itemCount(), store::MaxItems);
    QCOMPARE(s.checkAdd("more", "words"), EntryRefusal::ListFull);
    QCOMPARE(s.addAfterCurrent("more", "words"), EntryRefusal::ListFull);
    QCOMPARE(s.itemCount(), store::MaxItems);
    QCOMPARE(s.checkAdd("m", "words"), EntryRefusal::TooShort); // the first reason is given
    s.removeCurrent();
    QCOMPARE(s.addAfterCurrent("more", "words"), EntryRefusal::None);
}

void TestSession::searchAndDraw()
{
    Folder folder;
    Folder::write("N.vocab", listBytes("Latin", {"bovzxox", "boveszxoxen", "arcazxbox", "lupuszxwolf"}));
    ListSession s;
    s.open("N");
    QCOMPARE(s.search("ox", false), 3);
    QCOMPARE(s.hitItem(2), 3);
    QCOMPARE(s.search("ox", true), 1);
    QCOMPARE(s.hitItem(0), 1);
    QCOMPARE(s.searchText(), QStringLiteral("ox"));
    s.clearSearch();
    QCOMPARE(s.hitCount(), 0);

    // One cycle draws every item once; the record empties for the next.
    int next = 0;
    const QList<int> sequence = {3, 3, 0, 1, 3, 2};
    QList<int> drawn;
    for (int i = 0; i < 4; ++i)
        drawn << s.drawTestItem([&](int n) { return sequence.at(next++ % sequence.size()) % n; });
    std::sort(drawn.begin(), drawn.end());
    QCOMPARE(drawn, QList<int>({1, 2, 3, 4}));
    QVERIFY(s.usedPicks().isEmpty());
    QVERIFY(s.currentItem() >= 1);
    // Removing an item starts a new cycle.
    s.drawTestItem([](int) { return 0; });
    QCOMPARE(s.usedPicks().size(), 1);
    s.removeCurrent();
    QVERIFY(s.usedPicks().isEmpty());
}

void TestSession::saveAsAndCreateWriteThePairUnderOneName()
{
    Folder folder;
    Folder::write("Verbs.vocab", listBytes("Latin", {"amarezxto love"}));
    Folder::write("Verbs.RTF", "old");
    ListSession s;
    s.open("Verbs");
    s.markModified();
    s.saveAs("Nouns", "Greek", "{\\rtf1 n}");
    QCOMPARE(Folder::read("Nouns.vocab"), listBytes("Greek", {"amarezxto love"}));
    QCOMPARE(Folder::read("Nouns.rtf"), QByteArray("{\\rtf1 n}"));
    // The list saved from keeps its files as they were.
    QCOMPARE(Folder::read("Verbs.vocab"), listBytes("Latin", {"amarezxto love"}));
    QCOMPARE(Folder::read("Verbs.RTF"), QByteArray("old"));
    QCOMPARE(s.name(), QStringLiteral("Nouns"));
    QVERIFY(s.isGreek() && s.isSaved());

    // Onto a list whose notes were made on Windows: its notes file is replaced, no second one made.
    s.saveAs("Verbs", "Latin", "{\\rtf1 v}");
    QCOMPARE(Folder::read("Verbs.RTF"), QByteArray("{\\rtf1 v}"));
    QVERIFY(!QFile::exists("Verbs.rtf"));

    // A save under a name that cannot be written changes nothing in the session.
    s.markModified();
    QVERIFY(QDir().mkdir("Bad.rtf"));
    QVERIFY_THROWS_EXCEPTION(AppError, s.saveAs("Bad", "Greek", "{}"));
    QCOMPARE(s.name(), QStringLiteral("Verbs"));
    QVERIFY(s.isLatin() && !s.isSaved());
    QVERIFY(!QFile::exists("Bad.vocab"));

    // A new list: the language line alone, the notes given, no items.
    s.create("Fresh", "Latin", "{\\rtf1 }");
    QCOMPARE(Folder::read("Fresh.vocab"), QByteArray("Latin\r\n"));
    QCOMPARE(Folder::read("Fresh.rtf"), QByteArray("{\\rtf1 }"));
    QVERIFY(s.isOpen() && s.isSaved());
    QCOMPARE(s.name(), QStringLiteral("Fresh"));
    QCOMPARE(s.itemCount(), 0);
    QCOMPARE(s.currentItem(), 0);
    QVERIFY_THROWS_EXCEPTION(AppError, s.create("Bad", "Latin", "{}"));
    QCOMPARE(s.name(), QStringLiteral("Fresh"));
}

void TestSession::deletingAListRemovesItsPairOnly()
{
    Folder folder;
    Folder::write("Verbs.vocab", listBytes("Latin", {}));
    Folder::write("Verbs.RTF", "n");
    Folder::write("Backups/Verbs.vocab", "b");
    Folder::write("Lone.vocab", listBytes("Latin", {}));
    QVERIFY(store::anyListFileExists("Verbs"));
    QVERIFY(store::anyListFileExists("Lone")); // a list file without notes counts
    QVERIFY(!store::anyListFileExists("None"));
    store::deleteListFiles("Verbs");
    QVERIFY(!QFile::exists("Verbs.vocab") && !QFile::exists("Verbs.RTF"));
    QVERIFY(QFile::exists("Backups/Verbs.vocab"));
    store::deleteListFiles("Lone"); // the missing notes are no failure
    QVERIFY(!store::anyListFileExists("Lone"));

    // What cannot be deleted is reported by name; the other file is still deleted.
    QVERIFY(QDir().mkpath("Stuck.vocab/inside"));
    Folder::write("Stuck.rtf", "n");
    try {
        store::deleteListFiles("Stuck");
        QFAIL("no error");
    } catch (const AppError &e) {
        QVERIFY2(e.message().startsWith("Cannot delete file \"Stuck.vocab\". "), qPrintable(e.message()));
    }
    QVERIFY(!QFile::exists("Stuck.rtf"));
}

void TestSession::listNameChecks_data()
{
    using R = store::ListNameRefusal;
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refusal");
    QTest::newRow("three") << "Abc" << int(R::None);
    QTest::newRow("two") << "Ab" << int(R::TooShort);
    QTest::newRow("Greek letters, spaces inside") << QString::fromUtf8("λόγος και ἔργα") << int(R::None);
    QTest::newRow("dot inside") << "Homer Il. 1" << int(R::None);
    for (const char *bad : {"a/b c", "a\\bc", "a:bc", "a*bc", "a?bc", "a\"bc", "a<bc", "a>bc", "a|bc"})
        QTest::newRow(bad) << QString::fromLatin1(bad) << int(R::ForbiddenChar);
    QTest::newRow("tab") << "ab\tc" << int(R::ForbiddenChar);
    QTest::newRow("DEL") << "ab\x7f" "c" << int(R::ForbiddenChar);
    QTest::newRow("trailing space") << "Verbs " << int(R::TrailingSpaceDot);
    QTest::newRow("trailing dot") << "Verbs." << int(R::TrailingSpaceDot);
    QTest::newRow("leading dot") << ".Verbs" << int(R::LeadingDot);
    QTest::newRow("con") << "con" << int(R::ReservedName);
    QTest::newRow("Nul.txt") << "Nul.txt" << int(R::ReservedName);
    QTest::newRow("COM7") << "COM7" << int(R::ReservedName);
    QTest::newRow("lpt9") << "lpt9" << int(R::ReservedName);
    QTest::newRow("COM0 is free") << "COM0" << int(R::None);
    QTest::newRow("CONSUL is free") << "CONSUL" << int(R::None);
    // 255 bytes with ".vocab": 249 ASCII characters fit; 125 two-byte letters (250 bytes) do not.
    QTest::newRow("249 bytes") << QString(249, u'a') << int(R::None);
    QTest::newRow("250 bytes") << QString(250, u'a') << int(R::TooLong);
    QTest::newRow("124 Greek letters") << QString(124, QChar(0x03BB)) << int(R::None);
    QTest::newRow("125 Greek letters") << QString(125, QChar(0x03BB)) << int(R::TooLong);
}

void TestSession::listNameChecks()
{
    QFETCH(QString, name);
    QFETCH(int, refusal);
    QCOMPARE(int(store::checkListName(name)), refusal);
    QCOMPARE(store::listNameRefusalMessage(store::ListNameRefusal(refusal), name).isEmpty(), refusal == int(store::ListNameRefusal::None));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
