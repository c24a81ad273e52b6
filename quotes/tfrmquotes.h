#pragma once
// The quotations window: one classical quotation at a time, drawn at random without repeats
// within a cycle, with its translation and a source revealed letter by letter. Created once at
// start, opened modally over the main window (showModalOver), hidden when closed.
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"
#include "quotes/quotedraw.h"

#include <QTimer>
#include <memory>

namespace Ui { class TFrmQuotes; }
class KeyPreview;
class QKeyEvent;

class TFrmQuotes : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmQuotes(QWidget *mainWindow);
    ~TFrmQuotes() override;

    Ui::TFrmQuotes *form() const { return ui.get(); }

    // --- state of the window ----------------------------------------------------------
    QuoteDraw Draw;       // filter, current language, totals, cycle size, no-repeat record
    SourceReveal Reveal;  // PendingSource and the reveal counters
    QTimer TimerQuote;    // 30 ms while a source is being revealed
    int currentRow() const { return m_row; } // row on show, 0 before the first

    // --- handlers -----------------------------------------------------------------------
    void FormCreate();
    void FormActivate();
    void BtnNextPleaseClick();
    void FormClick();
    void Image1Click();
    void MemQuoteClick();
    void MemTransClick();
    void LblOriginClick();
    void RadGreekClick();
    void RadLatinClick();
    void RadBothClick();
    void TimerQuoteTimer();
    void BtnCloseClick();
    void FormClose();
    void SetQuoteFont();
    // Shows row number in the boxes when the filter accepts its language; sets the current
    // language either way.
    bool RowDisplay(int number);

protected:
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FormKeyDown(QWidget *receiver, QKeyEvent *event);
    void BtnNextPleaseKeyDown();
    // F7: the window's colour, read at creation and changed with the colour picker.
    void ColourChange();
    void colourKey() override { ColourChange(); }
    void changeFilter(const QString &filter);
    template <class Sender, class Signal>
    void connectGuarded(Sender *sender, Signal signal, void (TFrmQuotes::*handler)());

    std::unique_ptr<Ui::TFrmQuotes> ui;
    std::unique_ptr<WindowColour> m_colour;
    KeyPreview *m_keys = nullptr;
    int m_row = 0;
};
