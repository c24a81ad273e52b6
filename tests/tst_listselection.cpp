// Choosing, opening and leaving lists with the list selector, and the prompt animation.
#include "support/harness.h"

#include "mainwindow/promptcycle.h"

#include <QApplication>

class TestListSelection : public QObject {
    Q_OBJECT

private slots:
    void promptAnimationTiming();
    void dismissingTheDropDownReturnsToPrompt();
    void emptyFolderOffersNothing();
    void openGreekListWithBackupsAndNotes();
    void openLatinEmptyAndOneItemLists();
    void unknownLanguageKeepsFontsAndRadios();
    void tooManyItemsAreReportedAndCut();
    void tooManyListsAreReportedAndCut();
    void unsavedWorkAtDropDown_data();
    void unsavedWorkAtDropDown();
    void arrowKeysOnClosedSelectorAskFirst();
    void singleCharacterListClosesAtOnce();
    void reopeningMakesFreshBackups();
    void failedOpeningReportsAndKeepsEarlierSteps();
};

void TestListSelection::promptAnimationTiming()
{
    QCOMPARE(nextPromptStep("Select / create / edit").entry, 1);
    QCOMPARE(nextPromptStep("Select / create / edit .").entry, 2);
    QCOMPARE(nextPromptStep("Select / create / edit ..").entry, 3);
    QCOMPARE(nextPromptStep("Select / create / edit ..").interval, 500);
    QCOMPARE(nextPromptStep("Select / create / edit ...").entry, 0);
    QCOMPARE(nextPromptStep("Select / create / edit ...").interval, 250);

    DataFolder data;
    Harness h;
    MainWindow &f = h.form();
    QTimer &timer = const_cast<QTimer &>(f.animationTimer());
    QCOMPARE(timer.interval(), 500);
    QStringList shown;
    QList<int> intervals;
    for (int i = 0; i < 8; ++i) {
        QMetaObject::invokeMethod(&timer, "timeout"); // a tick
        shown << h.listSelector()->currentText();
        intervals << timer.interval();
    }
    QCOMPARE(shown.mid(0, 4), QStringList({"Select / create / edit .", "Select / create / edit ..",
                                           "Select / create / edit ...", "Select / create / edit"}));
    // Once a cycle has run: no, one and two dots 250 ms each, three dots 500 ms.
    QCOMPARE(intervals, QList<int>({500, 500, 500, 250, 250, 250, 500, 250}));
    QCOMPARE(h.listSelector()->count(), 4);
}

void TestListSelection::dismissingTheDropDownReturnsToPrompt()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    data.addList("Nouns", "Greek", {"lo/gojzxword"});
    Harness h;
    h.listSelector()->showPopup();
    QVERIFY(!h.form().animationTimer().isActive());
    QCOMPARE(h.listSelector()->count(), 2);
    QCOMPARE(h.listSelector()->currentIndex(), -1);
    h.listSelector()->hidePopup();
    h.settle();
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    QVERIFY(h.form().animationTimer().isActive());
    QVERIFY(h.quotationsPicture()->isVisible());
    // With a list open and saved, dismissing closes it without a question.
    h.openList("Verbs");
    QVERIFY(h.itemBox()->isEnabled());
    QVERIFY(h.notesBox()->isVisible());
    h.listSelector()->showPopup();
    h.listSelector()->hidePopup();
    h.settle();
    QVERIFY(!h.itemBox()->isEnabled());
    QCOMPARE(h.itemBox()->count(), 0);
    QVERIFY(h.notesBox()->isHidden());
    QVERIFY(h.notesBox()->toPlainText().isEmpty());
    QVERIFY(h.itemCounter()->isHidden());
    QVERIFY(h.boldButton()->isHidden());
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSelection::emptyFolderOffersNothing()
{
    DataFolder data;
    data.write("Orphan.rtf", "{\\rtf1 x}");
    data.write("Lonely.vocab", "Latin\r\n");
    Harness h;
    // Half pairs are no lists: they are named once.
    h.desktop.expect("These files could not be offered as lists:\n"
                     "Lonely.vocab: its notes file Lonely.rtf is missing\n"
                     "Orphan.rtf: its list file Orphan.vocab is missing");
    h.listSelector()->showPopup();
    QCOMPARE(h.listSelector()->count(), 0);
    h.settle(); // an empty list closes at once
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    QVERIFY(h.form().animationTimer().isActive());
}

