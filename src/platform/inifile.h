#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// An INI file with the behaviour Windows gives its private-profile files, which is what
// files from earlier installations were written with: section and key names match
// whatever their letter case; a value read loses its surrounding blanks and one pair of
// enclosing quote marks and is cut at 2047 characters; writing into an existing file
// changes a key's value where the key stands, adds a new key at the end of its section
// and a new section at the end of the file, and removes nothing, so lines this program
// does not know survive.
//
// The file is read once when the object is made and written once by save(), through a
// temporary file, so a failed save leaves the old file whole.
class IniFile {
public:
    static constexpr int MaxValueLength = 2047;

    // A missing or unreadable file reads as an empty one.
    explicit IniFile(const QString &fileName);
    // Starts from nothing, whatever the file holds now: save() replaces it.
    static IniFile empty(const QString &fileName);

    const QString &fileName() const { return m_fileName; }

    bool contains(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // A line break in the value would start a line of its own, so it is stored as a blank.
    void writeString(const QString &section, const QString &key, const QString &value);

    // The file as it would be saved, decoded.
    QString text() const;

    // Throws AppError "Unable to write to <file>".
    void save() const;
    // The same without throwing: false with the system's reason.
    bool trySave(QString *errorString) const;

private:
    IniFile() = default;

    struct Section {
        QString name;         // as the file spells it
        bool hasHeader = true; // false for the lines before the first header
        QStringList lines;    // the lines after the header
        QHash<QString, int> keys; // folded key name -> its first line
        int end = 0;          // where a new key goes: after the last line that is not blank
    };

    void parse(const QString &text);
    const QString *rawValue(const QString &section, const QString &key) const;

    QString m_fileName;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex; // folded name -> the first section of that name
};
