#pragma once

#include <QWidget>

// A spectrum under a synthesis signal plot, which highlights the lines of the harmonics added
// so far: "Добавить гармонику" highlights one more, a step back takes it back, "Репер" none.
class spectrumSteps : public QWidget
{
    Q_OBJECT

public:
    int highlightedLines() const { return shownHarmonics; }

public slots:
    void moveSpec();
    // Takes back one moveSpec(): the last highlighted line turns black again.
    void withdrawSpec();
    void reper();

protected:
    using QWidget::QWidget;

private:
    int shownHarmonics = 0;
};
