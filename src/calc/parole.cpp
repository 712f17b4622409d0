#include "parole.h"

#include <cmath>

std::optional<double> parseYears(const QString &text, const QLocale &locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ParoleResult parole(std::optional<ParoleCategory> category, const QString &term,
                    const QString &served, bool noViolations, const QLocale &locale)
{
    const std::optional<double> t = parseYears(term, locale);
    if (!t)
        return ParoleResult::InvalidInput;
    if (*t < 0.5)
        return ParoleResult::MayNotBeApplied;
    if (!category)
        return ParoleResult::NoAnswer;

    double required = 0;
    switch (*category) {
    case ParoleCategory::MinorOrMedium:
        required = *t / 3;
        break;
    case ParoleCategory::Grave:
        required = *t / 2;
        break;
    case ParoleCategory::EspeciallyGrave:
        // Multiplied first, so that 9 years give exactly 6.
        required = *t * 2 / 3;
        break;
    case ParoleCategory::LifeImprisonment: {
        const std::optional<double> s = parseYears(served, locale);
        if (!s)
            return ParoleResult::InvalidInput;
        return *s >= 25 && noViolations ? ParoleResult::MayBeApplied
                                        : ParoleResult::MayNotBeApplied;
    }
    }

    const std::optional<double> s = parseYears(served, locale);
    if (!s)
        return ParoleResult::InvalidInput;
    return *s >= required ? ParoleResult::MayBeApplied : ParoleResult::MayNotBeApplied;
}

QString paroleResultText(ParoleResult result)
{
    switch (result) {
    case ParoleResult::MayBeApplied:
        return QStringLiteral("Резултат: может быть применено");
    case ParoleResult::MayNotBeApplied:
        return QStringLiteral("Резултат: не может быть применено");
    case ParoleResult::InvalidInput:
        return QStringLiteral("Резултат: неверные данные");
    case ParoleResult::NoAnswer:
        break;
    }
    return QString();
}
