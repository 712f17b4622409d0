#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Whether conditional early release may be applied.
enum class ParoleResult {
    MayBeApplied,
    MayNotBeApplied,
    InvalidInput,
    // No category was chosen: there is nothing to say, and the last answer stands.
    NoAnswer,
};

// The category list of the parole page, in the order the rule counts it.
enum class ParoleCategory {
    MinorOrMedium = 0,
    Grave = 1,
    EspeciallyGrave = 2,
    LifeImprisonment = 3,
};

// A number of years as the user types it: a decimal number in the locale's own
// notation. Empty text, thousands separators and anything but a finite number are
// not numbers.
std::optional<double> parseYears(const QString &text, const QLocale &locale = QLocale());

// `category` is the position in the category list, or empty when the text chosen
// is no item of it. `term` and `served` are the texts as typed; the served part is
// read only when the answer depends on it.
ParoleResult parole(std::optional<ParoleCategory> category, const QString &term,
                    const QString &served, bool noViolations,
                    const QLocale &locale = QLocale());

// The label text of an answer; empty for NoAnswer.
QString paroleResultText(ParoleResult result);
