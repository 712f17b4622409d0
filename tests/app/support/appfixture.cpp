#include "appfixture.h"

#include "app/startup.h"
#include "db/schema.h"
#include "platform/messages.h"
#include "platform/sqliteconnection.h"
#include "platform/startupoptions.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

namespace AppFixture {

void initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QStandardPaths::setTestModeEnabled(true);
    removeStartupOptions();
    Messages::startRecording();
}

void writeCodeDatabase(const QString &folder, const QStringList &articleNumbers)
{
    const QString path = QDir(folder).filePath(QStringLiteral("Zorvant.mdb"));
    QFile::remove(path);
    SqliteConnection db;
    db.openForBuild(path);
    db.execScript(codeSchemaSql());
    int n = 0;
    for (const QString &number : articleNumbers)
        db.exec(QStringLiteral(
                    "insert into main (GUID, NumberSt, NameSt, TextSt) values (?1, ?2, ?3, ?4)"),
                {QStringLiteral("{00000000-0000-0000-0000-%1}").arg(++n, 12, 10, QLatin1Char('0')),
                 number, QStringLiteral("Статья %1").arg(number), QStringLiteral("Текст")});
}

void writeAutohide(const QString &text)
{
    const QString fileName = StartupOptions().fileName();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nautohide=" + text.toUtf8() + "\n");
}

void removeStartupOptions()
{
    QFile::remove(StartupOptions().fileName());
}

} // namespace AppFixture

RunningProgram::RunningProgram(const QString &appFolder)
{
    startUp(appFolder);
}

RunningProgram::~RunningProgram()
{
    shutDown();
}
