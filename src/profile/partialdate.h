#pragma once

#include <QString>

#include <optional>

// The text of a date of which the day, the month or the year may be unknown:
// "05/11/1978", "??/11/1978", "??/??/????". The day is not checked against the
// month, so 31/02/2001 is a date here.
namespace PartialDate {

enum class Part { Day, Month, Year };

// "??" for the day and the month, "????" for the year.
QString unknownMark(Part part);

// The text of one part: its mark when unknown, else the number, the day and the
// month with a leading zero below 10.
QString partText(Part part, std::optional<int> value);

// Day, "/", month, "/", year; an empty value stands for an unknown part.
QString compose(std::optional<int> day, std::optional<int> month, std::optional<int> year);

// The characters of a part within a text: 1-2 for the day, 4-5 for the month and
// 7-10 for the year. The separators between them are not looked at.
QString partChars(const QString &text, Part part);

// Reads the characters of one part: empty for the unknown mark, else the number,
// not yet brought into any range. Anything else throws an AppError that quotes the
// characters.
std::optional<int> readPart(const QString &chars, Part part);

} // namespace PartialDate
