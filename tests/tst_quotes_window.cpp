// The quotations window driven through its widgets: opening and reopening, the filters and their
// fonts, every click target, Enter and Esc, the source revealed by the timer, and that every
// quotation fits its box.
#include "platform/random.h"
#include "quotes/quotationtable.h"
#include "quotes/quotewrap.h"
#include "quotes/quotationswindow.h"
#include "support/controls.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

namespace {
constexpr int kHour = 3600 * 1000;

struct Window : QuotationsControls {
    QWidget owner;
    QuotationsWindow quotes{&owner};
    Window() { setWindow(&quotes); }
    int shown() const { return quotes.Draw.shownCount(); }
    // Opens the window without blocking and keeps the reveal timer for the test to tick.
    void open()
    {
        quotes.revealTimer.setInterval(kHour);
        quotes.show();
        QApplication::setActiveWindow(&quotes);
    }
    void click(QWidget *w, QPoint at = QPoint()) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at); }
};

QString shownQuotation(const QuotationRow &row)
{
    return QString::fromUtf8(row.Quotation).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The quotation box's text without the soft line breaks that follow a blank.
QString unwrapped(QString shown)
{
    return shown.replace(QChar(QChar::LineSeparator), QString()).replace(QLatin1String(" \n"), QLatin1String(" "));
}
} // namespace

class TestQuotesWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { programRandom().seed(4242); }
    void layoutAndFirstQuotation();
    void bothCycleThroughNext();
    void languageFilterCyclesAndFonts_data();
    void languageFilterCyclesAndFonts();
    void switchingFilterMidCycleEmptiesRecord();
    void reopeningResetsFilterAndRecord();
    void activationKeepsTheCycle();
    void everyClickTargetShowsNext();
    void enterOnNextShowsOneQuotation();
    void escapeClosesFromAnyControl();
    void sourceRevealedByTheTimer();
    void everyQuotationFitsItsBox();
    void wrapBreaksOnlyAtBlanks();
};

void TestQuotesWindow::layoutAndFirstQuotation()
{
    Window w;
    QCOMPARE(w.quotes.windowTitle(), QStringLiteral("Quotations and Sayings"));
    QCOMPARE(w.quotes.size(), QSize(722, 428));
    QVERIFY(w.quotes.isHidden());
    QVERIFY(!w.picture()->pixmap().isNull());
    QCOMPARE(w.picture()->geometry(), QRect(8, 8, 153, 408));
    QCOMPARE(w.translationBox()->font().pixelSize(), 20);
    QVERIFY(w.sourceLabel()->font().italic());
    w.open();
    QCOMPARE(w.shown(), 1);
    const QuotationRow &row = quotationRow(w.quotes.currentRow());
    QCOMPARE(unwrapped(w.quotationBox()->toPlainText()), shownQuotation(row));
    QCOMPARE(w.translationBox()->toPlainText(), QString::fromUtf8(row.Translation));
    QCOMPARE(w.quotes.Reveal.PendingSource, QString::fromUtf8(row.Source));
    QCOMPARE(w.sourceLabel()->text(), QString());
    QVERIFY(w.quotes.revealTimer.isActive());
    QCOMPARE(QApplication::focusWidget(), w.nextButton());
    QCOMPARE(w.quotationBox()->textCursor().position(), 0);
    QVERIFY(w.bothButton()->isChecked());
    w.quotes.close();
    QVERIFY(!w.quotes.revealTimer.isActive());
}

void TestQuotesWindow::bothCycleThroughNext()
{
    Window w;
    w.open();
    QSet<int> seen{w.quotes.currentRow()};
    for (int i = 2; i <= 50; ++i) {
        w.click(w.nextButton());
        QVERIFY2(!seen.contains(w.quotes.currentRow()), qPrintable(QString::number(i)));
        seen.insert(w.quotes.currentRow());
    }
    QCOMPARE(seen.size(), 50);
    QCOMPARE(w.shown(), 0); // the cycle is complete: the record starts again
    w.click(w.nextButton());
    QCOMPARE(w.shown(), 1);
}

void TestQuotesWindow::languageFilterCyclesAndFonts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::newRow("Greek") << QStringLiteral("G") << QStringLiteral("SPIonic") << 17;
    QTest::newRow("Latin") << QStringLiteral("L") << QStringLiteral("Tahoma") << 15;
}

void TestQuotesWindow::languageFilterCyclesAndFonts()
{
    QFETCH(QString, language);
    QFETCH(QString, family);
    QFETCH(int, points);
    Window w;
    w.open();
    QRadioButton *button = language == QLatin1String("G") ? w.greekButton() : w.latinButton();
    w.click(button);
    QVERIFY(button->isChecked());
    QVERIFY(!w.bothButton()->isChecked());
    QCOMPARE(w.quotes.Draw.LanguageFilter, language);
    QSet<int> seen;
    for (int i = 1; i <= 25; ++i) {
        if (i > 1)
            w.click(w.nextButton());
        const int n = w.quotes.currentRow();
        QCOMPARE(QString::fromUtf8(quotationRow(n).Language), language);
        QVERIFY(!seen.contains(n));
        seen.insert(n);
        QCOMPARE(w.quotationBox()->font().family(), family);
        QCOMPARE(w.quotationBox()->font().pointSize(), points);
        QCOMPARE(w.translationBox()->font().pixelSize(), 20); // the translation keeps its font
    }
    QCOMPARE(w.shown(), 0);
    // Checking the radio button that is already checked changes nothing.
    w.click(w.nextButton());
    const int row = w.quotes.currentRow();
    w.click(button);
    QCOMPARE(w.quotes.currentRow(), row);
    QCOMPARE(w.shown(), 1);
}

