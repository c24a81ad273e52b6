// Greek between SPIonic keys and Unicode. Any text converts without a crash; on top, the rules the
// conversion promises (store/spionic.h):
// - keys already typed are left as they are, and so is text containsGreekToConvert says has
//   nothing to convert;
// - decoding gives NFC;
// - the keys written for decoded keys are the one canonical spelling: they decode to the same
//   Unicode (but see the elision mark below) and are written again unchanged.
#include "fuzzcheck.h"
#include "store/spionic.h"

#include <algorithm>
#include <cstring>

namespace {

bool isAscii(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 128; });
}

QString show(const QString &s)
{
    QString out;
    for (QChar c : s)
        out += c.unicode() < 128 && c.unicode() >= 32 ? QString(c) : QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return out;
}

void checkText(const QString &text)
{
    using namespace store;
    const QString keys = unicodeToSpionic(text);
    if (!containsGreekToConvert(text))
        fuzz::check(keys == text, "text with nothing to convert is left as it is", show(text));
    if (isAscii(text))
        fuzz::check(keys == text, "SPIonic keys are left as typed", show(text));

    const QString decoded = spionicToUnicode(text);
    fuzz::check(decoded == decoded.normalized(QString::NormalizationForm_C), "decoding gives NFC", show(text));
    if (!isAscii(text))
        return;
    const QString canonical = unicodeToSpionic(decoded);
    if (!isAscii(canonical))
        return; // Greek the keys cannot write (two accents on a letter, ...): left in Unicode.
    // An elision mark right before a capital vowel at a word's start has no keys of its own ("'A" is
    // that capital's breathing), so the meaning is checked on text without one.
    if (!decoded.contains(QChar(0x2019)))
        fuzz::check(spionicToUnicode(canonical) == decoded, "the canonical keys mean what was typed",
                show(text) + QStringLiteral(" -> ") + show(canonical));
    fuzz::check(unicodeToSpionic(spionicToUnicode(canonical)) == canonical, "the canonical keys are written unchanged",
                show(text) + QStringLiteral(" -> ") + show(canonical));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    // The bytes as keys typed (Latin-1, so ASCII stays ASCII), as UTF-8 text, and as raw UTF-16
    // (lone surrogates and all).
    checkText(QString::fromLatin1(bytes));
    checkText(QString::fromUtf8(bytes));
    QString utf16(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(utf16.data(), bytes.constData(), size_t(utf16.size()) * 2);
    checkText(utf16);
    return 0;
}
