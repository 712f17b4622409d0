#include "partialdate.h"

#include "platform/apperror.h"

namespace PartialDate {

QString unknownMark(Part part)
{
    return part == Part::Year ? QStringLiteral("????") : QStringLiteral("??");
}

QString partText(Part part, std::optional<int> value)
{
    if (!value)
        return unknownMark(part);
    if (part == Part::Year)
        return QString::number(*value);
    return QStringLiteral("%1").arg(*value, 2, 10, QLatin1Char('0'));
}

QString compose(std::optional<int> day, std::optional<int> month, std::optional<int> year)
{
    return partText(Part::Day, day) + QLatin1Char('/') + partText(Part::Month, month)
        + QLatin1Char('/') + partText(Part::Year, year);
}

QString partChars(const QString &text, Part part)
{
    switch (part) {
    case Part::Day:
        return text.mid(0, 2);
    case Part::Month:
        return text.mid(3, 2);
    case Part::Year:
        return text.mid(6, 4);
    }
    return QString();
}

std::optional<int> readPart(const QString &chars, Part part)
{
    if (chars == unknownMark(part))
        return std::nullopt;
    bool ok = false;
    const int value = chars.toInt(&ok, 10);
    if (!ok)
        throw AppError(QStringLiteral("''%1'' is not a valid integer value").arg(chars));
    return value;
}

} // namespace PartialDate
