#pragma once

#include <QString>

// The executable's folder with a trailing '/'. The database, the settings folder and
// the help file are found through it, never through the current directory.
const QString &AppFolder();
void setAppFolder(const QString &folder); // adds the trailing '/' when missing
