#pragma once
// When a box is entered: the focus moves to it from elsewhere in the window. The focus coming
// back with the window itself (after a message box, another window, a popup menu) enters nothing.
class QEvent;

bool entersControl(const QEvent *event);
