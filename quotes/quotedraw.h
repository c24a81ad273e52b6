#pragma once
// The quotations window's draw and reveal, without widgets: which row comes next under the
// language filter, the record of rows shown in the current cycle, and the letter-by-letter
// reveal of the source on each timer tick.
#include "quotes/quotationtable.h"

#include <QString>
#include <array>

class RandomGenerator;

class QuoteDraw {
public:
    explicit QuoteDraw(RandomGenerator &random);

    // Opening the window: empty record, filter "Both", totals from the table, cycle of all rows.
    void open();
    // The user chose a filter ("G", "L" or "Both"): empty record, cycle of that language's rows.
    void setFilter(const QString &filter);

    // Draws the next row under the filter, records it and starts a new cycle when this one is
    // full; returns its number. The row that closes a cycle may be drawn again at once.
    int drawNext();

    void ResetShownQuotations();
    // A row number (1 .. total) not among the rows shown in this cycle.
    int PickUnshownNumber();
    // Sets the current language to the row's; false when the filter rejects the row.
    bool acceptRow(int number);

    QString LanguageFilter = QStringLiteral("Both");
    QString CurrentLanguage;
    int QuotationTotal = QuotationCount;
    int GreekTotal = GreekQuotationCount;
    int LatinTotal = LatinQuotationCount;
    int CycleSize = QuotationCount;

    int shownCount() const { return m_count; }
    // Slot 1 .. shownCount(): rows shown in this cycle, in the order shown.
    int shownAt(int slot) const { return m_shown[slot]; }
    bool isShown(int number) const;

    static constexpr int Slots = 1000;

private:
    RandomGenerator &m_random;
    std::array<int, Slots + 1> m_shown{}; // 1-based; slot 0 unused
    int m_count = 0;
};

// The source under a new quotation: seven ticks of pause, then one more character per tick
// until the whole source shows.
class SourceReveal {
public:
    static constexpr int DelayTicks = 7;

    // A new quotation is on show: the pause begins again for PendingSource.
    void start();
    // One timer tick. Returns true while the reveal goes on (the timer stays enabled).
    bool tick();
    QString caption() const { return m_caption; }

    QString PendingSource;
    int RevealDelayTicks = 0;
    int RevealedLength = 0;

private:
    QString m_caption;
};
