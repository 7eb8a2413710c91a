#pragma once

#include <QWidget>

#include <vector>

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
    // Takes back the last reper(): the lines highlighted before it light up again.
    void withdrawReper();

protected:
    using QWidget::QWidget;

private:
    int shownHarmonics = 0;
    // The highlighted lines before each "Репер", the latest last.
    std::vector<int> beforeReper;
};
