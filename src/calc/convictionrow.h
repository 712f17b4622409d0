#pragma once

#include <QDate>
#include <QString>

// One prior conviction. Both conviction lists (the profile's and the recidivism page's),
// the profile file and the copy commands address its fields by these positions.
struct ConvictionRow {
    enum Column {
        Date = 0,
        Article = 1,
        Point = 2,
        Heaviness = 3,
        Deprivation = 4,
        Infancy = 5,
        Respite = 6,
        Expunged = 7,
        ColumnCount = 8,
    };

    QDate date;          // null when the dialog was left without a date
    QString article;     // the article number as the picker showed it
    QString point;       // the point number, empty when none was chosen
    QString heaviness;   // a severity text, matched against the four categories
    bool deprivation = false;
    bool infancy = false;
    bool respite = false;
    bool expunged = false; // derived, never stored: !calc_sudimost1(...)

    bool operator==(const ConvictionRow &) const = default;
};

// Whether the record of a conviction is still in force on `today`: the conviction date
// plus the years of its category (exact match), in force on the expiry day itself. A
// row without a date counts as in force: nothing says when its record would expire.
bool calc_sudimost1(const QString &heaviness, bool infancy, const QDate &today,
                    const QDate &date);
