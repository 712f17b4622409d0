#include "calc/convictionrow.h"

namespace {

int expiryYears(const QString &heaviness, bool infancy)
{
    if (heaviness == QStringLiteral("небольшая тяжесть") || heaviness == QStringLiteral("средняя тяжесть"))
        return infancy ? 1 : 3;
    if (heaviness == QStringLiteral("тяжкое"))
        return infancy ? 3 : 6;
    if (heaviness == QStringLiteral("особо тяжкое"))
        return infancy ? 3 : 8;
    return 0;
}

} // namespace

bool calc_sudimost1(const QString &heaviness, bool infancy, const QDate &today,
                    const QDate &date)
{
    if (!date.isValid())
        return true;
    // addYears takes 28 February when 29 February does not exist in the target year.
    return date.addYears(expiryYears(heaviness, infancy)) >= today;
}
