// Greek leaves the program as Unicode by the clipboard and by a drag, and comes back as it left:
// the item box of a Greek list and the SPIonic runs of the notes, by the keys, the boxes' own
// context menus and the mouse's drag (the data a drag carries; the offscreen platform has no
// drag loop to run).
#include "notes_fixtures.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace {
const QString PrivateKeys = QStringLiteral("application/x-mnemora-spionic");
const QString PrivateRtf = QStringLiteral("application/x-mnemora-rtf");

const QMimeData *clipboard() { return QApplication::clipboard()->mimeData(); }

// Every format of the data with its bytes.
QMap<QString, QByteArray> contents(const QMimeData *data)
{
    QMap<QString, QByteArray> all;
    for (const QString &format : data->formats())
        all.insert(format, data->data(format));
    return all;
}

// Copies, cuts or pastes in the focused box, by its keys or by its context menu.
void edit(QWidget *box, QWidget *menuTarget, const QString &way, char action)
{
    box->setFocus();
    if (way == QLatin1String("keys")) {
        const Qt::Key key = action == 'c' ? Qt::Key_C : action == 'x' ? Qt::Key_X : Qt::Key_V;
        QTest::keyClick(box, key, Qt::ControlModifier);
    } else {
        runContextMenuEntry(box, menuTarget, action == 'c' ? QStringLiteral("&Copy") : action == 'x' ? QStringLiteral("Cu&t")
                                                                                          : QStringLiteral("&Paste"));
    }
}

void selectNotes(QTextEdit *box, int start, int end)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// The Greek list "Iliad" whose notes hold a plain run, a bold red SPIonic run and an italic run
// in 16 points, then a centred paragraph that begins in SPIonic.
void addIliad(const DataFolder &data)
{
    data.addList("Iliad", "Greek", {"lo/gojzxword", "a)nh/rzxman"});
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Tahoma"), 13));
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("The "), QTextCharFormat());
    c.insertText(QStringLiteral("lo/goj"), fmt({bold, colour(Red), family("SPIonic")}));
    c.insertText(QStringLiteral(" is a word"), fmt({[](QTextCharFormat &f) { f.setFontItalic(true); }, points(16)}));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText(QStringLiteral("a)nh/r"), fmt({family("SPIonic"), points(20)}));
    c.insertText(QStringLiteral(" man"), QTextCharFormat());
    data.write("Iliad.rtf", rtf::write(&doc));
}
} // namespace

class TestClipboard : public QObject {
    Q_OBJECT

private slots:
    void greekHeadwordLeavesAsUnicode_data();
    void greekHeadwordLeavesAsUnicode();
    void latinHeadwordLeavesAsBefore();
    void notesSpionicRunsLeaveAsUnicode();
    void notesComeBackAsTheyLeft_data();
    void notesComeBackAsTheyLeft();
    void notesWithoutSpionicLeaveAsBefore();
};

void TestClipboard::greekHeadwordLeavesAsUnicode_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("keys") << "keys";
    QTest::newRow("context menu") << "menu";
}

// Copy and cut give Unicode text with the keys beside it, the same data a drag carries; a paste
// gives back the keys as they were (Unicode pasted would be spelt "lo&goj"), and a cut is work.
void TestClipboard::greekHeadwordLeavesAsUnicode()
{
    QFETCH(QString, way);
    DataFolder data;
    data.addList("Iliad", "Greek", {"lo/gojzxword", "a)nh/rzxman"});
    Harness h;
    h.openList("Iliad");
    QLineEdit *line = h.itemBox()->lineEdit();
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("lo/goj"));
    line->selectAll();
    edit(line, line, way, 'c');
    QCOMPARE(clipboard()->text(), QStringLiteral("λόγος"));
    QCOMPARE(clipboard()->data(PrivateKeys), QByteArray("lo/goj"));
    QVERIFY(!h.form().document().isModified());
    // A drag of the selection carries what a copy does.
    const std::unique_ptr<QMimeData> dragged(h.itemBox()->createMimeDataFromSelection());
    QCOMPARE(contents(dragged.get()), contents(clipboard()));

    edit(line, line, way, 'x');
    QCOMPARE(h.itemBox()->currentText(), QString());
    QCOMPARE(clipboard()->text(), QStringLiteral("λόγος"));
    QCOMPARE(clipboard()->data(PrivateKeys), QByteArray("lo/goj"));
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());

    edit(line, line, way, 'v');
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("lo/goj"));
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Iliad.vocab"), QByteArray("Greek\r\nlo/gojzxword\r\na)nh/rzxman\r\n"));
    // From the item box into the notes: a SPIonic run of the same keys.
    selectNotes(h.notesBox(), 0, 0);
    edit(h.notesBox(), h.notesBox()->viewport(), way, 'v');
    QTextCursor first(h.notesBox()->document());
    first.setPosition(1);
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("lo/gojNotes"));
    QCOMPARE(first.charFormat().fontFamilies().toStringList(), QStringList{"SPIonic"});
    // Dropped into the box, the dragged data gives the keys too.
    line->setFocus();
    line->selectAll();
    line->del();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("lo/goj"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(u'\n')));
}

