#include "store/win1252.h"
#include "store/apperror.h"

#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace store {

namespace {

QStringDecoder makeDecoder()
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        throw AppError(QStringLiteral("The Windows-1252 code page is not available to this program"));
    return decoder;
}

// Bytes 0x80..0x9F, the only ones that do not decode to the character of the same number, taken
// from the decoder itself so that writing is always the exact reverse of reading.
struct UpperTable {
    std::array<char16_t, 32> chars{};
    UpperTable()
    {
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString text = makeDecoder().decode(bytes);
        for (int i = 0; i < 32 && i < text.size(); ++i)
            chars[i] = text.at(i).unicode();
    }
};

const UpperTable &upperTable()
{
    static const UpperTable table;
    return table;
}

// The byte that holds c, or -1 when none does. U+001A has none: as a byte it would end the file.
int byteFor(char16_t c)
{
    return c == 0x1A ? -1 : encodeWin1252Char(c);
}

char encodeChar(char16_t c)
{
    const int b = byteFor(c);
    return b < 0 ? '?' : char(b);
}

} // namespace

char16_t decodeWin1252Byte(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? upperTable().chars[byte - 0x80] : char16_t(byte);
}

int encodeWin1252Char(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto &chars = upperTable().chars;
    for (int i = 0; i < 32; ++i) {
        if (chars[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString decodeWin1252(QByteArrayView bytes)
{
    // One character per byte, through the decoder's own table: a list of megabytes is decoded
    // without a converter being set up for it.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const std::array<char16_t, 32> &upper = upperTable().chars;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b >= 0x80 && b < 0xA0 ? upper[b - 0x80] : char16_t(b);
    }
    return text;
}

QByteArray encodeWin1252(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    const char16_t *src = text.utf16();
    const char16_t *end = src + text.size();
    while (src < end) {
        const char16_t c = *src++;
        if (c < 0x80 && c != 0x1A) {
            *dst++ = char(c);
            continue;
        }
        // A surrogate pair is one character: one '?'.
        if (QChar::isHighSurrogate(c) && src < end && QChar::isLowSurrogate(*src))
            ++src;
        *dst++ = encodeChar(c);
    }
    out.truncate(dst - out.data());
    return out;
}

QString unencodableCharacters(QStringView text)
{
    QString found;
    QVarLengthArray<char32_t, 8> seen;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (byteFor(c) >= 0)
            continue;
        // A surrogate pair is one character; a lone surrogate counts on its own.
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode());
        const char32_t code = pair ? QChar::surrogateToUcs4(c, text[i + 1].unicode()) : char32_t(c);
        if (std::find(seen.begin(), seen.end(), code) == seen.end()) {
            seen.append(code);
            found += text.sliced(i, pair ? 2 : 1);
        }
        if (pair)
            ++i;
    }
    return found;
}

} // namespace store
