#include "severity.h"

#include <QHash>
#include <QStringList>

#include <cmath>

namespace {

constexpr int kTermOfImprisonment = 10;

const QHash<QString, int> &numberWords()
{
    // The genitive forms in which punishment texts name terms. Both the common
    // misspellings and the correct spellings of 11 and 18 are taken.
    static const QHash<QString, int> words = {
        {QStringLiteral("одного"), 1},        {QStringLiteral("двух"), 2},
        {QStringLiteral("трех"), 3},          {QStringLiteral("четырех"), 4},
        {QStringLiteral("пяти"), 5},          {QStringLiteral("шести"), 6},
        {QStringLiteral("семи"), 7},          {QStringLiteral("восьми"), 8},
        {QStringLiteral("девяти"), 9},        {QStringLiteral("десяти"), 10},
        {QStringLiteral("одинадцати"), 11},   {QStringLiteral("одиннадцати"), 11},
        {QStringLiteral("двенадцати"), 12},   {QStringLiteral("тринадцати"), 13},
        {QStringLiteral("четырнадцати"), 14}, {QStringLiteral("пятнадцати"), 15},
        {QStringLiteral("шестнадцати"), 16},  {QStringLiteral("семнадцати"), 17},
        {QStringLiteral("восемьнадцати"), 18}, {QStringLiteral("восемнадцати"), 18},
        {QStringLiteral("девятнадцати"), 19}, {QStringLiteral("двадцати"), 20},
    };
    return words;
}

// Words after a number that make it something other than a term of years.
bool isOtherUnit(const QString &word)
{
    static const QStringList stems = {
        QStringLiteral("месяц"), QStringLiteral("недел"),  QStringLiteral("тысяч"),
        QStringLiteral("рубл"),  QStringLiteral("миллион"), QStringLiteral("миллиард"),
    };
    static const QStringList forms = {
        QStringLiteral("день"),  QStringLiteral("дня"),  QStringLiteral("дней"),
        QStringLiteral("сутки"), QStringLiteral("суток"), QStringLiteral("час"),
        QStringLiteral("часа"),  QStringLiteral("часов"),
    };
    for (const QString &stem : stems)
        if (word.startsWith(stem))
            return true;
    return forms.contains(word);
}

struct Word {
    QString text;
    bool digits = false;
    double number = 0;
};

// Lower-case words of the text, "ё" read as "е"; a decimal number such as 1,5 is one word.
QList<Word> words(const QString &text)
{
    QList<Word> out;
    const QString t = text.toLower().replace(QChar(0x0451), QChar(0x0435));
    int i = 0;
    while (i < t.size()) {
        if (t[i].isDigit()) {
            int j = i;
            while (j < t.size() && t[j].isDigit())
                ++j;
            if (j + 1 < t.size() && (t[j] == QLatin1Char(',') || t[j] == QLatin1Char('.')) &&
                t[j + 1].isDigit()) {
                ++j;
                while (j < t.size() && t[j].isDigit())
                    ++j;
            }
            QString n = t.mid(i, j - i);
            n.replace(QLatin1Char(','), QLatin1Char('.'));
            out.append({t.mid(i, j - i), true, n.toDouble()});
            i = j;
        } else if (t[i].isLetter()) {
            int j = i;
            while (j < t.size() && t[j].isLetter())
                ++j;
            out.append({t.mid(i, j - i)});
            i = j;
        } else {
            ++i;
        }
    }
    return out;
}

} // namespace

QString severityText(Severity severity)
{
    switch (severity) {
    case Severity::Minor: return QStringLiteral("небольшая тяжесть");
    case Severity::Medium: return QStringLiteral("средняя тяжесть");
    case Severity::Grave: return QStringLiteral("тяжкое");
    case Severity::ParticularlyGrave: return QStringLiteral("особо тяжкое");
    }
    return {};
}

int highestTermOfYears(const QString &punishment)
{
    const QList<Word> w = words(punishment);
    int highest = 1;
    for (int i = 0; i < w.size(); ++i) {
        int years = 0;
        int last = i; // the last word of the number
        if (w[i].digits) {
            years = int(std::ceil(w[i].number));
        } else if (const auto it = numberWords().constFind(w[i].text); it != numberWords().cend()) {
            years = it.value();
            // "двадцати пяти": twenty followed by a unit word is one number.
            if (years == 20 && i + 1 < w.size()) {
                const auto unit = numberWords().constFind(w[i + 1].text);
                if (unit != numberWords().cend() && unit.value() <= 9) {
                    years += unit.value();
                    last = i + 1;
                }
            }
        } else {
            continue;
        }
        const bool otherUnit = last + 1 < w.size() && isOtherUnit(w[last + 1].text);
        if (!otherUnit && years > highest)
            highest = years;
        i = last;
    }
    return highest;
}

std::optional<Severity> sanctionSeverity(const QVariant &type, const QString &punishment)
{
    if (type.isNull())
        return std::nullopt;
    bool ok = false;
    const int kind = type.toInt(&ok);
    if (!ok || kind < kTermOfImprisonment)
        return std::nullopt;
    if (kind > kTermOfImprisonment)
        return Severity::ParticularlyGrave;
    const int years = highestTermOfYears(punishment);
    if (years <= 2)
        return Severity::Minor;
    if (years <= 5)
        return Severity::Medium;
    if (years <= 10)
        return Severity::Grave;
    return Severity::ParticularlyGrave;
}

std::optional<Severity> ownerSeverity(const QList<SanctionTerms> &sanctions)
{
    if (sanctions.isEmpty())
        return std::nullopt;
    Severity worst = Severity::Minor;
    for (const SanctionTerms &s : sanctions)
        if (const auto one = sanctionSeverity(s.type, s.punishment); one && *one > worst)
            worst = *one;
    return worst;
}
