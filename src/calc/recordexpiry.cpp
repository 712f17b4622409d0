#include "recordexpiry.h"

#include <QLocale>

std::optional<int> recordExpiryYears(SentenceKind kind, bool juvenile)
{
    switch (kind) {
    case SentenceKind::Probation:
        return std::nullopt;
    case SentenceKind::MilderThanImprisonment:
        return 1;
    case SentenceKind::MinorOrMediumCrime:
        return juvenile ? 1 : 3;
    case SentenceKind::GraveCrime:
        return juvenile ? 3 : 6;
    case SentenceKind::EspeciallyGraveCrime:
        return juvenile ? 3 : 8;
    }
    return std::nullopt;
}

QString recordExpiryText(std::optional<SentenceKind> kind, bool juvenile, const QDate &from)
{
    if (!kind)
        return QString();
    const std::optional<int> years = recordExpiryYears(*kind, juvenile);
    if (!years)
        return QStringLiteral("Результат: по истечении испытательного срока");

    // QDate::addYears takes 28 February for 29 February in a common year.
    const QDate expiry = from.addYears(*years);
    if (!expiry.isValid())
        return QStringLiteral("Результат: неверные данные");

    QString text = QStringLiteral("Результат: по истечении ")
        + QLocale().toString(expiry, QLocale::ShortFormat);
    if (*kind == SentenceKind::MilderThanImprisonment)
        text += QStringLiteral("  или исполнения наказания;");
    return text;
}
