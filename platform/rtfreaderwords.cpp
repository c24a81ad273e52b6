// The RTF reader's control words: what each one changes in the state of the current group, and
// the font and colour tables.
#include "platform/rtfreaderparser.h"

#include <QTextCursor>

#include <algorithm>
#include <climits>

namespace rtf::detail {

void Reader::word(Kw kw, bool hasParam, int param)
{
    m_doc.endBytes();
    const bool star = std::exchange(m_st.star, false);
    if (m_st.dest == Dest::Skip)
        return;
    if (m_ucSkip > 0) { // a control word counts as one substitute character
        --m_ucSkip;
        return;
    }
    if (m_st.dest == Dest::Hold) {
        if (kw == Kw::Result || kw == Kw::Ud)
            m_st.dest = m_st.heldDest;
        else if (star)
            m_st.dest = Dest::Skip;
        return;
    }
    if (star && kw != Kw::Ud && kw != Kw::Footnote && kw != Kw::ShapeText && kw != Kw::ListText) {
        m_st.dest = Dest::Skip; // an optional destination this reader has no use for
        return;
    }

    switch (kw) {
    case Kw::Unknown:
        return;
    case Kw::Ansi: m_doc.setDocumentCodePage(1252); return;
    case Kw::Mac: m_doc.setDocumentCodePage(10000); return;
    case Kw::Pc: m_doc.setDocumentCodePage(437); return;
    case Kw::Pca: m_doc.setDocumentCodePage(850); return;
    case Kw::AnsiCpg:
        if (hasParam && param > 0)
            m_doc.setDocumentCodePage(param);
        return;
    case Kw::Deff:
        m_doc.setDefaultFont(param);
        return;
    case Kw::Uc:
        m_st.uc = std::max(param, 0);
        return;
    case Kw::U: {
        if (!hasParam)
            return;
        // A signed 16-bit number, or (as some producers write it) an unsigned one.
        if (param >= -32768 && param <= 0xFFFF) {
            const int v = param < 0 ? param + 65536 : param;
            if (m_st.dest == Dest::Text) {
                addChar(char16_t(v));
            } else if (m_st.dest == Dest::FontTable && m_fontOpen) {
                flushFontBytes();
                m_fontName.append(QChar(char16_t(v)));
            }
        }
        m_ucSkip = m_st.uc;
        return;
    }
    case Kw::SkipDest:
        m_st.dest = Dest::Skip;
        return;
    case Kw::Object:
    case Kw::Upr:
        m_st.heldDest = m_st.dest;
        m_st.dest = Dest::Hold;
        return;
    default:
        break;
    }
    if (m_st.dest == Dest::FontTable)
        fontTableWord(kw, hasParam, param);
    else if (m_st.dest == Dest::ColorTable)
        colorTableWord(kw, param);
    else
        textWord(kw, hasParam, param);
}

void Reader::textWord(Kw kw, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    CharProps &chr = m_st.chr;
    switch (kw) {
    case Kw::FontTbl:
        m_st.dest = Dest::FontTable;
        m_fontOpen = false;
        return;
    case Kw::ColorTbl:
        m_st.dest = Dest::ColorTable;
        m_doc.clearColors();
        m_color = ColorEntry();
        return;
    case Kw::F: chr.font = param; return;
    case Kw::Fs:
        if (!hasParam)
            chr.halfPoints = detail::kDefaultHalfPoints;
        else if (param > 0)
            chr.halfPoints = std::min(param, detail::kMaxHalfPoints);
        return;
    case Kw::Cf: chr.color = param >= 0 ? param : -1; return;
    case Kw::B: chr.bold = on; return;
    case Kw::I: chr.italic = on; return;
    case Kw::Ul: chr.underline = on; return;
    case Kw::UlNone: chr.underline = false; return;
    case Kw::Strike: chr.strike = on; return;
    case Kw::V: chr.hidden = on; return;
    case Kw::Plain: chr = CharProps(); return;
    case Kw::Highlight: chr.background = param > 0 ? param : -1; return;
    case Kw::Pard: m_st.para = ParaProps(); return;
    case Kw::Ql: m_st.para.align = Align::Left; return;
    case Kw::Qc: m_st.para.align = Align::Center; return;
    case Kw::Qr: m_st.para.align = Align::Right; return;
    case Kw::Qj: m_st.para.align = Align::Justify; return;
    case Kw::Cbpat: m_st.para.background = param > 0 ? param : -1; return;
    case Kw::Par:
    case Kw::Row: endParagraph(); return;
    case Kw::Sect: // a break between sections or pages ends a paragraph only if one is open
        if (m_doc.paragraphHasContent())
            endParagraph();
        return;
    case Kw::Line:
    case Kw::Column: addChar(QChar::LineSeparator); return;
    case Kw::Footnote: beginInline(Inline::Footnote); return;
    case Kw::ListText: beginInline(Inline::ListText); return;
    case Kw::Chftn: addNumber(std::max(m_footnotes + (m_st.inl == Inline::Footnote ? 0 : 1), 1)); return;
    case Kw::Chpgn: addNumber(1); return; // the notes box is one page
    case Kw::Tab: addChar('\t'); return;
    case Kw::Cell: m_doc.addCellEnd(); return;
    default:
        if (char16_t ch = detail::symbolChar(kw))
            addChar(ch);
        return;
    }
}

void Reader::fontTableWord(Kw kw, bool hasParam, int param)
{
    switch (kw) {
    case Kw::F:
        finishFont();
        m_fontOpen = true;
        m_fontNum = param;
        m_fontCp = 0;
        return;
    case Kw::FCharset:
        m_fontCp = detail::codePageOfCharset(param);
        return;
    case Kw::Cpg:
        if (hasParam && param > 0)
            m_fontCp = param;
        return;
    default:
        return;
    }
}

void Reader::colorTableWord(Kw kw, int param)
{
    const int v = std::clamp(param, 0, 255);
    switch (kw) {
    case Kw::Red: m_color.rgb = qRgb(v, qGreen(m_color.rgb), qBlue(m_color.rgb)); break;
    case Kw::Green: m_color.rgb = qRgb(qRed(m_color.rgb), v, qBlue(m_color.rgb)); break;
    case Kw::Blue: m_color.rgb = qRgb(qRed(m_color.rgb), qGreen(m_color.rgb), v); break;
    default: return;
    }
    m_color.automatic = false;
}

void Reader::addChar(char16_t c)
{
    if (m_st.dest != Dest::Text || m_st.chr.hidden)
        return;
    if (m_st.inl == Inline::ListText) {
        m_listText += QChar(m_doc.unicodeOf(c, m_st.chr));
        return;
    }
    if (std::exchange(m_footnoteSpace, false))
        m_doc.addChar(' ', m_st.chr, m_st.para);
    m_doc.addChar(c, m_st.chr, m_st.para);
}

void Reader::addText(const char *s, const char *e)
{
    if (m_st.chr.hidden)
        return;
    if (m_st.inl == Inline::ListText) {
        m_listText += m_doc.decode(s, e, m_st.chr);
        return;
    }
    if (std::exchange(m_footnoteSpace, false))
        m_doc.addChar(' ', m_st.chr, m_st.para);
    m_doc.addBytes(s, e, m_st.chr, m_st.para);
}

void Reader::addNumber(int n)
{
    const QByteArray digits = QByteArray::number(n);
    if (m_st.dest == Dest::Text)
        addText(digits.cbegin(), digits.cend());
}

void Reader::endParagraph()
{
    if (m_st.inl == Inline::Footnote)
        m_footnoteSpace = true; // a footnote stays inside the paragraph its mark stands in
    else if (m_st.inl == Inline::None)
        m_doc.endParagraph(m_st.chr, m_st.para);
}

// ---- Footnotes and list labels ----

void Reader::beginInline(Inline kind)
{
    if (m_st.inl != Inline::None || m_stack.empty())
        return; // a footnote in a footnote reads as its text; a label has no parts
    m_st.dest = Dest::Text;
    m_st.inl = kind;
    if (kind == Inline::Footnote) {
        ++m_footnotes;
        addChar('[');
    } else {
        m_listText.clear();
    }
}

// The group that held the footnote or label has closed; outer is the state around it.
void Reader::endInline(Inline kind, const State &outer)
{
    m_footnoteSpace = false;
    if (outer.dest != Dest::Text || outer.chr.hidden)
        return;
    if (kind == Inline::Footnote) {
        m_doc.addChar(']', outer.chr, outer.para);
        return;
    }
    // A number or letter label ("1.", "a)", "iv.") shows as it is; a bullet drawn from a symbol or
    // private-use font character shows as a bullet in the paragraph's own font.
    const qsizetype tab = m_listText.indexOf(QLatin1Char('\t'));
    QString label = m_listText.left(tab).trimmed();
    const bool textual = !label.isEmpty() && std::any_of(label.cbegin(), label.cend(), [](QChar c) { return c.isLetterOrNumber(); })
                         && std::none_of(label.cbegin(), label.cend(), [](QChar c) { return c.category() == QChar::Other_PrivateUse; });
    if (!textual)
        label = QString(QChar(0x2022));
    if (tab >= 0)
        label += QLatin1Char('\t');
    for (QChar c : label)
        m_doc.addChar(c.unicode(), outer.chr, outer.para);
    m_listText.clear();
}

// ---- Font table ----

void Reader::flushFontBytes()
{
    if (m_fontBytes.isEmpty())
        return;
    m_fontName += m_doc.codePage(m_fontCp != 0 ? m_fontCp : m_doc.documentCodePage()).decodeMany(m_fontBytes);
    m_fontBytes.clear();
}

void Reader::finishFont()
{
    if (!m_fontOpen)
        return;
    flushFontBytes();
    m_doc.setFont(m_fontNum, {m_fontName.trimmed(), m_fontCp});
    m_fontName.clear();
    m_fontOpen = false;
}

} // namespace rtf::detail
