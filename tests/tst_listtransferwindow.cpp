// Lists carried to and from other programs in the main window: the list selector's menu exports
// the open list and imports a file, a file dropped on the window is imported; through the real
// menu and the real drop, checking the files written and the boxes asked.
#include "support/files.h"
#include "support/harness.h"

#include "store/spionic.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {
const QStringList NumberItems = {"unuszxone", "duozxtwo", "treszxthree"};

// A file of a Greek list as a flashcard program writes it: Unicode headwords, tab-separated.
QByteArray greekFile() { return QStringLiteral("λόγος\tword\r\nθεός\tgod\r\n").toUtf8(); }

QByteArray greekVocab()
{
    return crlf({"Greek", store::unicodeToSpionic(u"λόγος") + "zxword", store::unicodeToSpionic(u"θεός") + "zxgod"});
}

QString importQuestion(const QString &path) { return QStringLiteral("Import \"%1\" as a Greek or a Latin list?").arg(path); }

// The selector's menu as a right click opens it; the caller closes it.
QMenu *selectorMenu(Harness &h)
{
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, h.listSelector()->mapToGlobal(pos));
    QApplication::sendEvent(h.listSelector(), &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

QAction *entry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text().startsWith(text))
            return action;
    return nullptr;
}

void closeMenu(QMenu *menu)
{
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

// A drag of files entering the window; whether the window takes it.
bool dragEnters(Harness &h, const QMimeData &files)
{
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.form(), &enter);
    return enter.isAccepted();
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    data->setUrls(urls);
    return data;
}
} // namespace

class TestListTransferWindow : public QObject {
    Q_OBJECT

private slots:
    void exportThroughTheMenu();
    void importThroughTheMenu();
    void importAsksBeforeReplacing();
    void refusedImportsWriteNothing();
    void noMenuInUpdateMode();
    void droppedFileImports();
};

void TestListTransferWindow::exportThroughTheMenu()
{
    DataFolder data;
    data.addList("Numbers", "Latin", NumberItems, "Count them");
    QDir().mkpath(data.path("out"));
    Harness h;

    // No list open: nothing to export, importing is offered.
    QMenu *menu = selectorMenu(h);
    QVERIFY(menu);
    QVERIFY(!entry(menu, "&Export List")->isEnabled());
    QVERIFY(!entry(menu, "Export &Notes")->isEnabled());
    QVERIFY(entry(menu, "&Import List")->isEnabled());
    closeMenu(menu);

    h.openList("Numbers");
    const QString tsv = data.path("out/Numbers.tsv");
    h.desktop.fileAnswers << tsv;
    h.desktop.expect(QStringLiteral("Exported the list \"Numbers\" (3 items) to \"%1\" as tab-separated UTF-8 text.").arg(tsv));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Export List");
    QCOMPARE(h.desktop.fileRequests.size(), 1);
    QVERIFY(h.desktop.fileRequests.first().save);
    QCOMPARE(h.desktop.fileRequests.first().startPath, QDir::current().absoluteFilePath("Numbers.tsv"));
    QCOMPARE(fileBytes(tsv), QByteArray("unus\tone\r\nduo\ttwo\r\ntres\tthree\r\n"));

    // A name typed without an ending is written as .tsv; the notes as a web page.
    h.desktop.fileAnswers << data.path("out/plain");
    h.desktop.expect(QStringLiteral("Exported the list \"Numbers\" (3 items) to \"%1\" as tab-separated UTF-8 text.")
                         .arg(data.path("out/plain.tsv")));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Export List");
    QCOMPARE(fileBytes(data.path("out/plain.tsv")), fileBytes(tsv));
    const QString html = data.path("out/Numbers.html");
    h.desktop.fileAnswers << html;
    h.desktop.expect(QStringLiteral("Exported the notes of the list \"Numbers\" to \"%1\" as HTML, with the Greek in Unicode.").arg(html));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "Export &Notes");
    QVERIFY(fileBytes(html).contains("Count them"));

    // Unsaved work: asked first; Cancel exports nothing, No exports the list as saved.
    QTest::keyClicks(h.notesBox(), "More ");
    QVERIFY(h.form().document().isModified());
    const QString csv = data.path("out/Numbers.csv");
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Export List");
    QVERIFY(h.form().document().isModified());
    h.desktop.fileAnswers << csv;
    h.desktop.expect("Save work first?", MsgButton::No);
    h.desktop.expect(QStringLiteral("Exported the list \"Numbers\" (3 items) to \"%1\" as comma-separated UTF-8 text.").arg(csv));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Export List");
    QVERIFY(h.form().document().isModified());
    QCOMPARE(fileBytes(csv), QByteArray("\xEF\xBB\xBFunus,one\r\nduo,two\r\ntres,three\r\n"));
    QCOMPARE(QDir(data.path("out")).entryList(QDir::Files),
             QStringList({"Numbers.csv", "Numbers.html", "Numbers.tsv", "plain.tsv"}));
}

