// The open list is one document: what counts as unsaved work and what the controls offer follow
// from it, whatever way the user takes. Each case is driven through the real widgets: clicks,
// keys, focus moving with Tab, the boxes' own context menus.
#include "support/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>

namespace {
QStringList fiveItems() { return {"unuszxone", "duozxtwo", "treszxthree", "quattuorzxfour", "quinquezxfive"}; }

QStringList filesIn(const DataFolder &data)
{
    return QDir(data.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A control that lies under the update-mode banner (the banner itself is not), in the window's
// coordinates.
bool underBanner(Harness &h, QWidget *w)
{
    if (w == h.updateBanner())
        return false;
    QWidget *window = h.updateBanner()->window();
    const QRect rect(w->mapTo(window, QPoint(0, 0)), w->size());
    return h.updateBanner()->geometry().intersects(rect);
}
} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void noListOpenWritesNothing();
    void updateModeKeepsTheItemAreaOutOfReach();
    void contextMenuEditsAreWork_data();
    void contextMenuEditsAreWork();
};

// No list open, a refused name in update mode, then every way to Save: nothing is written and
// nothing counts as unsaved.
void TestDocument::noListOpenWritesNothing()
{
    DataFolder data;
    Harness h;
    QTest::mouseClick(h.changeListButton(), Qt::LeftButton);
    QTest::keyClicks(h.listSelector(), "Ve");
    QTest::mouseClick(h.latinButton(), Qt::LeftButton);
    QTest::mouseClick(h.listSelector()->lineEdit(), Qt::LeftButton);
    h.desktop.expect("Name too short.");
    QTest::keyClick(h.listSelector()->lineEdit(), Qt::Key_Return);
    QVERIFY(h.form().mode().updateMode);
    // With no list there are no notes to format: if the font list could be reached, a font
    // picked in it must still be no work.
    if (h.fontList()->isVisible() && h.fontList()->isEnabled() && h.fontList()->count() > 0) {
        h.fontList()->showPopup();
        h.fontList()->hidePopup();
        h.fontList()->setCurrentIndex(0);
        emit h.fontList()->activated(0);
    }
    QVERIFY(h.fontList()->isHidden() && h.boldButton()->isHidden());
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().updateMode);
    QVERIFY(!h.form().document().isModified());
    QVERIFY(!h.saveButton()->isEnabled());
    h.press(Qt::Key_S, Qt::ControlModifier);
    // Change asks nothing, and closing neither.
    QTest::mouseClick(h.changeListButton(), Qt::LeftButton);
    h.press(Qt::Key_Escape);
    h.form().close();
    QVERIFY(h.form().programEnded());
    QCOMPARE(filesIn(data), QStringList());
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(u'\n')));
}

// Update mode over an open list: Tab never reaches a control under the banner, and a click where
// Test Yourself lies starts no test.
void TestDocument::updateModeKeepsTheItemAreaOutOfReach()
{
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems());
    Harness h;
    h.openList("Numbers");
    QTest::mouseClick(h.changeListButton(), Qt::LeftButton);
    QVERIFY(h.form().mode().updateMode);
    QWidget *start = QApplication::focusWidget();
    QVERIFY(start);
    QSet<QWidget *> reached;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now);
        QVERIFY2(!underBanner(h, now), qPrintable(now->objectName() + QStringLiteral(" took the focus under the banner")));
        reached.insert(now);
    }
    QVERIFY(reached.contains(h.changeListButton()));
    // The banner lies over Test Yourself: a click there and Space start nothing.
    const QPoint testButton = h.selfTestButton()->mapTo(&h.form(), h.selfTestButton()->rect().center());
    QTest::mouseClick(h.form().childAt(testButton), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!h.form().mode().selfTest());
    QVERIFY(h.form().mode().updateMode);
    h.press(Qt::Key_Escape);
    QVERIFY(!h.form().mode().updateMode);
    QCOMPARE(h.changeListButton()->text(), QStringLiteral("Change"));
    QVERIFY(h.itemBox()->isEnabled() && h.notesBox()->isEnabled() && h.selfTestButton()->isEnabled());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestDocument::contextMenuEditsAreWork_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    for (const char *box : {"item", "description", "notes"})
        for (const char *entry : {"&Paste", "Cu&t", "Delete"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(box), QString(QLatin1String(entry)).remove(u'&'))))
                << QString::fromLatin1(box) << QString::fromLatin1(entry);
    // The notes keep their undo history over a save (the item area is shown anew by it).
    QTest::newRow("notes, Undo") << "notes" << "&Undo";
}

// Whatever the context menu of a box changes is unsaved work: Save is offered, closing asks, and
// Yes writes what the box shows.
void TestDocument::contextMenuEditsAreWork()
{
    QFETCH(QString, box);
    QFETCH(QString, entry);
    DataFolder data;
    data.addList("Numbers", "Latin", fiveItems(), QStringLiteral("Some notes"));
    Harness h;
    h.openList("Numbers");
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QWidget *widget = nullptr;
    QWidget *target = nullptr;
    if (box == QLatin1String("item")) {
        widget = target = h.itemBox()->lineEdit();
        h.itemBox()->lineEdit()->selectAll();
    } else {
        QTextEdit *edit = box == QLatin1String("description") ? static_cast<QTextEdit *>(h.descriptionBox()) : h.notesBox();
        widget = edit;
        target = edit->viewport();
        edit->setFocus();
        edit->selectAll();
    }
    if (entry == QLatin1String("&Undo")) {
        // Something to undo: a paste by the keys, then saved, then undone from the menu.
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(h.saveButton(), Qt::LeftButton);
        QVERIFY(!h.form().document().isModified());
        widget->setFocus();
    }
    runContextMenuEntry(widget, target, entry);
    QVERIFY(h.form().document().isModified());
    QVERIFY(h.saveButton()->isEnabled());
    const QString shown = box == QLatin1String("item") ? h.itemBox()->currentText()
                          : box == QLatin1String("description") ? h.descriptionBox()->toPlainText()
                                                                 : h.notesBox()->toPlainText();
    const bool entryOk = box == QLatin1String("notes") || shown.size() >= 2;
    if (entryOk) {
        h.desktop.expect("Save work before closing?", MsgButton::Yes);
        QTest::mouseClick(h.closeButton(), Qt::LeftButton);
        QVERIFY(h.form().programEnded());
        const QByteArray written = data.read("Numbers.vocab") + data.read("Numbers.rtf");
        if (box == QLatin1String("notes") && !shown.isEmpty())
            QVERIFY(written.contains(shown.toLatin1()));
        else if (box != QLatin1String("notes"))
            QVERIFY2(written.contains(shown.toLatin1()), qPrintable(shown));
    }
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join(u'\n')));
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
