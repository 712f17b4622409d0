#include "help.h"

#include "platform/appfolder.h"
#include "platform/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {
std::function<bool(const QUrl &)> &opener()
{
    static std::function<bool(const QUrl &)> value;
    return value;
}
} // namespace

namespace Help {

QString fileName()
{
    return AppFolder() + QStringLiteral("Zorvant.chm");
}

void show(QWidget *parent)
{
    const QString path = fileName();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        Messages::showError(QStringLiteral("Файл справки \"%1\" не найден").arg(shown), parent);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        Messages::showError(
            QStringLiteral("Не удалось открыть файл справки \"%1\": в системе нет программы "
                           "для его просмотра")
                .arg(shown),
            parent);
}

void setOpenerForTests(std::function<bool(const QUrl &)> o)
{
    opener() = std::move(o);
}

} // namespace Help
