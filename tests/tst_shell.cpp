// The main window shell: start-up, the missing-font lock, the window-level keys, Esc, the message
// box rules, the error report and closing with each answer.
#include "support/harness.h"
#include "support/pixels.h"

#include "auxwindows/helpwindow.h"
#include "auxwindows/keyboardmapwindow.h"
#include "auxwindows/aboutwindow.h"
#include "master/masterlistwindow.h"
#include "platform/guard.h"
#include "platform/messagedlg.h"
#include "quotes/quotationswindow.h"

#include <QApplication>
#include <QImage>
#include <QTimer>

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void startupCreatesFoldersWindowsAndPrompt();
    void startupWithoutSpionicLocksAndEnds();
    void startupReadsPictureColoursAndFonts();
    void failedCreationStepReportsAndGoesOn();
    void messageBoxRules();
    void errorReportAddsFullStop();
    void windowKeysOpenWindows();
    void escapeInNormalModeClearsSearchText();
    void closeButtonWithEachAnswer_data();
    void closeButtonWithEachAnswer();
    void closeYesThatDoesNotSaveKeepsRunning();
    void titleBarCloseAsksYesNoCancel();
    void stayOnTopToggles();
    void colourKeysPickApplyAndStore();
};

void TestShell::startupCreatesFoldersWindowsAndPrompt()
{
    DataFolder data;
    Harness h;
    QVERIFY(data.exists("Backups"));
    QVERIFY(data.exists("Setup"));
    QCOMPARE(h.form().windowTitle(), QStringLiteral("Mnemora 2.1"));
    QCOMPARE(h.form().size(), QSize(778, 703));
    QVERIFY(h.form().staysOnTop());
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    QCOMPARE(h.listSelector()->count(), 4);
    QVERIFY(h.form().animationTimer().isActive());
    QCOMPARE(h.form().buildDate(), QStringLiteral("24 Jan 2021"));
    QCOMPARE(h.heading()->text(), QString());
    QVERIFY(!h.form().document().isModified());
    // The five other windows exist, hidden, with their captions.
    const auto &w = h.program->windows;
    QCOMPARE(w.about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(w.quotations->windowTitle(), QStringLiteral("Quotations and Sayings"));
    QCOMPARE(w.masterList->windowTitle(), QStringLiteral("Master List"));
    QCOMPARE(w.help->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(w.keyboardMap->windowTitle(), QStringLiteral("SPIonic Keyboard Mapping"));
    for (QWidget *x : std::initializer_list<QWidget *>{w.about, w.quotations, w.masterList, w.help, w.keyboardMap})
        QVERIFY(x->isHidden());
    // Initial control states of the layout.
    QVERIFY(!h.itemBox()->isEnabled());
    QVERIFY(!h.descriptionBox()->isEnabled());
    QVERIFY(h.notesBox()->isHidden());
    QVERIFY(h.quotationsPicture()->isVisible());
    QVERIFY(h.masterListButton()->isEnabled());
    QVERIFY(!h.saveButton()->isEnabled());
    QVERIFY(h.boldButton()->isHidden());
    QCOMPARE(h.selfTestButton()->text(), QStringLiteral("Test  Yourself"));
    QCOMPARE(h.quotationsPicture()->toolTip(), QStringLiteral("Click or Ctrl+Q for Quotations and Sayings"));
    QCOMPARE(h.itemBox()->font().family(), QStringLiteral("SPIonic"));
    QCOMPARE(h.itemBox()->font().pixelSize(), 21);
    QCOMPARE(QApplication::focusWidget(), h.listSelector());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestShell::startupWithoutSpionicLocksAndEnds()
{
    DataFolder data;
    ScriptedDesktop *d = nullptr;
    {
        // The font list is read while the window is created, so the desktop must say it first.
        ScriptedDesktop desktop;
        desktop.fonts = {QStringLiteral("DejaVu Sans")};
        desktop.expect(QStringLiteral("Please install the SPIonic Greek font. The program will now close."));
        d = &desktop;
        Program program;
        MainWindow &f = *program.windows.main;
        const MainWindowControls controls = controlsOf(&f);
        QVERIFY(!f.fontAvailable());
        for (QWidget *w : std::initializer_list<QWidget *>{
                 controls.saveButton(), controls.searchButton(), controls.searchBox(), controls.closeButton(),
                 controls.listSelector(), controls.masterListButton(), controls.changeListButton(), controls.itemBox(),
                 controls.descriptionBox()})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!controls.testPanel()->isHidden());
        QVERIFY(!controls.testPanel()->isEnabled());
        QCOMPARE(controls.testPanel()->font().pointSize(), 18);
        QVERIFY(controls.helpIcon()->toolTip().isEmpty());
        QVERIFY(!f.animationTimer().isActive());
        QVERIFY(!data.exists("Backups")); // creation stopped before the folders
        program.show();
        QApplication::setActiveWindow(&f);
        QTRY_VERIFY(f.programEnded());
        QCOMPARE(d->shown.size(), 1);
        QCOMPARE(d->shown.first().kind, MsgKind::Error);
        QCOMPARE(d->shown.first().title, QStringLiteral("Error"));
        QVERIFY2(d->problems().isEmpty(), qPrintable(d->problems().join('\n')));
    }
}

void TestShell::startupReadsPictureColoursAndFonts()
{
    DataFolder data;
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(data.path("default.jpg"), "JPG"));
    data.write("Setup/MainFormColor.ini", "clmoneygreen\r\n");
    data.write("Setup/SelfTestPanelColor.ini", "$000080FF\r\nignored\r\n");
    ScriptedDesktop desktop;
    desktop.fonts << QStringLiteral("Squire") << QStringLiteral("Verdana") << QStringLiteral("Carlito");
    Program program;
    const MainWindowControls controls = controlsOf(program.windows.main);
    QCOMPARE(controls.quotationsPicture()->pixmap().size(), QSize(40, 20));
    QCOMPARE(paintedColour(program.windows.main), QColor(192, 220, 192));
    QCOMPARE(paintedColour(controls.itemCounter()), QColor(192, 220, 192));
    QCOMPARE(paintedColour(controls.testPanel()), QColor(255, 128, 0));
    QCOMPARE(controls.titleLabel()->font().family(), QStringLiteral("Squire"));
    QStringList fonts;
    for (int i = 0; i < controls.fontList()->count(); ++i)
        fonts << controls.fontList()->itemText(i);
    // Installed names only (Arial, Times New Roman, Courier New and Calibri through their
    // metric-compatible families), in alphabetical order.
    QCOMPARE(fonts, QStringList({"Arial", "Calibri", "Courier New", "Squire", "Times New Roman", "Verdana"}));
    QVERIFY(desktop.problems().isEmpty());
}

void TestShell::failedCreationStepReportsAndGoesOn()
{
    DataFolder data;
    data.write("Setup/MainFormColor.ini", "notacolour\r\n");
    data.write("default.jpg", "this is not a picture");
    ScriptedDesktop desktop;
    desktop.expect(QStringLiteral("'notacolour' is not a valid integer value (colour file \"Setup/MainFormColor.ini\")"));
    desktop.expect(QStringLiteral("Cannot load the picture \"default.jpg\": Unsupported image format."));
    Program program;
    MainWindow &f = *program.windows.main;
    QVERIFY2(desktop.problems().isEmpty(), qPrintable(desktop.problems().join('\n')));
    QCOMPARE(desktop.shown.first().title, QStringLiteral("Mnemora"));
    QCOMPARE(desktop.shown.first().kind, MsgKind::Error);
    // The steps after the failed ones still ran.
    QCOMPARE(controlsOf(&f).listSelector()->count(), 4);
    QVERIFY(f.animationTimer().isActive());
}

void TestShell::messageBoxRules()
{
    ScriptedDesktop desktop;
    QWidget over;
    desktop.expect("q1", MsgButton::Cancel);
    desktop.expect("q2", MsgButton::No);
    desktop.expect("q3", MsgButton::OK);
    desktop.expect("q4", MsgButton::Yes);
    QCOMPARE(CenteredMessageDlg(&over, "q1", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No | MsgButton::Cancel),
             MsgButton::Cancel);
    CenteredMessageDlg(&over, "q2", MsgKind::Warning, MsgButton::Yes | MsgButton::No);
    CenteredMessageDlg(&over, "q3", MsgKind::Information, MsgButton::OK | MsgButton::Cancel);
    CenteredMessageDlg(&over, "q4", MsgKind::Error, MsgButton::Yes | MsgButton::Cancel);
    const auto &s = desktop.shown;
    QCOMPARE(s[0].title, QStringLiteral("Confirm"));
    QCOMPARE(s[0].defaultButton, MsgButton::Yes);
    QCOMPARE(s[0].escapeButton, MsgButton::Cancel);
    QCOMPARE(s[1].title, QStringLiteral("Warning"));
    QCOMPARE(s[1].escapeButton, MsgButton::No);
    QCOMPARE(s[2].title, QStringLiteral("Information"));
    QCOMPARE(s[2].defaultButton, MsgButton::OK);
    QCOMPARE(s[2].escapeButton, MsgButton::Cancel);
    QCOMPARE(s[3].title, QStringLiteral("Error"));
    QCOMPARE(s[3].parent, &over);
    QVERIFY(desktop.problems().isEmpty());
}

void TestShell::errorReportAddsFullStop()
{
    QCOMPARE(errorReportText("File access denied"), QStringLiteral("File access denied."));
    QCOMPARE(errorReportText("Done."), QStringLiteral("Done."));
    QCOMPARE(errorReportText("Stop!"), QStringLiteral("Stop!"));   // '!' sorts before '.'
    QCOMPARE(errorReportText("(42)"), QStringLiteral("(42)"));     // so does ')'
    QCOMPARE(errorReportText("code 5"), QStringLiteral("code 5.")); // digits sort after it
    QCOMPARE(errorReportText(QString()), QString());
}

void TestShell::windowKeysOpenWindows()
{
    DataFolder data;
    Harness h;
    auto &w = h.program->windows;
    // A modal window is closed again as soon as it shows; note that it did.
    auto closeWhenShown = [](QWidget *window, bool *seen) {
        QTimer::singleShot(0, window, [window, seen] {
            *seen = window->isVisible();
            window->close();
        });
    };
    bool seen = false;
    closeWhenShown(w.quotations, &seen);
    h.press(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(seen);
    seen = false;
    closeWhenShown(w.quotations, &seen);
    h.press(Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(seen);
    seen = false;
    closeWhenShown(w.help, &seen);
    h.press(Qt::Key_F1);
    QVERIFY(seen);
    seen = false;
    closeWhenShown(w.quotations, &seen);
    QTest::mouseClick(h.quotationsPicture(), Qt::LeftButton);
    QVERIFY(seen);
    QApplication::setActiveWindow(&h.form());
    h.listSelector()->setFocus();
    h.press(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(w.keyboardMap->isVisible()); // not modal: stays open beside the main window
    QVERIFY(!w.keyboardMap->isModal());
    w.keyboardMap->close();
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestShell::escapeInNormalModeClearsSearchText()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater"});
    Harness h;
    // No list open: Esc does nothing.
    h.press(Qt::Key_Escape);
    QCOMPARE(h.listSelector()->currentText(), QStringLiteral("Select / create / edit"));
    h.openList("Verbs");
    QTest::mouseClick(h.searchBox(), Qt::LeftButton); // the prompt goes
    QTest::keyClicks(h.searchBox(), "aqu");
    h.press(Qt::Key_Escape);
    QCOMPARE(h.searchBox()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
    // The prompt stays.
    h.openList("Verbs");
    QCOMPARE(h.searchBox()->text(), QStringLiteral("Enter search text"));
    h.removeButton()->setFocus();
    h.press(Qt::Key_Escape); // window-level and the button's own Esc both run
    QCOMPARE(h.searchBox()->text(), QStringLiteral("Enter search text"));
    QCOMPARE(QApplication::focusWidget(), h.itemBox());
    QVERIFY(h.desktop.problems().isEmpty());
}

void TestShell::closeButtonWithEachAnswer_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << int(MsgButton::Yes) << true << true;
    QTest::newRow("No") << int(MsgButton::No) << true << false;
    QTest::newRow("Cancel") << int(MsgButton::Cancel) << false << false;
}

void TestShell::closeButtonWithEachAnswer()
{
    QFETCH(int, answer);
    QFETCH(bool, ends);
    QFETCH(bool, saved);
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater"});
    const QByteArray before = data.read("Verbs.vocab");
    Harness h;
    h.openList("Verbs");
    h.retypeHeadword("amor");
    h.desktop.expect("Save work before closing?", MsgButton(answer));
    h.closeButton()->click();
    QCOMPARE(h.form().programEnded(), ends);
    QCOMPARE(data.read("Verbs.vocab"), saved ? crlf({"Latin", "amorzxto love", "aquazxwater"}) : before);
    QCOMPARE(h.desktop.shown.first().buttons, MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
    if (!ends)
        QCOMPARE(QApplication::focusWidget(), h.itemBox());
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestShell::closeYesThatDoesNotSaveKeepsRunning()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Verbs");
    // Save refuses a one-letter headword; the unsaved work must not be thrown away.
    h.retypeHeadword("a");
    h.desktop.expect("Save work before closing?", MsgButton::Yes);
    h.desktop.expect("Vocabulary item or description too short.");
    h.closeButton()->click();
    QVERIFY(!h.form().programEnded());
    QVERIFY(h.form().document().isModified());
    // A save that fails (the list file cannot be replaced) is reported and the program stays.
    h.itemBox()->setEditText("amor");
    QVERIFY(QFile::remove(data.path("Verbs.vocab")));
    QVERIFY(QDir(data.path()).mkdir("Verbs.vocab"));
    h.desktop.expect("Save work before closing?", MsgButton::Yes);
    h.desktop.expect("Since the list \"Verbs\" was opened or saved here, the file \"Verbs.vocab\" was changed by "
                     "another program or another machine.\n\n"
                     "Reload: show the version on disk here; the work here is kept as a list of its own.\n"
                     "Overwrite: save the version here over it; the version on disk is kept in the \"Backups\" "
                     "folder.\nCancel: leave both as they are for now.",
                     MsgButton::Overwrite);
    h.desktop.expectError();
    h.closeButton()->click();
    QVERIFY(!h.form().programEnded());
    QCOMPARE(h.desktop.shown.last().title, QStringLiteral("Mnemora"));
    QVERIFY2(h.desktop.problems().isEmpty(), qPrintable(h.desktop.problems().join('\n')));
}

void TestShell::titleBarCloseAsksYesNoCancel()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Verbs");
    h.retypeHeadword("amor");
    // Esc on the question (or its own close box) is Cancel: the program and the work stay.
    h.desktop.expect("Save work first?", MsgButton::Cancel);
    h.form().close();
    QVERIFY(!h.form().programEnded());
    QVERIFY(h.form().isVisible());
    QCOMPARE(h.desktop.shown.first().buttons, MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
    QCOMPARE(h.desktop.shown.first().escapeButton, MsgButton::Cancel);
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("amor"));
    // Only No discards.
    h.desktop.expect("Save work first?", MsgButton::No);
    h.form().close();
    QVERIFY(h.form().programEnded());
    QCOMPARE(data.read("Verbs.vocab"), crlf({"Latin", "amarezxto love"}));
}

void TestShell::stayOnTopToggles()
{
    DataFolder data;
    Harness h;
    QTest::mouseClick(h.stayOnTopInnerPanel(), Qt::LeftButton);
    QVERIFY(!h.form().staysOnTop());
    QCOMPARE(h.stayOnTopPanel()->toolTip(), QStringLiteral("Stay On Top = OFF"));
    QTest::mouseClick(h.stayOnTopPanel(), Qt::LeftButton);
    QVERIFY(h.form().staysOnTop());
    QCOMPARE(h.stayOnTopPanel()->toolTip(), QStringLiteral("Stay On Top = ON"));
    QCOMPARE(h.stayOnTopInnerPanel()->toolTip(), QStringLiteral("Stay On Top = ON"));
}

void TestShell::colourKeysPickApplyAndStore()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "aquazxwater"});
    Harness h;
    h.desktop.colourAnswers = {QColor(255, 0, 0), std::nullopt, QColor(255, 128, 0)};
    h.press(Qt::Key_F7);
    QCOMPARE(h.desktop.pickerTitles.last(), QStringLiteral("Set Colour: Main Window"));
    QCOMPARE(data.read("Setup/MainFormColor.ini"), QByteArray("clRed\r\n"));
    QCOMPARE(paintedColour(&h.form()), QColor(255, 0, 0));
    QCOMPARE(paintedColour(h.itemCounter()), QColor(255, 0, 0));
    // Cancel changes neither the colours nor the file.
    h.press(Qt::Key_F7, Qt::ControlModifier);
    QCOMPARE(h.desktop.pickerTitles.size(), 2);
    QCOMPARE(data.read("Setup/MainFormColor.ini"), QByteArray("clRed\r\n"));
    QCOMPARE(paintedColour(&h.form()), QColor(255, 0, 0));
    // F10 only while a self test is shown.
    h.press(Qt::Key_F10);
    QCOMPARE(h.desktop.pickerTitles.size(), 2);
    h.openList("Verbs");
    QTest::mouseClick(h.selfTestButton(), Qt::LeftButton);
    QVERIFY(h.testPanel()->isVisible());
    h.press(Qt::Key_F10);
    QCOMPARE(h.desktop.pickerTitles.last(), QStringLiteral("Set Colour: Self Test Panel"));
    QCOMPARE(data.read("Setup/SelfTestPanelColor.ini"), QByteArray("$000080FF\r\n"));
    QCOMPARE(paintedColour(h.testPanel()), QColor(255, 128, 0));
    QVERIFY(h.desktop.problems().isEmpty());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
