#pragma once

#include <QIcon>

// The program's icon (a bound copy of the Code), drawn rather than shipped so that it
// is crisp at every size the window frame, the tray and the about box ask for.
QIcon programIcon();
