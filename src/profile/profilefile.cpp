#include "profile/profilefile.h"

#include "platform/apperror.h"
#include "platform/inifile.h"
#include "profile/profilevalues.h"

#include <algorithm>

namespace {

const QString kMain = QStringLiteral("main");
const QString kConvictions = QStringLiteral("previous_conviction");
const QString kDescription = QStringLiteral("description");
const QString kCount = QStringLiteral("count");

QString rowKey(const char *stem, int row)
{
    return QString::fromLatin1(stem) + QString::number(row);
}

class Reader {
public:
    Reader(const IniFile &ini, const QString &section) : m_ini(ini), m_section(section) {}

    QString text(const QString &key, const QString &missing = QString()) const
    {
        return m_ini.readString(m_section, key, missing);
    }
    QDate date(const QString &key) const { return ProfileValues::readDate(text(key)); }
    bool flag(const QString &key) const { return ProfileValues::readBool(text(key)); }
    std::optional<int> integer(const QString &key) const
    {
        return ProfileValues::readInt(text(key));
    }
    int count() const { return std::clamp(integer(kCount).value_or(0), 0, ProfileFile::MaxRows); }

private:
    const IniFile &m_ini;
    const QString &m_section;
};

} // namespace

namespace ProfileFile {

QString sexItem(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("Мужской");
    case 1:
        return QStringLiteral("Женскии");
    }
    return QString();
}

void write(const PersonProfile &p, IniFile &ini)
{
    const std::optional<int> years = ProfileValues::readInt(p.inMarriageYears);
    if (!years)
        throw AppError(QStringLiteral("''%1'' is not a valid integer value").arg(p.inMarriageYears));

    const auto main = [&ini](const char *key, const QString &value) {
        ini.writeString(kMain, QString::fromLatin1(key), value);
    };
    main("name", p.name);
    main("lastname", p.lastname);
    main("patronymic", p.patronymic);
    main("registration_address", p.registrationAddress);
    main("registration_date", ProfileValues::dateText(p.registrationDate));
    main("reside_address", p.resideAddress);
    main("reside_date", ProfileValues::dateText(p.resideDate));
    main("bdate", p.bdate);
    int sex = -1;
    if (p.sex == sexItem(0))
        sex = 0;
    else if (p.sex == sexItem(1))
        sex = 1;
    main("sex", QString::number(sex));
    main("in_marriage", ProfileValues::boolText(p.inMarriage));
    main("in_marriage_years", QString::number(*years));
    main("live_togethe", ProfileValues::boolText(p.liveTogether));
    main("criminal_onus", ProfileValues::boolText(p.criminalOnus));
    main("administrative_onus", ProfileValues::boolText(p.administrativeOnus));
    main("working", ProfileValues::boolText(p.working));
    main("salary", ProfileValues::moneyText(p.salary));

    ini.writeString(kConvictions, kCount, QString::number(p.convictions.size()));
    for (int i = 0; i < p.convictions.size(); ++i) {
        const ConvictionRow &row = p.convictions.at(i);
        const auto key = [&ini, i](const char *stem, const QString &value) {
            ini.writeString(kConvictions, rowKey(stem, i), value);
        };
        key("date", ProfileValues::dateText(row.date));
        key("article", row.article);
        key("point", row.point);
        key("heaviness", row.heaviness);
        key("deprivation", ProfileValues::boolText(row.deprivation));
        key("infancy", ProfileValues::boolText(row.infancy));
        key("respite", ProfileValues::boolText(row.respite));
    }

    ini.writeString(kDescription, kCount, QString::number(p.characteristics.size()));
    for (int i = 0; i < p.characteristics.size(); ++i) {
        ini.writeString(kDescription, rowKey("title", i), p.characteristics.at(i).title);
        ini.writeString(kDescription, rowKey("value", i), p.characteristics.at(i).value);
    }
}

PersonProfile read(const IniFile &ini, const QDate &today)
{
    PersonProfile p;
    const Reader main(ini, kMain);
    p.name = main.text(QStringLiteral("name"));
    p.lastname = main.text(QStringLiteral("lastname"));
    p.patronymic = main.text(QStringLiteral("patronymic"));
    p.registrationAddress = main.text(QStringLiteral("registration_address"));
    p.registrationDate = main.date(QStringLiteral("registration_date"));
    p.resideAddress = main.text(QStringLiteral("reside_address"));
    p.resideDate = main.date(QStringLiteral("reside_date"));
    p.bdate = main.text(QStringLiteral("bdate"), QStringLiteral("\?\?/\?\?/\?\?\?\?"));
    // A number that names neither item leaves the box empty rather than guessing.
    p.sex = sexItem(main.integer(QStringLiteral("sex")).value_or(1));
    p.inMarriage = main.flag(QStringLiteral("in_marriage"));
    p.inMarriageYears = QString::number(main.integer(QStringLiteral("in_marriage_years")).value_or(2));
    p.liveTogether = main.flag(QStringLiteral("live_togethe"));
    p.criminalOnus = main.flag(QStringLiteral("criminal_onus"));
    p.administrativeOnus = main.flag(QStringLiteral("administrative_onus"));
    p.working = main.flag(QStringLiteral("working"));
    p.salary = ProfileValues::readMoney(main.text(QStringLiteral("salary"))).value_or(0);

    const Reader convictions(ini, kConvictions);
    const int n = convictions.count();
    p.convictions.reserve(n);
    for (int i = 0; i < n; ++i) {
        ConvictionRow row;
        row.date = convictions.date(rowKey("date", i));
        row.article = convictions.text(rowKey("article", i));
        row.point = convictions.text(rowKey("point", i));
        row.heaviness = convictions.text(rowKey("heaviness", i));
        row.deprivation = convictions.flag(rowKey("deprivation", i));
        row.infancy = convictions.flag(rowKey("infancy", i));
        row.respite = convictions.flag(rowKey("respite", i));
        row.expunged = !calc_sudimost1(row.heaviness, row.infancy, today, row.date);
        p.convictions.append(row);
    }

    const Reader description(ini, kDescription);
    const int m = description.count();
    p.characteristics.reserve(m);
    for (int i = 0; i < m; ++i)
        p.characteristics.append(
            {description.text(rowKey("title", i)), description.text(rowKey("value", i))});
    return p;
}

void save_har(const PersonProfile &profile, const QString &fileName)
{
    IniFile ini(fileName);
    write(profile, ini);
    ini.save();
}

PersonProfile open_har(const QString &fileName, const QDate &today)
{
    return read(IniFile(fileName), today);
}

} // namespace ProfileFile
