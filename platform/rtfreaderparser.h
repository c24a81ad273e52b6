#pragma once
// The RTF reader's parser state, shared by its two halves: the tokenizer and group stack
// (rtfreader.cpp) and the meaning of each control word (rtfreaderwords.cpp). Private to them.
#include "platform/rtfcommon.h"
#include "platform/rtfkeywords.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QTextCursor;

namespace rtf::detail {

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

} // namespace rtf::detail
