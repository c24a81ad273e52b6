// The RTF reader's parser: a byte tokenizer feeding a group/state stack. Control words change the
// state of the current group or switch its destination; text and breaks go to the
// DocumentBuilder (rtfreadertext.cpp), which makes the document.
#include "platform/rtfreader.h"
#include "platform/rtfreaderparser.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>
#include <utility>
#include <vector>

namespace rtf {

namespace detail {

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

} // namespace detail

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
            detail::Reader(bytes, cursor).run();
        else
            detail::readPlain(bytes, cursor);
        cursor.endEditBlock();
    }
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

} // namespace rtf
