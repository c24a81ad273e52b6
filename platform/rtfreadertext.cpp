// The reader's text side: decoding bytes through code pages, and building the document from the
// text and properties the parser in rtfreader.cpp hands over.
#include "platform/rtfcommon.h"
#include "store/win1252.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <climits>
#include <cstdio>
#include <initializer_list>

namespace rtf::detail {

namespace {

// Pages whose characters take more than one byte: the CJK pages, GB18030 and UTF-8.
bool isMultiBytePage(int cp)
{
    return cp == 932 || cp == 936 || cp == 949 || cp == 950 || cp == 1361 || cp == 54936 || cp == 65001;
}

QStringDecoder decoderFor(int cp)
{
    char name[32];
    std::vector<QByteArray> names;
    if (cp == 10000)
        names.push_back("macintosh");
    if (cp == 950)
        names.push_back("Big5");
    if (cp == 54936)
        names.push_back("GB18030");
    if (cp == 65001)
        names.push_back("UTF-8");
    for (const char *pattern : {"windows-%d", "cp%d", "IBM%d"}) {
        std::snprintf(name, sizeof name, pattern, cp);
        names.push_back(name);
    }
    for (const QByteArray &n : names) {
        QStringDecoder d(n.constData(), QStringDecoder::Flag::Stateless);
        if (d.isValid())
            return d;
    }
    return QStringDecoder();
}

constexpr int kHashSpreadProperty = QTextFormat::UserProperty + 0x1CE;

Qt::Alignment qtAlignment(Align a)
{
    switch (a) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Justify: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return kSymbolPage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    case 0: return 1252; // ANSI: the font says Windows-1252 whatever the document's \ansicpg
    default: return 0;   // DEFAULT and unknown charsets use the document's code page
    }
}

QString CodePage::decodeMany(const QByteArray &bytes) const
{
    if (m_multiByte)
        return m_decoder.decode(bytes);
    QString s(bytes.size(), Qt::Uninitialized);
    QChar *out = s.data();
    for (char b : bytes)
        *out++ = QChar(m_table[static_cast<unsigned char>(b)]);
    return s;
}

const CodePage &CodePages::get(int cp)
{
    if (m_last && m_last->m_number == cp)
        return *m_last;
    auto &slot = m_pages[cp];
    if (!slot) {
        slot = std::make_unique<CodePage>();
        CodePage &page = *slot;
        page.m_number = cp;
        for (int b = 0; b < 256; ++b)
            page.m_table[size_t(b)] = cp == kSymbolPage ? char16_t(b) : store::decodeWin1252Byte(uchar(b));
        if (cp != 1252 && cp != kSymbolPage) {
            QStringDecoder decoder = decoderFor(cp);
            if (decoder.isValid() && isMultiBytePage(cp)) {
                page.m_multiByte = true;
                page.m_decoder = std::move(decoder);
            } else if (decoder.isValid()) {
                for (int b = 0; b < 256; ++b) {
                    const char c = char(b);
                    const QString s = decoder.decode(QByteArrayView(&c, 1));
                    page.m_table[size_t(b)] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
                }
            }
        }
    }
    m_last = slot.get();
    return *m_last;
}

bool isVisible(char16_t c)
{
    if (c < 0x20)
        return c == '\t';
    return c != 0x7F && c != 0x2029 && c != 0xFDD0 && c != 0xFDD1 && c != 0xFFFC;
}

// ---- Tables ----

void DocumentBuilder::setDefaultFont(int number)
{
    m_deff = number;
    m_formatCache.clear();
}

bool isSpionicFamily(const QString &family)
{
    return family.compare(QLatin1String("SPIonic"), Qt::CaseInsensitive) == 0;
}

void DocumentBuilder::setFont(int number, const FontEntry &font)
{
    FontEntry entry = font;
    entry.symbol = font.codePage == kSymbolPage || isSpionicFamily(font.name);
    m_fonts.insert(number, entry);
    m_formatCache.clear();
}

void DocumentBuilder::clearColors()
{
    m_colors.clear();
    m_formatCache.clear();
}

void DocumentBuilder::addColor(const ColorEntry &color)
{
    m_colors.push_back(color);
    m_formatCache.clear();
}

const FontEntry *DocumentBuilder::fontOf(const CharProps &p) const
{
    const auto it = m_fonts.constFind(p.font >= 0 ? p.font : m_deff);
    return it != m_fonts.cend() ? &*it : nullptr;
}

const CodePage &DocumentBuilder::codePageFor(const CharProps &p)
{
    const FontEntry *font = fontOf(p);
    return m_pages.get(font && font->codePage != 0 ? font->codePage : m_docCp);
}

char16_t DocumentBuilder::unicodeOf(char16_t c, const CharProps &p) const
{
    if (c >= kSymbolPuaFirst && c <= kSymbolPuaLast) {
        if (const FontEntry *font = fontOf(p); font && font->symbol)
            return c - 0xF000;
    }
    return c;
}

QString DocumentBuilder::decode(const char *s, const char *e, const CharProps &p)
{
    const CodePage &cp = codePageFor(p);
    if (cp.isMultiByte())
        return cp.decodeMany(QByteArray(s, e - s));
    QString text;
    for (; s < e; ++s)
        text += QChar(cp.decode(static_cast<unsigned char>(*s)));
    return text;
}

const QTextCharFormat &DocumentBuilder::formatFor(const CharProps &p)
{
    if (const auto it = m_formatCache.find(p); it != m_formatCache.end())
        return it->second;
    QTextCharFormat f;
    if (const FontEntry *font = fontOf(p); font && !font->name.isEmpty())
        f.setFontFamilies({font->name});
    f.setFontPointSize(p.halfPoints / 2.0);
    if (p.color >= 0 && size_t(p.color) < m_colors.size() && !m_colors[size_t(p.color)].automatic)
        f.setForeground(QColor(m_colors[size_t(p.color)].rgb));
    if (p.background >= 0 && size_t(p.background) < m_colors.size() && !m_colors[size_t(p.background)].automatic)
        f.setBackground(QColor(m_colors[size_t(p.background)].rgb));
    if (p.bold)
        f.setFontWeight(QFont::Bold);
    if (p.italic)
        f.setFontItalic(true);
    if (p.underline)
        f.setFontUnderline(true);
    if (p.strike)
        f.setFontStrikeOut(true);
    // QTextDocument looks a format up among its own by a hash that leaves out font families and
    // colours: a file with thousands of fonts or colours would load in quadratic time. This key
    // only spreads that hash; nothing reads it, and the writer does not write it.
    size_t key = qHash(f.property(QTextFormat::FontFamilies).toStringList().value(0));
    key = key * 31 + p.color;
    key = key * 31 + p.background;
    f.setProperty(kHashSpreadProperty, int(key & 0x7FFFFFFF));
    if (m_formatCache.size() >= 4096) // a document with more formats than that keeps making them
        m_formatCache.clear();
    return m_formatCache.emplace(p, std::move(f)).first->second;
}

// ---- Text ----

void DocumentBuilder::addBytes(const char *s, const char *e, const CharProps &p, const ParaProps &a)
{
    const CodePage &cp = codePageFor(p);
    if (cp.isMultiByte()) {
        if (!m_mbBytes.isEmpty() && (m_mbCp != cp.number() || !(m_mbProps == p) || m_mbPara != a))
            endBytes();
        m_mbBytes.append(s, e - s);
        m_mbCp = cp.number();
        m_mbProps = p;
        m_mbPara = a;
        return;
    }
    endBytes();
    bool begun = false;
    for (; s < e; ++s) {
        const char16_t c = cp.decode(static_cast<unsigned char>(*s));
        if (!isVisible(c))
            continue;
        if (!begun) {
            beginContent(p, a);
            begun = true;
        }
        m_run.append(QChar(c));
    }
}

void DocumentBuilder::endBytes()
{
    if (m_mbBytes.isEmpty())
        return;
    const QString text = m_pages.get(m_mbCp).decodeMany(m_mbBytes);
    m_mbBytes.clear();
    bool begun = false;
    for (QChar c : text) {
        if (!isVisible(c.unicode()))
            continue;
        if (!begun) {
            beginContent(m_mbProps, m_mbPara);
            begun = true;
        }
        m_run.append(c);
    }
}

void DocumentBuilder::addChar(char16_t c, const CharProps &p, const ParaProps &a)
{
    endBytes();
    c = unicodeOf(c, p);
    if (!isVisible(c))
        return;
    beginContent(p, a);
    m_run.append(QChar(c));
}

void DocumentBuilder::addCellEnd()
{
    if (m_pendingTabs < INT_MAX)
        ++m_pendingTabs;
}

void DocumentBuilder::beginContent(const CharProps &p, const ParaProps &a)
{
    if (m_pendingPar) {
        flushRun();
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        m_pendingPar = false;
    }
    if (!m_runOpen || !(m_runProps == p)) {
        flushRun();
        m_runProps = p;
        m_runOpen = true;
    }
    if (m_pendingTabs > 0) {
        m_run.append(QString(m_pendingTabs, QLatin1Char('\t')));
        m_pendingTabs = 0;
    }
    m_blockHasContent = true;
    m_contentPara = a;
}

void DocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, formatFor(m_runProps));
    m_run.clear();
}

