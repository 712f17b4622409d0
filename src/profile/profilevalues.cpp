#include "profile/profilevalues.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace ProfileValues {

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy"))
                          : QStringLiteral("00.00.0000");
}

QDate readDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

QString boolText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool readBool(const QString &text)
{
    const auto number = readInt(text);
    return number && *number != 0;
}

std::optional<int> readInt(const QString &text)
{
    QStringView digits(text);
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits = digits.sliced(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.sliced(1);
    } else if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.sliced(2);
    }
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        const bool ok = base == 10 ? (c >= u'0' && c <= u'9') : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok)
            return std::nullopt;
    }
    bool ok = false;
    if (base == 16) {
        if (digits.size() > 8)
            return std::nullopt;
        const auto bits = static_cast<quint32>(digits.toUInt(&ok, 16));
        if (!ok)
            return std::nullopt;
        const auto value = static_cast<qint32>(bits);
        return negative ? static_cast<int>(0u - bits) : value;
    }
    const qlonglong value = digits.toLongLong(&ok, 10);
    const qlonglong signedValue = negative ? -value : value;
    if (!ok || signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(signedValue);
}

QString moneyText(double amount)
{
    QString text = QString::number(amount, 'g', 15);
    if (text.contains(u'e')) {
        // Large or tiny amounts: the same digits without the exponent.
        text = QString::number(amount, 'f', 15);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    text.replace(u'.', u',');
    return text;
}

std::optional<double> readMoney(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[-+]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return std::nullopt;
    QString c = trimmed;
    c.replace(u',', u'.');
    bool ok = false;
    const double value = c.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace ProfileValues
