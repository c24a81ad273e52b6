#pragma once
// Forms name their colours by identifier and their font heights in pixels, as dynamic properties
// ("colour", "fontColour", "pixelSize") that Designer keeps. applyLayoutStyle turns them into
// palettes and fonts once the form is set up.
#include "platform/colourtext.h"

class QWidget;

void applyLayoutStyle(QWidget *root);
// Background of a window or control (labels and plain panels on a window take the window's; its
// text boxes and lists keep their own).
void setBackgroundColour(QWidget *widget, ColourValue colour);
ColourValue backgroundColour(const QWidget *widget);
void setTextColour(QWidget *widget, ColourValue colour);