// A Latin list copies plain text only, as any text box does; a drag too.
void TestClipboard::latinHeadwordLeavesAsBefore()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"lo/gojzxnot Greek here", "amarezxto love"});
    Harness h;
    h.openList("Verbs");
    QLineEdit *line = h.itemBox()->lineEdit();
    line->selectAll();
    edit(line, line, "keys", 'c');
    QCOMPARE(clipboard()->formats(), QStringList{"text/plain"});
    QCOMPARE(clipboard()->text(), QStringLiteral("lo/goj"));
    const std::unique_ptr<QMimeData> dragged(h.itemBox()->createMimeDataFromSelection());
    QCOMPARE(contents(dragged.get()), contents(clipboard()));
}

// A notes selection with a SPIonic run: the Greek in Unicode in every public format, out of the
// SPIonic font, the other runs and all formats as they were; a drag carries the same.
void TestClipboard::notesSpionicRunsLeaveAsUnicode()
{
    DataFolder data;
    addIliad(data);
    Harness h;
    h.openList("Iliad");
    h.notesBox()->setFocus();
    h.notesBox()->selectAll();
    QTest::keyClick(h.notesBox(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard()->text(), QStringLiteral("The λόγος is a word\nἀνήρ man"));
    const QString html = clipboard()->html();
    QVERIFY2(html.contains(QStringLiteral("λόγος")) && !html.contains(QStringLiteral("SPIonic")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("font-weight:700")) && html.contains(QStringLiteral("color:#ff0000")),
             qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("font-style:italic")) && html.contains(QStringLiteral("font-size:16pt")),
             qPrintable(html));
    // The word processors' RTF: Unicode Greek in the notes' own font, no symbol font.
    const QByteArray rtfFlavour = clipboard()->data("text/rtf");
    QVERIFY2(rtfFlavour.contains("\\u955?") && !rtfFlavour.contains("SPIonic"), rtfFlavour.constData());
    QVERIFY(clipboard()->hasFormat("application/vnd.oasis.opendocument.text"));
    QVERIFY(clipboard()->data(PrivateRtf).contains("lo/goj"));
    QVERIFY(!clipboard()->hasFormat(PrivateKeys)); // not all of it is SPIonic
    const std::unique_ptr<QMimeData> dragged(h.notesBox()->createMimeDataFromSelection());
    QCOMPARE(contents(dragged.get()), contents(clipboard()));
    // The SPIonic run alone also carries its keys, which the item box takes as they are.
    selectNotes(h.notesBox(), 4, 10);
    runContextMenuEntry(h.notesBox(), h.notesBox()->viewport(), QStringLiteral("&Copy"));
    QCOMPARE(clipboard()->text(), QStringLiteral("λόγος"));
    QCOMPARE(clipboard()->data(PrivateKeys), QByteArray("lo/goj"));
    h.itemBox()->lineEdit()->setFocus();
    h.itemBox()->lineEdit()->selectAll();
    QTest::keyClick(h.itemBox()->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("lo/goj"));
}

void TestClipboard::notesComeBackAsTheyLeft_data()
{
    greekHeadwordLeavesAsUnicode_data();
}

// Cut and pasted back, the notes are what they were to the byte: the RTF the list saves is the
// same, SPIonic runs in the SPIonic font. The cut is work to save.
void TestClipboard::notesComeBackAsTheyLeft()
{
    QFETCH(QString, way);
    DataFolder data;
    addIliad(data);
    Harness h;
    h.openList("Iliad");
    QTest::mouseClick(h.saveButton(), Qt::LeftButton); // nothing to save: the file as the list writes it
    const QByteArray before = rtf::write(h.notesBox()->document());
    selectNotes(h.notesBox(), 2, 13); // "e lo/goj is"
    edit(h.notesBox(), h.notesBox()->viewport(), way, 'x');
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("Th a word\na)nh/r man"));
    QCOMPARE(clipboard()->text(), QStringLiteral("e λόγος is"));
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());
    edit(h.notesBox(), h.notesBox()->viewport(), way, 'v');
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("The lo/goj is a word\na)nh/r man"));
    QCOMPARE(rtf::write(h.notesBox()->document()), before);
    // Across paragraphs, from the italic run to the end.
    selectNotes(h.notesBox(), 14, h.notesBox()->document()->characterCount() - 1);
    edit(h.notesBox(), h.notesBox()->viewport(), way, 'x');
    QCOMPARE(clipboard()->text(), QStringLiteral("a word\nἀνήρ man"));
    edit(h.notesBox(), h.notesBox()->viewport(), way, 'v');
    QCOMPARE(rtf::write(h.notesBox()->document()), before);
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Iliad.rtf"), before);
}

// Notes without SPIonic leave as any rich text does: nothing of the program's own.
void TestClipboard::notesWithoutSpionicLeaveAsBefore()
{
    DataFolder data;
    addIliad(data);
    Harness h;
    h.openList("Iliad");
    selectNotes(h.notesBox(), 11, 20);
    h.notesBox()->setFocus();
    QTest::keyClick(h.notesBox(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard()->text(), QStringLiteral("is a word"));
    QVERIFY(!clipboard()->hasFormat(PrivateRtf) && !clipboard()->hasFormat(PrivateKeys));
    QVERIFY(clipboard()->hasHtml());
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
