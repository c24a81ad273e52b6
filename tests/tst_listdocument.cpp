// The open list as one document, without any window: what counts as unsaved work (the list's
// changes and the notes' own modification), the notes' bytes taken from the document, and the
// saves refused whatever a window asks.
#include "platform/rtfwriter.h"
#include "session/listdocument.h"
#include "store/apperror.h"
#include "support/files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using Folder = WorkingFolder;

class TestListDocument : public QObject {
    Q_OBJECT

private slots:
    void notesAndListMakeTheUnsavedWork();
    void savesWithoutANameWriteNothing();
    void newListsAreWrittenWithoutBackups();
};

void TestListDocument::notesAndListMakeTheUnsavedWork()
{
    Folder folder;
    putFile("Verbs.vocab", "Latin\r\namarezxto love\r\n");
    putFile("Verbs.rtf", "{\\rtf1\\ansi notes}");
    ListDocument doc;
    QSignalSpy changed(&doc, &ListDocument::changed);
    QVERIFY(doc.open("Verbs").notesFound);
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.notes()->toPlainText(), QStringLiteral("notes"));
    QVERIFY(!doc.notes()->isUndoAvailable()); // the text read is no edit to undo

    // An edit of the notes is work, announced, and written from the document itself.
    changed.clear();
    QTextCursor(doc.notes()).insertText(QStringLiteral("my "));
    QVERIFY(doc.isModified());
    QVERIFY(!changed.isEmpty());
    doc.save();
    QVERIFY(!doc.isModified());
    QCOMPARE(fileBytes("Verbs.rtf"), rtf::write(doc.notes()));
    QVERIFY(fileBytes("Verbs.rtf").contains("my notes"));

    // An edit of the item area not yet stored is work too, until the list is saved.
    doc.noteUnstoredEdit();
    QVERIFY(doc.isModified());
    doc.close();
    QVERIFY(!doc.isOpen() && !doc.isModified());
    QVERIFY(doc.notes()->isEmpty());
}

void TestListDocument::savesWithoutANameWriteNothing()
{
    Folder folder;
    ListDocument doc;
    // Notes typed with no list open (no window offers that, but none may write it either).
    QTextCursor(doc.notes()).insertText(QStringLiteral("stray"));
    QVERIFY_THROWS_EXCEPTION(AppError, doc.save());
    QVERIFY_THROWS_EXCEPTION(AppError, doc.saveAs(QString(), QStringLiteral("Latin")));
    QVERIFY_THROWS_EXCEPTION(AppError, doc.saveAs(QStringLiteral("  "), QStringLiteral("Latin")));
    QVERIFY_THROWS_EXCEPTION(AppError, doc.create(QString(), QStringLiteral("Greek")));
    QCOMPARE(folder.files(), QStringList());
    QVERIFY(!doc.isOpen());
}

void TestListDocument::newListsAreWrittenWithoutBackups()
{
    Folder folder;
    putFile("Verbs.vocab", "Latin\r\namarezxto love\r\n");
    putFile("Verbs.rtf", "{\\rtf1\\ansi old notes}");
    putFile("Backups/Verbs.vocab", "Latin\r\nesse\r\n");
    ListDocument doc;
    QTextCursor(doc.notes()).insertText(QStringLiteral("typed before"));
    // A new list over an existing one: the pair is replaced, the backup of the old list stays.
    doc.create(QStringLiteral("Verbs"), QStringLiteral("Greek"));
    QVERIFY(doc.isOpen() && !doc.isModified());
    QCOMPARE(fileBytes("Verbs.vocab"), QByteArray("Greek\r\n"));
    QTextDocument empty;
    QCOMPARE(fileBytes("Verbs.rtf"), rtf::write(&empty));
    QVERIFY(doc.notes()->isEmpty());
    QCOMPARE(fileBytes("Backups/Verbs.vocab"), QByteArray("Latin\r\nesse\r\n"));
    QVERIFY(!QFile::exists("Backups/Verbs.rtf"));
    // Saved under another name: both files written, no backup made.
    QTextCursor(doc.notes()).insertText(QStringLiteral("nouns"));
    doc.saveAs(QStringLiteral("Nouns"), QStringLiteral("Latin"));
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.list().name(), QStringLiteral("Nouns"));
    QVERIFY(fileBytes("Nouns.rtf").contains("nouns"));
    QVERIFY(!QFile::exists("Backups/Nouns.vocab"));
}

QTEST_MAIN(TestListDocument)
#include "tst_listdocument.moc"
