#pragma once
// The control words the RTF reader acts on. Every other word is Unknown and skipped; variants that
// mean the same here share one value (\uld, \uldb, \ulw ... are Ul; \page is Sect).
#include <string_view>

namespace rtf::detail {

enum class Kw : unsigned char {
    Unknown,
    // document and destinations
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Uc, U, Bin, SkipDest, Object, Upr, Result, Ud, FontTbl,
    ColorTbl, F, FCharset, Cpg, Red, Green, Blue, Footnote, ShapeText, ListText,
    // character and paragraph properties
    Fs, Cf, Highlight, B, I, Ul, UlNone, Strike, V, Plain, Pard, Ql, Qc, Qr, Qj, Cbpat,
    // breaks
    Par, Row, Sect, Line, Column, Tab, Cell,
    // special characters
    EmDash, EnDash, EmSpace, EnSpace, QmSpace, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, Zwj,
    Zwnj, LtrMark, RtlMark, Chftn, Chpgn,
};

Kw keyword(std::string_view name);
char16_t symbolChar(Kw kw); // the character a special-character word stands for, or 0

} // namespace rtf::detail
