// The RTF reader's parser: a byte tokenizer feeding a group/state stack. Control words change the
// state of the current group or switch its destination; text and breaks go to the
// DocumentBuilder (rtfreadertext.cpp), which makes the document.
#include "platform/rtfreader.h"
#include "platform/rtfcommon.h"
#include "platform/rtfkeywords.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>
#include <utility>
#include <vector>

namespace rtf {

namespace {

using detail::Align;
using detail::CharProps;
using detail::ColorEntry;
using detail::Kw;
using detail::ParaProps;

// Groups nested deeper than this share their parent's state; real documents stay below 30.
constexpr int kMaxDepth = 200;

enum class Dest : quint8 {
    Text,       // visible text
    Skip,       // a destination whose content is not shown (pictures, field codes, {\*...})
    Hold,       // inside \object or \upr: hidden until \result or \ud names the shown part
    FontTable,
    ColorTable,
};

// Text that stands inside the paragraph around it rather than in paragraphs of its own.
enum class Inline : quint8 {
    None,
    Footnote, // in brackets where its mark stands; its paragraph marks become spaces
    ListText, // the label a list paragraph begins with, collected and shown as a bullet or number
};

struct State {
    CharProps chr;
    ParaProps para;
    Inline inl = Inline::None;
    int uc = 1;                 // bytes of substitute text after each \uN
    Dest dest = Dest::Text;
    Dest heldDest = Dest::Text; // where \result / \ud continue inside Dest::Hold
    bool star = false;          // \* seen, waiting for the destination word
};

class Reader
{
public:
    Reader(const QByteArray &bytes, QTextCursor &cursor)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size()), m_doc(cursor)
    {
        m_stack.reserve(32);
    }

    void run();

private:
    void openGroup();
    bool closeGroup(); // true once the outermost group is closed
    void controlWord();
    void controlSymbol(char c);
    void textChunk(const char *s, const char *e);
    void word(Kw kw, bool hasParam, int param);
    void textWord(Kw kw, bool hasParam, int param);
    void fontTableWord(Kw kw, bool hasParam, int param);
    void colorTableWord(Kw kw, int param);
    void addChar(char16_t c);
    void addText(const char *s, const char *e);
    void addNumber(int n);
    void endParagraph();
    void beginInline(Inline kind);
    void endInline(Inline kind, const State &outer);
    void finishFont();
    void flushFontBytes();

    const char *m_p;
    const char *m_end;
    detail::DocumentBuilder m_doc;

    State m_st;
    std::vector<State> m_stack;
    int m_overflow = 0; // groups opened beyond kMaxDepth
    int m_ucSkip = 0;   // substitute characters still to skip after \uN

    int m_footnotes = 0;          // footnotes begun so far; \chftn shows their number
    bool m_footnoteSpace = false; // a paragraph mark inside a footnote, shown once text follows
    QString m_listText;           // the label of the list paragraph being read

    // The font table entry being read
    bool m_fontOpen = false;
    int m_fontNum = 0;
    int m_fontCp = 0;
    QByteArray m_fontBytes;
    QString m_fontName;
    // The colour table entry being read
    ColorEntry m_color;
};

void Reader::run()
{
    static const auto special = [] {
        std::array<bool, 256> t{};
        for (unsigned char c : {'{', '}', '\\', '\r', '\n'})
            t[c] = true;
        return t;
    }();
    while (m_p < m_end) {
        const char c = *m_p;
        if (c == '{') {
            ++m_p;
            openGroup();
        } else if (c == '}') {
            ++m_p;
            if (closeGroup())
                break;
        } else if (c == '\\') {
            ++m_p;
            controlWord();
        } else if (c == '\r' || c == '\n') {
            ++m_p;
        } else {
            const char *s = m_p;
            while (m_p < m_end && !special[static_cast<unsigned char>(*m_p)])
                ++m_p;
            textChunk(s, m_p);
        }
    }
    m_doc.finish();
}

void Reader::openGroup()
{
    m_doc.endBytes();
    m_ucSkip = 0;
    if (m_stack.size() >= size_t(kMaxDepth)) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_st);
    m_st.star = false;
}

bool Reader::closeGroup()
{
    m_doc.endBytes();
    m_ucSkip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return false;
    }
    if (m_st.dest == Dest::FontTable)
        finishFont();
    if (m_stack.empty())
        return true;
    const Inline inl = m_st.inl;
    m_st = m_stack.back();
    m_stack.pop_back();
    if (inl != Inline::None && m_st.inl != inl)
        endInline(inl, m_st);
    return m_stack.empty();
}

