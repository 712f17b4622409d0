#include "platform/inifile.h"

#include "platform/apperror.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

QString fold(const QString &name)
{
    return name.trimmed().toLower();
}

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<QString> headerName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

} // namespace

IniFile::IniFile(const QString &fileName)
    : m_fileName(fileName)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        parse(TextCodec::decode(file.readAll()));
    else
        parse(QString());
}

IniFile IniFile::empty(const QString &fileName)
{
    IniFile ini;
    ini.m_fileName = fileName;
    ini.parse(QString());
    return ini;
}

void IniFile::parse(const QString &text)
{
    m_sections.clear();
    m_sectionIndex.clear();
    m_sections.push_back(Section{});
    m_sections.back().hasHeader = false;

    for (const QString &line : TextCodec::splitLines(text)) {
        if (const auto name = headerName(line)) {
            Section section;
            section.name = *name;
            m_sections.push_back(std::move(section));
            continue;
        }
        Section &section = m_sections.back();
        const int index = int(section.lines.size());
        section.lines.append(line);
        if (!isBlank(line))
            section.end = index + 1;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0) {
            const QString key = fold(line.left(equals));
            if (!key.isEmpty() && !section.keys.contains(key))
                section.keys.insert(key, index);
        }
    }

    // A name given twice: the first section of it is the one that counts.
    for (int i = int(m_sections.size()) - 1; i >= 1; --i)
        m_sectionIndex[fold(m_sections[i].name)] = i;
}

const QString *IniFile::rawValue(const QString &section, const QString &key) const
{
    const auto s = m_sectionIndex.constFind(fold(section));
    if (s == m_sectionIndex.constEnd())
        return nullptr;
    const Section &found = m_sections[*s];
    const auto k = found.keys.constFind(fold(key));
    if (k == found.keys.constEnd())
        return nullptr;
    return &found.lines[*k];
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return rawValue(section, key) != nullptr;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const QString *line = rawValue(section, key);
    if (!line)
        return defaultValue;
    QString value = line->mid(line->indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    value.truncate(MaxValueLength);
    return value;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QString stored = value;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    stored.replace(u'\r', u' ');
    stored.replace(u'\n', u' ');
    const QString line = key + u'=' + stored;

    const QString sectionKey = fold(section);
    auto s = m_sectionIndex.constFind(sectionKey);
    if (s == m_sectionIndex.constEnd()) {
        Section added;
        added.name = section;
        s = m_sectionIndex.insert(sectionKey, int(m_sections.size()));
        m_sections.push_back(std::move(added));
    }
    Section &target = m_sections[*s];
    const QString keyName = fold(key);
    const auto k = target.keys.constFind(keyName);
    if (k != target.keys.constEnd()) {
        target.lines[*k] = line;
        return;
    }
    // After the last line that is not blank, so that blank lines keep separating the
    // section from the next one; only blank lines follow, so no indexed line moves.
    target.lines.insert(target.end, line);
    target.keys.insert(keyName, target.end);
    ++target.end;
}

QString IniFile::text() const
{
    QStringList lines;
    for (const Section &section : m_sections) {
        if (section.hasHeader)
            lines.append(u'[' + section.name + u']');
        lines.append(section.lines);
    }
    return TextCodec::joinLines(lines);
}

bool IniFile::trySave(QString *errorString) const
{
    // Renaming a new file over a read-only one would succeed, even for a user whom
    // the system lets write anywhere; the file was made read-only so that it stays.
    const QFileInfo info(m_fileName);
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner))) {
        if (errorString)
            *errorString = QStringLiteral("Permission denied");
        return false;
    }
    const QByteArray bytes = TextCodec::encode(text());
    QSaveFile file(m_fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (errorString)
        *errorString = file.errorString();
    return false;
}

void IniFile::save() const
{
    if (!trySave(nullptr))
        throw AppError(QStringLiteral("Unable to write to %1").arg(m_fileName));
}
