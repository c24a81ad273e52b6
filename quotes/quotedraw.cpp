#include "quotes/quotedraw.h"

#include "platform/random.h"
#include "quotes/quotationtable.h"

QuoteDraw::QuoteDraw(RandomGenerator &random) : m_random(random) {}

void QuoteDraw::open()
{
    ResetShownQuotations();
    LanguageFilter = QStringLiteral("Both");
    QuotationTotal = QuotationCount;
    GreekTotal = GreekQuotationCount;
    LatinTotal = LatinQuotationCount;
    CycleSize = QuotationTotal;
}

void QuoteDraw::setFilter(const QString &filter)
{
    LanguageFilter = filter;
    ResetShownQuotations();
    if (filter == QLatin1String("G"))
        CycleSize = GreekTotal;
    else if (filter == QLatin1String("L"))
        CycleSize = LatinTotal;
    else
        CycleSize = QuotationTotal;
}

void QuoteDraw::ResetShownQuotations()
{
    m_shown.fill(0);
    m_count = 0;
}

bool QuoteDraw::isShown(int number) const
{
    for (int slot = 1; slot <= m_count; ++slot)
        if (m_shown[slot] == number)
            return true;
    return false;
}

int QuoteDraw::PickUnshownNumber()
{
    for (;;) {
        const int n = m_random.next(QuotationTotal) + 1;
        if (!isShown(n))
            return n;
    }
}

bool QuoteDraw::acceptRow(int number)
{
    CurrentLanguage = QLatin1String(quotationRow(number).Language);
    return LanguageFilter == QLatin1String("Both") || LanguageFilter == CurrentLanguage;
}

int QuoteDraw::drawNext()
{
    int n = 0;
    do
        n = PickUnshownNumber();
    while (!acceptRow(n)); // a rejected draw is not recorded
    m_shown[++m_count] = n;
    if (m_count >= CycleSize)
        ResetShownQuotations();
    return n;
}

void SourceReveal::start()
{
    RevealDelayTicks = 0;
    RevealedLength = 0;
    m_caption.clear();
}

bool SourceReveal::tick()
{
    if (RevealDelayTicks < DelayTicks) {
        ++RevealDelayTicks;
        return true;
    }
    ++RevealedLength;
    m_caption = PendingSource.left(RevealedLength);
    return m_caption.size() != PendingSource.size();
}
