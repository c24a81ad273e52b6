#include "quotes/quotationswindow.h"

#include "platform/guard.h"
#include "platform/keypreview.h"
#include "platform/layoutstyle.h"
#include "platform/random.h"
#include "quotes/quotationtable.h"
#include "quotes/quotespicture.h"
#include "quotes/quotewrap.h"
#include "ui_quotationswindow.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

template <class Sender, class Signal>
void QuotationsWindow::connectGuarded(Sender *sender, Signal signal, void (QuotationsWindow::*handler)())
{
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

QuotationsWindow::QuotationsWindow(QWidget *mainWindow)
    : SecondaryWindow(mainWindow, QStringLiteral("Quotations and Sayings"), QSize(722, 428)),
      Draw(programRandom()), ui(std::make_unique<Ui::QuotationsWindow>())
{
    ui->setupUi(this);
    setFixedSize(722, 428);
    applyLayoutStyle(this);
    ui->Image1->setPixmap(quotesPicture(devicePixelRatioF()));
    ui->Image1->setCursor(Qt::PointingHandCursor);

    revealTimer.setInterval(30);
    connectGuarded(&revealTimer, &QTimer::timeout, &QuotationsWindow::advanceSourceReveal);
    connectGuarded(ui->BtnNextPlease, &QPushButton::clicked, &QuotationsWindow::showNextQuotation);
    connectGuarded(ui->BtnClose, &QPushButton::clicked, &QuotationsWindow::closeWindow);
    connectGuarded(ui->Image1, &ClickLabel::clicked, &QuotationsWindow::showNextQuotation);
    connectGuarded(ui->LblOrigin, &ClickLabel::clicked, &QuotationsWindow::showNextQuotation);
    // clicked, not toggled: only the user's choice changes the filter.
    connectGuarded(ui->RadGreek, &QRadioButton::clicked, &QuotationsWindow::showGreekOnly);
    connectGuarded(ui->RadLatin, &QRadioButton::clicked, &QuotationsWindow::showLatinOnly);
    connectGuarded(ui->RadBoth, &QRadioButton::clicked, &QuotationsWindow::showBothLanguages);
    connectGuarded(this, &QDialog::finished, &QuotationsWindow::stopAfterClosing);
    ui->MemQuote->viewport()->installEventFilter(this);
    ui->MemTrans->viewport()->installEventFilter(this);
    m_keys = new KeyPreview(this, [this](QWidget *receiver, QKeyEvent *event) {
        bool swallowed = false;
        guarded([&] { swallowed = handleKey(receiver, event); });
        return swallowed;
    });
    guarded([this] { loadColour(); });
}

QuotationsWindow::~QuotationsWindow() = default;

void QuotationsWindow::loadColour()
{
    // The window's colour, its only creation step.
    m_colour = std::make_unique<WindowColour>(QStringLiteral("QuoteFormColor.ini"),
                                              QStringLiteral("Set Colour: Quotations and Sayings"),
                                              QList<QWidget *>{this, ui->MemQuote, ui->MemTrans});
    m_colour->LoadWindowColour();
}

void QuotationsWindow::changeWindowColour() { m_colour->ChangeWindowColour(this); }

// Each opening starts with both languages and an empty record. Activation alone (coming back
// from a box or picker shown over this window) changes nothing.
void QuotationsWindow::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    setEnabled(true);
    if (!event->spontaneous())
        guarded([this] { startAfresh(); });
}

void QuotationsWindow::startAfresh()
{
    Draw.open();
    ui->RadBoth->setChecked(true);
    ui->RadGreek->setChecked(false);
    ui->RadLatin->setChecked(false);
    showNextQuotation();
}

void QuotationsWindow::showNextQuotation()
{
    ui->MemQuote->clear();
    ui->MemTrans->clear();
    ui->LblOrigin->setText(QString());
    showRow(Draw.drawNext());
    for (QPlainTextEdit *memo : {ui->MemQuote, ui->MemTrans}) {
        QTextCursor cursor = memo->textCursor();
        cursor.movePosition(QTextCursor::Start);
        memo->setTextCursor(cursor);
        memo->verticalScrollBar()->setValue(0);
    }
    Reveal.start();
    revealTimer.start();
    ui->BtnNextPlease->setFocus();
}

bool QuotationsWindow::showRow(int number)
{
    if (!Draw.acceptRow(number))
        return false;
    const QuotationRow &row = quotationRow(number);
    m_row = number;
    setQuotationFont();
    QString quotation = QString::fromUtf8(row.Quotation);
    quotation.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QPlainTextEdit *memo = ui->MemQuote;
    const qreal width = memo->contentsRect().width() - 2 * memo->document()->documentMargin() - 2;
    memo->appendPlainText(wrapAtBlanks(quotation, QFontMetricsF(memo->font()), width));
    ui->MemTrans->appendPlainText(QString::fromUtf8(row.Translation));
    Reveal.PendingSource = QString::fromUtf8(row.Source);
    return true;
}

void QuotationsWindow::setQuotationFont()
{
    const bool greek = Draw.CurrentLanguage == QLatin1String("G");
    QFont font(greek ? QStringLiteral("SPIonic") : QStringLiteral("Tahoma"));
    font.setPointSize(greek ? 17 : 15);
    ui->MemQuote->setFont(font);
}

void QuotationsWindow::changeFilter(const QString &filter)
{
    // Checking the radio button already checked is no change (it stays checked).
    if (filter == Draw.LanguageFilter)
        return;
    ui->RadGreek->setChecked(filter == QLatin1String("G"));
    ui->RadLatin->setChecked(filter == QLatin1String("L"));
    ui->RadBoth->setChecked(filter == QLatin1String("Both"));
    Draw.setFilter(filter);
    showNextQuotation();
}

void QuotationsWindow::showGreekOnly() { changeFilter(QStringLiteral("G")); }
void QuotationsWindow::showLatinOnly() { changeFilter(QStringLiteral("L")); }
void QuotationsWindow::showBothLanguages() { changeFilter(QStringLiteral("Both")); }

void QuotationsWindow::advanceSourceReveal()
{
    const bool goesOn = Reveal.tick();
    if (Reveal.RevealedLength > 0)
        ui->LblOrigin->setText(Reveal.caption());
    if (!goesOn)
        revealTimer.stop();
}

void QuotationsWindow::closeWindow() { close(); }

void QuotationsWindow::stopAfterClosing()
{
    revealTimer.stop();
    // A closed window takes no keyboard focus, even should the platform still activate it after
    // it has gone (the offscreen platform does): keys stay with the window it was opened over.
    setEnabled(false);
}

// F7 reaches changeWindowColour through the window's colour key.
bool QuotationsWindow::handleKey(QWidget *receiver, QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (receiver == ui->BtnNextPlease) {
            showNextQuotation();
            return true;
        }
        return false;
    default:
        return false;
    }
}

// A click on the window's own background (not on one of its controls).
void QuotationsWindow::mouseReleaseEvent(QMouseEvent *event)
{
    SecondaryWindow::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && !childAt(event->position().toPoint()))
        guarded([this] { showNextQuotation(); });
}

bool QuotationsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *viewport = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && viewport->rect().contains(mouse->position().toPoint())) {
            if (watched == ui->MemQuote->viewport() || watched == ui->MemTrans->viewport())
                guarded([this] { showNextQuotation(); });
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, event);
}
