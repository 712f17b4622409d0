#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The category of a crime, from least to most severe.
enum class Severity { Minor, Medium, Grave, ParticularlyGrave };

// The exact texts stored in `Tyajest` and compared by the calculators.
QString severityText(Severity severity);

// The highest term of years named in a punishment text: number words in the genitive
// ("до двух лет", "двадцати пяти") or digits, matched as whole words; a number followed
// by another unit ("шести месяцев", "восьмидесяти тысяч рублей") is not a term of
// years. 1 when the text names no term.
int highestTermOfYears(const QString &punishment);

// One sanction's say in its owner's category: a term of imprisonment (type 10) by its
// term, a harsher kind (type above 10) "особо тяжкое", any milder kind or no type none.
std::optional<Severity> sanctionSeverity(const QVariant &type, const QString &punishment);

struct SanctionTerms {
    QVariant type;
    QString punishment;
};

// The category of an owner: the most severe of its sanctions, "небольшая тяжесть" when
// none of them counts; nothing when the owner has no sanctions at all.
std::optional<Severity> ownerSeverity(const QList<SanctionTerms> &sanctions);
