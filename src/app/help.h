#pragma once

#include <QUrl>

#include <functional>

class QWidget;

// The help command: "Zorvant.chm" from AppFolder, opened by the desktop's handler for
// it. When the file is missing or nothing opens it, the user is told so.
namespace Help {

QString fileName(); // full path in AppFolder
void show(QWidget *parent = nullptr);

// Tests replace the desktop's handler; an empty function restores it. The function
// returns whether the file was handed to a viewer.
void setOpenerForTests(std::function<bool(const QUrl &)> opener);

} // namespace Help
