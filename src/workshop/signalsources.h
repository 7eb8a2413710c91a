#pragma once

#include "workshop/periodicsignal.h"

#include <QString>

class QIODevice;

// Where a workshop signal comes from besides the presets and the mouse: a formula typed over one
// period, and a CSV table. Each gives the samples, or one line in Russian saying what is wrong
// and where, and never a part of a signal.
namespace workshop
{

struct Loaded {
    Samples samples; // empty when refused
    QString error;
};

// F(t) for t from 0 to 1, with the functions sin, cos, exp, abs, sign, sqrt, floor, min, max and
// the constants pi and e; every sample must be a finite number.
Loaded parseFormula(const QString &text);

// Files larger than this are refused without being read.
constexpr qint64 largestFile = 10 * 1024 * 1024;

// A CSV table in UTF-8: the header "t,f", then at least two rows "t,f" of plain numbers with t
// increasing within [0, 1], over one period. The rows are joined by straight lines, across the
// period's end too, and the samples taken from them.
Loaded readCsv(QIODevice &in);
Loaded readCsv(const QString &path);

// The samples as such a table, every number written so that it reads back exactly.
QByteArray csvOf(const Samples &samples);

} // namespace workshop
