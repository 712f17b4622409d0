#pragma once

#include <QString>

// What the program does when it starts: whether it hides itself into the tray. The
// value lives in the user's own configuration, not beside the executable, because it
// belongs to the user rather than to the installed copy.
class StartupOptions {
public:
    // The user's configuration folder of this program.
    StartupOptions();
    explicit StartupOptions(const QString &configFolder);

    QString fileName() const { return m_fileName; }

    // A missing file or value, an empty text or a text that is not a whole number all
    // read as off, so a hand-edited or damaged file never hides the window by surprise.
    bool autohide() const;
    // Stores "1" or "0". Throws AppError when the file cannot be written.
    void setAutohide(bool on);

    // The rule for the stored text: a whole number, and any number but zero is on.
    static bool isOn(const QString &text);

private:
    QString m_fileName;
};
