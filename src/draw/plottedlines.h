#pragma once

#include <QStringList>

#include <vector>

namespace draw
{

// One line of a spectrum plot as numbers: its number, its place on the frequency axis in that
// axis' units, and its value or values in the units of the value axes.
struct PlottedLine {
    int number;
    double frequency;
    std::vector<double> values;
};

// The lines a spectrum plot draws, in the order it draws them; `values` names the value columns.
struct PlottedLines {
    QStringList values;
    std::vector<PlottedLine> lines;
};

// A live spectrum plot, whose lines a window can write out as numbers. The plot's picture is
// painted from the same lines, so the numbers are exactly what is drawn.
class SpectrumPlot
{
public:
    virtual ~SpectrumPlot() = default;
    virtual PlottedLines plottedLines() const = 0;

protected:
    SpectrumPlot() = default;
    SpectrumPlot(const SpectrumPlot &) = default;
    SpectrumPlot &operator=(const SpectrumPlot &) = default;
};

} // namespace draw
