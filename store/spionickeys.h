#pragma once
// The SPIonic keys, shared by the two directions of store/spionic.h: which marks each mark key
// types, which letter each letter key stands for, and the combining characters of the marks.
#include <array>
#include <cstdint>
#include <utility>

namespace store::spionickeys {

// The marks a Greek letter can carry, as bits.
enum : std::uint16_t {
    Smooth = 1 << 0,
    Rough = 1 << 1,
    Acute = 1 << 2,
    Grave = 1 << 3,
    Circumflex = 1 << 4,
    Diaeresis = 1 << 5,
    Macron = 1 << 6,
    Overline = 1 << 7,
    DotBelow = 1 << 8,
    IotaSub = 1 << 9,
};
inline constexpr std::uint16_t Breathings = Smooth | Rough;
inline constexpr std::uint16_t Accents = Acute | Grave | Circumflex;
// The marks typed before a capital vowel or rho; the others follow it.
inline constexpr std::uint16_t BeforeCapital = Breathings | Accents;

// Combining characters of the marks, in the order they are written after a letter. All but the
// dot below (220) and the iota subscript (240) have combining class 230, so NFC keeps this order.
struct CombiningMark {
    std::uint16_t bit;
    char16_t ch;
};
inline constexpr std::array<CombiningMark, 10> combiningMarks{{
    {Macron, 0x0304},
    {Overline, 0x0305},
    {Smooth, 0x0313},
    {Rough, 0x0314},
    {Diaeresis, 0x0308},
    {Acute, 0x0301},
    {Grave, 0x0300},
    {Circumflex, 0x0342},
    {DotBelow, 0x0323},
    {IotaSub, 0x0345},
}};

inline int rankOf(char16_t mark)
{
    for (int i = 0; i < int(combiningMarks.size()); ++i) {
        if (combiningMarks[i].ch == mark)
            return i;
    }
    return int(combiningMarks.size());
}

inline std::uint16_t bitOfCombining(char32_t c)
{
    for (const CombiningMark &m : combiningMarks) {
        if (m.ch == c)
            return m.bit;
    }
    return 0;
}

// Adds b to a; false when a letter would get a mark twice or two breathings or two accents.
inline bool addMarks(std::uint16_t &a, std::uint16_t b)
{
    if ((a & b) || ((a & Breathings) && (b & Breathings)) || ((a & Accents) && (b & Accents)))
        return false;
    a |= b;
    return true;
}

// Letter keys and the Greek letter each one stands for.
inline constexpr std::array<char16_t, 128> letterFor = [] {
    std::array<char16_t, 128> t{};
    const char16_t lower[] = u"αβξδεφγηιςκλμνοπθρστυςωχψζ";
    const char16_t upper[] = u"ΑΒΞΔΕΦΓΗΙϙΚΛΜΝΟΠΘΡΣΤΥϜΩΧΨΖ";
    for (int k = 0; k < 26; ++k) {
        t['a' + k] = lower[k];
        t['A' + k] = upper[k];
    }
    t['`'] = 0x03E1; // sampi
    return t;
}();

// Mark keys and the marks each one types; narrow and wide keys type the same.
inline constexpr std::array<std::uint16_t, 128> marksOfKey = [] {
    std::array<std::uint16_t, 128> t{};
    const std::pair<char, std::uint16_t> keys[] = {
        {'0', Smooth}, {')', Smooth}, {'9', Rough}, {'(', Rough},
        {'/', Acute}, {'&', Acute}, {'\\', Grave}, {'_', Grave}, {'=', Circumflex}, {'~', Circumflex},
        {'1', Smooth | Acute}, {'!', Smooth | Acute}, {'2', Smooth | Grave}, {'@', Smooth | Grave},
        {']', Smooth | Circumflex}, {'}', Smooth | Circumflex},
        {'3', Rough | Acute}, {'#', Rough | Acute}, {'4', Rough | Grave}, {'$', Rough | Grave},
        {'[', Rough | Circumflex}, {'{', Rough | Circumflex},
        {'+', Diaeresis}, {'"', Diaeresis}, {'5', Diaeresis | Acute}, {'%', Diaeresis | Acute},
        {'6', Diaeresis | Grave}, {'^', Diaeresis | Grave},
        {'<', Macron}, {'>', Macron}, {'8', Overline}, {'?', DotBelow}, {'|', IotaSub},
    };
    for (const auto &[key, marks] : keys)
        t[std::size_t(key)] = marks;
    return t;
}();

inline bool isLetterKey(char16_t c)
{
    return c < 128 && letterFor[c] != 0;
}

inline bool isMarkKey(char16_t c)
{
    return c < 128 && marksOfKey[c] != 0;
}

// Capitals whose breathing and accent are typed before them.
inline bool takesMarksBefore(char16_t key)
{
    switch (key) {
    case 'A': case 'E': case 'H': case 'I': case 'O': case 'U': case 'W': case 'R':
        return true;
    default:
        return false;
    }
}

} // namespace store::spionickeys
