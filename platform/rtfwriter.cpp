// The RTF writer. The body is written first, collecting the fonts and colours it uses in order of
// first use; the header with both tables is put in front at the end. Character properties are
// written only where they change, as Windows rich-text controls do, and \pard only where the
// alignment changes.
#include "platform/rtfwriter.h"
#include "platform/rtfcommon.h"
#include "store/win1252.h"

#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <vector>

namespace rtf {
namespace {

struct RunProps {
    int font = -1;       // index in the font table
    int halfPoints = -1;
    int color = 0;       // index in the colour table; 0 = automatic
    int background = 0;  // index in the colour table; 0 = none
    bool bold = false, italic = false, underline = false, strike = false;
};

enum class Align { Left, Center, Right, Justify };

struct ParaProps {
    Align align = Align::Left;
    int background = 0; // index in the colour table; 0 = none
    bool operator==(const ParaProps &) const = default;
};

Align alignOf(const QTextBlockFormat &format)
{
    const Qt::Alignment a = format.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        return Align::Center;
    if (a & Qt::AlignJustify)
        return Align::Justify;
    // Without AlignAbsolute, AlignRight means "trailing"; the notes are left-to-right either way.
    if (a & (Qt::AlignRight | Qt::AlignTrailing))
        return Align::Right;
    return Align::Left;
}

QString tableName(const QString &family);

class Writer
{
public:
    explicit Writer(const QTextDocument *doc);
    QByteArray result() const;

private:
    RunProps resolve(const QTextCharFormat &f);
    int fontIndex(const QString &family);
    int colorIndex(const QBrush &brush);
    void switchTo(const RunProps &r);
    void word(const char *w);
    void word(const char *w, int n);
    void text(QStringView s);
    void special(char16_t c, QByteArray &out, bool symbol = false) const;

    QString m_defaultFamily;
    int m_defaultHalfPoints = detail::kDefaultHalfPoints;
    QStringList m_fonts;
    std::vector<bool> m_symbolFonts; // written as \fcharset2
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
    QByteArray m_body;
    RunProps m_cur;
    bool m_needSpace = false; // a control word was written last and needs its delimiter
};

int halfPointsOf(double points)
{
    if (!(points > 0))
        return detail::kDefaultHalfPoints;
    return int(std::clamp<double>(std::lround(points * 2), 1, detail::kMaxHalfPoints));
}

Writer::Writer(const QTextDocument *doc)
{
    const QFont def = doc ? doc->defaultFont() : QFont();
    m_defaultFamily = def.families().value(0, def.family());
    // A pixel size counts at 96 dpi, the resolution the notes files were made at.
    m_defaultHalfPoints = halfPointsOf(def.pointSizeF() > 0 ? def.pointSizeF() : def.pixelSize() * 0.75);
    fontIndex(m_defaultFamily); // \deff0
    if (!doc)
        return;

    m_body.reserve(doc->characterCount() + doc->blockCount() * 16 + 256);
    bool first = true;
    ParaProps current;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        const ParaProps para{alignOf(bf), bf.hasProperty(QTextFormat::BackgroundBrush) ? colorIndex(bf.background()) : 0};
        if (first || !(para == current)) {
            word("\\pard");
            if (para.align == Align::Center)
                word("\\qc");
            else if (para.align == Align::Right)
                word("\\qr");
            else if (para.align == Align::Justify)
                word("\\qj");
            if (para.background)
                word("\\cbpat", para.background);
            current = para;
            first = false;
        }
        if (block.length() <= 1) {
            // An empty paragraph keeps the format of its mark: what is typed there gets it.
            switchTo(resolve(block.charFormat()));
        } else {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid())
                    continue;
                switchTo(resolve(fragment.charFormat()));
                text(fragment.text());
            }
        }
        m_body += "\\par\r\n";
        m_needSpace = false;
    }
}

QByteArray Writer::result() const
{
    QByteArray out;
    out.reserve(m_body.size() + 128 + m_fonts.size() * 40 + m_colors.size() * 32);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + (m_symbolFonts[size_t(i)] ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset0 ");
        for (QChar c : m_fonts.at(i)) {
            const char16_t u = c.unicode();
            if (u < 0x80 && u != '\\' && u != '{' && u != '}')
                out += char(u);
            else
                special(u, out);
        }
        out += ";}";
    }
    out += "}\r\n";
    if (!m_colors.isEmpty()) {
        out += "{\\colortbl ;";
        for (QRgb c : m_colors) {
            out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c))
                   + "\\blue" + QByteArray::number(qBlue(c)) + ';';
        }
        out += "}\r\n";
    }
    out += "\\viewkind4\\uc1 \r\n";
    out += m_body;
    out += "}\r\n";
    return out;
}

// The name as the font table can hold it: a ';' would end the entry and controls are no part of a
// name; readers trim the spaces around it. Two families that differ only there share an entry.
QString tableName(const QString &family)
{
    QString name;
    name.reserve(family.size());
    for (QChar c : family) {
        const char16_t u = c.unicode();
        if (u != ';' && u >= 0x20 && u != 0x7F)
            name += c;
    }
    return name.trimmed();
}

