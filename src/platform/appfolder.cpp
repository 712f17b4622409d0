#include "appfolder.h"

namespace {
QString &folderStore()
{
    static QString folder;
    return folder;
}
} // namespace

const QString &AppFolder() { return folderStore(); }

void setAppFolder(const QString &folder)
{
    QString f = folder;
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    folderStore() = f;
}