// ---- Paragraphs ----

void DocumentBuilder::endParagraph(const CharProps &p, const ParaProps &a)
{
    endBytes();
    if (m_pendingPar) { // the paragraph this mark ends is empty
        flushRun();
        m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    m_pendingTabs = 0;
    flushRun();
    applyParagraph(a);
    if (!m_blockHasContent) // what the user types into the empty line gets the mark's format
        m_cursor.setBlockCharFormat(formatFor(p));
    m_pendingPar = true;
    m_blockHasContent = false;
}

void DocumentBuilder::finish()
{
    endBytes();
    flushRun();
    // A last paragraph without a mark takes the alignment its text was written in.
    if (!m_pendingPar && m_blockHasContent)
        applyParagraph(m_contentPara);
}

void DocumentBuilder::applyParagraph(const ParaProps &a)
{
    const bool background = a.background >= 0 && size_t(a.background) < m_colors.size()
                            && !m_colors[size_t(a.background)].automatic;
    if (a.align == Align::Left && !background)
        return;
    QTextBlockFormat bf;
    if (a.align != Align::Left)
        bf.setAlignment(qtAlignment(a.align));
    if (background)
        bf.setBackground(QColor(m_colors[size_t(a.background)].rgb));
    m_cursor.setBlockFormat(bf);
}

void readPlain(const QByteArray &bytes, QTextCursor &cursor)
{
    QString text;
    text.reserve(bytes.size());
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    for (; p < end; ++p) {
        const unsigned char b = static_cast<unsigned char>(*p);
        if (b == '\r') {
            text.append(QLatin1Char('\n'));
            if (p + 1 < end && p[1] == '\n')
                ++p;
        } else if (b == '\n') {
            text.append(QLatin1Char('\n'));
        } else if (const char16_t c = store::decodeWin1252Byte(b); isVisible(c)) {
            text.append(QChar(c));
        }
    }
    cursor.insertText(text);
}

} // namespace rtf::detail
