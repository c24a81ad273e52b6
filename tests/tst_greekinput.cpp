// Greek typed or pasted in Unicode into a Greek list is kept as the SPIonic keys that draw it, and
// no character a list file cannot hold is silently written as "?".
#include "support/harness.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {
void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
} // namespace

class TestGreekInput : public QObject {
    Q_OBJECT

private slots:
    void pastedAndTypedGreekIsStoredAsSpionic();
    void latinListsAndDescriptionsKeepWhatIsTyped();
    void characterAFileCannotHoldIsRefused();
};

void TestGreekInput::pastedAndTypedGreekIsStoredAsSpionic()
{
    DataFolder data;
    data.addList("Iliad", "Greek", {"mh~ninzxwrath"});
    Harness h;
    h.openList("Iliad");
    Ui::MainWindow &ui = h.ui();
    // Pasted over the headword...
    QApplication::clipboard()->setText(QStringLiteral("λόγος"));
    ui.Cmb_Item->setFocus();
    ui.Cmb_Item->lineEdit()->selectAll();
    h.press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("lo&goj"));
    QVERIFY(ui.BtnSave->isEnabled());
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Iliad.vocab"), QByteArray("Greek\r\nlo&gojzxwrath\r\n"));
    // ...and typed letter by letter, marks included, with the caret where the typing goes on.
    h.retypeHeadword(QString());
    typeText(ui.Cmb_Item, QStringLiteral("ἄνθρωπος"));
    QCOMPARE(ui.Cmb_Item->currentText(), QStringLiteral("a!nqrwpoj"));
    QCOMPARE(ui.Cmb_Item->lineEdit()->cursorPosition(), 9);
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Iliad.vocab"), QByteArray("Greek\r\na!nqrwpojzxwrath\r\n"));
}

void TestGreekInput::latinListsAndDescriptionsKeepWhatIsTyped()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Verbs");
    h.retypeHeadword("café");
    QCOMPARE(h.ui().Cmb_Item->currentText(), QStringLiteral("café"));
    QTest::mouseClick(h.ui().BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\ncaf\xE9zxto love\r\n"));
}

void TestGreekInput::characterAFileCannotHoldIsRefused()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "essezxto be"});
    const QByteArray before = data.read("Verbs.vocab");
    Harness h;
    h.openList("Verbs");
    Ui::MainWindow &ui = h.ui();
    ui.RichDescr->setFocus();
    ui.RichDescr->selectAll();
    typeText(ui.RichDescr, QStringLiteral("love → amor, ā"));
    h.desktop.expectError();
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    const QString told = h.desktop.shown.last().text;
    QVERIFY2(told.contains(QStringLiteral("\"amare\"")) && told.contains(QStringLiteral("→ ā")), qPrintable(told));
    QCOMPARE(data.read("Verbs.vocab"), before);
    QVERIFY(h.form().document().isModified());
    QCOMPARE(ui.RichDescr->toPlainText(), QStringLiteral("love → amor, ā")); // as typed, to be changed
    // Changed, it saves.
    ui.RichDescr->setFocus();
    ui.RichDescr->selectAll();
    typeText(ui.RichDescr, QStringLiteral("love, amor"));
    QTest::mouseClick(ui.BtnSave, Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\namarezxlove, amor\r\nessezxto be\r\n"));
}

QTEST_MAIN(TestGreekInput)
#include "tst_greekinput.moc"
