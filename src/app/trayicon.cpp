#include "trayicon.h"

#include "app/appicon.h"

namespace {
std::optional<bool> &availabilityOverride()
{
    static std::optional<bool> value;
    return value;
}
} // namespace

TrayIcon::TrayIcon(QObject *parent)
    : QSystemTrayIcon(programIcon(), parent)
{
    setObjectName(QStringLiteral("TrayIcon1"));
    setToolTip(QStringLiteral("Zorvant"));
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == DoubleClick)
            Q_EMIT doubleClicked();
    });
}

bool TrayIcon::available()
{
    if (availabilityOverride())
        return *availabilityOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setAvailableForTests(std::optional<bool> available)
{
    availabilityOverride() = available;
}
