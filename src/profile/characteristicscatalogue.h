#pragma once

#include "profile/personprofile.h"

#include <QList>
#include <QStringList>

class IniFile;

// The user's characteristic names and the answer variants common to all of them, in the
// order the user added them; duplicates and blank texts are allowed. Kept in
// settings/description.ini.
struct CharacteristicsCatalogue {
    QStringList names;
    QStringList variants;

    bool operator==(const CharacteristicsCatalogue &) const = default;

    // A missing file gives two empty lists.
    static CharacteristicsCatalogue read(const IniFile &ini);
    static CharacteristicsCatalogue load(const QString &fileName);
    // Keys of a longer earlier catalogue stay in the file; "count" says how many count.
    void write(IniFile &ini) const;
    // Throws AppError "Unable to write to <file>", leaving the file as it was.
    void save(const QString &fileName) const;

    // The characteristics list after the catalogue is loaded into the page: one row per
    // name in catalogue order, keeping the answer a row of that name had (names given
    // twice take the answers of such rows in turn), then the rows with an answer whose
    // name the catalogue no longer holds, so that nothing the user chose is lost.
    QList<CharacteristicRow> rowsFor(const QList<CharacteristicRow> &current) const;
};
