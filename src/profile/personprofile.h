#pragma once

#include "calc/convictionrow.h"

#include <QDate>
#include <QList>
#include <QString>

// One row of the characteristics list: a name from the catalogue or from a profile
// file, and how the person is characterised.
struct CharacteristicRow {
    QString title;
    QString value;

    bool operator==(const CharacteristicRow &) const = default;
};

// Everything the profile page holds, as its controls hold it.
struct PersonProfile {
    QString name;
    QString lastname;
    QString patronymic;
    QString registrationAddress;
    QDate registrationDate; // null: the box is empty
    QString resideAddress;
    QDate resideDate;
    QString bdate;          // the birth-date box's text, normally a partial date
    QString sex = QStringLiteral("Мужской"); // the sex box's text
    bool inMarriage = false;
    QString inMarriageYears = QStringLiteral("0"); // as typed: any text
    bool liveTogether = false;
    bool criminalOnus = false;
    bool administrativeOnus = false;
    bool working = false;
    double salary = 0;
    QList<ConvictionRow> convictions;
    QList<CharacteristicRow> characteristics;

    bool operator==(const PersonProfile &) const = default;
};
