#include "store/spionic.h"
#include "store/spionickeys.h"

#include <QVarLengthArray>

#include <algorithm>

namespace store {

using namespace spionickeys;

namespace {

struct MarkRun {
    QVarLengthArray<char16_t, 8> marks;

    void add(std::uint16_t bits)
    {
        for (const CombiningMark &m : combiningMarks) {
            if (bits & m.bit)
                marks.append(m.ch);
        }
    }
    void addKeys(QStringView keys)
    {
        for (QChar k : keys)
            add(marksOfKey[k.unicode()]);
    }
};

void appendDecoded(QString &out, char16_t base, MarkRun &run)
{
    out += QChar(base);
    std::stable_sort(run.marks.begin(), run.marks.end(),
                     [](char16_t a, char16_t b) { return rankOf(a) < rankOf(b); });
    for (char16_t m : run.marks)
        out += QChar(m);
}

char16_t signFor(char16_t key)
{
    switch (key) {
    case ':': return 0x0387;
    case ';': return 0x037E;
    case '-': return 0x2013;
    default: return key;
    }
}

} // namespace

QString spionicToUnicode(QStringView spionic)
{
    const QStringView s = spionic;
    const qsizetype n = s.size();
    const auto runEnd = [&](qsizetype j) {
        while (j < n && isMarkKey(s[j].unicode()))
            ++j;
        return j;
    };
    QString out;
    out.reserve(n * 2);
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = s[i].unicode();
        MarkRun run;
        if (isLetterKey(c)) {
            const qsizetype end = runEnd(i + 1);
            run.addKeys(s.sliced(i + 1, end - i - 1));
            appendDecoded(out, letterFor[c], run);
            i = end;
        } else if (c == u'7' || isMarkKey(c)) {
            // Marks with no letter before them belong to the capital after them, if any; the
            // "7" they stood on goes. Otherwise they stay on a non-breaking space.
            const qsizetype from = c == u'7' ? i + 1 : i;
            const qsizetype end = runEnd(from);
            run.addKeys(s.sliced(from, end - from));
            if (end > from && end < n && takesMarksBefore(s[end].unicode())) {
                const qsizetype after = runEnd(end + 1);
                run.addKeys(s.sliced(end + 1, after - end - 1));
                appendDecoded(out, letterFor[s[end].unicode()], run);
                i = after;
            } else {
                appendDecoded(out, 0x00A0, run);
                i = end;
            }
        } else if (c == u'\'') {
            const bool wordStart = i == 0 || !(isLetterKey(s[i - 1].unicode()) || isMarkKey(s[i - 1].unicode()));
            const char16_t next = i + 1 < n ? s[i + 1].unicode() : 0;
            if (wordStart && takesMarksBefore(next) && next != u'R') {
                const qsizetype after = runEnd(i + 2);
                run.add(Smooth);
                run.addKeys(s.sliced(i + 2, after - i - 2));
                appendDecoded(out, letterFor[next], run);
                i = after;
            } else {
                out += QChar(0x2019);
                ++i;
            }
        } else {
            out += QChar(signFor(c));
            ++i;
        }
    }
    return out.normalized(QString::NormalizationForm_C);
}

} // namespace store
