#pragma once
// Greek leaves the program as Unicode and comes back as it left. Text drawn in the SPIonic font
// (the headwords of a Greek list, the SPIonic runs of the notes) goes to the clipboard and into a
// drag with its Greek in Unicode (NFC) in every public format; beside them a format of the
// program's own carries the exact original, and a paste or a drop into the program takes that
// one before any other.
#include <QString>
#include <optional>

class QFont;
class QMimeData;
class QTextCharFormat;
class QTextCursor;
class QTextDocumentFragment;

namespace spionicmime {

// SPIonic keys exactly as they were (UTF-8).
inline constexpr char KeysType[] = "application/x-mnemora-spionic";
// A stretch of the notes as the program's own RTF, SPIonic runs as they were.
inline constexpr char RichTextType[] = "application/x-mnemora-rtf";
// The public RTF flavour (Greek in Unicode) that word processors take.
inline constexpr char RtfType[] = "text/rtf";

bool isSpionicRun(const QTextCharFormat &format);

// Keys as Unicode text/plain, the keys themselves in KeysType.
QMimeData *fromKeys(const QString &keys);
// The keys the program copied, when data holds them.
std::optional<QString> keysIn(const QMimeData *data);

// A rich-text selection with its SPIonic runs in Unicode: text/plain, text/html, ODF and RTF,
// every other run with its formats; the original in RichTextType, and when the selection is all
// SPIonic its keys in KeysType. Null when no run is SPIonic: such a selection leaves as any text.
// defaultFont is the font of runs that name none.
QMimeData *fromRichText(const QTextDocumentFragment &selection, const QFont &defaultFont);

// Inserts at the cursor what the program copied, as it was: the RichTextType stretch, or keys as
// a SPIonic run in the cursor's format. False when data holds nothing of the program's own.
bool insertOriginal(const QMimeData *data, QTextCursor &cursor);

} // namespace spionicmime