void TestListTransferWindow::importThroughTheMenu()
{
    DataFolder data;
    data.addList("Numbers", "Latin", NumberItems);
    QDir().mkpath(data.path("in"));
    const QString file = data.path("in/Homer.tsv");
    data.write("in/Homer.tsv", greekFile());
    Harness h;
    // Work not saved in the open list stays as it is: the new list is not opened.
    h.openList("Numbers");
    QTest::keyClicks(h.notesBox(), "Unsaved ");
    QVERIFY(h.form().document().isModified());

    h.desktop.fileAnswers << file;
    h.desktop.expect(importQuestion(file), MsgButton::Greek);
    h.desktop.expect(QStringLiteral("Imported \"%1\" (UTF-8, tab-separated) as the Greek list \"Homer\" with 2 items: "
                                    "wrote \"Homer.vocab\" and \"Homer.rtf\".")
                         .arg(file));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QVERIFY(!h.desktop.fileRequests.first().save);
    // Greek letters in the headwords: Greek is proposed.
    QVERIFY(h.desktop.shown.first().defaultButton == MsgButton::Greek);
    QVERIFY(h.desktop.shown.first().buttons == (MsgButton::Greek | MsgButton::Latin | MsgButton::Cancel));
    QVERIFY(h.desktop.shown.first().escapeButton == MsgButton::Cancel);
    QCOMPARE(data.read("Homer.vocab"), greekVocab());
    QVERIFY(data.exists("Homer.rtf"));
    QVERIFY(h.form().listNames().contains("Homer"));
    QCOMPARE(h.form().session().name(), QStringLiteral("Numbers"));
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Numbers"));
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.notesBox()->toPlainText().contains("Unsaved "));

    // Offered in the selector, it opens as a Greek list.
    h.desktop.expect("Save work first?", MsgButton::No);
    h.openList("Homer");
    QCOMPARE(h.form().session().language(), QStringLiteral("Greek"));
    QCOMPARE(h.form().session().itemCount(), 2);

    // A file of Latin letters proposes Latin; Cancel writes nothing.
    data.write("in/Ovid.csv", "amor,love\r\n");
    h.desktop.fileAnswers << data.path("in/Ovid.csv");
    h.desktop.expect(importQuestion(data.path("in/Ovid.csv")), MsgButton::Cancel);
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QVERIFY(h.desktop.shown.last().defaultButton == MsgButton::Latin);
    QVERIFY(!data.exists("Ovid.vocab") && !data.exists("Ovid.rtf"));
}

void TestListTransferWindow::importAsksBeforeReplacing()
{
    DataFolder data;
    data.addList("Homer", "Latin", NumberItems);
    const QByteArray before = data.read("Homer.vocab");
    const QByteArray notesBefore = data.read("Homer.rtf");
    QDir().mkpath(data.path("in"));
    const QString file = data.path("in/Homer.tsv");
    data.write("in/Homer.tsv", greekFile());
    Harness h;

    h.desktop.fileAnswers << file;
    h.desktop.expect("File already exists. Overwrite?", MsgButton::Cancel);
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QCOMPARE(data.read("Homer.vocab"), before);
    QCOMPARE(data.read("Homer.rtf"), notesBefore);

    h.desktop.fileAnswers << file;
    h.desktop.expect("File already exists. Overwrite?", MsgButton::OK);
    h.desktop.expect(importQuestion(file), MsgButton::Greek);
    h.desktop.expect(QStringLiteral("Imported \"%1\" (UTF-8, tab-separated) as the Greek list \"Homer\" with 2 items: "
                                    "wrote \"Homer.vocab\" and \"Homer.rtf\", replacing the list that was there.")
                         .arg(file));
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QCOMPARE(data.read("Homer.vocab"), greekVocab());

    // The open list is not replaced under its work.
    h.openList("Homer");
    h.desktop.fileAnswers << file;
    h.desktop.expectError();
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QVERIFY(h.desktop.shown.last().text.contains("it is the list open now"));
    QCOMPARE(h.form().session().name(), QStringLiteral("Homer"));
}

