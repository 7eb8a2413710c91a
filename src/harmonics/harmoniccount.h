#pragma once

#include <QString>

class QLabel;
class synthesisPlot;

// The word after the harmonic count of a synthesis window ("Сумма N = 1 гармоника"), in the
// plural form the count needs in the chosen language.
QString harmonicsWord(int count);

// Keeps `word` agreeing with the count of `plot`'s partial sum, from the count it opens with.
void followHarmonicCount(QLabel &word, synthesisPlot &plot);
