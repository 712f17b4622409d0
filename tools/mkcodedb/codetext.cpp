#include "codetext.h"

#include "platform/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("%1: не удалось открыть файл: %2").arg(path, f.errorString()));
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QLatin1Char('\r'));
    return text.split(QLatin1Char('\n'));
}

// Blank lines around a multi-line field are layout, not text.
QString tidy(const QString &value)
{
    QStringList lines = value.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    for (QString &l : lines)
        while (l.endsWith(QLatin1Char(' ')))
            l.chop(1);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QMap<int, QString> readSanctionKinds(const QString &path)
{
    QMap<int, QString> kinds;
    const QStringList lines = readLines(path);
    static const QRegularExpression line(QStringLiteral("^(\\d+):\\s*(.+?)\\s*$"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &l = lines[i];
        if (l.trimmed().isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const auto m = line.match(l);
        if (!m.hasMatch())
            throw AppError(QStringLiteral("%1:%2: ожидается «номер: название»").arg(path).arg(i + 1));
        kinds.insert(m.captured(1).toInt(), m.captured(2));
    }
    return kinds;
}

ArticleText readArticle(const QString &path)
{
    static const QStringList keys = {
        QStringLiteral("Статья"),       QStringLiteral("Название"), QStringLiteral("Дата"),
        QStringLiteral("Текст пункта"), QStringLiteral("Текст"),    QStringLiteral("Пункт"),
        QStringLiteral("Санкция"),      QStringLiteral("Условие"),  QStringLiteral("Наказание"),
    };
    const QStringList lines = readLines(path);
    ArticleText article;
    QString *field = nullptr; // the field that continuation lines extend
    SanctionText *sanction = nullptr;
    QString dateText;
    int dateLine = 0;

    auto fail = [&](int line, const QString &why) {
        throw AppError(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(why));
    };

    for (int i = 0; i < lines.size(); ++i) {
        const QString &l = lines[i];
        const int n = i + 1;
        if (l.startsWith(QLatin1Char('#')))
            continue;
        QString key;
        for (const QString &k : keys) {
            if (l.startsWith(k + QLatin1Char(':'))) {
                key = k;
                break;
            }
        }
        if (key.isEmpty()) {
            if (field)
                *field += QLatin1Char('\n') + l;
            else if (!l.trimmed().isEmpty())
                fail(n, QStringLiteral("строка вне поля; поле начинается с «Ключ:»"));
            continue;
        }
        const QString value = l.mid(key.size() + 1).trimmed();
        PartText *part = article.parts.isEmpty() ? nullptr : &article.parts.last();

        if (key == QStringLiteral("Статья") || key == QStringLiteral("Название") ||
            key == QStringLiteral("Дата") || key == QStringLiteral("Текст")) {
            if (part || sanction)
                fail(n, QStringLiteral("«%1» относится к статье и стоит до пунктов и санкций").arg(key));
            field = key == QStringLiteral("Статья")     ? &article.number
                    : key == QStringLiteral("Название") ? &article.title
                    : key == QStringLiteral("Текст")    ? &article.text
                                                       : &dateText;
            if (field == &dateText)
                dateLine = n;
        } else if (key == QStringLiteral("Пункт")) {
            if (!article.sanctions.isEmpty())
                fail(n, QStringLiteral("у статьи уже есть свои санкции: статья имеет либо пункты, "
                                       "либо санкции"));
            article.parts.append(PartText{});
            sanction = nullptr;
            field = &article.parts.last().number;
        } else if (key == QStringLiteral("Текст пункта")) {
            if (!part || sanction)
                fail(n, QStringLiteral("«Текст пункта» стоит сразу после «Пункт»"));
            field = &part->text;
        } else if (key == QStringLiteral("Санкция")) {
            auto &list = part ? part->sanctions : article.sanctions;
            list.append(SanctionText{});
            sanction = &list.last();
            field = &sanction->kind;
        } else { // Условие, Наказание
            if (!sanction)
                fail(n, QStringLiteral("«%1» стоит после «Санкция»").arg(key));
            field = key == QStringLiteral("Условие") ? &sanction->condition : &sanction->punishment;
        }
        *field = value;
    }

    article.number = article.number.trimmed();
    article.title = tidy(article.title);
    article.text = tidy(article.text);
    if (article.number.isEmpty() || article.title.isEmpty())
        fail(1, QStringLiteral("нет номера или названия статьи"));
    article.date = QDate::fromString(dateText.trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!article.date.isValid())
        fail(dateLine, QStringLiteral("дата записывается как дд.мм.гггг"));
    auto tidySanctions = [&](QList<SanctionText> &list) {
        for (SanctionText &s : list) {
            s.kind = s.kind.trimmed();
            s.condition = tidy(s.condition);
            s.punishment = tidy(s.punishment);
            if (s.punishment.isEmpty())
                fail(1, QStringLiteral("у санкции «%1» нет текста наказания").arg(s.kind));
        }
    };
    tidySanctions(article.sanctions);
    for (PartText &p : article.parts) {
        p.number = p.number.trimmed();
        p.text = tidy(p.text);
        if (p.sanctions.isEmpty())
            fail(1, QStringLiteral("у пункта %1 нет санкций").arg(p.number));
        tidySanctions(p.sanctions);
    }
    if (article.parts.isEmpty() && article.sanctions.isEmpty())
        fail(1, QStringLiteral("у статьи нет ни пунктов, ни санкций"));
    return article;
}
