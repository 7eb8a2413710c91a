#include "harmonics/harmoniccount.h"

#include "harmonics/synthesisplot.h"

#include <QCoreApplication>
#include <QLabel>

QString harmonicsWord(int count)
{
    // The count stands in a label of its own, in a larger font: the word alone is translated,
    // its plural form chosen by the count.
    return QCoreApplication::translate("harmonics", "гармоник", nullptr, count);
}

void followHarmonicCount(QLabel &word, synthesisPlot &plot)
{
    word.setText(harmonicsWord(0));
    QObject::connect(&plot, &synthesisPlot::sumOfHarmonicChanged, &word,
                     [&word](int count) { word.setText(harmonicsWord(count)); });
}
