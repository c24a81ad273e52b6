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
    // Pasted over the headword...
    QApplication::clipboard()->setText(QStringLiteral("λόγος"));
    h.itemBox()->setFocus();
    h.itemBox()->lineEdit()->selectAll();
    h.press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("lo&goj"));
    QVERIFY(h.saveButton()->isEnabled());
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Iliad.vocab"), QByteArray("Greek\r\nlo&gojzxwrath\r\n"));
    // ...and typed letter by letter, marks included, with the caret where the typing goes on.
    h.retypeHeadword(QString());
    typeText(h.itemBox(), QStringLiteral("ἄνθρωπος"));
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("a!nqrwpoj"));
    QCOMPARE(h.itemBox()->lineEdit()->cursorPosition(), 9);
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Iliad.vocab"), QByteArray("Greek\r\na!nqrwpojzxwrath\r\n"));
}

void TestGreekInput::latinListsAndDescriptionsKeepWhatIsTyped()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love"});
    Harness h;
    h.openList("Verbs");
    h.retypeHeadword("café");
    QCOMPARE(h.itemBox()->currentText(), QStringLiteral("café"));
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\ncaf\xE9zxto love\r\n"));
}

void TestGreekInput::characterAFileCannotHoldIsRefused()
{
    DataFolder data;
    data.addList("Verbs", "Latin", {"amarezxto love", "essezxto be"});
    const QByteArray before = data.read("Verbs.vocab");
    Harness h;
    h.openList("Verbs");
    h.descriptionBox()->setFocus();
    h.descriptionBox()->selectAll();
    typeText(h.descriptionBox(), QStringLiteral("love → amor, ā"));
    h.desktop.expectError();
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    const QString told = h.desktop.shown.last().text;
    QVERIFY2(told.contains(QStringLiteral("\"amare\"")) && told.contains(QStringLiteral("→ ā")), qPrintable(told));
    QCOMPARE(data.read("Verbs.vocab"), before);
    QVERIFY(h.form().document().isModified());
    QCOMPARE(h.descriptionBox()->toPlainText(), QStringLiteral("love → amor, ā")); // as typed, to be changed
    // Changed, it saves.
    h.descriptionBox()->setFocus();
    h.descriptionBox()->selectAll();
    typeText(h.descriptionBox(), QStringLiteral("love, amor"));
    QTest::mouseClick(h.saveButton(), Qt::LeftButton);
    QCOMPARE(data.read("Verbs.vocab"), QByteArray("Latin\r\namarezxlove, amor\r\nessezxto be\r\n"));
}

QTEST_MAIN(TestGreekInput)
#include "tst_greekinput.moc"