int Writer::fontIndex(const QString &rawFamily)
{
    QString family = tableName(rawFamily);
    if (family.isEmpty())
        family = tableName(m_defaultFamily);
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.cend())
        return *it;
    const int index = int(m_fonts.size());
    m_fonts.append(family);
    m_symbolFonts.push_back(detail::isSpionicFamily(family));
    m_fontIndex.insert(family, index);
    return index;
}

// The colour's index in the table (1 and up), or 0 for no colour.
int Writer::colorIndex(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = brush.color().rgb();
    auto it = m_colorIndex.constFind(rgb);
    if (it == m_colorIndex.cend()) {
        m_colors.append(rgb);
        it = m_colorIndex.insert(rgb, int(m_colors.size()));
    }
    return *it;
}

RunProps Writer::resolve(const QTextCharFormat &f)
{
    RunProps r;
    QString family = f.property(QTextFormat::FontFamilies).toStringList().value(0);
    if (family.isEmpty())
        family = f.property(QTextFormat::FontFamily).toString();
    r.font = fontIndex(family);

    if (f.hasProperty(QTextFormat::FontPointSize) && f.doubleProperty(QTextFormat::FontPointSize) > 0)
        r.halfPoints = halfPointsOf(f.doubleProperty(QTextFormat::FontPointSize));
    else if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
        r.halfPoints = halfPointsOf(f.intProperty(QTextFormat::FontPixelSize) * 0.75);
    else
        r.halfPoints = m_defaultHalfPoints;

    if (f.hasProperty(QTextFormat::ForegroundBrush))
        r.color = colorIndex(f.foreground());
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        r.background = colorIndex(f.background());
    r.bold = f.fontWeight() >= QFont::DemiBold;
    r.italic = f.fontItalic();
    const QTextCharFormat::UnderlineStyle ul = f.underlineStyle();
    r.underline = f.fontUnderline()
                  || (ul != QTextCharFormat::NoUnderline && ul != QTextCharFormat::SpellCheckUnderline);
    r.strike = f.fontStrikeOut();
    return r;
}

void Writer::word(const char *w)
{
    m_body += w;
    m_needSpace = true;
}

void Writer::word(const char *w, int n)
{
    m_body += w;
    m_body += QByteArray::number(n);
    m_needSpace = true;
}

void Writer::switchTo(const RunProps &r)
{
    if (r.color != m_cur.color)
        word("\\cf", r.color);
    if (r.background != m_cur.background)
        word("\\highlight", r.background);
    if (r.underline != m_cur.underline)
        word(r.underline ? "\\ul" : "\\ulnone");
    if (r.bold != m_cur.bold)
        word(r.bold ? "\\b" : "\\b0");
    if (r.italic != m_cur.italic)
        word(r.italic ? "\\i" : "\\i0");
    if (r.strike != m_cur.strike)
        word(r.strike ? "\\strike" : "\\strike0");
    if (r.font != m_cur.font)
        word("\\f", r.font);
    if (r.halfPoints != m_cur.halfPoints)
        word("\\fs", r.halfPoints);
    m_cur = r;
}

// Characters outside ASCII: \'hh when Windows-1252 has them, otherwise \uN with '?' for readers
// that do not know \u (N is a signed 16-bit number; beyond the BMP each surrogate is one \u).
// The five bytes the code page leaves undefined are not offered, so a stray C1 control is written
// as \uN and read back the same. In a symbol font a byte is its own code, so there only
// U+00A0..U+00FF, which Windows-1252 keeps as they are, go out as bytes.
void Writer::special(char16_t c, QByteArray &out, bool symbol) const
{
    static const char hex[] = "0123456789abcdef";
    int b = c >= 0xA0 ? store::encodeWin1252Char(c) : -1;
    if (symbol && b < 0xA0)
        b = -1;
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += char(c);
    } else if (b > 0) {
        out += "\\'";
        out += hex[b >> 4];
        out += hex[b & 15];
    } else {
        out += "\\u";
        out += QByteArray::number(c >= 0x8000 ? int(c) - 0x10000 : int(c));
        out += '?';
    }
}

void Writer::text(QStringView s)
{
    const char16_t *p = s.utf16();
    const char16_t *const end = p + s.size();
    while (p < end) {
        // Plain ASCII goes out as it is, a stretch at a time.
        const char16_t *q = p;
        while (q < end && *q >= 0x20 && *q < 0x7F && *q != '\\' && *q != '{' && *q != '}')
            ++q;
        if (q > p) {
            if (m_needSpace) {
                m_body += ' ';
                m_needSpace = false;
            }
            const qsizetype at = m_body.size();
            m_body.resize(at + (q - p));
            char *out = m_body.data() + at;
            for (; p < q; ++p)
                *out++ = char(*p);
            continue;
        }
        const char16_t c = *p++;
        if (c == '\t') {
            word("\\tab");
        } else if (c == QChar::LineSeparator) {
            word("\\line");
        } else if (c < 0x20 || c == 0x7F || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1
                   || c == QChar::ObjectReplacementCharacter) {
            // controls, frame markers and embedded objects have no place in the notes file
        } else {
            special(c, m_body, m_cur.font >= 0 && m_symbolFonts[size_t(m_cur.font)]);
            m_needSpace = false;
        }
    }
}

} // namespace

QByteArray write(const QTextDocument *doc)
{
    return Writer(doc).result();
}

} // namespace rtf