void TestQuotesWindow::switchingFilterMidCycleEmptiesRecord()
{
    Window w;
    w.open();
    w.click(w.greekButton());
    for (int i = 0; i < 5; ++i)
        w.click(w.nextButton());
    QCOMPARE(w.shown(), 6);
    w.click(w.latinButton());
    QCOMPARE(w.shown(), 1);
    QSet<int> latin{w.quotes.currentRow()};
    for (int i = 1; i < 25; ++i) {
        w.click(w.nextButton());
        latin.insert(w.quotes.currentRow());
    }
    QCOMPARE(latin.size(), 25);
}

void TestQuotesWindow::reopeningResetsFilterAndRecord()
{
    Window w;
    w.owner.resize(800, 700);
    w.owner.show();
    int recordAtOpening = -1;
    QSet<QString> languages;
    // Opened modally as the main window does; the checks run inside the modal loop.
    QTimer::singleShot(0, &w.quotes, [&] {
        w.quotes.revealTimer.setInterval(kHour);
        w.click(w.greekButton());
        for (int i = 0; i < 4; ++i)
            w.click(w.nextButton());
        w.quotes.close();
    });
    w.quotes.showModalOver(&w.owner);
    QVERIFY(w.quotes.isHidden());
    QCOMPARE(w.quotes.Draw.LanguageFilter, QStringLiteral("G"));
    // Closed, the window keeps no keyboard focus, whatever activation the platform delivers late.
    QCoreApplication::processEvents();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(!focus || focus->window() != &w.quotes);
    QTimer::singleShot(0, &w.quotes, [&] {
        recordAtOpening = w.shown();
        QVERIFY(w.bothButton()->isChecked());
        QVERIFY(!w.greekButton()->isChecked());
        for (int i = 0; i < 30; ++i) {
            languages.insert(QString::fromUtf8(quotationRow(w.quotes.currentRow()).Language));
            w.click(w.nextButton());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    w.quotes.showModalOver(&w.owner);
    QCOMPARE(recordAtOpening, 1);
    QCOMPARE(w.quotes.Draw.LanguageFilter, QStringLiteral("Both"));
    QCOMPARE(languages.size(), 2);
    QVERIFY(w.quotes.isHidden());
}

void TestQuotesWindow::activationKeepsTheCycle()
{
    Window w;
    w.owner.show();
    w.open();
    w.click(w.nextButton());
    w.click(w.nextButton());
    const int row = w.quotes.currentRow();
    // Another window (a colour picker, a message box) comes and goes over this one.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    other.hide();
    QApplication::setActiveWindow(&w.quotes);
    QCoreApplication::processEvents();
    QCOMPARE(w.shown(), 3);
    QCOMPARE(w.quotes.currentRow(), row);
}

void TestQuotesWindow::everyClickTargetShowsNext()
{
    Window w;
    w.open();
    struct Target { const char *name; QWidget *widget; QPoint at; };
    const Target targets[] = {
        {"picture", w.picture(), QPoint()},
        {"quotation", w.quotationBox()->viewport(), QPoint(20, 20)},
        {"translation", w.translationBox()->viewport(), QPoint(400, 100)},
        {"source", w.sourceLabel(), QPoint()},
        {"background", &w.quotes, QPoint(400, 20)},
        {"background below the picture", &w.quotes, QPoint(80, 422)},
        {"Next", w.nextButton(), QPoint()},
    };
    QVERIFY(!w.quotes.childAt(400, 20) && !w.quotes.childAt(80, 422));
    for (const Target &t : targets) {
        const int before = w.shown();
        w.closeButton()->setFocus();
        w.click(t.widget, t.at);
        QVERIFY2(w.shown() == before + 1, t.name);
        QVERIFY2(QApplication::focusWidget() == w.nextButton(), t.name);
    }
}

void TestQuotesWindow::enterOnNextShowsOneQuotation()
{
    ScriptedDesktop desktop; // F7's picker is cancelled
    Window w;
    w.open();
    QTest::keyClick(w.nextButton(), Qt::Key_Return);
    QCOMPARE(w.shown(), 2);
    QTest::keyClick(w.nextButton(), Qt::Key_Enter);
    QCOMPARE(w.shown(), 3);
    // Other keys do nothing on Next; F7 leaves the window open.
    QTest::keyClick(w.nextButton(), Qt::Key_A);
    QTest::keyClick(w.nextButton(), Qt::Key_F7);
    QCOMPARE(desktop.pickerTitles, QStringList{"Set Colour: Quotations and Sayings"});
    QCOMPARE(w.shown(), 3);
    QVERIFY(w.quotes.isVisible());
}

void TestQuotesWindow::escapeClosesFromAnyControl()
{
    for (int i = 0; i < 5; ++i) {
        Window w;
        w.open();
        QWidget *control =
            QList<QWidget *>{w.nextButton(), w.closeButton(), w.greekButton(), w.latinButton(), w.bothButton()}.at(i);
        const QString name = control->objectName();
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(w.quotes.isHidden(), qPrintable(name));
        QVERIFY2(!w.quotes.revealTimer.isActive(), qPrintable(name));
    }
    // The Close button and the window itself (close box) close it too.
    Window w;
    w.open();
    w.click(w.closeButton());
    QVERIFY(w.quotes.isHidden());
    QVERIFY(!w.quotes.revealTimer.isActive());
}

void TestQuotesWindow::sourceRevealedByTheTimer()
{
    Window w;
    w.open();
    for (int i = 0; i < 3; ++i)
        w.click(w.nextButton());
    const QString source = QString::fromUtf8(quotationRow(w.quotes.currentRow()).Source);
    QCOMPARE(w.sourceLabel()->text(), QString());
    for (int tick = 1; tick <= 7; ++tick) {
        w.quotes.advanceSourceReveal();
        QCOMPARE(w.sourceLabel()->text(), QString());
    }
    for (int length = 1; length <= source.size(); ++length) {
        QVERIFY(w.quotes.revealTimer.isActive());
        w.quotes.advanceSourceReveal();
        QCOMPARE(w.sourceLabel()->text(), source.left(length));
    }
    QVERIFY(!w.quotes.revealTimer.isActive()); // stops itself when the source is complete
    // The next quotation empties the label and starts the reveal again.
    w.click(w.sourceLabel());
    QCOMPARE(w.sourceLabel()->text(), QString());
    QVERIFY(w.quotes.revealTimer.isActive());
    QCOMPARE(w.quotes.Reveal.RevealDelayTicks, 0);
}

void TestQuotesWindow::everyQuotationFitsItsBox()
{
    if (!QFontDatabase::families().contains(QStringLiteral("SPIonic")))
        QSKIP("the SPIonic font is not installed (scripts/install-font.sh)");
    Window w;
    w.open();
    // Shows each row through the row display: its last line is inside the box, and every line
    // of the Greek or Latin breaks at a blank, never inside a word.
    QStringList overflow;
    for (int n = 1; n <= QuotationCount; ++n) {
        const QuotationRow &row = quotationRow(n);
        w.quotationBox()->clear();
        w.translationBox()->clear();
        QVERIFY(w.quotes.showRow(n));
        QCOMPARE(unwrapped(w.quotationBox()->toPlainText()), shownQuotation(row));
        for (QPlainTextEdit *memo : {w.quotationBox(), w.translationBox()}) {
            QTextCursor end(memo->document());
            end.movePosition(QTextCursor::End);
            if (memo->cursorRect(end).bottom() >= memo->viewport()->height())
                overflow << QStringLiteral("row %1 %2").arg(n).arg(memo->objectName());
        }
        for (QTextBlock b = w.quotationBox()->document()->begin(); b.isValid(); b = b.next())
            for (int i = 1; i < b.layout()->lineCount(); ++i) {
                const QChar before = b.text().at(b.layout()->lineAt(i).textStart() - 1);
                if (before != QLatin1Char(' ') && before != QChar(QChar::LineSeparator))
                    overflow << QStringLiteral("row %1 broken inside a word").arg(n);
            }
        QLabel probe;
        probe.setFont(w.sourceLabel()->font());
        probe.setWordWrap(true);
        probe.setText(QString::fromUtf8(row.Source));
        if (probe.heightForWidth(w.sourceLabel()->width()) > w.sourceLabel()->height())
            overflow << QStringLiteral("row %1 source").arg(n);
    }
    QVERIFY2(overflow.isEmpty(), qPrintable(overflow.join(", ")));
}

void TestQuotesWindow::wrapBreaksOnlyAtBlanks()
{
    const QFontMetricsF metrics(QFont(QStringLiteral("SPIonic"), 17));
    const QString text = QStringLiteral("   e!mmenai a!llwn kai\\ ta&\nh}| a!llwn");
    const qreal width = metrics.horizontalAdvance(QStringLiteral("   e!mmenai a!llwn"));
    const QString sep(QChar(QChar::LineSeparator));
    QCOMPARE(wrapAtBlanks(text, metrics, width),
             QStringLiteral("   e!mmenai a!llwn ") + sep + QStringLiteral("kai\\ ta&\nh}| a!llwn"));
    // A word wider than the line stays whole on its own line.
    QCOMPARE(wrapAtBlanks(QStringLiteral("a!llwn u(pei/roxon"), metrics, 1.0),
             QStringLiteral("a!llwn ") + sep + QStringLiteral("u(pei/roxon"));
}

QTEST_MAIN(TestQuotesWindow)
#include "tst_quotes_window.moc"
