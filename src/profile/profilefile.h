#pragma once

#include "profile/personprofile.h"

#include <QDate>
#include <QString>

class IniFile;

// The profile file (".har"): an INI file with the sections "main",
// "previous_conviction" and "description".
namespace ProfileFile {

// No list longer than this is read, whatever "count" says: a damaged file must not
// make the program build millions of rows.
constexpr int MaxRows = 10000;

// The items of the sex box, whose index the file stores.
QString sexItem(int index);

// Writes the profile into the file's contents; nothing is saved yet. Throws AppError
// "''<text>'' is not a valid integer value" before writing anything when the years in
// marriage are not a whole number.
void write(const PersonProfile &profile, IniFile &ini);
// Reads what the file holds; a missing key or a value that does not convert gives its
// default. Each conviction's "expunged" is worked out against `today`.
PersonProfile read(const IniFile &ini, const QDate &today);

// Loads the file once, writes into it, saves it once. Throws AppError for the years
// and for a file that cannot be written ("Unable to write to <file>"); in both cases
// the file stays as it was.
void save_har(const PersonProfile &profile, const QString &fileName);
// Never fails: a missing or unreadable file gives the defaults.
PersonProfile open_har(const QString &fileName, const QDate &today);

} // namespace ProfileFile
