#pragma once
// The picture of the SPIonic keyboard map: eight bands, each a row of shaded key caps above a row
// of cells showing in the SPIonic font what each key types (number, Q, A and Z rows, unshifted then
// shifted). Drawn by the program, so it always matches the font that is installed.
#include <QImage>
#include <QString>

// What the cell of one key shows.
enum class KeyCellKind {
    Letter,      // a letter or a sign that shows itself
    MarkNarrow,  // a mark typed after a narrow letter, shown over a grey iota
    MarkWide,    // a mark typed after a wide letter, shown over a grey alpha
    MarkBelow,   // a mark under the letter before it, shown under a grey omega
    Space,       // the non-breaking space
};

struct KeyCell {
    char key;
    KeyCellKind kind;
};

// The key rows from top to bottom (eight bands); each row thirteen keys at most.
QList<QList<KeyCell>> keyboardMapRows();

constexpr int KeyboardMapWidth = 585;
constexpr int KeyboardMapHeight = 602;
// fontFamily: the family the cells are drawn in ("SPIonic").
QImage drawKeyboardMap(const QString &fontFamily = QStringLiteral("SPIonic"));
