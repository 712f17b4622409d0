#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

// The sample Code as it stands in data/: articles, their parts and the sanctions.
struct SanctionText {
    QString kind; // a name from sankc_type.txt
    QString condition;
    QString punishment;
};

struct PartText {
    QString number;
    QString text;
    QList<SanctionText> sanctions;
};

struct ArticleText {
    QString number;
    QString title;
    QDate date;
    QString text;
    QList<SanctionText> sanctions; // own sanctions of an article without parts
    QList<PartText> parts;
};

// Both throw AppError naming the file and line of the first fault.
QMap<int, QString> readSanctionKinds(const QString &path);
ArticleText readArticle(const QString &path);
