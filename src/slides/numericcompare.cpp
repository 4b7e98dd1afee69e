// SPDX-License-Identifier: GPL-3.0-or-later
#include "numericcompare.h"

namespace lanternreel {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Compares the digit runs starting at `i` in `a` and `j` in `b` by value, whatever their length,
// and moves both positions past their runs.
int compareNumbers(const QString &a, qsizetype &i, const QString &b, qsizetype &j)
{
    auto skipZeros = [](const QString &s, qsizetype &k) {
        while (k + 1 < s.size() && s[k] == QLatin1Char('0') && isDigit(s[k + 1]))
            ++k;
    };
    skipZeros(a, i);
    skipZeros(b, j);
    qsizetype endA = i;
    while (endA < a.size() && isDigit(a[endA]))
        ++endA;
    qsizetype endB = j;
    while (endB < b.size() && isDigit(b[endB]))
        ++endB;
    int result = 0;
    if (endA - i != endB - j) {
        result = endA - i < endB - j ? -1 : 1;
    } else {
        for (qsizetype k = 0; k < endA - i && result == 0; ++k) {
            if (a[i + k] != b[j + k])
                result = a[i + k] < b[j + k] ? -1 : 1;
        }
    }
    i = endA;
    j = endB;
    return result;
}

} // namespace

int numericCompare(const QString &first, const QString &second)
{
    // One name may come from a system that writes an accent as a letter and a combining mark,
    // the other with the accented letter itself: compared composed, they are the same.
    const QString a = first.normalized(QString::NormalizationForm_C);
    const QString b = second.normalized(QString::NormalizationForm_C);
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            if (const int byValue = compareNumbers(a, i, b, j))
                return byValue;
            continue;
        }
        const QChar x = a[i].toCaseFolded();
        const QChar y = b[j].toCaseFolded();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace lanternreel
