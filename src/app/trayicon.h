#pragma once

#include <QSystemTrayIcon>

#include <optional>

// The program's icon in the notification area. Where the desktop has no tray the
// program must never hide itself, or the user could not get it back.
class TrayIcon : public QSystemTrayIcon {
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent = nullptr);

    static bool available();
    // Tests decide whether a tray exists; std::nullopt asks the desktop again.
    static void setAvailableForTests(std::optional<bool> available);

Q_SIGNALS:
    void doubleClicked();
};
