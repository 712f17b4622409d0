#pragma once

#include <QString>

// The program's start, for main() and for every test or tool that wants the very same
// program. The QApplication exists and is titled before startUp() is called.
//
// Sets the Russian locale and translations and the style, sets AppFolder, creates the
// single instances of instances.h in their fixed order, sets the partial-date window's
// latest year to this year and shows the main window. A failure while one instance is
// created is shown in the error box and the rest are still created.
void startUp();
// The same with AppFolder given instead of the executable's folder.
void startUp(const QString &appFolder);

// Lets the main window store what it keeps between runs (when it has not closed
// already), then destroys the instances in reverse order, DM last.
void shutDown();
