#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The kinds of sentence of the record-expiry page, in the order of its list.
enum class SentenceKind {
    Probation = 0,
    MilderThanImprisonment = 1,
    MinorOrMediumCrime = 2,
    GraveCrime = 3,
    EspeciallyGraveCrime = 4,
};

// Whole years after which the record of a sentence of this kind is expunged; none for
// probation, whose record lasts as long as the probation period itself.
std::optional<int> recordExpiryYears(SentenceKind kind, bool juvenile);

// The result line of the page: empty without a kind, and the invalid-input text when
// the kind needs a date and `from` is none.
QString recordExpiryText(std::optional<SentenceKind> kind, bool juvenile, const QDate &from);
