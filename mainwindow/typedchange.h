#pragma once
// Which typed characters change the text of an edit box.
#include <QString>

// A typed character that counts as a change: printable ASCII (33..126), Space or Backspace.
bool isChangeCharacter(const QString &typed);
