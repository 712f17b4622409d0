#pragma once

#include <QDate>
#include <QString>

#include <optional>

// How the values of profile and catalogue files are spelt, so that files are exchanged
// unchanged with installations running under Russian settings.
namespace ProfileValues {

// dd.MM.yyyy; a missing date is "00.00.0000".
QString dateText(const QDate &date);
// The written form, and the one-digit days and months a person may type; anything
// else, "00.00.0000" included, is no date.
QDate readDate(const QString &text);

QString boolText(bool value);
// A whole number, and true unless it is 0; anything else is false.
bool readBool(const QString &text);

// Decimal with an optional sign, or hexadecimal after "0x" or "$" (at most eight
// digits, read as 32 bits with their sign); no blanks. Nothing for any other text,
// including numbers beyond 32 bits.
std::optional<int> readInt(const QString &text);

// The shortest decimal form, up to 15 significant digits, with a comma and no grouping:
// 15000, 15000,5.
QString moneyText(double amount);
// Reads that form; a point is taken for the comma as well.
std::optional<double> readMoney(const QString &text);

} // namespace ProfileValues
