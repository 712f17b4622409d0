#pragma once

#include <QString>

// Orders texts with runs of digits compared as numbers, so article and point numbers
// sort as a lawyer reads them: 105 < 158 < 158.1 < 159 < 1000, "ч. 2" < "ч. 10".
// Letters compare without regard to case. Negative, zero or positive like strcmp.
int naturalCompare(const QString &a, const QString &b);
