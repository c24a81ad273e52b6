#pragma once
// Greek in the SPIonic keyboard mapping (ASCII keys: "lo/gov") and in Unicode ("λόγος").
//
// SPIonic marks are overstrikes typed after a lowercase letter ("a1" = ἄ) and before a capital
// vowel or rho ("1A" = Ἄ, "'A" = Ἀ); each mark has a narrow and a wide key that mean the same.
// Writing SPIonic always gives one spelling: narrow mark keys on ι, υ, ε (and after Ι), wide ones
// on every other letter; before a capital the narrow keys, a lone smooth breathing as "'", and a
// "7" (the non-breaking space the marks then stand on) in front when the capital follows a letter
// directly, or after marks standing on no letter (then all its marks go before it: "7=7+A");
// otherwise diaeresis, macron, iota subscript, dot below and overline after the capital; final
// sigma "j"; several marks in the order macron, overline, breathing/diaeresis/accent, dot below,
// iota subscript.
#include <QString>
#include <QStringView>

namespace store {

// Unicode Greek, precomposed or decomposed in any normalization form, to SPIonic keys. Greek
// letters and their marks, the ano teleia (· U+0387 or U+00B7), the Greek question mark, the
// elision mark (’ U+2019, ʼ U+02BC, ᾽ U+1FBD, ᾿ U+1FBF), the en dash and the non-breaking space
// become their keys; a spacing breathing or accent right before a capital vowel or rho
// ("᾿Α", an old way of typing Ἀ) becomes that capital's mark. The letter variants ϐ ϑ ϕ ϖ ϰ ϱ ϵ
// ϴ become the ordinary letter; Ϙ and ϙ become koppa "J", ϡ sampi "`", Ϝ digamma "V".
// Everything else is left exactly as it is: ASCII (already SPIonic keys), other non-Greek text,
// and Greek the keys cannot express (ϝ, ϛ, ϲ, a letter with a breve or with two accents, ...), so
// the caller can find what remains. The order of several marks on one letter is not kept.
QString unicodeToSpionic(QStringView text);

// SPIonic keys to Unicode Greek in NFC. "j" and "v" are final sigma, "s" always σ; "'" before a
// capital vowel at the start of a word is its smooth breathing, elsewhere the elision mark U+2019;
// ":" is the ano teleia (U+00B7 after NFC), ";" the Greek question mark (";" after NFC), "-" the
// en dash, "7" the non-breaking space. Marks with no letter to stand on are put on a
// non-breaking space. Characters that are not ASCII are kept.
QString spionicToUnicode(QStringView spionic);

// False when unicodeToSpionic(text) is certainly text itself (plain ASCII, Latin-1 letters, ...);
// a cheap test to run before converting.
bool containsGreekToConvert(QStringView text);

} // namespace store