void Reader::controlWord()
{
    if (m_p >= m_end)
        return;
    const unsigned char c = static_cast<unsigned char>(*m_p);
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
        ++m_p;
        controlSymbol(char(c));
        return;
    }
    const char *name = m_p;
    while (m_p < m_end && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z')))
        ++m_p;
    const std::string_view nameView(name, size_t(m_p - name));

    bool hasParam = false;
    bool negative = false;
    long long value = 0;
    if (m_p + 1 < m_end && *m_p == '-' && m_p[1] >= '0' && m_p[1] <= '9') {
        negative = true;
        ++m_p;
    }
    while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
        hasParam = true;
        if (value <= INT_MAX) // past that the number only saturates
            value = value * 10 + (*m_p - '0');
        ++m_p;
    }
    if (m_p < m_end && *m_p == ' ')
        ++m_p;
    value = std::min<long long>(value, INT_MAX);
    const int param = int(negative ? -value : value);

    const Kw kw = detail::keyword(nameView);
    if (kw == Kw::Bin) {
        // Raw data follows, as many bytes as the parameter says (or what is left of the input).
        m_doc.endBytes();
        if (hasParam && param > 0)
            m_p += std::min<qsizetype>(param, m_end - m_p);
        return;
    }
    word(kw, hasParam, param);
}

void Reader::controlSymbol(char c)
{
    if (c == '\'') {
        int v = 0;
        int digits = 0;
        while (digits < 2 && m_p < m_end) {
            const char h = *m_p;
            int d;
            if (h >= '0' && h <= '9')
                d = h - '0';
            else if (h >= 'a' && h <= 'f')
                d = h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                d = h - 'A' + 10;
            else
                break;
            v = v * 16 + d;
            ++digits;
            ++m_p;
        }
        if (digits == 0)
            return;
        if (m_ucSkip > 0) {
            --m_ucSkip;
            return;
        }
        m_st.star = false;
        const char byte = char(v);
        if (m_st.dest == Dest::FontTable) {
            if (m_fontOpen)
                m_fontBytes.append(byte);
        } else if (m_st.dest == Dest::Text) {
            addText(&byte, &byte + 1);
        }
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        textChunk(&c, &c + 1);
        return;
    }
    m_doc.endBytes();
    if (m_ucSkip > 0) {
        --m_ucSkip;
        return;
    }
    if (c == '*') {
        m_st.star = true;
        return;
    }
    m_st.star = false;
    if (m_st.dest != Dest::Text)
        return;
    switch (c) {
    case '~': addChar(0x00A0); break;
    case '-': addChar(0x00AD); break;
    case '_': addChar(0x2011); break;
    case '\r':
    case '\n': endParagraph(); break;
    default: break; // \: \| and unknown symbols
    }
}

void Reader::textChunk(const char *s, const char *e)
{
    if (m_ucSkip > 0) {
        const qsizetype n = std::min<qsizetype>(m_ucSkip, e - s);
        s += n;
        m_ucSkip -= int(n);
    }
    if (s == e)
        return;
    m_st.star = false;
    switch (m_st.dest) {
    case Dest::Text:
        addText(s, e);
        return;
    case Dest::FontTable:
        for (; s < e; ++s) {
            if (*s == ';')
                finishFont();
            else if (m_fontOpen)
                m_fontBytes.append(*s);
        }
        return;
    case Dest::ColorTable:
        for (; s < e; ++s) {
            if (*s == ';') {
                m_doc.addColor(m_color);
                m_color = ColorEntry();
            }
        }
        return;
    default:
        return;
    }
}

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

} // namespace

void read(const QByteArray &bytes, QTextDocument *doc)
{
    if (!doc)
        return;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    {
        // Cleared inside the edit block, as QTextDocument::setPlainText does: the whole load is then
        // one change that replaces the document, which a shown editor lays out lazily (what is on
        // screen first). Cleared before it, the load is a change to an existing paragraph, and the
        // editor lays out the whole document before it returns.
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        doc->clear();
        if (bytes.startsWith("{\\rtf"))
            Reader(bytes, cursor).run();
        else
            detail::readPlain(bytes, cursor);
        cursor.endEditBlock();
    }
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

} // namespace rtf
