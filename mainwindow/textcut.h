#pragma once
// Rules for text typed into the edit boxes.
#include <QString>

// The text up to its first line break (CR, LF or a paragraph separator), the rest dropped.
QString cutAtLineBreak(const QString &text);

// A typed character that counts as a change: printable ASCII (33..126), Space or Backspace.
bool isChangeCharacter(const QString &typed);
