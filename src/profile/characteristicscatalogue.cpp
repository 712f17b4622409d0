#include "profile/characteristicscatalogue.h"

#include "platform/inifile.h"
#include "profile/profilefile.h"
#include "profile/profilevalues.h"

#include <QHash>

#include <algorithm>

namespace {

const QString kNames = QStringLiteral("description");
const QString kVariants = QStringLiteral("description_values");
const QString kCount = QStringLiteral("count");

QStringList readList(const IniFile &ini, const QString &section, const QString &stem)
{
    const int count = std::clamp(ProfileValues::readInt(ini.readString(section, kCount)).value_or(0),
                                 0, ProfileFile::MaxRows);
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items.append(ini.readString(section, stem + QString::number(i)));
    return items;
}

void writeList(IniFile &ini, const QString &section, const QString &stem, const QStringList &items)
{
    ini.writeString(section, kCount, QString::number(items.size()));
    for (int i = 0; i < items.size(); ++i)
        ini.writeString(section, stem + QString::number(i), items.at(i));
}

} // namespace

CharacteristicsCatalogue CharacteristicsCatalogue::read(const IniFile &ini)
{
    return {readList(ini, kNames, QStringLiteral("title")),
            readList(ini, kVariants, QStringLiteral("value"))};
}

CharacteristicsCatalogue CharacteristicsCatalogue::load(const QString &fileName)
{
    return read(IniFile(fileName));
}

void CharacteristicsCatalogue::write(IniFile &ini) const
{
    writeList(ini, kNames, QStringLiteral("title"), names);
    writeList(ini, kVariants, QStringLiteral("value"), variants);
}

void CharacteristicsCatalogue::save(const QString &fileName) const
{
    IniFile ini(fileName);
    write(ini);
    ini.save();
}

QList<CharacteristicRow> CharacteristicsCatalogue::rowsFor(const QList<CharacteristicRow> &current) const
{
    // Rows of each name, in list order, not yet given to a catalogue entry.
    QHash<QString, QList<int>> byName;
    for (int i = 0; i < current.size(); ++i)
        byName[current.at(i).title].append(i);

    QList<bool> taken(current.size(), false);
    QList<CharacteristicRow> rows;
    rows.reserve(names.size());
    for (const QString &name : names) {
        CharacteristicRow row{name, QString()};
        auto found = byName.find(name);
        if (found != byName.end() && !found->isEmpty()) {
            const int index = found->takeFirst();
            taken[index] = true;
            row.value = current.at(index).value;
        }
        rows.append(row);
    }
    for (int i = 0; i < current.size(); ++i) {
        if (!taken.at(i) && !current.at(i).value.isEmpty())
            rows.append(current.at(i));
    }
    return rows;
}
