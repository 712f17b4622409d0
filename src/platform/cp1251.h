#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the code page of Russian Windows, in which the program's files have
// always been written. Every byte decodes to a character (0x98, unassigned, to U+0098),
// so decoding and encoding back give the same bytes.
namespace Cp1251 {

QString decode(QByteArrayView bytes);

// Whether every character of the text has a byte in the code page.
bool canEncode(QStringView text);

// Characters without a byte become '?'; check canEncode() first where that matters.
QByteArray encode(QStringView text);

} // namespace Cp1251
