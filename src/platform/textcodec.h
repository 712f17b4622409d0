#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How the program's text files are read and written. Files from Windows installations
// carry no byte order mark and are Windows-1251; a mark names UTF-8 or UTF-16. Written
// files stay Windows-1251 so that older installations read them, unless a character
// would be lost: then the whole file is UTF-8 with its mark.
namespace TextCodec {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// A text cut into lines at CR LF, CR or LF. The end of the last line is no line of its
// own, so "a\r\n" is one line and an empty text none.
QStringList splitLines(const QString &text);
// Every line ended by CR LF.
QString joinLines(const QStringList &lines);

} // namespace TextCodec

// Whole text files of lines, for the settings folder. Both throw AppError with the
// file's full path and the system's reason.
namespace TextFile {

QStringList readLines(const QString &fileName);  // "Cannot open file ..."
void writeLines(const QString &fileName, const QStringList &lines); // "Cannot create file ..."

} // namespace TextFile
