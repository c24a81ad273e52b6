#pragma once
// Which typed characters change the text of an edit box.
#include <QString>

// A typed character that counts as a change: any printable character (letters of every script,
// digits, punctuation, Space) or Backspace; control keys and key combinations do not.
bool isChangeCharacter(const QString &typed);
