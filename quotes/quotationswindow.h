#pragma once
// The quotations window: one classical quotation at a time, drawn at random without repeats
// within a cycle, with its translation and a source revealed letter by letter. Created once at
// start, opened modally over the main window (showModalOver), hidden when closed.
#include "platform/secondarywindow.h"
#include "platform/windowcolour.h"
#include "quotes/quotedraw.h"

#include <QTimer>
#include <memory>

namespace Ui { class QuotationsWindow; }
class KeyPreview;
class QKeyEvent;

class QuotationsWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit QuotationsWindow(QWidget *mainWindow);
    ~QuotationsWindow() override;

    Ui::QuotationsWindow *form() const { return ui.get(); }

    // --- state of the window ----------------------------------------------------------
    QuoteDraw Draw;       // filter, current language, totals, cycle size, no-repeat record
    SourceReveal Reveal;  // PendingSource and the reveal counters
    QTimer revealTimer;   // 30 ms while a source is being revealed
    int currentRow() const { return m_row; } // row on show, 0 before the first

    // --- what the controls do --------------------------------------------------------------------
    void loadColour();
    void startAfresh();
    void showNextQuotation();
    void showGreekOnly();
    void showLatinOnly();
    void showBothLanguages();
    void advanceSourceReveal();
    void closeWindow();
    void stopAfterClosing();
    void setQuotationFont();
    // Shows row number in the boxes when the filter accepts its language; sets the current
    // language either way.
    bool showRow(int number);

protected:
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QWidget *receiver, QKeyEvent *event);
    // F7: the window's colour, read at creation and changed with the colour picker.
    void changeWindowColour();
    void colourKey() override { changeWindowColour(); }
    void changeFilter(const QString &filter);
    template <class Sender, class Signal>
    void connectGuarded(Sender *sender, Signal signal, void (QuotationsWindow::*handler)());

    std::unique_ptr<Ui::QuotationsWindow> ui;
    std::unique_ptr<WindowColour> m_colour;
    KeyPreview *m_keys = nullptr;
    int m_row = 0;
};
