#include "naturalorder.h"

int naturalCompare(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ei = i;
            int ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Compare the numbers without leading zeros: longer is larger, then digit by digit.
            int si = i;
            int sj = j;
            while (si + 1 < ei && a[si] == QLatin1Char('0'))
                ++si;
            while (sj + 1 < ej && b[sj] == QLatin1Char('0'))
                ++sj;
            if (ei - si != ej - sj)
                return (ei - si) - (ej - sj);
            for (; si < ei; ++si, ++sj)
                if (a[si] != b[sj])
                    return a[si].unicode() - b[sj].unicode();
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca.unicode() - cb.unicode();
        ++i;
        ++j;
    }
    return int(a.size() - i) - int(b.size() - j);
}