void TestListSelection::openGreekListWithBackupsAndNotes()
{
    DataFolder data;
    data.addList("Homer", "Greek", {"mh=ninzxwrath", "a)/eidezxsing", "qea/zxgoddess"}, "Iliad book 1");
    Harness h;
    h.openList("Homer");
    QCOMPARE(h.form().session().name(), QStringLiteral("Homer"));
    QCOMPARE(h.form().session().language(), QStringLiteral("Greek"));
    QVERIFY(h.greekButton()->isChecked());
    QVERIFY(!h.latinButton()->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *>{h.itemBox(), h.heading(), h.testPanel()})
        QCOMPARE(w->font().family(), QStringLiteral("SPIonic"));
    QCOMPARE(h.itemBox()->count(), 3);
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("mh=nin"));
    QCOMPARE(h.heading()->text(), QStringLiteral("mh=nin"));
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("wrath"));
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of 3"));
    QCOMPARE(h.itemCounter()->font().pointSize(), 12);
    QCOMPARE(h.notesBox()->toPlainText(), QStringLiteral("Iliad book 1"));
    QVERIFY(h.notesBox()->isVisible());
    QVERIFY(h.notesCaption()->isVisible());
    QVERIFY(h.quotationsPicture()->isHidden());
    QVERIFY(h.boldButton()->isVisible() && h.boldButton()->isEnabled());
    QVERIFY(h.expandNotesButton()->isEnabled());
    QCOMPARE(data.read("Backups/Homer.vocab"), data.read("Homer.vocab"));
    QCOMPARE(data.read("Backups/Homer.rtf"), data.read("Homer.rtf"));
    QVERIFY(h.removeButton()->isEnabled());
    QVERIFY(h.selfTestButton()->isEnabled());
    QVERIFY(h.downButton()->isEnabled());
    QVERIFY(!h.upButton()->isEnabled());
    QVERIFY(!h.saveButton()->isEnabled());
    QCOMPARE(h.searchBox()->text(), QStringLiteral("Enter search text"));
    QVERIFY(h.searchBox()->isEnabled() && h.wholeWordBox()->isEnabled() && h.searchButton()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
    QVERIFY(!h.form().document().isModified()); // loading the notes is no change
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSelection::openLatinEmptyAndOneItemLists()
{
    DataFolder data;
    data.addList("Empty", "Latin", {});
    data.addList("Single", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Empty");
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("Tahoma"));
    QVERIFY(h.latinButton()->isChecked());
    QCOMPARE(h.form().session().currentItem(), 0);
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("0 of 0"));
    QCOMPARE(h.heading()->text(), QString());
    for (QWidget *w : std::initializer_list<QWidget *>{h.removeButton(), h.saveButton(), h.selfTestButton(), h.downButton(), h.upButton()})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(QApplication::focusWidget(), h.notesBox());

    h.openList("Single");
    QVERIFY(h.removeButton()->isEnabled());
    QVERIFY(!h.selfTestButton()->isEnabled());
    QVERIFY(!h.downButton()->isEnabled());
    QVERIFY(!h.upButton()->isEnabled());
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of 1"));
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestListSelection::unknownLanguageKeepsFontsAndRadios()
{
    DataFolder data;
    data.addList("Odd", "greek", {"lo/gojzxword"});
    data.addList("Latin1", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Latin1");
    h.openList("Odd");
    QCOMPARE(h.form().session().language(), QStringLiteral("greek"));
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("Tahoma")); // as the Latin list left it
    QVERIFY(h.latinButton()->isChecked());
    // Saved back with its first line as it was.
    h.saveButton()->setEnabled(true);
    h.saveButton()->click();
    QCOMPARE(data.read("Odd.vocab"), crlf({"greek", "lo/gojzxword"}));
}

void TestListSelection::tooManyItemsAreReportedAndCut()
{
    DataFolder data;
    data.addList("Big", "Latin", numberedItems(10001));
    Harness h;
    h.desktop.expect("The list \"Big\" holds more than 10000 items. Only the first 10000 were read; "
                     "saving it will drop the rest.");
    h.openList("Big");
    QCOMPARE(h.form().session().itemCount(), 10000);
    QCOMPARE(h.itemCounter()->text(), QStringLiteral("1 of 10000"));
    QCOMPARE(h.itemCounter()->font().pointSize(), 11);
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSelection::tooManyListsAreReportedAndCut()
{
    DataFolder data;
    for (int i = 0; i < 1001; ++i) {
        const QString name = QStringLiteral("List %1").arg(i, 4, 10, QLatin1Char('0'));
        data.write(name + ".vocab", "Latin\r\n");
        data.write(name + ".rtf", "{\\rtf1 }");
    }
    Harness h;
    h.desktop.expect("More than 1000 lists were found. Only the first 1000 are offered.");
    h.listSelector()->showPopup();
    QCOMPARE(h.listSelector()->count(), 1000);
    QCOMPARE(h.form().listNames().size(), 1000);
    h.listSelector()->hidePopup();
    h.settle();
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSelection::unsavedWorkAtDropDown_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(MsgButton::Yes);
    QTest::newRow("No") << int(MsgButton::No);
    QTest::newRow("Cancel") << int(MsgButton::Cancel);
}

void TestListSelection::unsavedWorkAtDropDown()
{
    QFETCH(int, answer);
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater"});
    data.addList("Nouns", "Latin", {"rosazxrose"});
    Harness h;
    h.openList("Verbs");
    h.retypeHeadword("amor");
    h.desktop.expect("Save work first?", MsgButton(answer));
    h.listSelector()->showPopup();
    if (MsgButton(answer) == MsgButton::Cancel) {
        // The entries stay as they were: the open list's name is still the one shown.
        QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Verbs"));
    } else {
        QCOMPARE(h.listSelector()->count(), 2);
        QCOMPARE(!h.form().document().isModified(), MsgButton(answer) == MsgButton::Yes);
    }
    QCOMPARE(data.read("Verbs.vocab"), MsgButton(answer) == MsgButton::Yes
                                           ? crlf({"Latin", "amorzxto love", "aquazxwater"})
                                           : crlf({"Latin", "amarezxto love", "aquazxwater"}));
    h.listSelector()->hidePopup();
    h.settle();
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSelection::arrowKeysOnClosedSelectorAskFirst()
{
    DataFolder data;
    data.addList("Alpha", "Latin", {"amarezxto love"});
    data.addList("Beta", "Latin", {"rosazxrose"});
    Harness h;
    h.openList("Alpha");
    QCOMPARE(h.listSelector()->count(), 2);
    // Saved work: the arrow keys open the next list straight away.
    h.listSelector()->setFocus();
    h.press(Qt::Key_Down);
    QCOMPARE(h.form().session().name(), QStringLiteral("Beta"));
    h.listSelector()->setFocus();
    h.press(Qt::Key_Up);
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    // Unsaved work is not dropped without a question.
    h.retypeHeadword("amor");
    h.listSelector()->setFocus();
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    h.press(Qt::Key_Down);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(h.form().session().name(), QStringLiteral("Alpha"));
    QVERIFY(h.form().document().isModified());
    h.listSelector()->setFocus();
    h.desktop.expect("Save work first?", MsgButton::Yes);
    h.itemBox()->setEditText("amor");
    h.press(Qt::Key_Down);
    QCOMPARE(h.form().session().name(), QStringLiteral("Beta"));
    QCOMPARE(data.read("Alpha.vocab"), crlf({"Latin", "amorzxto love"}));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestListSelection::singleCharacterListClosesAtOnce()
{
    DataFolder data;
    data.addList("X", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("X");
    QVERIFY(!h.itemBox()->isEnabled());
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
}

void TestListSelection::reopeningMakesFreshBackups()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Verbs");
    data.write("Verbs.vocab", crlf({"Latin", "amarezxto love", "esse zxto be"}));
    h.openList("Verbs");
    QCOMPARE(h.form().session().itemCount(), 2);
    QCOMPARE(data.read("Backups/Verbs.vocab"), crlf({"Latin", "amarezxto love", "esse zxto be"}));
}

void TestListSelection::failedOpeningReportsAndKeepsEarlierSteps()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    // The backup folder vanished while the program runs: the opening stops at the backup, reported.
    QVERIFY(QDir(data.path("Backups")).removeRecursively());
    h.desktop.expectError();
    h.openList("Verbs");
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
    QCOMPARE(h.desktop.shown.first().title, QStringLiteral("Mnemora"));
    QVERIFY(h.desktop.shown.first().text.contains("Verbs.vocab"));
    // A list whose backup cannot be made is not opened: nothing of it is half shown.
    QVERIFY(!h.itemBox()->isEnabled());
    QVERIFY(!h.form().session().isOpen());
}

QTEST_MAIN(TestListSelection)
#include "tst_listselection.moc"
