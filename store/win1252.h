#pragma once
// The Windows-1252 code page every text file of the program is written in (lists made on Windows
// use it). One byte is one character, so line ends and Ctrl+Z can be found in the bytes or in the
// decoded text alike.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace store {

// Every byte decodes to one character; the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) come back as U+0081 ... U+009D, so any file survives a load and a save.
QString decodeWin1252(QByteArrayView bytes);

// One byte per character. A character the code page cannot represent is written as '?' (one '?'
// for a character outside the Basic Multilingual Plane), and so is U+001A: written as a byte it
// would be Ctrl+Z, which ends the file for the reader.
QByteArray encodeWin1252(QStringView text);

// Each character of text that encodeWin1252 would not keep (U+001A among them), once, in the
// order they first appear; a surrogate pair is one character. Empty when text can be written as
// it is, so a caller can refuse to write and name what has to change.
QString unencodableCharacters(QStringView text);

// One byte's character, as decodeWin1252 gives it.
char16_t decodeWin1252Byte(unsigned char byte);

// The byte of the code page that stands for c, or -1 when it has none. The undefined bytes are
// their C1 controls' bytes, as decoding makes them.
int encodeWin1252Char(char16_t c);

} // namespace store
