#pragma once
// Colours as the windows paint them, read from grabbed pixels.
#include <QColor>

class QWidget;

// The colour a control paints over most of its inside, its text and frame aside: for a text box
// or list the area its text is written on, for a panel or label its face. For a window: its own
// background, at a spot where none of its controls lies.
QColor paintedColour(QWidget *widget);
// Near white, as a text box's own background is: far from any dark colour picked for a window.
bool whiteish(const QColor &colour);
