#include "startupoptions.h"

#include "apperror.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kAutohide = QStringLiteral("autohide");
}

StartupOptions::StartupOptions()
    : StartupOptions(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
{
}

StartupOptions::StartupOptions(const QString &configFolder)
    : m_fileName(QDir(configFolder).filePath(QStringLiteral("startup.ini")))
{
}

bool StartupOptions::isOn(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number != 0;
}

bool StartupOptions::autohide() const
{
    const QSettings settings(m_fileName, QSettings::IniFormat);
    // A value that the INI reader splits at commas comes back as a list, whose text is
    // empty: off, as for any other text that is not a number.
    return isOn(settings.value(kAutohide).toString());
}

void StartupOptions::setAutohide(bool on)
{
    QSettings settings(m_fileName, QSettings::IniFormat);
    settings.setValue(kAutohide, on ? QStringLiteral("1") : QStringLiteral("0"));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw AppError(QStringLiteral("Не удалось записать файл \"%1\"").arg(m_fileName));
}
