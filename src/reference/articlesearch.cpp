#include "articlesearch.h"

namespace {
const QString kKeyword = QStringLiteral("Все");

QString anywhere(const QString &boxText)
{
    return boxText == kKeyword ? QStringLiteral("%%") : QLatin1Char('%') + boxText + QLatin1Char('%');
}
} // namespace

ArticleQuery articleQuery(const QString &number, const QString &title, const QString &text)
{
    ArticleQuery q;
    q.sql = QStringLiteral("select * from main where ((NumberSt like ?) and (Namest like ?)");
    q.params = {anywhere(number), anywhere(title)};
    if (text != kKeyword) {
        q.sql += QStringLiteral(" and (TextSt like ?)");
        q.params.append(anywhere(text));
    }
    q.sql += QLatin1Char(')');
    return q;
}
