#pragma once
// What the RTF reader and writer share: the size limits both sides keep to and how a symbol font
// is told; then the reader's internals, shared by its source files. Windows-1252, the code page
// of the notes files, comes from store/win1252.h.
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QStringDecoder>
#include <QTextCharFormat>

#include <array>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class QTextCursor;

namespace rtf::detail {

// Font sizes in half points (\fs): Word refuses anything above 1638 pt, and a bigger size only
// makes the editor's layout crawl.
inline constexpr int kMaxHalfPoints = 3276;
inline constexpr int kDefaultHalfPoints = 24; // RTF's size when a document names none

// SPIonic draws Greek at ASCII codes: Windows editors list it as a symbol font (\fcharset2), and
// for text in such a font Word and LibreOffice write \uN in U+F020..U+F0FF for the byte N - 0xF000.
bool isSpionicFamily(const QString &family);
inline constexpr char16_t kSymbolPuaFirst = 0xF020;
inline constexpr char16_t kSymbolPuaLast = 0xF0FF;

// ---- Reader internals: rtfreader.cpp parses, rtfreadertext.cpp builds the document ----

int codePageOfCharset(int charset); // \fcharset to a code page; 0 = the document's own
inline constexpr int kSymbolPage = 42; // symbol fonts: each byte stands for itself

// One code page: single-byte pages decode through a table, multi-byte ones (CJK, UTF-8) through ICU.
class CodePage
{
public:
    int number() const { return m_number; }
    bool isMultiByte() const { return m_multiByte; }
    char16_t decode(unsigned char b) const { return m_table[b]; } // single-byte pages only
    QString decodeMany(const QByteArray &bytes) const;

private:
    friend class CodePages;
    int m_number = 1252;
    bool m_multiByte = false;
    std::array<char16_t, 256> m_table{};
    mutable QStringDecoder m_decoder;
};

// The code pages one document uses, made when first asked for. A page Qt cannot decode falls back
// to Windows-1252.
class CodePages
{
public:
    const CodePage &get(int cp);

private:
    std::unordered_map<int, std::unique_ptr<CodePage>> m_pages;
    const CodePage *m_last = nullptr;
};

enum class Align : unsigned char { Left, Center, Right, Justify };

// The character properties of RTF text that the notes box can show.
struct CharProps {
    int font = -1;                       // \f; -1 until given, meaning \deff
    int halfPoints = kDefaultHalfPoints; // \fs
    int color = -1;                      // \cf; -1 = never given (automatic)
    int background = -1;                 // \highlight, \chcbpat; -1 = none
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    bool operator==(const CharProps &) const = default;
};

// The properties of a paragraph: \pard resets them.
struct ParaProps {
    Align align = Align::Left;
    int background = -1; // \cbpat; -1 = none
    bool operator==(const ParaProps &) const = default;
};

struct CharPropsHash {
    size_t operator()(const CharProps &p) const
    {
        size_t h = size_t(p.font) * 1000003u ^ size_t(p.halfPoints) * 8191u ^ size_t(p.color) * 131u
                   ^ size_t(p.background) * 524287u;
        return h ^ (size_t(p.bold) | size_t(p.italic) << 1 | size_t(p.underline) << 2 | size_t(p.strike) << 3
                    | size_t(p.hidden) << 4) << 27;
    }
};

struct FontEntry {
    QString name;
    int codePage = 0;    // 0 = the document's code page
    bool symbol = false; // \fcharset2 or SPIonic: \uN in U+F020..U+F0FF stand for bytes
};

struct ColorEntry {
    QRgb rgb = 0;
    bool automatic = true;
};

// False for characters that may not go into the notes as text: controls other than tab (they
// would become paragraph breaks or boxes), the frame markers and the object character.
bool isVisible(char16_t c);

// Builds the document from the reader's text with one cursor. Text is collected into runs of
// equal properties and inserted a run at a time. A paragraph mark is held back until something
// follows it, so the mark every producer writes after the last paragraph adds no empty line.
class DocumentBuilder
{
public:
    explicit DocumentBuilder(QTextCursor &cursor) : m_cursor(cursor) {}

    int documentCodePage() const { return m_docCp; }
    void setDocumentCodePage(int cp) { m_docCp = cp; }
    void setDefaultFont(int number);
    void setFont(int number, const FontEntry &font);
    void clearColors();
    void addColor(const ColorEntry &color);
    const CodePage &codePage(int cp) { return m_pages.get(cp); }

    // Text in properties p, in a paragraph aligned a. Bytes decode through the code page of
    // p's font; those of a multi-byte page wait for endBytes() to be decoded together.
    void addBytes(const char *s, const char *e, const CharProps &p, const ParaProps &a);
    void addChar(char16_t c, const CharProps &p, const ParaProps &a);
    // Text as addBytes and addChar would add it, for the reader to hold back (list labels).
    QString decode(const char *s, const char *e, const CharProps &p);
    char16_t unicodeOf(char16_t c, const CharProps &p) const;
    void endBytes();
    void addCellEnd(); // a tab, once the row goes on
    void endParagraph(const CharProps &p, const ParaProps &a);
    bool paragraphHasContent() const { return m_blockHasContent; }
    void finish();

private:
    const CodePage &codePageFor(const CharProps &p);
    const FontEntry *fontOf(const CharProps &p) const;
    const QTextCharFormat &formatFor(const CharProps &p);
    void beginContent(const CharProps &p, const ParaProps &a);
    void applyParagraph(const ParaProps &a);
    void flushRun();

    QTextCursor &m_cursor;
    CodePages m_pages;
    int m_docCp = 1252;
    int m_deff = 0;
    QHash<int, FontEntry> m_fonts;
    std::vector<ColorEntry> m_colors;
    std::unordered_map<CharProps, QTextCharFormat, CharPropsHash> m_formatCache; // dropped when a table changes

    // The run being collected
    QString m_run;
    CharProps m_runProps;
    bool m_runOpen = false;
    QByteArray m_mbBytes;
    int m_mbCp = 0;
    CharProps m_mbProps;
    ParaProps m_mbPara;

    // The paragraph being built
    bool m_pendingPar = false; // a mark closed the last paragraph; the next one is not begun
    bool m_blockHasContent = false;
    int m_pendingTabs = 0;     // cell ends not yet written as tabs
    ParaProps m_contentPara;
};

// Plain text in Windows-1252, CR LF, LF and CR ending paragraphs.
void readPlain(const QByteArray &bytes, QTextCursor &cursor);

} // namespace rtf::detail
