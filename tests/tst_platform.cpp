// The small platform layer: colour texts, font lookup, and the combo box's drop-down reports.
#include "platform/colourtext.h"
#include "platform/dropdowncombo.h"
#include "platform/fonts.h"
#include "store/apperror.h"

#include <QSignalSpy>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void colourTexts();
    void invalidColourTexts();
    void fontNamesWithStandIns();
    void closeUpComesAfterTheChoice();
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

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
