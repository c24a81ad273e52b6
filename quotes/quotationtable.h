#pragma once
// The fixed table of quotations the quotations window draws from: 50 rows, numbered 1 to 50,
// 25 Greek ("G", SPIonic text) and 25 Latin ("L"). The number is a row's identity for the random
// draw and for the no-repeat record.
#include <QtGlobal>

struct QuotationRow {
    const char *Language;    // "G" or "L"
    const char *Quotation;   // verse lines separated by CR LF
    const char *Translation; // English, one paragraph
    const char *Source;      // citation or short note, revealed letter by letter
};

inline constexpr int QuotationCount = 50;
inline constexpr int GreekQuotationCount = 25;
inline constexpr int LatinQuotationCount = 25;

extern const QuotationRow QuotationTable[QuotationCount];

// Row by its number, 1 .. QuotationCount.
const QuotationRow &quotationRow(int number);