void TestListTransferWindow::refusedImportsWriteNothing()
{
    DataFolder data;
    QDir().mkpath(data.path("in"));
    const QStringList filesBefore = QDir(data.path()).entryList(QDir::Files);
    Harness h;

    // Lines a list cannot hold: the box names the file and the lines.
    const QString bad = data.path("in/Broken.tsv");
    data.write("in/Broken.tsv", "amor\tlove\r\nno separator here\r\nvita\tlife\r\n\tempty\r\n");
    h.desktop.fileAnswers << bad;
    h.desktop.expect(importQuestion(bad), MsgButton::Latin);
    h.desktop.expectError();
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    const QString said = h.desktop.shown.last().text;
    QVERIFY2(said.startsWith(QStringLiteral("Cannot import \"%1\"").arg(bad)) && said.contains("line 2")
                 && said.contains("line 4") && said.contains("nothing was written", Qt::CaseInsensitive),
             qPrintable(said));

    // A file name that is no list name: refused as the list-name rules say, before any question.
    const QString shortName = data.path("in/ab.txt");
    data.write("in/ab.txt", "amor\tlove\r\n");
    h.desktop.fileAnswers << shortName;
    h.desktop.expectError();
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QVERIFY2(h.desktop.shown.last().text.startsWith(QStringLiteral("Cannot import \"%1\" as the list \"ab\": ").arg(shortName)),
             qPrintable(h.desktop.shown.last().text));

    // The dialog cancelled: nothing asked.
    runContextMenuEntry(h.listSelector(), h.listSelector(), "&Import List");
    QCOMPARE(QDir(data.path()).entryList(QDir::Files), filesBefore);
    QVERIFY(!h.form().listNames().contains("Broken"));
}

void TestListTransferWindow::noMenuInUpdateMode()
{
    DataFolder data;
    data.addList("Numbers", "Latin", NumberItems);
    data.write("Homer.tsv", greekFile());
    Harness h;
    h.openList("Numbers");
    QTest::mouseClick(h.changeListButton(), Qt::LeftButton);
    QVERIFY(h.form().mode().updateMode);

    // The name box's own editing menu, without the list entries.
    QLineEdit *edit = h.listSelector()->lineEdit();
    QVERIFY(edit);
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, edit->mapToGlobal(pos));
    QApplication::sendEvent(edit, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(!entry(menu, "&Import List") && !entry(menu, "&Export List"));
    closeMenu(menu);

    // Nor is a file dropped on the window taken.
    std::unique_ptr<QMimeData> files(filesData({data.path("Homer.tsv")}));
    QVERIFY(!dragEnters(h, *files));
}

void TestListTransferWindow::droppedFileImports()
{
    DataFolder data;
    QDir().mkpath(data.path("in"));
    const QString file = data.path("in/Homer.tsv");
    data.write("in/Homer.tsv", greekFile());
    data.write("in/Homer.doc", "not a list");
    Harness h;

    std::unique_ptr<QMimeData> other(filesData({data.path("in/Homer.doc")}));
    QVERIFY(!dragEnters(h, *other));
    std::unique_ptr<QMimeData> files(filesData({file}));
    QVERIFY(dragEnters(h, *files));
    QDragMoveEvent move(QPoint(400, 300), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.form(), &move);
    QVERIFY(move.isAccepted());

    h.desktop.expect(importQuestion(file), MsgButton::Greek);
    h.desktop.expect(QStringLiteral("Imported \"%1\" (UTF-8, tab-separated) as the Greek list \"Homer\" with 2 items: "
                                    "wrote \"Homer.vocab\" and \"Homer.rtf\".")
                         .arg(file));
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.form(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_VERIFY(data.exists("Homer.vocab"));
    QTRY_VERIFY(h.desktop.problems().isEmpty());
    QCOMPARE(data.read("Homer.vocab"), greekVocab());
    QVERIFY(h.form().listNames().contains("Homer"));
    QVERIFY(h.desktop.fileRequests.isEmpty());
}

QTEST_MAIN(TestListTransferWindow)
#include "tst_listtransferwindow.moc"
