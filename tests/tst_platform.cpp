// The small platform layer: colour texts, font lookup, and the combo box's drop-down reports.
#include "platform/colourtext.h"
#include "platform/dropdowncombo.h"
#include "platform/fonts.h"
#include "platform/trackedtextedit.h"
#include "store/apperror.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void colourTexts();
    void invalidColourTexts();
    void fontNamesWithStandIns();
    void closeUpComesAfterTheChoice();
    void longTextsShownAsGiven();
};

void TestPlatform::colourTexts()
{
    QCOMPARE(ColorToString(0x000000FF), QStringLiteral("clRed"));
    QCOMPARE(ColorToString(0x000080FF), QStringLiteral("$000080FF"));
    QCOMPARE(ColorToString(0xFF00000F), QStringLiteral("clBtnFace"));
    QCOMPARE(ColorToString(0x1FFFFFFF), QStringLiteral("clNone"));
    for (const char *text : {"clmoneygreen", "clMoneyGreen", "$00C0DCC0", "12639424"})
        QCOMPARE(StringToColor(QLatin1String(text)), 0x00C0DCC0u);
    QCOMPARE(StringToColor("CLBTNFACE"), 0xFF00000Fu);
    QCOMPARE(StringToColor("-16777201"), 0xFF00000Fu); // a system colour written as a signed number
    QCOMPARE(fromQColor(QColor(255, 128, 0)), 0x000080FFu);
    QCOMPARE(toQColor(0x000080FF), QColor(255, 128, 0));
    // Every identifier reads back as itself.
    for (const ColourIdent &c : ColourIdentTable)
        QCOMPARE(ColorToString(StringToColor(QLatin1String(c.name))), QLatin1String(c.name));
}

void TestPlatform::invalidColourTexts()
{
    for (const char *text : {"", "clPink", "$GG", " 12", "99999999999"}) {
        try {
            StringToColor(QLatin1String(text));
            QFAIL(text);
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(text)));
        }
    }
}

void TestPlatform::fontNamesWithStandIns()
{
    const QStringList installed = {"SPIonic", "Liberation Sans", "Carlito", "DejaVu Sans"};
    QVERIFY(fontInstalled("spionic", installed));
    QVERIFY(fontInstalled("Arial", installed));
    QVERIFY(fontInstalled("calibri", installed));
    QVERIFY(!fontInstalled("Cambria", installed)); // Caladea is not there
    QVERIFY(!fontInstalled("Squire", installed));
}

void TestPlatform::closeUpComesAfterTheChoice()
{
    DropDownCombo combo;
    combo.addItems({"one", "two"});
    QStringList order;
    connect(&combo, &DropDownCombo::dropDown, [&] { order << "dropDown"; });
    connect(&combo, &QComboBox::activated, [&] { order << QStringLiteral("activated %1").arg(combo.isDroppedDown()); });
    connect(&combo, &DropDownCombo::closeUp, [&] { order << QStringLiteral("closeUp %1").arg(combo.isDroppedDown()); });
    combo.show();
    combo.showPopup();
    // A click in the list: Qt closes the list, then reports the choice.
    combo.hidePopup();
    combo.setCurrentIndex(1);
    emit combo.activated(1);
    QCoreApplication::processEvents();
    QCOMPARE(order, QStringList({"dropDown", "activated 1", "closeUp 0"}));
    // An empty list counts as dropped down and closed at once.
    order.clear();
    combo.clear();
    combo.showPopup();
    QCoreApplication::processEvents();
    QCOMPARE(order, QStringList({"dropDown", "closeUp 0"}));
}

void TestPlatform::longTextsShownAsGiven()
{
    // Texts long enough for the box to keep their layout: each shown exactly, the caret at the
    // start, wrapped as before, coloured where asked, and the user's edits still told.
    TrackedTextEdit box;
    box.resize(300, 100);
    box.show();
    QSignalSpy edited(&box, &TrackedTextEdit::userEdited);
    auto red = [&box](int from, int to) {
        QString out;
        QTextCursor c(box.document());
        for (int i = from; i < to; ++i) {
            c.setPosition(i);
            c.setPosition(i + 1, QTextCursor::KeepAnchor);
            out += c.charFormat().foreground().color() == Qt::red ? QLatin1Char('R') : QLatin1Char('.');
        }
        return out;
    };
    const QString word = QString(100000, QLatin1Char('a')) + QStringLiteral("b c");
    box.showPlainText(word);
    QCOMPARE(box.toPlainText(), word);
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(box.textCursor().position(), 0);
    QVERIFY(!box.document()->isUndoAvailable());
    box.colourRanges({{1, 2}, {100000, 1}}, Qt::red);
    QCOMPARE(red(0, 4), QStringLiteral(".RR."));
    QCOMPARE(red(99999, 100003), QStringLiteral(".R.."));
    QCOMPARE(box.toPlainText(), word);

    QString lines;
    for (int i = 0; i < 8000; ++i)
        lines += QStringLiteral("line %1 of words\n").arg(i);
    box.showPlainText(lines);
    QCOMPARE(box.toPlainText(), lines);
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(red(0, 4), QStringLiteral("...."));
    QCOMPARE(edited.size(), 0);

    box.setFocus();
    QTest::keyClick(&box, Qt::Key_X);
    QCOMPARE(edited.size(), 1);
    QCOMPARE(box.toPlainText(), QLatin1Char('x') + lines);

    // Long texts go unshaped (no kerning or ligatures), also after the box's font changes size;
    // a short text is shaped again.
    const auto unshaped = [&box] { return box.document()->defaultFont().styleStrategy() & QFont::PreferNoShaping; };
    QVERIFY(unshaped());
    QFont bigger = box.font();
    bigger.setPointSize(bigger.pointSize() + 4);
    box.setFont(bigger);
    QVERIFY(unshaped());
    QCOMPARE(box.document()->defaultFont().pointSize(), bigger.pointSize());
    box.showPlainText(QStringLiteral("a short description"));
    QVERIFY(!unshaped());
    QCOMPARE(box.document()->defaultFont().pointSize(), bigger.pointSize());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
